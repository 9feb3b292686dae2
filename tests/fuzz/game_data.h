// Set-up shared by the fuzz targets of the game's data files: the input becomes one of the
// four files (data.paq, card.paq, deck.paq, credits.txt) and is read the way start-up reads
// them. The other files are absent, or an empty credits file, so only the input is read.
// Seed each target with the shipped file, e.g. from the clang build folder:
//   mkdir corpus && cp ../data/card.paq corpus/
//   ./tests/fuzz_card_file -max_total_time=3600 -max_len=4096 -artifact_prefix=$PWD/ $PWD/corpus
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>

#include "cards/datafiles.h"
#include "tests/fuzz/fuzz_engine.h"

inline bool startDataFuzzing() {
    startFuzzEngine();
    std::ofstream("credits.txt");
    return true;
}

inline void readDataFileFrom(const char* name, const std::uint8_t* data, std::size_t size) {
    static bool started = startDataFuzzing();
    (void)started;
    std::ofstream(name, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    loadData();
    // Each damaged input names its own fault in a box: keep the records from piling up.
    static_cast<HeadlessEngine*>(hge)->clearMessageBoxes();
    static_cast<EngineCore*>(hge)->clearLogLines();
}
