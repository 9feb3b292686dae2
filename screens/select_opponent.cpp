// The opponent selection (mode 3), the hub of a campaign: seven opponents in three tiers
// that unlock as opponents are beaten, the chosen one's details, the player's record,
// the hint switch, the deck viewer and, in the second quest, the EX mission. Left and Right
// always choose the opponent (the EX mission after the last); Up and Down walk the focus
// from the opponents over the hint switch and the deck viewer to Back and OK.
#include <algorithm>

#include "battle/setup.h"
#include "cards/opponents.h"
#include "cards/savegame.h"
#include "platform/core/input_state.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/selection.h"
#include "screens/text_places.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr int HINTBOX = 10, BACKBUTTON = 11, OKBUTTON = 12, VIEWDECKBUTTON = 13, EXBUTTON = 14;
constexpr int OPPFOCUS = 15;  // the opponents, as the focus sees them
constexpr int TIERBOX = 20, INFOPANEL = 23, PLAYERPANEL = 24;
constexpr int NUMTIERS = 3;
constexpr int KEY_V = 86;
constexpr DWORD WHITE = 0xFFFFFFFF, PANELTEXT = 0xFFF4E0BA;

struct Tier {
    hgeRect box;
    int first, count;
    const char* name;
};
const Tier TIERS[NUMTIERS] = {{hgeRect(48, 88, 320, 240), 0, 2, "Tier 1"},
                              {hgeRect(440, 88, 712, 240), 2, 2, "Tier 2"},
                              {hgeRect(176, 296, 576, 448), 4, 3, "Tier 3"}};
// The score bonuses shown beside the total score, each a gun growth earned for good.
constexpr int GROWTHSCORES[3] = {50000, 500000, 5000000};
constexpr int SHOTSCORES[3] = {100000, 1000000, 10000000};

hgeSprite* background = nullptr;
hgeSprite* portraits[MAXOPPONENTS] = {};
hgeSprite* locked = nullptr;
hgeSprite* star = nullptr;
hgeSprite* frame = nullptr;
hgeSprite* okButton = nullptr;
hgeSprite* backButton = nullptr;
hgeSprite* boxEmpty = nullptr;
hgeSprite* boxChecked = nullptr;
hgeSprite* growthIcon = nullptr;
hgeSprite* shotIcon = nullptr;
bool autosaved = false;  // the save made as this screen opened went through

bool unlocked(int opp) { return opp == EXMISSION || totalBeat() >= unlockThreshold(opp); }
bool secondQuest() { return pl[0].questNum == 2; }

bool offered(int place) {
    if (place == VIEWDECKBUTTON) return !newGame;
    if (place == OKBUTTON) return canStartMatch(selectedOpp);
    return true;
}

MenuFocus focus({OPPFOCUS, HINTBOX, VIEWDECKBUTTON, BACKBUTTON, OKBUTTON}, offered);

const hgeRect& chosenPlace() { return selectedOpp == EXMISSION ? pos[EXBUTTON] : pos[selectedOpp]; }

void startMatch() {
    if (!canStartMatch(selectedOpp)) return;
    playConfirm();
    initGame();
}

void goBack() {
    playBack();
    if (newGame) initSelectDeckScreen();
    else back2titleFromGame();
}

void openDeckViewer() {
    if (newGame) return;
    playConfirm();
    initViewDeckScreen();
}

void toggleHints() {
    int& hints = pl[0].opt[OPT_TUTORIAL];
    hints = (hints + 1) % 2;
    hge->Ini_SetInt("Misc", "display tutorial info while playing", hints);
}

// The opponents in a ring, the EX mission after the last of them in the second quest.
void moveSelection(int step) {
    const int ring = MAXOPPONENTS + (secondQuest() ? 1 : 0);
    const int at = selectedOpp == EXMISSION ? MAXOPPONENTS : selectedOpp;
    const int next = (at + step + ring) % ring;
    selectedOpp = next == MAXOPPONENTS ? EXMISSION : next;
}

void act() {
    switch (focus.place()) {
    case HINTBOX: toggleHints(); break;
    case VIEWDECKBUTTON: openDeckViewer(); break;
    case BACKBUTTON: goBack(); break;
    default: startMatch();
    }
}

void click() {
    const int over = hovered(0, MAXOPPONENTS - 1);
    if (mOver[OPPFOCUS]) focus.moveTo(OPPFOCUS);
    if (over >= 0) selectedOpp = over;
    else if (mOver[EXBUTTON] && secondQuest()) selectedOpp = EXMISSION;
    else if (mOver[OKBUTTON]) startMatch();
    else if (mOver[HINTBOX]) toggleHints();
    else if (mOver[BACKBUTTON]) goBack();
    else if (mOver[VIEWDECKBUTTON]) openDeckViewer();
}

void drawOpponents() {
    for (const Tier& t : TIERS) {
        UIbox(t.box, 0xC8FFFFFF);
        DrawTextA(font1, t.box.x1 + 8, t.box.y1 - 22, t.name, 0, 1, WHITE);
    }
    for (int opp = 0; opp < MAXOPPONENTS; ++opp) {
        const hgeRect& r = pos[opp];
        if (!unlocked(opp)) {
            stretchSprite(locked, r);
            DrawTextA(font1, (r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2, "?", 1, 2, WHITE);
            setFontStyle(font1, 1, WHITE);
            continue;
        }
        stretchSprite(portraits[opp], r);
        if (beat[opp]) putSprite(star, r.x2 - 26, r.y1 + 2);
    }
    if (selectedOpp < MAXOPPONENTS) drawFrame(frame, pos[selectedOpp]);
}

void drawDifficulty(float x, float y, int stars) {
    DrawTextA(fontSmall2, x, y, "Difficulty:", 0, 1, PANELTEXT);
    const float sx = x + (fontSmall2 ? fontSmall2->GetStringWidth("Difficulty:") : 60) + 4;
    for (int i = 0; i < std::clamp(stars, 0, 8); ++i) stretchSprite(star, hgeRect(sx + 13 * i, y, sx + 13 * i + 12, y + 12));
}

void drawInfoPanel() {
    const hgeRect& p = pos[INFOPANEL];
    textPanel(p);
    const hgeRect desc = placeIn(OPPDESCPOS, p);
    const float col = p.x1 + 404;
    setFontStyle(fontSmall2, 1, WHITE);
    if (selectedOpp == EXMISSION) {
        DrawTextA(font1, p.x1 + 38, p.y1 + 13, "EX Mission", 0, 1, cycleColor(3));
        drawTextInRect(desc, EXMISSIONDESC, fontSmall2);
        DrawTextA(fontSmall2, col, p.y1 + 16, "Rounds: Endless", 0, 1, PANELTEXT);
        DrawTextA(fontSmall2, col, p.y1 + 36, label("highest round reached: %d", pl[0].highestRound), 0, 1, PANELTEXT);
        DrawTextA(fontSmall2, col, p.y1 + 56, label("location: %s", locationName()), 0, 1, PANELTEXT);
    } else if (unlocked(selectedOpp)) {
        drawTextCut(font1, p.x1 + 38, p.y1 + 13, oppName[selectedOpp].c_str(), 0, 1, WHITE, 354);
        setFontStyle(fontSmall2, 1, WHITE);
        drawTextInRect(desc, oppDesc[selectedOpp].c_str(), fontSmall2);
        drawDifficulty(col, p.y1 + 16, oppDiff[selectedOpp]);
        DrawTextA(fontSmall2, col, p.y1 + 36, label("Rounds: %d", oppRounds[selectedOpp]), 0, 1, PANELTEXT);
        DrawTextA(fontSmall2, col, p.y1 + 56, label("location: %s", locationName()), 0, 1, PANELTEXT);
    } else {
        const int need = unlockThreshold(selectedOpp);
        DrawTextA(font1, p.x1 + 38, p.y1 + 13, "???", 0, 1, WHITE);
        DrawTextA(fontSmall2, desc.x1, desc.y1, label(need == 1 ? "Defeat %d opponent to unlock." : "Defeat a total of %d opponents to unlock.", need), 0, 1, WHITE);
        DrawTextA(fontSmall2, desc.x1, desc.y1 + 16, label("(Need to beat %d more)", need - totalBeat()), 0, 1,
                  cycleColor(0));
        DrawTextA(fontSmall2, col, p.y1 + 56, "location: ???", 0, 1, PANELTEXT);
    }
}

void drawPlayerPanel() {
    const hgeRect& p = pos[PLAYERPANEL];
    textPanel(p);
    const float x = p.x1 + 8, width = p.x2 - p.x1 - 16;
    const Player& me = pl[0];
    drawTextCut(fontSmall2, x, p.y1 + 4, label("Vehicle: %s", vehName[selectedVeh].c_str()), 0, 1, WHITE, width);
    const char* score = label("Total score: %.8d", totalScore);
    DrawTextA(fontSmall2, x, p.y1 + 17, score, 0, 1, WHITE);
    float iconX = x + (fontSmall2 ? fontSmall2->GetStringWidth(score) : 150) + 4;
    for (int i = 0; i < 6; ++i) {
        const bool growth = i < 3;
        if (totalScore < (growth ? GROWTHSCORES[i] : SHOTSCORES[i - 3])) continue;
        putSprite(growth ? growthIcon : shotIcon, iconX, p.y1 + 18);
        iconX += 13;
    }
    DrawTextA(fontSmall2, x, p.y1 + 30, label("Total playtime: %s", clockText(playTime)), 0, 1, WHITE);
    DrawTextA(fontSmall2, x, p.y1 + 43, label("Highest combo: %d", me.highestCombo), 0, 1, WHITE);
    drawTextCut(fontSmall2, x, p.y1 + 56, label("Deck: %s (%d cards)", deckName[selectedDeck].c_str(), me.deckSize), 0, 1,
                WHITE, width);
}

}  // namespace

void initSelectOppScreen() {
    enterMenu();
    gameMode = MODE_SELECTOPP;
    selectedOpp = 0;
    // Every return to this screen in a running game saves it.
    autosaved = !newGame && saveGame(pl[0].saveSlot);
    setUnlockThresholds();
    for (int t = 0; t < NUMTIERS; ++t) {
        const Tier& tier = TIERS[t];
        pos[TIERBOX + t] = tier.box;
        for (int k = 0; k < tier.count; ++k) {
            const float x = tier.box.x1 + 16 + 136 * k, y = tier.box.y1 + 16;
            pos[tier.first + k] = hgeRect(x, y, x + 90, y + 120);
        }
    }
    pos[INFOPANEL] = OPPINFOPANEL;
    pos[HINTBOX] = hgeRect(600, 272, 632, 304);
    pos[PLAYERPANEL] = hgeRect(568, 1, 792, 73);
    pos[BACKBUTTON] = hgeRect(8, 520, 72, 584);
    pos[OKBUTTON] = hgeRect(720, 520, 784, 584);
    pos[VIEWDECKBUTTON] = hgeRect(8, 328, 98, 448);
    pos[EXBUTTON] = hgeRect(696, 328, 786, 448);
    background = menuSprite("selectBG");
    for (int opp = 0; opp < MAXOPPONENTS; ++opp) portraits[opp] = menuSprite(label("opp%d", opp));
    locked = menuSprite("disabled");
    star = menuSprite("star");
    frame = menuSprite("lifeBarFrame");
    okButton = menuSprite("okButton");
    backButton = menuSprite("backButton");
    boxEmpty = menuSprite("checkBoxEmpty");
    boxChecked = menuSprite("checkBoxChecked");
    growthIcon = menuSprite("condIcon16");
    shotIcon = menuSprite("condIcon18");
    if (newGame) std::fill(beat, beat + MAXOPPONENTS, 0);
    focus.reset();
    progress = 0;
    if (!newGame) playBGM("selectOppMUS");
}

void updateSelectOppScreen(float) {
    hoverTest(0, MAXOPPONENTS - 1);
    hoverTest(HINTBOX, EXBUTTON);
    mOver[OPPFOCUS] = hovered(0, MAXOPPONENTS - 1) >= 0 || (mOver[EXBUTTON] && secondQuest());
    focus.followPointer(pointerMoved());
    const int key = menuKey();
    if (key == vk::LBUTTON) click();
    else if (key == KEY_V) openDeckViewer();
    else if (isConfirmKey(key)) act();
    else if (isBackKey(key)) goBack();
    else if (isLeftKey(key) || isRightKey(key)) moveSelection(isLeftKey(key) ? -1 : 1);
    else if (isUpKey(key) || isDownKey(key)) focus.step(isUpKey(key) ? -1 : 1);
    if (gameMode != MODE_SELECTOPP || !doubleClicked()) return;
    const int over = hovered(0, MAXOPPONENTS - 1);
    if (over >= 0) {
        selectedOpp = over;
        startMatch();
    } else if (mOver[EXBUTTON] && secondQuest()) {
        selectedOpp = EXMISSION;
        startMatch();
    }
}

void drawSelectOppScreen() {
    putSprite(background, 0, 0);
    DrawTextA(font1, 400, 24, "Select an opponent:", 1, 1, WHITE);
    drawOpponents();
    stretchSprite(pl[0].opt[OPT_TUTORIAL] ? boxChecked : boxEmpty, pos[HINTBOX]);
    DrawTextA(fontSmall2, pos[HINTBOX].x2 + 8, pos[HINTBOX].y1 + 2, "display hints at\nstart of round", 0, 1, WHITE);
    drawInfoPanel();
    if (!newGame) {
        drawPlayerPanel();
        drawTextButton(VIEWDECKBUTTON, "View\ndeck\n(V)", font1, 0xFF2B559B);
        DrawTextA(fontSmall2, (pos[VIEWDECKBUTTON].x1 + pos[VIEWDECKBUTTON].x2) / 2, pos[VIEWDECKBUTTON].y2 + 13,
                  "or remove cards", 1, 1, WHITE);
        DrawTextA(fontSmall2, (pos[BACKBUTTON].x1 + pos[BACKBUTTON].x2) / 2, pos[BACKBUTTON].y1 - 13, "to title", 1, 1,
                  WHITE);
        // A save that failed is not reported as made.
        if (autosaved) DrawTextA(fontSmall2, 400, 590, "Game has been automatically saved.", 1, 1, WHITE);
        else DrawTextA(fontSmall2, 400, 590, "Could not create save file.", 1, 1, 0xFFFF6464);
    }
    if (secondQuest()) {
        drawTextButton(EXBUTTON, "EX\nMission", font1, 0xFF6B1F8F);
        if (selectedOpp == EXMISSION) drawFrame(frame, pos[EXBUTTON]);
    }
    drawButton(backButton, BACKBUTTON);
    if (!dataFault.empty())
        DrawTextA(fontSmall2, 400, 470, "The game data is damaged: no battle can start (kvb.log says why).", 1, 1,
                  cycleColor(0));
    else if (pl[0].deckSize > MAXPLAYABLEDECK)
        DrawTextA(fontSmall2, 400, 470, "Too many cards in deck, please delete down to 200 cards.", 1, 1, cycleColor(0));
    else if (canStartMatch(selectedOpp))
        drawButton(okButton, OKBUTTON);
    // On the opponents the focus lies over the selection frame's edge.
    if (focus.on(OPPFOCUS)) drawFocus(chosenPlace(), 2);
    else focus.draw();
    setFontStyle(fontSmall2, 1, WHITE);
    setFontStyle(font1, 1, WHITE);
}
