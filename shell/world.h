// The world: every global table and shared value of the game, each a fixed array that
// lives for the whole run. Nothing here is allocated during play.
#pragma once

#include <string>

#include "platform/hge.h"
#include "shell/constants.h"
#include "shell/keyhandler.h"
#include "shell/records.h"
#include "shell/versus_match.h"

class hgeSprite;
class hgeAnimation;
class hgeFont;
class hgeParticleSystem;
class hgeParticleManager;
class hgeResourceManager;

struct MousePos {
    float x = 0, y = 0;
};

// Battle tables.
extern Player pl[2];
extern Shot sh[MAXSHOTS];
extern Enemy en[MAXENEMIES];
extern Item itm[MAXITEMS];
extern Card crd[MAXCARDS];
extern Wall wall[MAXWALLS];
extern SaveSummary sv[10];
extern keyHandler myKH;

// Resources bound by name.
extern hgeResourceManager* myRes;
extern hgeParticleManager* psmgr;
extern hgeParticleManager* psmgrX;
extern hgeSprite* spr[MAXSPRITES];
extern hgeAnimation* anim[MAXANIM];
extern hgeParticleSystemInfo psiGeneral[MAXPARTICLES];
extern hgeParticleSystem* pr[MAXRUNNINGPS];
extern HEFFECT sfx[MAXSFX];
extern HCHANNEL chan[MAXCHANNELS];
extern HSTREAM mus;  // the current music or stream (both are handles of the same width)
extern hgeFont* font1;
extern hgeFont* fontSmall1;
extern hgeFont* fontSmall2;
extern hgeFont* fontArial;
extern hgeFont* fontCoin;
extern hgeFont* fontBig;  // the round, game-over and match titles, made at their size
extern hgeSprite* blankSpr;
extern hgeSprite* instSprite;

// Screen layout shared by every menu.
extern hgeRect pos[MAXPOSITIONS];
extern bool mOver[MAXPOSITIONS];

// Enemy kinds.
extern std::string enemyNameDB[MAXENEMYKINDS];
extern hgeAnimation* enemyAnimDB[MAXENEMYKINDS];
extern hgeAnimation* enemyAnimDeathDB[MAXENEMYKINDS];
extern int enemyHpDB[MAXENEMYKINDS];
extern int enemyAttDB[MAXENEMYKINDS];
extern int enemyScoreDB[MAXENEMYKINDS];
extern int enemySoundIDDB[MAXENEMYKINDS];
extern int enemyDeathSoundIDDB[MAXENEMYKINDS];
extern float itemPercentDB[MAXITEMPERCENTROWS];

// Vehicles. The eight base statistics of the chosen vehicle are raised in place by upgrades.
extern float VEH_speed[MAXVEHICLES], VEH_shotSpeed[MAXVEHICLES], VEH_power[MAXVEHICLES], VEH_rof[MAXVEHICLES];
extern float VEH_armor[MAXVEHICLES], VEH_excel[MAXVEHICLES], VEH_heart[MAXVEHICLES], VEH_fuel[MAXVEHICLES];
extern float VEH_shotSizeX[MAXVEHICLES], VEH_shotSizeY[MAXVEHICLES];
extern int VEH_redP[MAXVEHICLES], VEH_greenP[MAXVEHICLES], VEH_blueP[MAXVEHICLES];
extern int VEH_shotQty[MAXVEHICLES], VEH_powerEx[MAXVEHICLES];
extern int VEH_vehSizeX[MAXVEHICLES], VEH_vehSizeY[MAXVEHICLES];
extern hgeRect VEH_posInBMP[MAXVEHICLES];
extern float MX_speed, MX_shotSpeed, MX_rof, MX_power, MX_armor, MX_excel, MX_heart, MX_fuel;

// Opponents, per opponent and round.
extern float OPP_speed[MAXOPPONENTS][MAXROUNDS], OPP_shotSpeed[MAXOPPONENTS][MAXROUNDS], OPP_rof[MAXOPPONENTS][MAXROUNDS];
extern int OPP_power[MAXOPPONENTS][MAXROUNDS], OPP_armor[MAXOPPONENTS][MAXROUNDS], OPP_excel[MAXOPPONENTS][MAXROUNDS];
extern int OPP_heart[MAXOPPONENTS][MAXROUNDS], OPP_fuel[MAXOPPONENTS][MAXROUNDS];
extern int OPP_redP[MAXOPPONENTS][MAXROUNDS], OPP_greenP[MAXOPPONENTS][MAXROUNDS], OPP_blueP[MAXOPPONENTS][MAXROUNDS];
extern int OPP_shotQty[MAXOPPONENTS][MAXROUNDS], OPP_powerEx[MAXOPPONENTS][MAXROUNDS];
extern int oppDiff[MAXOPPONENTS], oppRounds[MAXOPPONENTS];

// Texts and decks from the data files.
extern int deckDB[MAXDECKROWS][STARTINGCARDSINDECK];
extern std::string deckName[MAXDECKS], deckDesc[MAXDECKS];
extern std::string vehName[MAXVEHICLES], vehDesc[MAXVEHICLES];
extern std::string oppName[MAXOPPONENTS], oppDesc[MAXOPPONENTS];
extern std::string statDesc[MAXSTATDESC];
extern std::string condString[MAXCONDS + 1];
extern std::string wpnDesc[MAXVEHICLES];
extern std::string credits[MAXCREDITLINES];
extern int creditLines;
// The first fault the data files showed at the last load ("data.paq is missing." and the
// like); no battle starts while it is set.
extern std::string dataFault;
extern DWORD colorCycle[MAXCOLORCYCLES][COLORSPERCYCLE];
// The current colour of cycle k (0 reds, 1 blues, 2 whites, 3 yellow to green).
DWORD cycleColor(int k);

// Scalar state shared across the game.
extern int gameMode;
extern bool done;
extern float progress;
extern float accumulatedTime[NUMTIMERS];
extern MousePos mousePos;
extern bool mouseMovedLeft, mouseMovedRight, mouseMovedUp, mouseMovedDown;
extern int selected;
extern int selectedVeh, selectedDeck, selectedOpp;
extern int curRound;
extern int beat[MAXOPPONENTS];
extern bool newGame;
extern int playTime;
extern int totalScore;
extern int cycleNum;
extern float scrollSpeed;
extern float screenPos;
extern float xparency;
extern std::string curOppName;
// The two-player match being set up or played.
extern VersusMatch versus;

// Free-slot finders: the lowest inactive index, or -1 when the table is full.
int roomForMoreShots();
int roomForMoreEnemies();
int roomForMoreItems();
int roomForMoreWalls();

// Puts every world table and shared value back to its start-of-program state. Tests start
// from here; it frees nothing the resource manager owns.
void resetWorld();
