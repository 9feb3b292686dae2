#include "cards/card_effects.h"

#include <algorithm>
#include <string>

#include "battle/combos.h"
#include "cards/card_families.h"
#include "cards/conditions.h"
#include "cards/hand.h"
#include "cards/opponents.h"
#include "shell/counters.h"
#include "shell/geometry.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgepmanager.h"

namespace {

constexpr int STATBURST = 1;  // particle description of the burst at a vehicle whose stats change

// Built once so that playing a card allocates no text.
const std::string NOTIMPLEMENTED = "Card not implemented.";

enum Target { USER, OPPONENT };

// A stat card: changes added to the target's record, a floating text, extra sounds.
struct SoundOnChannel {
    int sound, channel;
};
struct StatRow {
    int card;
    Target target;
    int powerEx;
    float armor, rof, shotSpeed, excel;
    int shotLevel, shotQty;
    float speed, heart, fuel;
    int score;
    bool rofFloor;  // rate of fire stays at LOWESTROF or above
    const char* text;
    int textKind;
    const char* text2;  // a second text, in slot 1
    SoundOnChannel sounds[4];
};

// Lowering the opponent's power never takes it below 0.
constexpr StatRow STATROWS[] = {
    // card target   pEx armor rof    shotSp excel lvl qty speed heart fuel score floor text kind
    {1, USER, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, false, "POWER +1", 0, nullptr, {}},
    {4, USER, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, false, "armor +1", 0, nullptr, {}},
    {5, USER, 0, 0, -0.08f, 0, 0, 0, 0, 0, 0, 0, 0, true, "rate of fire up", 2, nullptr, {}},
    {6, USER, 0, 0, 0, 60, 0, 0, 0, 0, 0, 0, 0, false, "shot speed up", 2, nullptr, {}},
    {7, USER, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, false, "excel up", 2, nullptr, {}},
    {18, OPPONENT, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, false, "power -1", 1, nullptr, {}},
    {161, USER, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, false, "shot size up", 0, nullptr, {}},
    {162, USER, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, false, "shot qty up", 0, nullptr, {}},
    {332, USER, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, false, "POWER +1  armor +1", 0, nullptr, {{5, 4}, {18, 4}}},
    {333, USER, 1, 1, -0.08f, 60, 1, 0, 0, 1, 1, 1, 1337, false, "ALL +1", 0, "1337",
     {{5, 4}, {18, 4}, {20, 6}, {21, 6}}},
    {335, OPPONENT, -5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, false, "power -5", 1, nullptr, {}},
};

struct CondCardRow {
    int card;
    Target target;
    int cond, level;
};

constexpr CondCardRow CONDCARDROWS[] = {
    {11, OPPONENT, C_TOXI, 1}, {293, OPPONENT, C_TOXI, 2}, {294, OPPONENT, C_TOXI, 3},
    {12, OPPONENT, C_DZ, 1},   {23, OPPONENT, C_DZ, 2},    {24, OPPONENT, C_DZ, 3},
    {13, OPPONENT, C_STUP, 1}, {295, OPPONENT, C_STUP, 2}, {328, OPPONENT, C_STUP, 3},
    {14, OPPONENT, C_MUTE, 1}, {296, OPPONENT, C_MUTE, 2}, {297, OPPONENT, C_MUTE, 3},
    {15, OPPONENT, C_FREZ, 1}, {298, OPPONENT, C_FREZ, 2}, {299, OPPONENT, C_FREZ, 3},
    {16, OPPONENT, C_STUN, 1}, {300, OPPONENT, C_STUN, 2}, {301, OPPONENT, C_STUN, 3},
    {323, OPPONENT, C_ZOM, 2}, {329, OPPONENT, C_ZOM, 3},
    {17, OPPONENT, C_SLIP, 1}, {171, OPPONENT, C_SLIP, 2}, {330, OPPONENT, C_SLIP, 3},
    {168, OPPONENT, C_SLOW, 1}, {304, OPPONENT, C_SLOW, 2}, {305, OPPONENT, C_SLOW, 3},
    {169, OPPONENT, C_ZZZZ, 1}, {302, OPPONENT, C_ZZZZ, 2}, {303, OPPONENT, C_ZZZZ, 3},
    {306, OPPONENT, C_LEAK, 1}, {307, OPPONENT, C_LEAK, 2}, {331, OPPONENT, C_LEAK, 3},
    {317, OPPONENT, C_MYST, 1},
    {2, USER, C_ROXY, 1},   {172, USER, C_ROXY, 2}, {289, USER, C_ROXY, 3},
    {3, USER, C_SPD, 1},    {170, USER, C_SPD, 2},  {290, USER, C_SPD, 3},
    {8, USER, C_BZRK, 1},   {185, USER, C_BZRK, 2}, {291, USER, C_BZRK, 3},
    {9, USER, C_U4IA, 1},   {175, USER, C_U4IA, 2}, {326, USER, C_U4IA, 3},
    {10, USER, C_2XL, 1},   {181, USER, C_2XL, 2},  {186, USER, C_2XL, 3},
    {163, USER, C_R2X, 1},  {292, USER, C_R2X, 2},  {327, USER, C_R2X, 3},
    {164, USER, C_RFLX, 1}, {165, USER, C_RFLX, 2}, {166, USER, C_RFLX, 3},
};

struct PassiveCardRow {
    int card, passive;
};

constexpr PassiveCardRow PASSIVECARDROWS[] = {
    {34, P_SPEED_12},   {35, P_SPEED_15},     {36, P_MINPOWER2}, {37, P_EXCEL_15}, {38, P_EXCEL_2},
    {39, P_VITALIZER},  {40, P_NULLIFIER},    {41, P_REGENFUEL}, {42, P_EFFBOOST}, {43, P_FREQ},
    {44, P_REV},        {45, P_COG},          {46, P_SYZYGY},    {279, P_QUICKCARDS},
    {280, P_CARDREFRESH}, {281, P_XRAY},      {308, P_INCPOS},   {309, P_KNOX},    {310, P_RES},
    {342, P_12EN},      {343, P_3XEN},
};

// Texts from the tables go through one reused buffer, so showing them allocates nothing
// once the buffer has grown.
const std::string& textOf(const char* text) {
    static std::string buffer;
    buffer.assign(text);
    return buffer;
}

void applyStat(const StatRow& row, int user, int opponent) {
    const int side = row.target == USER ? user : opponent;
    Player& p = pl[side];
    if (row.powerEx < 0)
        p.powerEx = p.powerEx > 0 ? std::max(p.powerEx + row.powerEx, 0) : p.powerEx;
    else
        p.powerEx += row.powerEx;
    p.armor += row.armor;
    p.rof += row.rof;
    if (row.rofFloor) p.rof = std::max(p.rof, LOWESTROF);
    p.shotSpeed += row.shotSpeed;
    p.excel += row.excel;
    p.shotLevel += row.shotLevel;
    p.shotQty += row.shotQty;
    p.speed += row.speed;
    p.heart += row.heart;
    p.fuel += row.fuel;
    addSaturating(p.score, row.score);
    for (const SoundOnChannel& s : row.sounds)
        if (s.sound > 0) playSFX(s.sound, s.channel);
    // A bigger gun shows at once, from the next volley on.
    if (row.shotLevel != 0) p.getCurParticle(side);
    initytxt(side, textOf(row.text), row.textKind);
    if (row.text2) initytxt(side, textOf(row.text2), 1);
    burstAtVehicle(side, STATBURST);
}

template <typename Row, size_t N>
const Row* findRow(const Row (&rows)[N], int card) {
    for (const Row& row : rows)
        if (row.card == card) return &row;
    return nullptr;
}

void runEffect(const CardPlay& play) {
    const int card = play.card;
    if (const StatRow* row = findRow(STATROWS, card)) {
        applyStat(*row, play.user, play.opponent);
    } else if (const CondCardRow* row = findRow(CONDCARDROWS, card)) {
        receiveCond(row->target == USER ? play.user : play.opponent, row->cond, row->level);
    } else if (const PassiveCardRow* row = findRow(PASSIVECARDROWS, card)) {
        receivePassive(play.user, row->passive);
    } else if (card <= 0 || card > LASTCARD ||
               !(playShotCard(play) || playSpawnCard(play) || playFieldCard(play) || playSpecialCard(play))) {
        initytxt(play.user, NOTIMPLEMENTED, 0);
    }
}

}  // namespace

int passiveCard(int passive) {
    for (const PassiveCardRow& row : PASSIVECARDROWS)
        if (row.passive == passive) return row.card;
    return 0;
}

void burstAtVehicle(int side, int look) {
    if (!psmgrX || look < 0 || look >= MAXPARTICLES) return;
    const hgeRect& r = pl[side].rect;
    psmgrX->SpawnPS(&psiGeneral[look], centerX(r), centerY(r));
}

void initCard(int side, int slot) {
    if (side < 0 || side > 1 || slot < 0 || slot > 3) return;
    Player& p = pl[side];
    const int card = slot <= 2 ? p.hand[slot] : p.aiCard;
    const int opponent = (side + 1) % 2;
    const Card& c = cardData(card);
    if (c.sound != -1) playSFX(c.sound, 4);
    hge->System_Log("%dP uses %s", side + 1, c.name.c_str());
    runEffect(CardPlay{card, side, opponent, slot, selectedOpp / 2 + 1});
    if (slot <= 2) {
        p.hand[slot] = 0;
        p.cardDrawTimer[slot] = c.refillTime;
        if (passiveExists(side, P_CARDREFRESH)) p.cardDrawTimer[slot] /= 2;
    }
}
