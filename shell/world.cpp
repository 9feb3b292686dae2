#include "shell/world.h"

#include <algorithm>

Player pl[2];
Shot sh[MAXSHOTS];
Enemy en[MAXENEMIES];
Item itm[MAXITEMS];
Card crd[MAXCARDS];
Wall wall[MAXWALLS];
SaveSummary sv[10];
keyHandler myKH;

hgeResourceManager* myRes = nullptr;
hgeParticleManager* psmgr = nullptr;
hgeParticleManager* psmgrX = nullptr;
hgeSprite* spr[MAXSPRITES];
hgeAnimation* anim[MAXANIM];
hgeParticleSystemInfo psiGeneral[MAXPARTICLES];
hgeParticleSystem* pr[MAXRUNNINGPS];
HEFFECT sfx[MAXSFX];
HCHANNEL chan[MAXCHANNELS];
HSTREAM mus = 0;
hgeFont* font1 = nullptr;
hgeFont* fontSmall1 = nullptr;
hgeFont* fontSmall2 = nullptr;
hgeFont* fontArial = nullptr;
hgeFont* fontCoin = nullptr;
hgeFont* fontBig = nullptr;
hgeSprite* blankSpr = nullptr;
hgeSprite* instSprite = nullptr;

hgeRect pos[MAXPOSITIONS];
bool mOver[MAXPOSITIONS];

std::string enemyNameDB[MAXENEMYKINDS];
hgeAnimation* enemyAnimDB[MAXENEMYKINDS];
hgeAnimation* enemyAnimDeathDB[MAXENEMYKINDS];
int enemyHpDB[MAXENEMYKINDS];
int enemyAttDB[MAXENEMYKINDS];
int enemyScoreDB[MAXENEMYKINDS];
int enemySoundIDDB[MAXENEMYKINDS];
int enemyDeathSoundIDDB[MAXENEMYKINDS];
float itemPercentDB[MAXITEMPERCENTROWS];

float VEH_speed[MAXVEHICLES], VEH_shotSpeed[MAXVEHICLES], VEH_power[MAXVEHICLES], VEH_rof[MAXVEHICLES];
float VEH_armor[MAXVEHICLES], VEH_excel[MAXVEHICLES], VEH_heart[MAXVEHICLES], VEH_fuel[MAXVEHICLES];
float VEH_shotSizeX[MAXVEHICLES], VEH_shotSizeY[MAXVEHICLES];
int VEH_redP[MAXVEHICLES], VEH_greenP[MAXVEHICLES], VEH_blueP[MAXVEHICLES];
int VEH_shotQty[MAXVEHICLES], VEH_powerEx[MAXVEHICLES];
int VEH_vehSizeX[MAXVEHICLES], VEH_vehSizeY[MAXVEHICLES];
hgeRect VEH_posInBMP[MAXVEHICLES];
float MX_speed, MX_shotSpeed, MX_rof, MX_power, MX_armor, MX_excel, MX_heart, MX_fuel;

float OPP_speed[MAXOPPONENTS][MAXROUNDS], OPP_shotSpeed[MAXOPPONENTS][MAXROUNDS], OPP_rof[MAXOPPONENTS][MAXROUNDS];
int OPP_power[MAXOPPONENTS][MAXROUNDS], OPP_armor[MAXOPPONENTS][MAXROUNDS], OPP_excel[MAXOPPONENTS][MAXROUNDS];
int OPP_heart[MAXOPPONENTS][MAXROUNDS], OPP_fuel[MAXOPPONENTS][MAXROUNDS];
int OPP_redP[MAXOPPONENTS][MAXROUNDS], OPP_greenP[MAXOPPONENTS][MAXROUNDS], OPP_blueP[MAXOPPONENTS][MAXROUNDS];
int OPP_shotQty[MAXOPPONENTS][MAXROUNDS], OPP_powerEx[MAXOPPONENTS][MAXROUNDS];
int oppDiff[MAXOPPONENTS], oppRounds[MAXOPPONENTS];

int deckDB[MAXDECKROWS][STARTINGCARDSINDECK];
std::string deckName[MAXDECKS], deckDesc[MAXDECKS];
std::string vehName[MAXVEHICLES], vehDesc[MAXVEHICLES];
std::string oppName[MAXOPPONENTS], oppDesc[MAXOPPONENTS];
std::string statDesc[MAXSTATDESC];
std::string condString[MAXCONDS + 1];
std::string wpnDesc[MAXVEHICLES];
std::string credits[MAXCREDITLINES];
int creditLines = 0;
std::string dataFault;
DWORD colorCycle[MAXCOLORCYCLES][COLORSPERCYCLE];

int gameMode = 0;
bool done = false;
float progress = 0;
float accumulatedTime[NUMTIMERS];
MousePos mousePos;
bool mouseMovedLeft, mouseMovedRight, mouseMovedUp, mouseMovedDown;
int selected = 0;
int selectedVeh = 0, selectedDeck = 0, selectedOpp = 0;
int curRound = 0;
int beat[MAXOPPONENTS];
bool newGame = false;
int playTime = 0;
int totalScore = 0;
int cycleNum = 0;
float scrollSpeed = 0;
float screenPos = 0;
float xparency = 0;
std::string curOppName;
VersusMatch versus;

namespace {
template <typename T, std::size_t N>
int lowestFree(const T (&table)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (!table[i].active) return static_cast<int>(i);
    return -1;
}

template <typename T, std::size_t N>
void clearAll(T (&table)[N]) {
    std::fill(std::begin(table), std::end(table), T{});
}
}  // namespace

int roomForMoreShots() { return lowestFree(sh); }
int roomForMoreEnemies() { return lowestFree(en); }
int roomForMoreItems() { return lowestFree(itm); }
int roomForMoreWalls() { return lowestFree(wall); }

void resetWorld() {
    clearAll(pl);
    clearAll(sh);
    clearAll(en);
    clearAll(itm);
    clearAll(crd);
    clearAll(wall);
    clearAll(sv);
    myKH = keyHandler();

    myRes = nullptr;
    psmgr = psmgrX = nullptr;
    std::fill(std::begin(spr), std::end(spr), nullptr);
    std::fill(std::begin(anim), std::end(anim), nullptr);
    clearAll(psiGeneral);
    std::fill(std::begin(pr), std::end(pr), nullptr);
    std::fill(std::begin(sfx), std::end(sfx), 0);
    std::fill(std::begin(chan), std::end(chan), 0);
    mus = 0;
    font1 = fontSmall1 = fontSmall2 = fontArial = fontCoin = fontBig = nullptr;
    blankSpr = instSprite = nullptr;

    clearAll(pos);
    std::fill(std::begin(mOver), std::end(mOver), false);

    clearAll(enemyNameDB);
    std::fill(std::begin(enemyAnimDB), std::end(enemyAnimDB), nullptr);
    std::fill(std::begin(enemyAnimDeathDB), std::end(enemyAnimDeathDB), nullptr);
    clearAll(enemyHpDB);
    clearAll(enemyAttDB);
    clearAll(enemyScoreDB);
    clearAll(enemySoundIDDB);
    clearAll(enemyDeathSoundIDDB);
    clearAll(itemPercentDB);

    for (auto* t : {VEH_speed, VEH_shotSpeed, VEH_power, VEH_rof, VEH_armor, VEH_excel, VEH_heart, VEH_fuel,
                    VEH_shotSizeX, VEH_shotSizeY})
        std::fill(t, t + MAXVEHICLES, 0.0f);
    for (auto* t : {VEH_redP, VEH_greenP, VEH_blueP, VEH_shotQty, VEH_powerEx, VEH_vehSizeX, VEH_vehSizeY})
        std::fill(t, t + MAXVEHICLES, 0);
    clearAll(VEH_posInBMP);
    MX_speed = MX_shotSpeed = MX_rof = MX_power = MX_armor = MX_excel = MX_heart = MX_fuel = 0;

    for (auto* t : {OPP_speed, OPP_shotSpeed, OPP_rof}) std::fill(&t[0][0], &t[0][0] + MAXOPPONENTS * MAXROUNDS, 0.0f);
    for (auto* t : {OPP_power, OPP_armor, OPP_excel, OPP_heart, OPP_fuel, OPP_redP, OPP_greenP, OPP_blueP,
                    OPP_shotQty, OPP_powerEx})
        std::fill(&t[0][0], &t[0][0] + MAXOPPONENTS * MAXROUNDS, 0);
    clearAll(oppDiff);
    clearAll(oppRounds);

    std::fill(&deckDB[0][0], &deckDB[0][0] + MAXDECKROWS * STARTINGCARDSINDECK, 0);
    for (auto* t : {deckName, deckDesc}) std::fill(t, t + MAXDECKS, std::string());
    for (auto* t : {vehName, vehDesc, wpnDesc}) std::fill(t, t + MAXVEHICLES, std::string());
    for (auto* t : {oppName, oppDesc}) std::fill(t, t + MAXOPPONENTS, std::string());
    clearAll(statDesc);
    clearAll(condString);
    clearAll(credits);
    creditLines = 0;
    dataFault.clear();
    std::fill(&colorCycle[0][0], &colorCycle[0][0] + MAXCOLORCYCLES * COLORSPERCYCLE, 0u);

    gameMode = 0;
    done = false;
    progress = 0;
    clearAll(accumulatedTime);
    mousePos = MousePos{};
    mouseMovedLeft = mouseMovedRight = mouseMovedUp = mouseMovedDown = false;
    selected = 0;
    selectedVeh = selectedDeck = selectedOpp = 0;
    curRound = 0;
    clearAll(beat);
    newGame = false;
    playTime = 0;
    totalScore = 0;
    cycleNum = 0;
    scrollSpeed = 0;
    screenPos = 0;
    xparency = 0;
    curOppName.clear();
    versus = VersusMatch{};
}

int vehicleOf(int side) {
    if (side == 0) return selectedVeh;
    return side == 1 && versus.on ? versus.vehicle[1] : -1;
}

DWORD cycleColor(int k) { return colorCycle[k & (MAXCOLORCYCLES - 1)][cycleNum & (COLORSPERCYCLE - 1)]; }
