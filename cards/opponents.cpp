#include "cards/opponents.h"

#include "battle/enemies.h"
#include "cards/card_effects.h"
#include "cards/decks.h"
#include "cards/hand.h"
#include "shell/text.h"
#include "shell/world.h"

namespace {

constexpr int TITLEROUNDS = 8;

// Round titles by opponent and round; an empty entry gives an empty title.
constexpr const char* ROUNDTITLES[MAXOPPONENTS][TITLEROUNDS] = {
    {"Denizen 1", "Denizen Xtreme"},
    {"Xaxyn", "Xaxyn: Stalker", "Xaxyn: Assassin"},
    {"3-quency", "3-peat", "3-quel", "3-alization", "3-construct"},
    {"Yezin", "2nd Deadly Child in the Pain", "Crazed Mystic Assassin", "Shadowy Insanity", "Gnomercy",
     "Decanter of the Abyss"},
    {"Quixotix", "Quatorze", "Quekellon", "Quegharay", "Quig", "Quattro", "Quizilog"},
    {"Zrajonare", "Zbuffrone", "Znello", "Zradicare", "Zarbomaesael"},
    {"Owner", "Owner of the street", "Owner of the city", "Owner of the continent", "Owner of the world",
     "Owner of the galaxy", "Owner of the universe", "4D Owner"},
};

constexpr const char* LOCATIONS[MAXOPPONENTS + 1] = {
    "Quiescent Space", "Divodi Forest", "Divodi Base", "Mystic Grounds",
    "Esoteric Space", "Korvania Outskirts", "HQ", "Everywhere",
};

constexpr int UNLOCKTHRESHOLDS[MAXOPPONENTS + 1] = {0, 0, 1, 1, 3, 3, 6, 0};

// The cards an opponent adds to its deck at the start of a round: card id and copies.
struct CardCopies {
    int card, copies;
};
struct RoundCards {
    int opp, round;
    CardCopies cards[8];
};

constexpr RoundCards ROUNDCARDS[] = {
    {0, 1, {{312, 3}, {2, 2}, {4, 3}, {253, 3}, {69, 2}}},
    {1, 1, {{167, 4}, {12, 3}, {18, 2}, {57, 2}, {72, 2}, {58, 3}, {155, 3}, {250, 2}}},
    {1, 2, {{29, 1}, {51, 1}, {82, 2}, {60, 1}, {240, 2}, {257, 3}, {251, 1}}},
    {2, 1, {{283, 1}, {147, 2}, {64, 2}, {83, 1}, {250, 1}}},
    {2, 2, {{316, 3}, {37, 2}, {84, 2}, {57, 2}}},
    {2, 3, {{160, 3}, {252, 2}, {87, 3}, {88, 2}, {2, 1}}},
    {2, 4, {{296, 2}, {91, 3}, {92, 2}}},
    {3, 1, {{26, 3}, {89, 3}, {250, 2}, {155, 3}}},
    {3, 2, {{35, 2}, {278, 2}, {96, 3}, {251, 2}}},
    {3, 3, {{317, 3}, {94, 3}, {295, 2}, {156, 2}}},
    {3, 4, {{98, 3}, {272, 4}, {145, 2}, {172, 1}}},
    {3, 5, {{100, 3}, {256, 3}, {157, 1}}},
    {4, 1, {{92, 2}, {40, 2}, {274, 3}, {283, 3}, {149, 2}}},
    {4, 2, {{106, 4}, {300, 1}, {2, 1}, {250, 2}}},
    {4, 3, {{39, 2}, {231, 3}, {279, 2}, {43, 2}, {151, 1}}},
    {4, 4, {{118, 4}, {255, 3}, {288, 2}, {172, 1}, {251, 1}}},
    {4, 5, {{107, 3}, {284, 3}, {301, 2}, {309, 1}}},
    {4, 6, {{120, 2}, {74, 1}, {275, 4}}},
    {5, 1, {{324, 4}, {129, 3}, {278, 2}, {251, 2}, {142, 1}, {156, 3}}},
    {5, 2, {{304, 2}, {114, 3}, {275, 3}, {272, 4}, {309, 1}, {151, 2}}},
    {5, 3, {{294, 2}, {113, 2}, {125, 4}, {131, 2}, {172, 1}, {157, 2}}},
    {5, 4, {{311, 2}, {77, 3}, {116, 3}}},
    {6, 1, {{160, 2}, {130, 2}, {124, 3}, {250, 3}, {151, 2}}},
    {6, 2, {{294, 3}, {171, 2}, {275, 3}, {251, 2}, {156, 4}}},
    {6, 3, {{150, 3}, {115, 3}, {276, 4}, {284, 2}}},
    {6, 4, {{299, 2}, {282, 3}, {172, 2}, {157, 3}}},
    {6, 5, {{152, 3}, {86, 3}, {270, 3}, {288, 3}}},
    {6, 6, {{322, 5}, {290, 2}, {136, 4}, {286, 3}}},
    {6, 7, {{321, 3}, {277, 3}, {323, 3}}},
};

// Crowded-field casts need more enemies than this in the opponent's field.
constexpr int CROWDED = 10;

// Plays `card` from the opponent's fourth card place and pays for it with fuel.
void cast(int card, float price) {
    pl[1].aiCard = card;
    initCard(1, 3);
    pl[1].fuel -= price;
}

void crowdedFieldCast() {
    Player& p = pl[1];
    if (p.ai != AI_ECHELON2 || selectedOpp < 4 || selectedOpp > 6) return;
    if (countEnemies(1) <= CROWDED || hge->Random_Int(0, 20) != 0) return;
    if (selectedOpp == 4 && p.fuel > 110)
        cast(319, 100);
    else if (selectedOpp == 5 && p.fuel > 75)
        cast(313, 50);
    else if (selectedOpp == 6 && p.fuel > 225)
        cast(hge->Random_Int(315, 319), 200);
}

void secondQuestCast() {
    Player& p = pl[1];
    if (pl[0].questNum != 2 || selectedOpp < 4 || selectedOpp > 6) return;
    if (hge->Random_Int(0, 30) != 0) return;
    const float fuel = p.fuel;
    switch (hge->Random_Int(0, 7)) {
    case 0: if (fuel > 75) cast(279, 50); break;
    case 1: if (fuel > 40) cast(280, 25); break;
    case 2: if (fuel > 100) cast(hge->Random_Int(308, 310), 75); break;
    case 3: if (fuel > 75) cast(248, 60); break;
    case 4: if (fuel > 100) cast(hge->Random_Int(34, 43), 75); break;
    case 5: if (fuel > 125) cast(46, 100); break;
    case 6: if (countEnemies(1) > CROWDED && fuel > 75) cast(21, 50); break;
    case 7: if (countEnemies(1) > CROWDED && fuel > 230) cast(22, 200); break;
    default: break;
    }
}

}  // namespace

int totalBeat() {
    int n = 0;
    for (int b : beat)
        if (b != 0) ++n;
    return n;
}

std::string getCurOppName() {
    if (selectedOpp == EXMISSION) return "EX mission, round " + itos(curRound + 1);
    if (selectedOpp < 0 || selectedOpp >= MAXOPPONENTS || curRound < 0 || curRound >= TITLEROUNDS) return "";
    const char* title = ROUNDTITLES[selectedOpp][curRound];
    return title ? title : "";
}

const char* locationName() { return locationNameOf(selectedOpp); }

const char* locationNameOf(int opp) {
    return opp >= 0 && opp <= EXMISSION ? LOCATIONS[opp] : "";
}

void addOppCards() {
    for (const RoundCards& row : ROUNDCARDS) {
        if (row.opp != selectedOpp || row.round != curRound) continue;
        for (const CardCopies& c : row.cards)
            for (int i = 0; i < c.copies; ++i) addToDeck(1, c.card);
    }
}

std::string questionMark(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) c = '?';
    return out;
}

int unlockThreshold(int opp) {
    return opp >= 0 && opp <= EXMISSION ? UNLOCKTHRESHOLDS[opp] : 0;
}

void setUnlockThresholds() {
    for (int opp = 0; opp <= EXMISSION; ++opp) pl[0].misc[M_UNLOCK + opp] = static_cast<float>(UNLOCKTHRESHOLDS[opp]);
}

bool canStartMatch(int opp) {
    if (opp < 0 || opp > EXMISSION || pl[0].deckSize > MAXPLAYABLEDECK || !dataFault.empty()) return false;
    if (opp == EXMISSION) return pl[0].questNum == 2;
    return totalBeat() >= unlockThreshold(opp);
}

void opponentCardPlay() {
    if (selectedOpp < 0 || selectedOpp >= EXMISSION || versus.on) return;
    playOpponentCards();
    opponentSpecialCasts();
}

void opponentSpecialCasts() {
    crowdedFieldCast();
    secondQuestCast();
}
