// Fuzzes the options-file reader: the game's options are read from the input, one is
// changed and written back, and the change must read back as written.
// Longer run (from the clang build folder; see fuzz_engine.h):
//   mkdir corpus && cp ../tests/fuzz/Options.ini corpus/
//   ./tests/fuzz_ini_file -max_total_time=3600 -max_len=1024 -artifact_prefix=$PWD/ $PWD/corpus
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>

#include "shell/options.h"
#include "shell/world.h"
#include "tests/fuzz/fuzz_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool started = startFuzzEngine();
    (void)started;
    std::ofstream("Options.ini", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    hge->System_SetState(HGE_INIFILE, "Options.ini");
    readOptions();
    const int volume = (pl[0].opt[OPT_VOLBGM] + 37) % 101;
    hge->Ini_SetInt("Volume", "music", volume);
    hge->System_SetState(HGE_INIFILE, "Options.ini");
    if (hge->Ini_GetInt("Volume", "music", -1) != volume) std::abort();
    hge->System_SetState(HGE_INIFILE, "");
    static_cast<EngineCore*>(hge)->clearLogLines();
    return 0;
}
