// Named constants shared by the whole game. Many of these numbers are stored in files
// (card ids, enemy kinds, save fields, option indices, key codes): never renumber them.
// The passives and the shot patterns share the P_ prefix, the conditions and the colours
// the C_ prefix; each group is its own enumeration and a value is read by the group its
// field belongs to.
#pragma once

// Capacities and counts.
constexpr int MAXPOSITIONS = 250;
constexpr int MAXSPRITES = 100;
constexpr int MAXANIM = 100;
constexpr int ANIMSOFAR = 93;
constexpr int ENEMYSOFAR = 25;
constexpr int MAXCONDS = 19;
constexpr int NUMTIMERS = 2;
constexpr int MAXSFX = 120;
constexpr int MAXCHANNELS = 7;
constexpr int MAXSHOTS = 200;
constexpr int MAXPARTICLES = 100;
constexpr int MAXITEMS = 100;
constexpr int MAXTITLEOPTIONS = 8;
constexpr int MAXVEHICLES = 8;
constexpr int MAXDECKS = 12;
constexpr int MAXOPPONENTS = 7;
constexpr int MAXENEMIES = 100;
constexpr int MAXCARDS = 400;
constexpr int LASTCARD = 344;  // card ids run 1..LASTCARD; the rest of the table stays empty
constexpr int MAXWALLS = 200;
constexpr int STARTINGCARDSINDECK = 50;
constexpr int MAXCOLORCYCLES = 4;
constexpr int COLORSPERCYCLE = 4;

// Sizes of tables whose capacity is fixed by the data they hold.
constexpr int MAXROUNDS = 10;          // rounds per opponent in the per-round tables
constexpr int MAXENEMYKINDS = 32;      // rows of the enemy tables
constexpr int MAXITEMPERCENTROWS = 30; // rows of itemPercentDB
constexpr int MAXDECKROWS = MAXDECKS + MAXOPPONENTS;
constexpr int MAXSTATDESC = 10;
constexpr int MAXCREDITLINES = 39;
constexpr int MAXRUNNINGPS = 104;      // running particle systems in `pr`
constexpr int NUMOPTIONS = 21;
constexpr int NUMMISC = 50;
constexpr int MAXDECKSIZE = 210;

// Screen geometry.
constexpr int SCREEN_WIDTH = 800;
constexpr int SCREEN_HEIGHT = 600;
constexpr int LEFTBOUND = 100;
constexpr int CENTERLINE = 400;
constexpr int RIGHTBOUND = 700;
constexpr int M_X = 0;
constexpr int M_Y = 1;

// Timing, in seconds.
constexpr float MINSPAWNINTERVAL = 3;
constexpr float MAXSPAWNINTERVAL = 7;
constexpr float LOWESTROF = 0.1f;
constexpr float ENEMYSTUCKTIME = 10;
constexpr float INVINCDELAY = 3;
constexpr float CARDDELAY = 1.5f;
constexpr float ENEMYFLASHTIME = 0.1f;
constexpr float COMBODELAY = 1;
constexpr float COMBODISPLAYTIME = 1;
constexpr int ONE_TENTH_SEC = 0;
constexpr int ONE_SEC = 1;

// Status conditions: 1..12 harmful (negative slot), 13..19 beneficial (positive slot).
enum Condition {
    C_TOXI = 1, C_DZ = 2, C_STUP = 3, C_MUTE = 4, C_FREZ = 5, C_STUN = 6, C_ZOM = 7, C_SLIP = 8,
    C_SLOW = 9, C_ZZZZ = 10, C_LEAK = 11, C_MYST = 12, C_ROXY = 13, C_SPD = 14, C_BZRK = 15,
    C_U4IA = 16, C_2XL = 17, C_R2X = 18, C_RFLX = 19
};

// Passives.
enum Passive {
    P_SPEED_12 = 1, P_SPEED_15 = 2, P_MINPOWER2 = 3, P_EXCEL_15 = 4, P_EXCEL_2 = 5, P_VITALIZER = 6,
    P_NULLIFIER = 7, P_REGENFUEL = 8, P_EFFBOOST = 9, P_FREQ = 10, P_REV = 11, P_COG = 12,
    P_SYZYGY = 13, P_QUICKCARDS = 14, P_CARDREFRESH = 15, P_XRAY = 16, P_INCPOS = 17, P_KNOX = 18,
    P_RES = 19, P_12EN = 20, P_3XEN = 21
};

// Shot motion patterns.
enum ShotPattern {
    P_STATIONARY = 0, P_LINEAR = 1, P_WAVE = 2, P_CIRCULAR = 3, P_TRIANGLE = 4, P_SQUARE = 5,
    P_HOURGLASS = 6, P_PAUSEHORZ = 7, P_PAUSEVERT = 8, P_CFORM = 9, P_UFORM = 10, P_HOURGLASSHALF = 11,
    P_BOUNCY = 12, P_STAR = 13, P_WEIRD = 14, P_SONICZOMBIE = 15, P_BOMB1 = 16, P_BOMB2 = 17,
    P_BOMB3 = 18, P_BOMB4 = 19, P_BOMB5 = 20, P_MISSILE = 21, P_BALLOON1 = 22, P_BALLOON2 = 23,
    P_MUSTARD = 24, P_DICE = 25, P_DICERESULT = 26, P_ROULETTE = 27, P_ROULETTERESULT = 28,
    P_FIREZONE_N = 29, P_FIREZONE_S = 30, P_FIREZONE_E = 31, P_FIREZONE_W = 32, P_CRASH = 33,
    P_1000 = 34, P_CAN = 35, P_SQUARE1 = 36, P_BFG = 37, P_TNT = 38, P_TOXIBOMB = 39,
    P_TOXIEXPLOSION = 40, P_PULLIN = 41, P_BLADE = 42, P_ICE = 43, P_ZZAP = 44, P_ZOMTREE = 45,
    P_SOAK = 46, P_SLOT = 47, P_SLOTREEL1 = 48, P_SLOTREEL2 = 49, P_SLOTREEL3 = 50, P_SUPERSLOT = 51,
    P_DICE1 = 52, P_DICE2 = 53, P_DICE3 = 54, P_DICERESULT1 = 55, P_DICERESULT2 = 56,
    P_DICERESULT3 = 57, P_DRUM = 58, P_5THESSENCELAZER = 59, P_SUV = 60
};

// Wall types.
enum WallType {
    W_PAPER = 0, W_ZINE = 1, W_WOOD = 2, W_BRICK = 3, W_MARBLE = 4, W_STONE = 5, W_STEEL = 6,
    W_SPIKED = 7, W_ZOMZAP = 8, W_TREE = 9, W_FENCE = 10, W_STAIRS = 11, W_ESCALATOR = 12,
    W_LAWN = 13, W_PROXYMINE = 14
};

// Enemy spawn formations.
enum Direction {
    DIR_ASGROUP = 0, DIR_RIGHT = 1, DIR_LEFT = 2, DIR_UP = 3, DIR_DOWN = 4, DIR_UPPERLEFT = 5,
    DIR_UPPERRIGHT = 6, DIR_LOWERLEFT = 7, DIR_LOWERRIGHT = 8, DIR_RANDOM = 9, DIR_X = 10
};

// Shot owner and target.
enum ShotOwner { Y2E = 0, O2E = 1, Y2O = 2, O2Y = 3 };

// Opponent AI levels.
enum AiLevel { AI_DEFAULT = 1, AI_ECHELON1 = 2, AI_ECHELON2 = 3 };

// Colour classes; coin arrays are indexed by C_R, C_G, C_B.
enum ColorClass { C_R = 0, C_G = 1, C_B = 2, C_RG = 3, C_GB = 4, C_RB = 5, C_RGB = 6, C_OTHER1 = 7, C_OTHER2 = 8 };

// Items.
enum ItemKind {
    I_VICTUAL = 78, I_FUEL = 79, I_SELFIX = 80, I_GAS2LIFE = 81, I_POINTS200 = 82, I_POINTS500 = 83,
    I_POINTS1000 = 84, I_MULTICOIN = 85
};

// Stats.
enum Stat { S_POWER = 0, S_SPEED = 1, S_ARMOR = 2, S_ROF = 3, S_SSPEED = 4, S_EXCEL = 5, S_HEART = 6 };

// Per-player float slots in Player::misc. Indices 21..27 and 49 have no name.
enum MiscSlot {
    M_HALFDEATH = 0, M_DEATH = 1, M_PAS = 2, M_XFER = 3, M_DICEROLL = 4, M_ROULETTEVALUE = 5,
    M_ICE1 = 6, M_ICE2 = 7, M_ICE3 = 8, M_INVIZ = 9, M_SELFIX = 10, M_TELEPO = 11, M_CONFIRM = 12,
    M_INST = 13, M_COMBO = 14, M_COMBOLOCX = 15, M_COMBOLOCY = 16, M_COMBONUM = 17, M_OPTIONS = 18,
    M_KEY2CHANGE = 19, M_UNLOCK = 20, M_SLOTVALUE1 = 28, M_SLOTVALUE2 = 29, M_SLOTVALUE3 = 30,
    M_DICEROLL1 = 31, M_DICEROLL2 = 32, M_DICEROLL3 = 33, M_HAVEBEAT = 34, M_MINLOSSAMT = 35,
    M_RAMX = 36, M_RAMY = 37, M_RAMW = 38, M_RAMH = 39, M_TAR = 40, M_DONTDISPLAYVEH = 41,
    M_JUMPTIME = 42, M_JUMPX = 43, M_JUMPY = 44, M_ENDINGMODE = 45, M_ENDINGTYPE = 46, M_SEAL = 47,
    M_FAUXPAX = 48
};

// Confirm-exit kinds, kept in misc[M_CONFIRM], and where the options and instructions
// were opened from, kept in misc[M_OPTIONS] and misc[M_INST].
enum ConfirmKind { CF_QUITGAME = 0, CF_QUITMATCH = 1, CF_INGAME = 2, CF_TITLE = 3, CF_PAUSE = 4 };

// Save summary fields.
enum SaveField {
    SV_VEH = 0, SV_DECK = 1, SV_CARDS = 2, SV_BEAT = 3, SV_COMBO = 4, SV_SCORE = 5, SV_TIME = 6, SV_QUESTNUM = 7
};

// Options, indices into pl[0].opt.
enum Option {
    OPT_KEYUP = 0, OPT_KEYLEFT = 1, OPT_KEYDOWN = 2, OPT_KEYRIGHT = 3, OPT_KEYFIRE = 4, OPT_KEYBOOST = 5,
    OPT_KEYUSE1 = 6, OPT_KEYUSE2 = 7, OPT_KEYUSE3 = 8, OPT_KEYCHANGE = 9, OPT_VOLBGM = 10,
    OPT_VOLSFX = 11, OPT_COMBO = 12, OPT_FULLSCREEN = 13, OPT_SCORE = 14, OPT_KEYDISCARD = 15,
    OPT_TUTORIAL = 16, OPT_REDUCEFLASH = 17, OPT_SYNCDISPLAY = 18, OPT_FOCUSPAUSE = 19, OPT_PIXELEXACT = 20
};
