// Fuzzes the save reader: the load screen's summary of a slot and the loading of it. A file
// that loads must also be summarised, and saving the loaded campaign and loading that save
// must give the same file again; a file that does not load must change nothing and be
// reported once. Any broken rule aborts, so libFuzzer keeps the input.
// Longer run (from the clang build folder; see fuzz_engine.h):
//   ./tests/fuzz_save_file -max_total_time=3600 -max_len=4096 -artifact_prefix=$PWD/
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cards/savegame.h"
#include "shell/world.h"
#include "tests/fuzz/fuzz_engine.h"

namespace {

// Everything a load may change, as plain values.
std::vector<double> campaignState() {
    const Player& me = pl[0];
    std::vector<double> v = {double(selectedVeh), double(selectedDeck), double(totalScore), double(playTime),
                             double(me.highestCombo), double(me.questNum), double(me.highestRound),
                             double(me.deckSize)};
    v.insert(v.end(), beat, beat + MAXOPPONENTS);
    v.insert(v.end(), me.killsByKind, me.killsByKind + 30);
    v.insert(v.end(), me.deck, me.deck + MAXDECKSIZE);
    for (const float* stat : {VEH_speed, VEH_shotSpeed, VEH_power, VEH_armor, VEH_rof, VEH_excel, VEH_heart, VEH_fuel})
        v.insert(v.end(), stat, stat + MAXVEHICLES);
    return v;
}

// A campaign no valid file describes, so that a load that changes anything shows.
void setUnlikelyCampaign() {
    Player& me = pl[0];
    selectedVeh = 6;
    selectedDeck = 11;
    totalScore = -17;
    playTime = me.highestCombo = me.questNum = me.highestRound = -1;
    me.deckSize = 3;
    std::fill(beat, beat + MAXOPPONENTS, 7);
    std::fill(std::begin(me.killsByKind), std::end(me.killsByKind), -1);
    for (int i = 0; i < MAXDECKSIZE; ++i) me.deck[i] = 1000 + i;
    for (float* stat : {VEH_speed, VEH_shotSpeed, VEH_power, VEH_armor, VEH_rof, VEH_excel, VEH_heart, VEH_fuel})
        std::fill(stat, stat + MAXVEHICLES, -1.0f);
}

std::string fileText(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void check(bool rule) {
    if (!rule) std::abort();
}

// Each input is written and saved twice: in memory (tmpfs) that costs no disk writes, and
// the runs are many times faster. Without /dev/shm the engine's own folder serves.
bool startInMemory() {
    startFuzzEngine();
    static char folder[] = "/dev/shm/kvb_fuzz_save_XXXXXX";
    if (mkdtemp(folder) && chdir(folder) == 0)
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(folder, ec);
        });
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool started = startInMemory();
    (void)started;
    std::ofstream(saveFileName(0), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    setUnlikelyCampaign();
    loadScreenData();
    const std::vector<double> before = campaignState();
    headless()->clearMessageBoxes();
    if (loadGameData(0)) {
        check(sv[0].exists && !sv[0].damaged);
        check(sv[0].v[SV_CARDS] == pl[0].deckSize && sv[0].v[SV_VEH] == selectedVeh);
        check(saveGame(1));
        const std::string first = fileText(saveFileName(1));
        setUnlikelyCampaign();
        check(loadGameData(1));
        check(saveGame(1));
        check(fileText(saveFileName(1)) == first);
    } else {
        check(!sv[0].exists);
        check(campaignState() == before);
        check(headless()->messageBoxes().size() == 1);
    }
    headless()->clearMessageBoxes();
    static_cast<EngineCore*>(hge)->clearLogLines();
    return 0;
}
