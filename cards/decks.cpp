#include "cards/decks.h"

#include <algorithm>
#include <utility>

#include "cards/hand.h"
#include "shell/world.h"

namespace {

// Card id of a vehicle's level-1 special weapon; the five levels of each vehicle follow.
constexpr int FIRSTVEHICLEWEAPON = 187;
constexpr int WEAPONLEVELS = 5;

bool validSide(int side) { return side == 0 || side == 1; }

// Places in use, kept inside the deck array whatever deckSize claims.
int deckCount(const Player& p) { return std::clamp(p.deckSize, 0, MAXDECKSIZE); }

// Bubble sort: repeated passes swapping neighbours whose first is strictly greater, so
// equal keys keep their order.
template <typename Greater>
void bubbleSort(int* values, int n, Greater greater) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 0; i + 1 < n; ++i) {
            if (greater(values[i], values[i + 1])) {
                std::swap(values[i], values[i + 1]);
                swapped = true;
            }
        }
    }
}

}  // namespace

int specialWeaponCard(int veh, int level) { return FIRSTVEHICLEWEAPON + WEAPONLEVELS * veh + level - 1; }

void initNewDeck(int side) {
    if (side == 0 || (side == 1 && versus.on)) {
        // A -1 in a starting deck is the special weapon of the vehicle that takes it.
        const int deck = side == 0 ? selectedDeck : versus.deck[1];
        if (deck < 0 || deck >= MAXDECKS) return;
        for (int i = 0; i < STARTINGCARDSINDECK; ++i) {
            const int id = deckDB[deck][i];
            pl[side].deck[i] = id == -1 ? specialWeaponCard(vehicleOf(side), 1) : id;
        }
    } else if (side == 1) {
        if (selectedOpp < 0 || selectedOpp >= MAXOPPONENTS) return;
        std::copy_n(deckDB[MAXDECKS + selectedOpp], STARTINGCARDSINDECK, pl[1].deck);
    }
}

void shuffleDeck(int side) {
    if (!validSide(side)) return;
    Player& p = pl[side];
    // Run down to 0 inclusive: the last draw is always 0, but it keeps the random sequence.
    for (int i = deckCount(p) - 1; i >= 0; --i) {
        const int j = hge->Random_Int(0, i);
        std::swap(p.deck[i], p.deck[j]);
    }
}

void addToDeck(int side, int card) {
    if (!validSide(side)) return;
    Player& p = pl[side];
    if (p.deckSize < 0 || p.deckSize >= MAXDECKSIZE) return;
    p.deck[p.deckSize++] = card;
}

void removeFromDeck(int index) {
    Player& p = pl[0];
    const int n = deckCount(p);
    if (index < 0 || index >= n) return;
    std::copy(p.deck + index + 1, p.deck + n, p.deck + index);
    p.deckSize = n - 1;
}

int getCardQty(int side, int card) {
    if (!validSide(side)) return 0;
    const Player& p = pl[side];
    return static_cast<int>(std::count(p.deck, p.deck + deckCount(p), card));
}

void sortArray(int* ids, int n) {
    bubbleSort(ids, n, [](int a, int b) { return cardData(a).type > cardData(b).type; });
}

void sortArrayByName(int* ids, int n) {
    // std::string compares as unsigned bytes.
    bubbleSort(ids, n, [](int a, int b) { return cardData(a).name > cardData(b).name; });
}

void sortByNumber(int* values, int start, int n) {
    bubbleSort(values + start, n, [](int a, int b) { return a > b; });
}
