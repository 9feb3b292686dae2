#include "cards/savegame.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "platform/core/atomic_file.h"
#include "platform/core/game_paths.h"
#include "shell/hooks.h"
#include "shell/sound.h"
#include "shell/startup.h"
#include "shell/world.h"

namespace {

constexpr int SAVEDKINDS = 29;  // kill counters of enemy kinds 1..29
constexpr int STATS = 8;
constexpr int LOADSFX = 81, LOADCHANNEL = 5;

// Everything one slot holds, as read from its file.
struct SaveData {
    int veh = 0, deck = 0, deckSize = 0;
    int beaten[MAXOPPONENTS] = {};
    int totalScore = 0, playTime = 0, highestCombo = 0, questNum = 1, highestRound = 0;
    float stats[STATS] = {};
    int kills[SAVEDKINDS] = {};
    int cards[MAXDECKSIZE] = {};
};

// The vehicle's statistics in the order of the file.
float* const VEHSTATS[STATS] = {VEH_speed, VEH_shotSpeed, VEH_power, VEH_armor,
                                VEH_rof,   VEH_excel,     VEH_heart, VEH_fuel};
constexpr int STAT_ROF = 4;

bool validSlot(int slot) { return slot >= 0 && slot < MAXSAVESLOTS; }

// Reads the file's lines one value at a time; any value that is not wholly a number in
// range fails the whole read.
class LineReader {
public:
    explicit LineReader(const std::string& text) : in_(text) {}
    bool readInt(int& value, long lo, long hi) {
        std::string line;
        if (!next(line)) return false;
        errno = 0;
        char* end = nullptr;
        const long v = std::strtol(line.c_str(), &end, 10);
        if (end == line.c_str() || *end || errno == ERANGE || v < lo || v > hi) return false;
        value = static_cast<int>(v);
        return true;
    }
    bool readFloat(float& value) {
        std::string line;
        if (!next(line)) return false;
        char* end = nullptr;
        const float v = std::strtof(line.c_str(), &end);
        if (end == line.c_str() || *end || !std::isfinite(v) || v < 0) return false;
        value = v;
        return true;
    }
    // Only blank lines may follow the last card.
    bool atEnd() {
        for (std::string line; std::getline(in_, line);)
            if (line.find_first_not_of(" \t\r") != std::string::npos) return false;
        return true;
    }

private:
    bool next(std::string& line) {
        if (!std::getline(in_, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }
    std::istringstream in_;
};

constexpr long ANY = 2147483647L;

// False when any value is missing, malformed or out of range, or something follows the deck.
bool parseSave(const std::string& text, SaveData& d) {
    LineReader r(text);
    if (!r.readInt(d.veh, 0, MAXVEHICLES - 1) || !r.readInt(d.deck, 0, MAXDECKS - 1) ||
        !r.readInt(d.deckSize, 0, MAXDECKSIZE))
        return false;
    for (int& flag : d.beaten)
        if (!r.readInt(flag, 0, 1)) return false;
    if (!r.readInt(d.totalScore, -ANY - 1, ANY) || !r.readInt(d.playTime, 0, ANY) || !r.readInt(d.highestCombo, 0, ANY) ||
        !r.readInt(d.questNum, 1, 2))
        return false;
    if (!r.readInt(d.highestRound, 0, ANY)) return false;
    for (float& stat : d.stats)
        if (!r.readFloat(stat)) return false;
    if (d.stats[STAT_ROF] <= 0) return false;
    for (int& kills : d.kills)
        if (!r.readInt(kills, 0, ANY)) return false;
    for (int i = 0; i < d.deckSize; ++i)
        if (!r.readInt(d.cards[i], 1, LASTCARD)) return false;
    return r.atEnd();
}

// The slot's file, or false when it is missing or cannot be read (logged, since such a
// slot must show as damaged rather than empty).
bool readSave(const std::string& path, std::string& text, FileRead& result) {
    std::string error;
    result = readFileWhole(path, text, &error);
    if (result == FileRead::UNREADABLE) hge->System_Log("Save file %s cannot be read: %s", path.c_str(), error.c_str());
    return result == FileRead::OK;
}

bool fileLoads(const std::string& path, SaveData& data) {
    std::string text;
    FileRead result;
    data = SaveData{};
    return readSave(path, text, result) && parseSave(text, data);
}

std::string formatSave() {
    const Player& me = pl[0];
    std::string out;
    auto put = [&](int value) {
        out += std::to_string(value);
        out += '\n';
    };
    // The shortest text that reads back as the very same float: round values look as
    // "%g" writes them, and an upgraded statistic such as 0.32 - 0.05 loads back unchanged.
    auto putStat = [&](float value) {
        char text[32];
        out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
        out += '\n';
    };
    put(selectedVeh);
    put(selectedDeck);
    put(me.deckSize);
    for (int flag : beat) put(flag);
    put(totalScore);
    put(playTime);
    put(me.highestCombo);
    put(me.questNum);
    put(me.highestRound);
    for (float* stat : VEHSTATS) putStat(stat[selectedVeh]);
    for (int kind = 1; kind <= SAVEDKINDS; ++kind) put(me.killsByKind[kind]);
    for (int i = 0; i < me.deckSize; ++i) put(me.deck[i]);
    return out;
}

void apply(const SaveData& d) {
    Player& me = pl[0];
    selectedVeh = d.veh;
    selectedDeck = d.deck;
    me.deckSize = d.deckSize;
    std::copy(std::begin(d.beaten), std::end(d.beaten), beat);
    totalScore = d.totalScore;
    playTime = d.playTime;
    me.highestCombo = d.highestCombo;
    me.questNum = d.questNum;
    me.highestRound = d.highestRound;
    for (int i = 0; i < STATS; ++i) VEHSTATS[i][d.veh] = d.stats[i];
    std::copy(std::begin(d.kills), std::end(d.kills), me.killsByKind + 1);
    std::copy_n(d.cards, d.deckSize, me.deck);
}

void reportFailure(const char* logFormat, int slot, const char* box) {
    hge->System_Log(logFormat, slot);
    showErrorBox(box);
}

}  // namespace

std::string saveFileName(int slot) { return userPath("save" + std::to_string(slot) + ".kvb"); }

std::string backupFileName(int slot) { return saveFileName(slot) + ".bak"; }

bool saveGame(int slot) {
    if (!validSlot(slot) || pl[0].deckSize < 0 || pl[0].deckSize > MAXDECKSIZE) return false;
    const std::string path = saveFileName(slot);
    static SaveData check;
    // A save that its own loader would refuse is never written: the slot keeps what it had.
    const std::string text = formatSave();
    if (!parseSave(text, check)) {
        hge->System_Log("The game to be saved into slot %d holds values a save cannot hold; nothing was written.", slot);
        showErrorBox("Could not create save file.");
        return false;
    }
    std::string error, previous;
    FileRead previousRead;
    // Only a file that loads becomes the backup: a damaged one never replaces the last good save.
    bool written = !readSave(path, previous, previousRead) || !parseSave(previous, check) ||
                   writeFileAtomically(backupFileName(slot), previous, &error);
    written = written && writeFileAtomically(path, text, &error);
    if (!written) {
        hge->System_Log("%s", error.c_str());
        reportFailure("Could not create save file %d.", slot, "Could not create save file.");
    }
    return written;
}

bool restoreBackup(int slot) {
    static SaveData data;
    std::string text, error;
    FileRead result;
    if (!validSlot(slot) || !readSave(backupFileName(slot), text, result) || !parseSave(text, data)) {
        reportFailure("The backup of save file %d cannot be loaded.", slot, "Could not restore the backup.");
        return false;
    }
    if (!writeFileAtomically(saveFileName(slot), text, &error)) {
        hge->System_Log("%s", error.c_str());
        reportFailure("Could not restore save file %d from its backup.", slot, "Could not restore the backup.");
        return false;
    }
    hge->System_Log("Save file %d was restored from its backup.", slot);
    return true;
}

bool loadGameData(int slot) {
    static SaveData data;  // large; kept out of the stack and reused
    data = SaveData{};
    std::string text;
    FileRead result;
    if (!validSlot(slot) || !readSave(saveFileName(slot), text, result) || !parseSave(text, data)) {
        reportFailure("Could not load save file %d.", slot, "Could not load save file.");
        return false;
    }
    apply(data);
    return true;
}

bool loadGame(int slot) {
    if (!loadGameData(slot)) return false;
    pl[0].saveSlot = slot;
    newGame = false;
    playSFX(LOADSFX, LOADCHANNEL);
    callHook(gameHooks.initSelectOppScreen);
    return true;
}

void loadScreenData() {
    static SaveData data;
    for (int slot = 0; slot < MAXSAVESLOTS; ++slot) {
        SaveSummary& s = sv[slot];
        s = SaveSummary{};
        std::string text;
        FileRead result;
        if (!readSave(saveFileName(slot), text, result) && result == FileRead::MISSING) continue;
        data = SaveData{};
        // The summary is only offered when the whole file would load.
        if (result != FileRead::OK || !parseSave(text, data)) {
            hge->System_Log("Save file %s cannot be read; its slot is shown as damaged.", saveFileName(slot).c_str());
            s.damaged = true;
            s.backup = fileLoads(backupFileName(slot), data);
            continue;
        }
        s.exists = true;
        s.v[SV_VEH] = data.veh;
        s.v[SV_DECK] = data.deck;
        s.v[SV_CARDS] = data.deckSize;
        int beaten = 0;
        for (int flag : data.beaten) beaten += flag != 0;
        s.v[SV_BEAT] = beaten;
        s.v[SV_SCORE] = data.totalScore;
        s.v[SV_TIME] = data.playTime;
        s.v[SV_COMBO] = data.highestCombo;
        s.v[SV_QUESTNUM] = data.questNum;
    }
}
