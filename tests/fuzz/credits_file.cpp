// Fuzzes the reader of credits.txt (see game_data.h for a longer run).
#include "tests/fuzz/game_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    readDataFileFrom("credits.txt", data, size);
    return 0;
}
