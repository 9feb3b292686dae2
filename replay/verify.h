// Checks that replays still play as they were recorded: each round is played headless
// as fast as it goes and every check value compared.
#pragma once

#include <string>

#include "replay/replay_format.h"

// True when every round ends as recorded with every check value alike; otherwise false
// with where the battle parted from the record ("round 2, second 31: ...").
bool verifyReplay(const Replay& replay, std::string& fault);
