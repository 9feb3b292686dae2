// A save file is text, one whole number per line, in this order: vehicle, deck, deck size,
// the beaten flags of opponents 0..6, total score, play time (seconds), best combo, quest
// number (1 or 2), highest round; then the vehicle's eight statistics, the kill counts of
// enemy kinds 1..29 and the deck's card ids. Only the head up to the highest round is
// read here.
#include "cards/savegames.h"

#include <algorithm>
#include <fstream>
#include <string>

#include "cards/decks.h"
#include "shell/hooks.h"
#include "shell/sound.h"
#include "shell/world.h"

namespace {

constexpr int LOADSOUND = 81, LOADCHANNEL = 5;

// The next line as a whole number in [low, high]; blanks around it are allowed.
bool readField(std::istream& in, int low, int high, int& value) {
    std::string line;
    if (!std::getline(in, line)) return false;
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const bool negative = i < line.size() && line[i] == '-';
    if (negative) ++i;
    const std::size_t digits = i;
    long long v = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        v = v * 10 + (line[i] - '0');
        if (v > 1LL << 40) return false;
    }
    if (i == digits) return false;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    if (i != line.size()) return false;
    if (negative) v = -v;
    if (v < low || v > high) return false;
    value = static_cast<int>(v);
    return true;
}

constexpr int ANYCOUNT = 2147483647;

enum class SlotRead { MISSING, DAMAGED, READ };

SlotRead readSlot(int slot, SaveHeader& header) {
    std::ifstream file(saveFileName(slot));
    if (!file) return SlotRead::MISSING;
    return readSaveHeader(file, header) ? SlotRead::READ : SlotRead::DAMAGED;
}

int beatenCount(const SaveHeader& h) { return static_cast<int>(std::count(std::begin(h.beat), std::end(h.beat), 1)); }

}  // namespace

std::string saveFileName(int slot) { return "save" + std::to_string(slot) + ".kvb"; }

bool readSaveHeader(std::istream& in, SaveHeader& h) {
    bool ok = readField(in, 0, MAXVEHICLES - 1, h.vehicle) && readField(in, 0, MAXDECKS - 1, h.deck) &&
              readField(in, 0, MAXDECKSIZE, h.deckSize);
    for (int& flag : h.beat) ok = ok && readField(in, 0, 1, flag);
    return ok && readField(in, 0, ANYCOUNT, h.totalScore) && readField(in, 0, ANYCOUNT, h.playTime) &&
           readField(in, 0, ANYCOUNT, h.highestCombo) && readField(in, 1, 2, h.questNum) &&
           readField(in, 0, ANYCOUNT, h.highestRound);
}

void loadScreenData() {
    for (int slot = 0; slot < MAXSAVESLOTS; ++slot) {
        SaveSummary& s = sv[slot];
        s = SaveSummary{};
        SaveHeader h;
        const SlotRead result = readSlot(slot, h);
        if (result == SlotRead::DAMAGED) {
            hge->System_Log("Save file %s cannot be read; its slot is shown as damaged.", saveFileName(slot).c_str());
            s.damaged = true;
        }
        if (result != SlotRead::READ) continue;
        s.exists = true;
        s.v[SV_VEH] = h.vehicle;
        s.v[SV_DECK] = h.deck;
        s.v[SV_CARDS] = h.deckSize;
        s.v[SV_BEAT] = beatenCount(h);
        s.v[SV_SCORE] = h.totalScore;
        s.v[SV_TIME] = h.playTime;
        s.v[SV_COMBO] = h.highestCombo;
        s.v[SV_QUESTNUM] = h.questNum;
    }
}

bool loadGame(int slot) {
    SaveHeader h;
    if (slot < 0 || slot >= MAXSAVESLOTS || readSlot(slot, h) != SlotRead::READ) {
        hge->System_Log("Could not load save file %d.", slot);
        hge->System_MessageBox("Could not load save file.", "Error", MB_ICONSTOP | MB_SYSTEMMODAL);
        return false;
    }
    selectedVeh = h.vehicle;
    selectedDeck = h.deck;
    std::copy(std::begin(h.beat), std::end(h.beat), beat);
    totalScore = h.totalScore;
    playTime = h.playTime;
    Player& me = pl[0];
    me.highestCombo = h.highestCombo;
    me.questNum = h.questNum;
    me.highestRound = h.highestRound;
    initNewDeck(0);
    me.deckSize = STARTINGCARDSINDECK;
    me.saveSlot = slot;
    newGame = false;
    playSFX(LOADSOUND, LOADCHANNEL);
    callHook(gameHooks.initSelectOppScreen);
    return true;
}
