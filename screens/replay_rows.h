// What the replay list writes about one replay, made from its listing alone.
#pragma once

#include <string>

#include "replay/replay_library.h"

struct ReplayRowText {
    std::string date;    // "2026-12-08 21:40", local time
    std::string mode;    // "Campaign", "Second quest", "EX mission", "Versus"
    std::string sides;   // "Skylark vs Yezin", "P1 Skylark vs P2 Tidewalker"
    std::string result;  // "3 rounds, won 3-1"
    std::string length;  // "4:07": the battle time of every round
};

ReplayRowText replayRowText(const ReplayListing& listing);
// Minutes and seconds of `steps` battle steps (100 a second), "m:ss".
std::string playLength(std::uint32_t steps);
