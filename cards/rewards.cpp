#include "cards/rewards.h"

#include <algorithm>

#include "cards/decks.h"
#include "cards/opponents.h"
#include "shell/sound.h"
#include "shell/world.h"

namespace {

constexpr int BONUSCARDS = 5;
constexpr int REWARDLIST = 21;
constexpr int SECONDQUESTBONUS = 2;
constexpr int UPGRADESFX = 84, UPGRADECHANNEL = 5;

// Score steps of each opponent: the points start at `first` and rise by one past each limit.
struct PointSteps {
    int first;
    int limits[3];
};
constexpr PointSteps POINTSTEPS[MAXOPPONENTS] = {
    {2, {4999, -1, -1}},     {2, {9999, -1, -1}},      {2, {14999, 29999, -1}},      {2, {29999, 69999, -1}},
    {3, {39999, 79999, 129999}}, {3, {24999, 49999, 79999}}, {3, {49999, 99999, 149999}},
};

// Bonus cards by opponents beaten before (row) and starting deck (column).
constexpr int BONUSDECKCARDS[MAXOPPONENTS][MAXDECKS][3] = {
    {{235, 228, 69}, {65, 67, 310}, {141, 154, 172}, {285, 161, 184}, {84, 121, 231}, {23, 30, 60},
     {170, 35, 165}, {288, 143, 231}, {23, 295, 296}, {54, 138, 231}, {162, 46, 154}, {246, 44, 173}},
    {{231, 252, 8}, {73, 64, 293}, {142, 143, 169}, {163, 162, 286}, {85, 86, 274}, {26, 169, 295},
     {156, 181, 279}, {144, 154, 181}, {304, 95, 285}, {141, 156, 266}, {30, 160, 161}, {35, 173, 32}},
    {{287, 87, 180}, {84, 68, 156}, {144, 151, 110}, {309, 73, 173}, {102, 87, 74}, {255, 160, 296},
     {172, 308, 163}, {145, 147, 172}, {171, 302, 118}, {234, 65, 159}, {28, 31, 90}, {38, 46, 84}},
    {{236, 254, 264}, {91, 74, 170}, {146, 147, 183}, {84, 185, 161}, {123, 267, 240}, {99, 24, 298},
     {98, 280, 310}, {151, 261, 95}, {24, 300, 110}, {285, 143, 241}, {235, 164, 185}, {247, 308, 91}},
    {{230, 267, 185}, {106, 241, 93}, {148, 152, 114}, {162, 129, 171}, {46, 244, 275}, {27, 284, 76},
     {157, 175, 260}, {152, 186, 271}, {297, 305, 233}, {106, 262, 269}, {97, 288, 172}, {75, 310, 278}},
    {{265, 275, 121}, {125, 35, 108}, {149, 150, 233}, {84, 74, 239}, {243, 288, 74}, {302, 260, 28},
     {106, 156, 266}, {288, 148, 96}, {110, 114, 269}, {255, 230, 183}, {286, 157, 120}, {309, 129, 261}},
    {{244, 271, 288}, {175, 131, 133}, {150, 302, 276}, {286, 161, 132}, {105, 86, 46}, {311, 300, 107},
     {292, 157, 166}, {254, 288, 286}, {301, 303, 307}, {272, 75, 286}, {292, 244, 244}, {274, 268, 247}},
};
// The last two bonus cards: special-weapon levels in the first quest; in the second, fixed
// cards (a negative entry -n is the special weapon of level n).
constexpr int BONUSWEAPONLEVELS[MAXOPPONENTS][2] = {{1, 2}, {2, 2}, {2, 3}, {3, 3}, {3, 4}, {4, 5}, {4, 5}};
constexpr int BONUSQUEST2[MAXOPPONENTS][2] = {{313, -5},  {314, 325}, {315, 166}, {319, 318},
                                              {320, 324}, {270, 322}, {277, 312}};

// Reward lists: [opponent][first win in quest 1, first win in quest 2, repeat win]. Opponent
// 6 has one list per quest whether beaten before or not.
constexpr int REWARDLISTS[MAXOPPONENTS][3][REWARDLIST] = {
    {{1, 2, 18, 20, 12, 3, 29, 42, 45, 48, 49, 54, 253, 161, 162, 174, 177, 249, 227, 138, 237},
     {332, 172, 335, 20, 24, 170, 338, 343, 45, 48, 49, 57, 253, 161, 162, 180, 177, 249, 235, 140, 237},
     {2, 3, 5, 6, 7, 155, 12, 281, 227, 49, 174, 178, 250, 251, 137, 54, 253, 182, 43, 159, 153}},
    {{257, 167, 240, 1, 13, 34, 57, 69, 81, 83, 228, 227, 8, 273, 14, 39, 142, 156, 259, 232, 245},
     {257, 311, 240, 332, 328, 342, 330, 70, 82, 336, 230, 235, 291, 273, 296, 334, 144, 157, 340, 232, 246},
     {184, 141, 2, 10, 158, 285, 37, 40, 43, 49, 168, 176, 178, 71, 179, 182, 79, 50, 21, 1, 11}},
    {{241, 228, 87, 151, 15, 61, 19, 23, 25, 30, 32, 36, 287, 173, 170, 17, 172, 283, 168, 9, 249},
     {241, 230, 90, 152, 299, 331, 19, 329, 25, 30, 340, 333, 288, 339, 290, 330, 289, 284, 307, 326, 341},
     {33, 180, 161, 45, 281, 37, 63, 59, 143, 181, 163, 174, 178, 160, 40, 184, 261, 242, 183, 164, 273}},
    {{169, 293, 35, 255, 167, 185, 9, 296, 26, 31, 44, 164, 235, 246, 262, 252, 279, 280, 145, 95, 65},
     {303, 294, 338, 336, 311, 291, 326, 297, 337, 31, 44, 165, 327, 247, 262, 252, 279, 280, 148, 96, 68},
     {170, 162, 156, 144, 68, 91, 39, 269, 53, 59, 43, 231, 238, 253, 160, 4, 5, 6, 154, 33, 32}},
    {{229, 274, 235, 234, 298, 284, 287, 16, 24, 172, 44, 106, 92, 46, 73, 84, 98, 151, 264, 268, 165},
     {229, 274, 333, 234, 299, 284, 288, 301, 344, 289, 341, 109, 94, 46, 74, 343, 78, 152, 264, 268, 166},
     {97, 100, 106, 92, 272, 257, 266, 258, 236, 181, 162, 179, 180, 38, 1, 170, 23, 263, 283, 154, 147}},
    {{244, 288, 152, 292, 302, 27, 171, 114, 129, 119, 165, 246, 239, 230, 278, 290, 24, 294, 110, 75, 186},
     {244, 288, 335, 327, 302, 337, 338, 117, 130, 120, 166, 339, 239, 329, 278, 334, 336, 294, 111, 76, 340},
     {151, 161, 102, 77, 131, 183, 177, 73, 149, 156, 284, 185, 248, 186, 25, 28, 30, 295, 308, 163, 64}},
    {{243, 244, 268, 282, 276, 86, 133, 121, 288, 310, 309, 297, 150, 157, 286, 265, 311, 175, 247, 97, 128},
     {243, 344, 343, 282, 276, 86, 136, 124, 335, 310, 336, 297, 333, 157, 286, 265, 321, 340, 331, 97, 128},
     {}},
};

// The two stats that cost double for each vehicle.
constexpr int DOUBLECOST[MAXVEHICLES][2] = {{S_POWER, S_ARMOR}, {S_SPEED, S_ROF},   {S_SSPEED, S_ARMOR},
                                            {S_HEART, S_ARMOR}, {S_SPEED, S_SSPEED}, {S_POWER, S_HEART},
                                            {S_POWER, S_SPEED}, {S_SSPEED, S_ROF}};

bool campaignOpponent(int opp) { return opp >= 0 && opp < MAXOPPONENTS; }
bool validVehicle(int veh) { return veh >= 0 && veh < MAXVEHICLES; }

void fillBonusCards(int beaten) {
    Player& me = pl[0];
    const int deck = std::clamp(selectedDeck, 0, MAXDECKS - 1);
    std::copy_n(BONUSDECKCARDS[beaten][deck], 3, me.rewardCards);
    for (int k = 0; k < 2; ++k) {
        const int card = me.questNum == 2 ? BONUSQUEST2[beaten][k] : -BONUSWEAPONLEVELS[beaten][k];
        me.rewardCards[3 + k] = card < 0 ? specialWeaponCard(selectedVeh, -card) : card;
    }
}

}  // namespace

int basePointsFor(int opp, int score) {
    if (!campaignOpponent(opp)) return 0;
    const PointSteps& steps = POINTSTEPS[opp];
    int points = steps.first;
    for (int limit : steps.limits)
        if (limit >= 0 && score > limit) ++points;
    return points;
}

void getUpgradePoints() {
    Player& me = pl[0];
    if (!campaignOpponent(selectedOpp)) return;
    const bool beatenBefore = beat[selectedOpp] != 0;
    int points = basePointsFor(selectedOpp, me.score);
    if (me.questNum == 2) points += SECONDQUESTBONUS;
    if (beatenBefore) points /= 2;
    me.upgradePoints = points;
    fillBonusCards(std::clamp(totalBeat(), 0, MAXOPPONENTS - 1));
    if (!beatenBefore)
        for (int i = 0; i < BONUSCARDS; ++i) addToDeck(0, me.rewardCards[i]);
}

float upgradeStep(int stat) {
    // In S_ order; rate of fire is taken off the time between shots.
    constexpr float STEPS[] = {0.5f, 1, 0.75f, 0.05f, 40, 1, 8};
    return stat >= S_POWER && stat <= S_HEART ? STEPS[stat] : 0;
}

int mostUpgradePoints() {
    int points = 0;
    for (int opp = 0; opp < MAXOPPONENTS; ++opp) {
        const int best = basePointsFor(opp, 1 << 30);
        points += best + best + SECONDQUESTBONUS;
    }
    return points;
}

void getCostPerUpgrade() {
    Player& me = pl[0];
    std::fill(std::begin(me.upgradeCost), std::end(me.upgradeCost), 1);
    if (!validVehicle(selectedVeh)) return;
    for (int stat : DOUBLECOST[selectedVeh]) me.upgradeCost[stat] = 2;
}

void upgradeStat(int stat) {
    if (!validVehicle(selectedVeh) || stat < S_POWER || stat > S_HEART) return;
    const int v = selectedVeh;
    const float step = upgradeStep(stat);
    switch (stat) {
    case S_POWER: VEH_power[v] += step; break;
    case S_SPEED: VEH_speed[v] += step; break;
    case S_ARMOR: VEH_armor[v] += step; break;
    case S_ROF: VEH_rof[v] = std::max(LOWESTROF, VEH_rof[v] - step); break;
    case S_SSPEED: VEH_shotSpeed[v] += step; break;
    case S_EXCEL: VEH_excel[v] += step; break;
    case S_HEART:
        VEH_heart[v] += step;
        VEH_fuel[v] += FUELUPGRADE;
        break;
    }
    pl[0].upgradePoints -= pl[0].upgradeCost[stat];
    playSFX(UPGRADESFX, UPGRADECHANNEL);
}

void getRewardCards() {
    Player& me = pl[0];
    if (!campaignOpponent(selectedOpp)) return;
    const bool beatenBefore = beat[selectedOpp] != 0;
    me.rewardPicks = beatenBefore ? 2 : 5;
    me.misc[M_HAVEBEAT] = static_cast<float>(beat[selectedOpp]);
    const int quest2 = me.questNum == 2 ? 1 : 0;
    const int list = selectedOpp == MAXOPPONENTS - 1 || !beatenBefore ? quest2 : 2;
    std::copy_n(REWARDLISTS[selectedOpp][list], REWARDLIST, me.rewardCards);
    sortArray(me.rewardCards, REWARDLIST);
    // Then each run of one type in ascending id.
    for (int start = 0; start < REWARDLIST;) {
        int end = start + 1;
        while (end < REWARDLIST && crd[me.rewardCards[end]].type == crd[me.rewardCards[start]].type) ++end;
        sortByNumber(me.rewardCards, start, end - start);
        start = end;
    }
    beat[selectedOpp] = 1;
}
