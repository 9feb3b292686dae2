// Fuzzes the reader of data.paq (see game_data.h for a longer run).
#include "tests/fuzz/game_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    readDataFileFrom("data.paq", data, size);
    return 0;
}
