// The world a recorded round starts from, and the check value of the battle's state.
// A round is played back by putting the set-up state back and running the battle's own
// set-up on it, then putting the clocks back as its first step began.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "shell/constants.h"

// Both sides' records (but the options, pictures and texts), the floating items, the
// choices of the match and every vehicle's statistics, the score and the generator, just
// before a round is set up.
std::string captureRoundSetup();
// False (the world untouched) when the bytes do not read back whole or name a vehicle,
// deck, opponent or round out of range.
bool restoreRoundSetup(std::string_view bytes);

// The tick clocks, progress, the colour cycle, the scroll and the generator as a battle
// step begins.
struct StepClocks {
    float accumulated[NUMTIMERS] = {};
    float progress = 0;
    int cycle = 0;
    float screenPos = 0, scrollSpeed = 0;
    std::uint64_t generator = 0;
};
StepClocks currentStepClocks();
void setStepClocks(const StepClocks& clocks);
std::string captureStepClocks();
bool restoreStepClocks(std::string_view bytes);

// A hash of what a battle's course shows in: both sides' heart, fuel, coins, score, place
// and hand, the counts and first places of shots, enemies and items, and the generator.
std::uint32_t battleCheckValue();

// How the round ended by the screen the battle opened (RO_*): game over, a round or the
// match won, a two-player round's banner; any other screen is a round given up.
std::uint8_t roundOutcomeOf(int mode);
