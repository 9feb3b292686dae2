// The upgrade screen (mode 9): every point is spent on the vehicle's statistics before the
// game goes on, by clicking a stat's upgrade button or by the arrows and Enter. The reward
// screen (mode 4): the cards of the opponent's reward list are taken by a click (or Enter
// on the selected one) until the picks are used up; a deck of more than 100 cards may
// leave picks unused. On both, Up and Down walk the rows, then OK below them once it is
// offered, round again.
#include "screens/match_rewards.h"

#include "cards/decks.h"
#include "cards/opponents.h"
#include "cards/rewards.h"
#include "platform/core/input_state.h"
#include "screens/card_drawing.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/stat_rows.h"
#include "screens/text_places.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgeparticle.h"
#include "toolkit/hgepmanager.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr DWORD WHITE = 0xFFFFFFFF, BLACK = 0xFF000000, PANEL = 0xFF3A3F5A, DESCCOLOR = 0xFFFF8080;

hgeSprite* background = nullptr;
hgeSprite* okButton = nullptr;
hgeSprite* frame = nullptr;

void runParticles(float dt) {
    if (psmgrX) psmgrX->Update(dt);
}

// ---- Upgrades ----

constexpr int STATLABEL = 3, STATBAR = 10, STATVALUE = 17, UPGRADEBUTTON = 24;  // seven rows each
constexpr int DESCBOX = 31, ROWFOCUS = 32, UPGRADEOK = 33;  // ROWFOCUS: the stat rows, as the focus sees them
constexpr float ROFMARGIN = 0.005f;  // float steps of 0.05 may stop a hair above the floor

hgeSprite* lifeBar = nullptr;
hgeSprite* fuelBar = nullptr;
hgeSprite* tab = nullptr;
hgeSprite* pointsIcon = nullptr;
hgeSprite* costIcons[2] = {};
hgeSprite* upgradeButton = nullptr;
bool rowChosenByKeys = false;

bool pointsSpent() { return pl[0].upgradePoints <= 0; }
bool offeredOnUpgrades(int place) { return place != UPGRADEOK || pointsSpent(); }
MenuFocus upgradeFocus({ROWFOCUS, UPGRADEOK}, offeredOnUpgrades);

void moveUpgradeFocus(int step) {
    const bool last = selected == (step > 0 ? NUMSTATS - 1 : 0);
    if (upgradeFocus.on(ROWFOCUS) && last && pointsSpent()) {
        upgradeFocus.moveTo(UPGRADEOK);
        return;
    }
    selected = upgradeFocus.on(ROWFOCUS) ? (selected + step + NUMSTATS) % NUMSTATS : step > 0 ? 0 : NUMSTATS - 1;
    upgradeFocus.moveTo(ROWFOCUS);
    rowChosenByKeys = true;
}

bool rofAtFloor() {
    return selectedVeh >= 0 && selectedVeh < MAXVEHICLES && VEH_rof[selectedVeh] <= LOWESTROF + ROFMARGIN;
}

// An upgrade is sold while the points cover it and it would still change the vehicle.
bool canUpgrade(int stat) {
    if (stat < 0 || stat >= NUMSTATS) return false;
    return pl[0].upgradePoints >= pl[0].upgradeCost[stat] && !(stat == S_ROF && rofAtFloor());
}

void upgrade(int stat) {
    if (canUpgrade(stat)) upgradeStat(stat);
}

// The stat row the pointer rests on, or -1.
int hoveredRow() {
    for (int stat = 0; stat < NUMSTATS; ++stat)
        for (int column : {STATLABEL, STATBAR, STATVALUE, UPGRADEBUTTON})
            if (mOver[column + stat]) return stat;
    return -1;
}

const char* statValueText(int stat) {
    const char* number = statNumber(stat, selectedVeh);
    if (stat == S_ROF && rofAtFloor()) return label("%s [MAX]", number);
    if (stat == S_HEART) return label("%s H\n%.0f F", number, VEH_fuel[selectedVeh]);
    return number;
}

void drawStatRow(int stat) {
    const hgeRect& name = pos[STATLABEL + stat];
    DrawTextA(fontArial, name.x1 + 4, name.y1 + 2, STATNAMES[stat], 0, 1, WHITE);
    const hgeRect& bar = pos[STATBAR + stat];
    drawStatBar(lifeBar, bar, statBarFraction(stat, statValue(stat, selectedVeh)), WHITE);
    if (stat == S_HEART)
        drawStatBar(fuelBar, hgeRect(bar.x1, bar.y2, bar.x2, bar.y2 + 8), fuelBarFraction(VEH_fuel[selectedVeh]), WHITE);
    const hgeRect& value = pos[STATVALUE + stat];
    const char* text = statValueText(stat);
    if (stat == S_HEART)
        DrawTextA(fontSmall2, value.x1 + 4, value.y1, text, 0, 1, WHITE);
    else
        DrawTextA(fontArial, value.x1 + 4, value.y1 + 2, text, 0, shrinkToFit(fontArial, text, value.x2 - value.x1 - 4),
                  WHITE);
    const hgeRect& button = pos[UPGRADEBUTTON + stat];
    const bool active = canUpgrade(stat);
    putSprite(upgradeButton, button.x1, button.y1, active ? WHITE : 0x80808080);
    if (active && mOver[UPGRADEBUTTON + stat]) drawPulse(button);
    putSprite(costIcons[pl[0].upgradeCost[stat] == 2 ? 1 : 0], button.x2 + 6, button.y1 + 4);
}

// ---- Rewards ----

constexpr int REWARDCARDS = 21, ROWLENGTH = 7;
constexpr int GRIDBOX = 22, REWARDOK = 25;
constexpr int ROOMYDECK = 100;  // a deck larger than this may skip the picks left
constexpr int TAKENCARD = -1;
constexpr int TAKESOUND = 9, TAKECHANNEL = 5;

constexpr int CARDFOCUS = 23;  // the reward cards, as the focus sees them

bool mayLeaveRewards() { return pl[0].rewardPicks <= 0 || pl[0].deckSize > ROOMYDECK; }
bool offeredOnRewards(int place) { return place != REWARDOK || mayLeaveRewards(); }
MenuFocus rewardFocus({CARDFOCUS, REWARDOK}, offeredOnRewards);

// A full deck takes no more cards: the pick is kept rather than lost.
void takeCard(int i) {
    Player& me = pl[0];
    if (i < 0 || i >= REWARDCARDS || me.rewardCards[i] == TAKENCARD || me.rewardPicks <= 0 ||
        me.deckSize >= MAXDECKSIZE)
        return;
    addToDeck(0, me.rewardCards[i]);
    --me.rewardPicks;
    me.rewardCards[i] = TAKENCARD;
    playSFX(TAKESOUND, TAKECHANNEL);
}

void leaveRewards() { back2SelectScreen(selectedOpp == MAXOPPONENTS - 1); }

void moveRewardSelection(int key) {
    const int row = selected / ROWLENGTH, column = selected % ROWLENGTH;
    const bool onCards = rewardFocus.on(CARDFOCUS);
    if (onCards && isLeftKey(key)) {
        selected = row * ROWLENGTH + (column + ROWLENGTH - 1) % ROWLENGTH;
    } else if (onCards && isRightKey(key)) {
        selected = row * ROWLENGTH + (column + 1) % ROWLENGTH;
    } else if (isUpKey(key) || isDownKey(key)) {
        const int step = isUpKey(key) ? -1 : 1;
        const int lastRow = REWARDCARDS / ROWLENGTH - 1;
        if (onCards && row == (step > 0 ? lastRow : 0) && mayLeaveRewards()) {
            rewardFocus.moveTo(REWARDOK);
            return;
        }
        const int rows = lastRow + 1;
        selected = (onCards ? (row + step + rows) % rows : step > 0 ? 0 : lastRow) * ROWLENGTH + column;
        rewardFocus.moveTo(CARDFOCUS);
    }
}

// Enter on a card takes it while picks are left, and goes on once none are.
void actOnRewards() {
    if (rewardFocus.on(REWARDOK) || pl[0].rewardPicks <= 0) leaveRewards();
    else takeCard(selected);
}

// "reward set <opponent>-<n>": n tells the lists apart, first or repeat win and quest.
int rewardSetNumber() {
    const int haveBeat = pl[0].misc[M_HAVEBEAT] != 0 ? 1 : 0;
    if (selectedOpp == MAXOPPONENTS - 1) return pl[0].questNum;
    if (pl[0].questNum == 2) return haveBeat ? 2 : 3;
    return haveBeat + 1;
}

}  // namespace

void initSelectUpgrade() {
    enterMenu();
    background = menuSprite("selectBG");
    gameMode = MODE_SELECTUPGRADE;
    for (int stat = 0; stat < NUMSTATS; ++stat) {
        const float y1 = 128 + 32 * stat, y2 = 151 + 32 * stat;
        pos[STATLABEL + stat] = hgeRect(208, y1, 312, y2);
        pos[STATBAR + stat] = hgeRect(320, y1, 424, y2);
        pos[STATVALUE + stat] = hgeRect(432, y1, 504, y2);
        pos[UPGRADEBUTTON + stat] = hgeRect(504, y1, 584, y2);
    }
    pos[DESCBOX] = UPGRADEDESCPANEL;
    pos[UPGRADEOK] = hgeRect(720, 520, 784, 584);
    lifeBar = menuSprite("lifeBar");
    fuelBar = menuSprite("fuelBar");
    tab = menuSprite("tab");
    pointsIcon = menuSprite("upgradePoints");
    costIcons[0] = menuSprite("cost1");
    costIcons[1] = menuSprite("cost2");
    upgradeButton = menuSprite("upgradeButton");
    okButton = menuSprite("okButton");
    frame = menuSprite("lifeBarFrame");
    getCostPerUpgrade();
    selected = 0;
    rowChosenByKeys = false;
    upgradeFocus.reset();
    playBGM("selectRewSTR");
}

void updateSelectUpgrade(float dt) {
    runParticles(dt);
    hoverTest(STATLABEL, DESCBOX);
    hoverTest(UPGRADEOK, UPGRADEOK);
    const int over = hoveredRow();
    mOver[ROWFOCUS] = over >= 0;
    const bool moved = pointerMoved();
    if (over >= 0 && moved) selected = over;
    upgradeFocus.followPointer(moved);
    const int key = menuKey();
    const bool spent = pointsSpent();
    if (isUpKey(key) || isDownKey(key)) {
        moveUpgradeFocus(isUpKey(key) ? -1 : 1);
    } else if (key == vk::LBUTTON) {
        for (int stat = 0; stat < NUMSTATS; ++stat)
            if (mOver[UPGRADEBUTTON + stat]) upgrade(stat);
        if (spent && mOver[UPGRADEOK]) initSelectReward();
    } else if (isConfirmKey(key)) {
        // Enter spends only on a row picked with the keys: the presses that hurried
        // through the match-won screen must not buy anything.
        if (spent) initSelectReward();
        else if (rowChosenByKeys) upgrade(selected);
    }
}

void drawSelectUpgrade() {
    putSprite(background, 0, 0);
    const int points = pl[0].upgradePoints;
    DrawTextA(font1, 400, 28, "Distribute upgrade points", 1, 1.25f, WHITE);
    if (points > 0) {
        DrawTextA(fontArial, 400, 58, "click upgrade on desired stat", 1, 1, cycleColor(3));
        DrawTextA(fontSmall2, 400, 76, "(or choose one with the arrow keys and press Enter)", 1, 1, 0xFFAFAFAF);
    }
    putSprite(pointsIcon, 496, 94);
    DrawTextA(font1, 528, 92, label("%d", points), 0, 1, cycleColor(3));
    putSprite(tab, 208, 90);
    DrawTextA(fontSmall2, 272, 106, "stat upgrades", 1, 1, BLACK);
    for (int stat = 0; stat < NUMSTATS; ++stat) drawStatRow(stat);
    if (upgradeFocus.on(ROWFOCUS))
        drawFocus(hgeRect(pos[STATLABEL + selected].x1, pos[STATLABEL + selected].y1, pos[UPGRADEBUTTON + selected].x2,
                          pos[UPGRADEBUTTON + selected].y2));

    const hgeRect text = textPanel(pos[DESCBOX]);
    const int over = hoveredRow();
    const int described = over >= 0 ? over : rowChosenByKeys ? selected : -1;
    setFontStyle(font1, STATDESCSCALE, DESCCOLOR);
    drawTextInRect(text, described >= 0 ? statDesc[described].c_str() : STATDESCHINT, font1);
    setFontStyle(font1, 1, WHITE);
    if (points <= 0) {
        DrawTextA(fontArial, 400, 500, "Click OK/press Enter to proceed", 1, 1, cycleColor(2));
        drawButton(okButton, UPGRADEOK);
        if (upgradeFocus.on(UPGRADEOK)) upgradeFocus.draw();
    }
    setFontStyle(fontArial, 1, WHITE);
    setFontStyle(fontSmall2, 1, WHITE);
}

void initSelectReward() {
    enterMenu();
    gameMode = MODE_SELECTREWARD;
    getRewardCards();
    for (int i = 0; i < REWARDCARDS; ++i) {
        const float x = 16 + 112 * (i % ROWLENGTH), y = 64 + 160 * (i / ROWLENGTH);
        pos[i] = hgeRect(x, y, x + 90, y + 120);
    }
    pos[GRIDBOX] = hgeRect(8, 56, 784, 522);
    pos[REWARDOK] = hgeRect(720, 520, 784, 584);
    background = menuSprite("selectBG");
    okButton = menuSprite("okButton");
    frame = menuSprite("lifeBarFrame");
    selected = 0;
    rewardFocus.reset();
}

void updateSelectReward(float dt) {
    runParticles(dt);
    hoverTest(0, REWARDCARDS - 1);
    hoverTest(REWARDOK, REWARDOK);
    const int over = hovered(0, REWARDCARDS - 1);
    mOver[CARDFOCUS] = over >= 0;
    const bool moved = pointerMoved();
    if (over >= 0 && moved) selected = over;
    rewardFocus.followPointer(moved);
    const int key = menuKey();
    if (key == vk::LBUTTON) {
        if (over >= 0) takeCard(over);
        else if (mOver[REWARDOK] && mayLeaveRewards()) leaveRewards();
    } else if (isConfirmKey(key)) {
        actOnRewards();
    } else {
        moveRewardSelection(key);
    }
}

void drawSelectReward() {
    putSprite(background, 0, 0);
    const Player& me = pl[0];
    DrawTextA(font1, 16, 16, "Select reward", 0, 1.25f, WHITE);
    DrawTextA(font1, 296, 12, label("%d", me.rewardPicks), 0, 1.5f, cycleColor(3));
    DrawTextA(fontArial, 330, 20, "more cards to choose", 0, 1, WHITE);
    DrawTextA(fontSmall2, 640, 22, label("reward set %d-%d", selectedOpp + 1, rewardSetNumber()), 0, 1, 0xFFF4E0BA);
    UIbox(pos[GRIDBOX], PANEL);
    for (int i = 0; i < REWARDCARDS; ++i) drawCard(pos[i], me.rewardCards[i], 255);
    const hgeRect& chosen = pos[selected];
    drawFrame(frame, chosen);
    // On the cards the focus lies over the selection frame's edge.
    if (rewardFocus.on(CARDFOCUS)) drawFocus(chosen, 2);
    const int card = me.rewardCards[selected];
    if (card != TAKENCARD)
        DrawTextA(fontSmall2, (chosen.x1 + chosen.x2) / 2, chosen.y2 + 12, label("You have: %d", getCardQty(0, card)), 1, 1,
                  WHITE);
    DrawTextA(fontSmall2, 16, 532, "click on a card to add it to your deck\n then press Enter/OK to proceed", 0, 1, WHITE);
    if (me.rewardPicks <= 0) DrawTextA(fontArial, 400, 572, "Click OK/press Enter to proceed", 1, 1, cycleColor(2));
    else if (mayLeaveRewards())
        DrawTextA(fontArial, 400, 572, "Click OK/press Enter to skip rewards", 1, 1, cycleColor(2));
    if (mayLeaveRewards()) drawButton(okButton, REWARDOK);
    if (rewardFocus.on(REWARDOK)) rewardFocus.draw();
    setFontStyle(font1, 1, WHITE);
    setFontStyle(fontArial, 1, WHITE);
    setFontStyle(fontSmall2, 1, WHITE);
}
