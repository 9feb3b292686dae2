#include "battle/setup.h"

#include <algorithm>
#include <string>

#include "battle/enemies.h"
#include "battle/player.h"
#include "battle/shots.h"
#include "battle/versus_rules.h"
#include "battle/walls.h"
#include "cards/conditions.h"
#include "cards/decks.h"
#include "cards/hand.h"
#include "cards/opponents.h"
#include "shell/geometry.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/text.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgeparticle.h"
#include "toolkit/hgepmanager.h"
#include "toolkit/hgeresource.h"
#include "toolkit/hgesprite.h"

hgeFont* fontScore = nullptr;
RoundStartScores roundStart;
SetupWatchers setupWatchers;
int roundsLost = 0;

namespace {

constexpr int BATTLEGROUP = 2;
constexpr float BATTLESCROLL = 25;
constexpr int NEWDECKSIZE = 50;
// A vehicle whose animation is missing still needs a box that can be hit and steered.
constexpr int FALLBACKVEHSIZE = 64;

// Tempo, its growth step and the opening music of each match (row 7: the EX mission).
struct MatchRow {
    float pacing, pacing2;
    const char* music;
};
constexpr MatchRow MATCHROWS[EXMISSION + 1] = {
    {0.6f, 0.15f, "musix0STR"}, {0.75f, 0.15f, "musix1STR"}, {0.8f, 0.15f, "musix2MUS"},
    {1.0f, 0.1f, "musix3MUS"},  {1.1f, 0.08f, "musix4MUS"},  {1.25f, 0.15f, "musix5MUS"},
    {1.3f, 0.12f, "musix6STR"}, {2.0f, 0.05f, "musix0STR"},
};

// Music that changes at a round of a match; the first row that fits wins.
struct RoundMusic {
    int opp, round;
    const char* music;
};
constexpr RoundMusic ROUNDMUSIC[] = {
    {2, 3, "musix2aSTR"}, {3, 3, "musix3aMUS"}, {4, 3, "musix4aSTR"}, {5, 3, "musix5aSTR"},
    {6, 2, "musix6aMUS"}, {6, 3, "musix1STR"},  {6, 5, "musix6STR"},  {6, 6, "musix6aMUS"},
    {6, 7, "musix6bSTR"},
};

// The EX mission's scenery by round mod 24; a null music keeps the one playing.
struct ExScene {
    int round;
    const char* background;
    const char* music;
};
constexpr ExScene EXSCENES[] = {
    {0, "bg0", "musix0STR"},   {2, "bg1", "musix1STR"},   {3, "bg1", "musix2MUS"},   {4, "bg2", nullptr},
    {5, "bg2", "musix2aSTR"},  {6, "bg3", nullptr},       {7, "bg3", "musix3MUS"},   {9, "bg3a", "musix3aMUS"},
    {11, "bg4", "musix4MUS"},  {12, "bg4a", "musix4aSTR"}, {14, "bg5", "musix5MUS"}, {16, "bg5a", "musix5aSTR"},
    {18, "bg6", "musix6STR"},  {20, "bg6a", "musix6aMUS"}, {22, "bg6b", "musix1STR"}, {23, "bg6b", "musix6bSTR"},
};
constexpr int EXSCENECYCLE = 24;

struct NamedSlot {
    int index;
    const char* name;
};
constexpr NamedSlot BATTLESPRITES[] = {
    {SPR_LIFEBARFRAME, "lifeBarFrame"}, {SPR_LIFEBAR, "lifeBar"}, {SPR_FUELBAR, "fuelBar"}, {SPR_ROXY, "roxy"},
    {SPR_SPD, "spd"}, {SPR_R2X, "r2x"}, {SPR_RFLX, "rflx"}, {SPR_MUTE, "mute"}, {SPR_FREZ, "frez"},
    {SPR_STUN, "stun"}, {SPR_ZOM, "zom"}, {SPR_SLOW, "slow"}, {SPR_SWORD, "sword"}, {SPR_STAR, "star"},
    {SPR_RING, "ring"}, {SPR_UPGRADEPOINTS, "upgradePoints"}, {SPR_COST1, "cost1"}, {SPR_COST2, "cost2"},
    {SPR_UPGRADEBUTTON, "upgradeButton"}, {SPR_OKBUTTON, "okButton"}, {SPR_HALFDEATHIZER, "halfDeathizer"},
    {SPR_DEATHIZER, "deathizer"}, {SPR_COMBO, "combo"}, {SPR_HEART, "heart"}, {SPR_POWERTEXT, "powerText"},
    {SPR_SHOTHEAD, "shotHead"},
};
constexpr int BARSPRITES[] = {SPR_LIFEBARFRAME, SPR_LIFEBAR, SPR_FUELBAR};

constexpr const char* BATTLEANIMS[ANIMSOFAR] = {
    "coinRed", "coinGreen", "coinBlue", "wall8", "wall12", "wall13", "wall14", "missile1", "ring", "missile2",
    "missile3", "missile4", "missile5", "bomb", "explosion", "tennis", "golf", "football", "basketball", "wreck",
    "balloon", "balloon2", "elim", "packet", "boomer", "wave", "dice", "roulette", "rouletteBlock", "slots",
    "cherry", "bar", "seven", "sax", "piano", "drum", "trumpet", "guitar", "fire", "dezo",
    "lacto", "vowel", "y2k", "island", "choc", "door", "can", "saute", "sq1", "bfg1",
    "bfg2", "tnt", "beamGreen", "beamRed", "partizan", "stupBeam", "rockSmash", "extendoVine", "toxiBomb", "qube",
    "ivy", "egg", "harv", "chair", "electro", "electro", "cd", "axe", "plate", "fan",
    "blade", "iceOrbix", "korvanZap", "shuriken3", "shuriken4", "deathMove", "suv", "gnome", "victual", "fuel",
    "selfix", "gas2life", "coinMulti", "club", "clock", "fire2", "extendoVine2", "youWin", "opp1A", "opp2A",
    "points200", "points500", "points1000",
};

// The human's HUD boxes; the opponent's set [20..35] is the same moved right.
const hgeRect HUDBOXES[16] = {
    {10, 32, 100, 152}, {10, 157, 100, 277}, {10, 282, 100, 402}, {0, 404, 100, 428},
    {0, 432, 100, 445}, {0, 448, 100, 461}, {2, 466, 30, 490},   {36, 466, 64, 490},
    {70, 466, 98, 490}, {2, 502, 98, 530},  {6, 536, 96, 552},   {0, 552, 16, 596},
    {16, 560, 44, 588}, {48, 560, 76, 588}, {80, 560, 108, 588}, {8, 4, 168, 28},
};
constexpr float OPPHUDSHIFT[16] = {690, 690, 690, 660, 660, 690, 698, 696, 694, 696, 732, 772, 728, 668, 608, 660};

hgeSprite* sprite(const std::string& name) { return myRes ? myRes->GetSprite(name.c_str()) : nullptr; }
hgeAnimation* animation(const std::string& name) { return myRes ? myRes->GetAnimation(name.c_str()) : nullptr; }

bool againstOpponent() { return selectedOpp < EXMISSION; }

void bindBattleGraphics() {
    if (myRes) myRes->Purge(BATTLEGROUP);
    for (int n = 1; n <= 24; ++n)
        if (enemyAnimDB[n]) enemyAnimDB[n]->Play();
    fontScore = myRes ? myRes->GetFont(("fontScore" + itos(selectedOpp)).c_str()) : nullptr;
    if (againstOpponent()) spr[SPR_BG] = sprite("bg" + itos(selectedOpp));
    for (int i = 0; i <= 8; ++i) spr[SPR_CARDFRAME + i] = sprite("card" + itos(i));
    for (const NamedSlot& s : BATTLESPRITES) spr[s.index] = sprite(s.name);
    for (int i = 0; i < MAXCONDS; ++i) spr[SPR_CONDICON + i] = sprite("condIcon" + itos(i));
    for (int type = W_PAPER; type <= W_STAIRS; ++type)
        if (type != W_ZOMZAP) spr[SPR_WALL + type] = sprite("wall" + itos(type));
    for (int i : BARSPRITES)
        if (spr[i]) spr[i]->SetColor(0xFFFFFFFF);
    for (int i = 0; i < ANIMSOFAR; ++i) {
        anim[i] = animation(BATTLEANIMS[i]);
        if (anim[i]) anim[i]->Play();
    }
    for (int side = 0; side < 2; ++side) {
        const int v = vehicleOf(side);
        if (v < 0) continue;
        pl[side].spr = sprite("veh" + itos(v));
        pl[side].sprL = sprite("vehL" + itos(v));
        pl[side].sprR = sprite("vehR" + itos(v));
    }
}

void setHudBoxes() {
    for (int i = 0; i < 16; ++i) {
        pos[i] = HUDBOXES[i];
        pos[20 + i] = addToRect(HUDBOXES[i], OPPHUDSHIFT[i], 0);
    }
    pos[50] = hgeRect(396, 0, 404, 600);
    pos[51] = hgeRect(292, 16, 500, 120);
}

void copyVehicleStats(int side) {
    Player& p = pl[side];
    const int v = vehicleOf(side);
    p.speed = VEH_speed[v];
    p.shotSpeed = VEH_shotSpeed[v];
    p.power = VEH_power[v];
    p.armor = VEH_armor[v];
    p.rof = VEH_rof[v];
    p.excel = VEH_excel[v];
    p.heart = VEH_heart[v];
    p.fuel = VEH_fuel[v];
    p.redP = VEH_redP[v];
    p.blueP = VEH_blueP[v];
    p.greenP = VEH_greenP[v];
    p.shotQty = VEH_shotQty[v];
    p.powerEx = VEH_powerEx[v];
    p.vehSizeX = VEH_vehSizeX[v];
    p.vehSizeY = VEH_vehSizeY[v];
}

void setFields() {
    if (againstOpponent()) {
        pl[0].fieldLeft = LEFTBOUND;
        pl[0].fieldRight = CENTERLINE;
        pl[1].fieldLeft = CENTERLINE;
        pl[1].fieldRight = RIGHTBOUND;
    } else {
        for (Player& p : pl) {
            p.fieldLeft = LEFTBOUND;
            p.fieldRight = SCREEN_WIDTH;
        }
    }
}

void clearMisc(Player& p) { std::fill(std::begin(p.misc), std::end(p.misc), 0.0f); }

void clearShots() {
    for (int s = 0; s < MAXSHOTS; ++s)
        if (sh[s].active) removeShot(s);
}

void clearWalls() {
    for (Wall& w : wall) w.active = false;
}

// The gun grows with the running score of the whole game; in a two-player match both
// guns stay as their vehicles came.
void setGunFromScore() {
    Player& p = pl[0];
    pl[0].shotLevel = pl[1].shotLevel = 0;
    p.shotQty = VEH_shotQty[selectedVeh];
    if (p.spr) p.spr->SetHotSpot(0, 0);
    const int score = versus.on ? 0 : totalScore;
    for (int threshold : {50000, 500000, 5000000})
        if (score >= threshold) ++p.shotLevel;
    for (int threshold : {100000, 1000000, 10000000})
        if (score >= threshold) ++p.shotQty;
    pl[0].getCurParticle(0);
}

void changeRoundMusic() {
    for (const RoundMusic& m : ROUNDMUSIC) {
        if (m.opp != selectedOpp || m.round != curRound) continue;
        playBGM(m.music);
        return;
    }
}

void setOpponentForRound() {
    Player& o = pl[1];
    o.anim = animation("opp" + itos(selectedOpp) + itos(curRound));
    if (o.anim) {
        o.anim->Play();
        o.anim->SetHotSpot(0, 0);
    }
    // Tables hold MAXROUNDS rounds; a longer match keeps using its last row.
    const int r = std::clamp(curRound, 0, MAXROUNDS - 1);
    const int opp = selectedOpp;
    o.speed = OPP_speed[opp][r];
    o.shotSpeed = OPP_shotSpeed[opp][r];
    o.rof = OPP_rof[opp][r];
    o.power = static_cast<float>(OPP_power[opp][r]);
    o.armor = static_cast<float>(OPP_armor[opp][r]);
    o.excel = static_cast<float>(OPP_excel[opp][r]);
    o.heart = static_cast<float>(OPP_heart[opp][r]);
    o.fuel = static_cast<float>(OPP_fuel[opp][r]);
    o.redP = OPP_redP[opp][r];
    o.blueP = OPP_blueP[opp][r];
    o.greenP = OPP_greenP[opp][r];
    o.shotQty = OPP_shotQty[opp][r];
    o.powerEx = OPP_powerEx[opp][r];
    o.vehSizeX = o.anim ? static_cast<int>(o.anim->GetWidth()) : FALLBACKVEHSIZE;
    o.vehSizeY = o.anim ? static_cast<int>(o.anim->GetHeight()) : FALLBACKVEHSIZE;
    if (pl[0].questNum == 2) {
        o.armor *= 2;
        o.power *= 3;
        o.powerEx += 9;
        o.rof -= 0.1f;
    }
    o.maxHeart = o.heart;
    o.maxFuel = o.fuel;
    o.rect = hgeRect(550.0f - o.vehSizeX, 580.0f - o.vehSizeY, 550, 580);
    o.setAI();
}

void setExScene() {
    const int step = curRound % EXSCENECYCLE;
    for (const ExScene& s : EXSCENES) {
        if (s.round != step) continue;
        spr[SPR_BG] = sprite(s.background);
        if (s.music) playBGM(s.music);
        break;
    }
    pl[1].rect = hgeRect(850, 650, 851, 651);
    pl[0].highestRound = std::max(pl[0].highestRound, curRound + 1);
}

// A vehicle's full heart and tank, at the foot of the middle of its field.
void setHumanForRound(int side) {
    Player& p = pl[side];
    const int v = vehicleOf(side);
    p.maxHeart = VEH_heart[v];
    p.maxFuel = VEH_fuel[v];
    p.heart = p.maxHeart;
    p.fuel = p.maxFuel;
    const float right = side == 0 ? 250 : 550;
    p.rect = hgeRect(right - p.vehSizeX, 580.0f - p.vehSizeY, right, 580);
}

// The second person's vehicle as it came, its gun included: the tables of a round.
void setSecondHumanForRound() {
    Player& o = pl[1];
    o.anim = nullptr;
    copyVehicleStats(1);
    o.shotQty = VEH_shotQty[vehicleOf(1)];
    o.getCurParticle(1);
    setHumanForRound(1);
}

void killInvincibility(int side) {
    hgeParticleSystem*& ps = pr[side];
    if (ps && psmgrX && psmgrX->IsPSAlive(ps)) psmgrX->KillPS(ps);
    ps = nullptr;
}

void resetSideForRound(int side) {
    Player& p = pl[side];
    p.roundFlag1 = p.roundFlag2 = false;
    p.boosting = p.wasBoosting = p.leanLeft = p.leanRight = false;
    // A new round starts at rest in the new position.
    p.velX = p.velY = 0;
    p.invincTimer = 0;
    killInvincibility(side);
    p.lastHitEnemy = -1;
    p.pendingDamage = 0;
    resetHand(side);
    p.comboCount = 1;
    p.comboTimer = 0;
    p.spawnTimer = hge->Random_Float(MINSPAWNINTERVAL, MAXSPAWNINTERVAL);
}

void clearBattleTables() {
    clearShots();
    clearWalls();
    clearEnemies();
    const float minLoss = pl[0].misc[M_MINLOSSAMT];
    clearMisc(pl[0]);
    clearMisc(pl[1]);
    pl[0].misc[M_MINLOSSAMT] = minLoss;
    if (againstOpponent()) pl[1].misc[M_TAR] = -1;
    if (psmgr) psmgr->KillAll();
    if (psmgrX) psmgrX->KillAll();
    // Every running system is gone: no handle may point at one.
    std::fill(std::begin(pr), std::end(pr), nullptr);
    for (Shot& s : sh) s.ps = nullptr;
}

// Indices come from the selection screens and save files; out of range they would read
// past the vehicle and opponent tables.
void checkSelection() {
    if (selectedVeh < 0 || selectedVeh >= MAXVEHICLES) {
        hge->System_Log("Battle: vehicle %d does not exist; vehicle 0 is used.", selectedVeh);
        selectedVeh = 0;
    }
    if (selectedOpp < 0 || selectedOpp > EXMISSION) {
        hge->System_Log("Battle: opponent %d does not exist; opponent 0 is used.", selectedOpp);
        selectedOpp = 0;
    }
    if (!versus.on) return;
    if (versus.vehicle[1] < 0 || versus.vehicle[1] >= MAXVEHICLES) {
        hge->System_Log("Battle: vehicle %d does not exist; vehicle 0 is used.", versus.vehicle[1]);
        versus.vehicle[1] = 0;
    }
    // The opponents' places only: the EX mission has no second field.
    if (selectedOpp >= MAXOPPONENTS) selectedOpp = 0;
}

}  // namespace

void initGame() {
    checkSelection();
    if (setupWatchers.matchBegins) setupWatchers.matchBegins();
    gameMode = MODE_GAME;
    screenPos = 0;
    scrollSpeed = BATTLESCROLL;
    hge->System_SetState(HGE_HIDEMOUSE, true);
    mouseMovedLeft = mouseMovedRight = mouseMovedUp = mouseMovedDown = false;
    hge->Input_SetMousePos(CENTERLINE, SCREEN_HEIGHT / 2);

    bindBattleGraphics();

    clearShots();
    clearEnemies();
    for (Item& it : itm) it.active = false;
    clearWalls();
    clearMisc(pl[0]);
    clearMisc(pl[1]);

    if (newGame) {
        playTime = 0;
        totalScore = 0;
        for (Player& p : pl) {
            p.deckSize = NEWDECKSIZE;
            p.highestCombo = 0;
            p.highestRound = 0;
            p.questNum = 1;
        }
        std::fill(std::begin(pl[0].killsByKind), std::end(pl[0].killsByKind), 0);
        initNewDeck(0);
    }

    if (versus.on) {
        for (Player& p : pl) {
            p.deckSize = NEWDECKSIZE;
            p.questNum = 1;
        }
        initNewDeck(0);
    }

    setHudBoxes();
    copyVehicleStats(0);
    for (Player& p : pl) p.velX = p.velY = 0;
    setFields();
    for (int side = 0; side < 2; ++side) {
        Player& p = pl[side];
        p.score = 0;
        p.shotCooldown = 0;
        p.moving = false;
        clearPassives(side);
        p.deckPos = 0;
        std::fill(std::begin(p.textTimer), std::end(p.textTimer), 0.0f);
    }

    newGame = false;
    curRound = 0;
    roundsLost = 0;
    if (againstOpponent()) pl[1].getCurParticle(1);
    getCoinCapacity();
    pl[1].deckSize = NEWDECKSIZE;
    if (againstOpponent()) initNewDeck(1);

    pl[0].misc[M_MINLOSSAMT] = static_cast<float>((selectedOpp + 2) / 2);

    const MatchRow& row = MATCHROWS[selectedOpp];
    pl[0].pacing = row.pacing;
    pl[0].pacing2 = row.pacing2;
    if (pl[0].questNum == 2 && againstOpponent()) pl[0].pacing *= 2;
    playBGM(row.music);
    initRound(false);
}

void initRound(bool retry) {
    checkSelection();
    if (setupWatchers.roundBegins) setupWatchers.roundBegins(retry);
    if (!retry) roundStart = {pl[0].score, totalScore};
    pl[0].roundTime = 0;
    if (againstOpponent()) {
        if (selectedOpp > 2 && curRound == 3) spr[SPR_BG] = sprite("bg" + itos(selectedOpp) + "a");
        if (selectedOpp == 6 && curRound == 6) spr[SPR_BG] = sprite("bg6b");
        changeRoundMusic();
    }
    setGunFromScore();
    if (versus.on) setSecondHumanForRound();
    else if (againstOpponent()) setOpponentForRound();
    else setExScene();
    setHumanForRound(0);
    for (int side = 0; side < 2; ++side) resetSideForRound(side);
    clearBattleTables();

    curOppName = versus.on ? locationName() : getCurOppName();
    progress = 0;

    if (againstOpponent() && !retry && !versus.on) addOppCards();
    shuffleDeck(0);
    if (againstOpponent()) {
        shuffleDeck(1);
        getLevelLayout();
    }
    if (versus.on) holdVersusKeys();
}
