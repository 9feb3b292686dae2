#include "cards/hand.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "battle/combos.h"
#include "cards/card_effects.h"
#include "cards/conditions.h"
#include "cards/decks.h"
#include "cards/opponents.h"
#include "shell/sound.h"
#include "shell/world.h"

namespace {

// The card that cures a harmful condition; the opponent throws it away while healthy.
constexpr int CURECARD = 20;
// A discarded card's slot waits this many refill times.
constexpr float DISCARDFACTOR = 3;
constexpr float EXHAZARDDIVISOR = 3;

// Built once so that a refusal during play allocates nothing.
const std::string NOCARDTEXT = "There's no card in that slot yet.";
const std::string NOCOINSTEXT = "Not enough coins to use that card.";

bool validSlot(int side, int slot) { return side >= 0 && side <= 1 && slot >= 0 && slot <= 2; }

// Every coin of the side covers the card's cost less `discount` in that colour.
bool canPay(const Player& p, const Card& c, int discount) {
    for (int k = 0; k < 3; ++k)
        if (p.coin[k] < c.cost[k] - discount) return false;
    return true;
}

float refillDelay(int side, float seconds) {
    return passiveExists(side, P_CARDREFRESH) ? seconds / 2 : seconds;
}

// Coin capacities of the human's starting decks 0..8; later decks get 12 of each colour.
constexpr int DECKCAPS[9][3] = {
    {99, 6, 6}, {6, 99, 6}, {6, 6, 99}, {16, 16, 6}, {16, 16, 6},
    {6, 16, 16}, {6, 16, 16}, {16, 6, 16}, {16, 6, 16},
};
constexpr int DEFAULTCAP = 12;

// The EX mission has no opponent to send enemies or hazards to, so the cards it cannot use
// are replaced as they are drawn. Each rule lists the ids it matches, as ranges and single ids.
struct IdRange {
    int first, last;
};

bool inList(int id, std::initializer_list<IdRange> ranges) {
    return std::any_of(ranges.begin(), ranges.end(), [id](IdRange r) { return id >= r.first && id <= r.last; });
}

int exReplacement(int id) {
    // Enemy, stair and escalator cards become walls.
    if (inList(id, {{47, 136}, {159, 160}, {255, 255}, {283, 284}}))
        return hge->Random_Int(0, 1) == 0 ? hge->Random_Int(137, 158) : hge->Random_Int(285, 288);
    // Harmful conditions and attacks on the opponent become stat boosts or reflection.
    if (inList(id, {{11, 19}, {26, 33}, {22, 23}, {168, 169}, {171, 171}, {269, 269}, {306, 306}}))
        return hge->Random_Int(0, 1) == 0 ? hge->Random_Int(1, 10) : hge->Random_Int(163, 164);
    if (inList(id, {{293, 293}, {295, 296}, {298, 298}, {300, 300}, {302, 302}, {304, 304}, {307, 307}, {310, 310}})) {
        static constexpr int LEVEL2[7] = {292, 181, 185, 165, 170, 172, 175};
        return LEVEL2[hge->Random_Int(0, 6)];
    }
    if (inList(id, {{24, 24}, {294, 294}, {297, 297}, {299, 299}, {301, 301}, {303, 303}, {305, 305}, {323, 323}})) {
        switch (hge->Random_Int(0, 2)) {
        case 0: return hge->Random_Int(289, 291);
        case 1: return 186;
        default: return 166;
        }
    }
    return id;
}

}  // namespace

const Card& cardData(int id) {
    static const Card none = [] {
        Card c;
        c.sound = -1;
        return c;
    }();
    return id >= 0 && id < MAXCARDS ? crd[id] : none;
}

int deckCoinCap(int deck, int color) {
    if (color < 0 || color > 2) return 0;
    return deck >= 0 && deck < 9 ? DECKCAPS[deck][color] : DEFAULTCAP;
}

void getCoinCapacity() {
    for (int k = 0; k < 3; ++k) {
        pl[0].coinCap[k] = deckCoinCap(selectedDeck, k);
        if (versus.on)
            pl[1].coinCap[k] = deckCoinCap(versus.deck[1], k);
        else if (selectedOpp == 0)
            pl[1].coinCap[k] = 5;
        else if (selectedOpp == 6)
            pl[1].coinCap[k] = 99;
        else
            pl[1].coinCap[k] = 10 * selectedOpp - 1;
    }
}

int getCardColor(int id) {
    const Card& c = cardData(id);
    const bool r = c.cost[C_R] > 0, g = c.cost[C_G] > 0, b = c.cost[C_B] > 0;
    if (r && g && b) return C_RGB;
    if (r && g) return C_RG;
    if (r && b) return C_RB;
    if (g && b) return C_GB;
    if (r) return C_R;
    if (g) return C_G;
    if (b) return C_B;
    return C_OTHER1;
}

DWORD getCardTextColor(int id) {
    static constexpr DWORD COLORS[7] = {0xFFEF879B, 0xFF92F0AF, 0xFF8DDEF5, 0xFFB4DB2B,
                                        0xFF0AF6C7, 0xFFD5A8E6, 0xFFDADADA};
    const int cls = getCardColor(id);
    return cls >= 0 && cls < 7 ? COLORS[cls] : 0xFFFFD77F;
}

const char* getTypeName(int type) {
    static constexpr const char* NAMES[7] = {"Effect", "Enemy", "Passive", "Weapon", "Hazard", "Territory", "Item"};
    return type >= 0 && type < 7 ? NAMES[type] : "";
}

int startingCoins(int side) {
    if (side == 1 && !versus.on && pl[0].questNum != 2) return 0;
    if (selectedOpp <= 1) return 2;
    if (selectedOpp <= 3) return 1;
    return 0;
}

void resetHand(int side) {
    if (side < 0 || side > 1) return;
    Player& p = pl[side];
    const int coins = startingCoins(side);
    for (int i = 0; i < 3; ++i) {
        p.hand[i] = 0;
        p.cardDrawTimer[i] = CARDDELAY;
        p.cardUseTimer[i] = 0;
        p.cardUseTotal[i] = 0;
        p.coin[i] = coins;
        p.coinFlash[i] = 0;
    }
    p.selCard = 0;
    receiveCond(side, 0, 0);
    receiveCond(side, 0, 1);
}

bool canUseCard(int side, int slot) {
    if (!validSlot(side, slot)) return false;
    const Player& p = pl[side];
    return p.hand[slot] != 0 && p.cardUseTimer[slot] == 0 && canPay(p, cardData(p.hand[slot]), 0);
}

void activateCard(int side, int slot) {
    if (!validSlot(side, slot)) return;
    Player& p = pl[side];
    const Card& c = cardData(p.hand[slot]);
    const bool syzygy = passiveExists(side, P_SYZYGY);
    const bool held = p.hand[slot] != 0 && p.cardUseTimer[slot] == 0;
    const bool affordable = canPay(p, c, 0) || (syzygy && canPay(p, c, 1));
    if (!held || p.misc[M_SEAL] > 0 || !affordable) {
        if (p.misc[M_SEAL] > 0) {
            playSFX(1, 3);
        } else if (!held) {
            initytxt(side, NOCARDTEXT, 2);
        } else {
            initytxt(side, NOCOINSTEXT, 2);
            playSFX(29, 3);
        }
        return;
    }
    // With P_SYZYGY every colour the card costs is one coin cheaper, even when the side
    // could pay in full.
    for (int k = 0; k < 3; ++k)
        p.coin[k] -= std::max(0, syzygy ? c.cost[k] - 1 : c.cost[k]);
    float useTime = c.useTime;
    if (selectedOpp == EXMISSION && c.type == CT_HAZARD) useTime /= EXHAZARDDIVISOR;
    if (passiveExists(side, P_QUICKCARDS)) useTime /= 2;
    p.cardUseTimer[slot] = useTime;
    p.cardUseTotal[slot] = useTime;
}

void useCard(int side, int slot) {
    if (!validSlot(side, slot)) return;
    initCard(side, slot);
}

void discardCard(int side, int slot) {
    if (!validSlot(side, slot)) return;
    Player& p = pl[side];
    if (p.hand[slot] == 0 || p.cardUseTimer[slot] > 0) return;
    p.cardDrawTimer[slot] = refillDelay(side, DISCARDFACTOR * cardData(p.hand[slot]).refillTime);
    p.hand[slot] = 0;
}

void getNextCard(int side, int slot) {
    if (!validSlot(side, slot)) return;
    Player& p = pl[side];
    // An empty deck draws nothing; a draw position outside the deck starts it over.
    if (p.deckSize <= 0) return;
    const int size = std::min(p.deckSize, MAXDECKSIZE);
    if (p.deckPos < 0 || p.deckPos >= size) p.deckPos = 0;
    int id = p.deck[p.deckPos];
    if (selectedOpp == EXMISSION) id = exReplacement(id);
    p.hand[slot] = id;
    if (++p.deckPos >= size) {
        shuffleDeck(side);
        p.deckPos = 0;
    }
}

void updateCardSlots(int side, float dt) {
    if (side < 0 || side > 1) return;
    Player& p = pl[side];
    for (int i = 0; i < 3; ++i) {
        if (p.coin[i] > p.coinCap[i]) p.coin[i] = p.coinCap[i];
        if (p.coinFlash[i] > 0) p.coinFlash[i] = std::max(0.0f, p.coinFlash[i] - 1);
        if (p.cardDrawTimer[i] > 0) {
            p.cardDrawTimer[i] = std::max(0.0f, p.cardDrawTimer[i] - dt);
            if (p.cardDrawTimer[i] == 0) getNextCard(side, i);
        }
        if (p.cardUseTimer[i] > 0) {
            p.cardUseTimer[i] = std::max(0.0f, p.cardUseTimer[i] - dt);
            if (p.cardUseTimer[i] == 0) useCard(side, i);
        }
    }
}

void playOpponentCards() {
    Player& p = pl[1];
    if (p.cond[1] == C_ZOM) return;
    const int n = pl[0].questNum == 2 ? 6 : 10;
    if (hge->Random_Int(0, n - p.ai) != 0) return;
    const int s = hge->Random_Int(0, 2);
    if (p.hand[s] == CURECARD && p.cond[1] == 0)
        discardCard(1, s);
    else if (canUseCard(1, s))
        activateCard(1, s);
}
