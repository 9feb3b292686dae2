// Checks that replays still play as they were recorded: each round is played headless
// as fast as it goes and every check value compared.
#pragma once

#include <string>
#include <vector>

#include "replay/replay_format.h"

// True when every round ends as recorded with every check value alike; otherwise false
// with where the battle parted from the record ("round 2, second 31: ...").
bool verifyReplay(const Replay& replay, std::string& fault);

// `kvb --verify-replay FILE...`: loads the game's data and pack on the headless engine
// (hgeCreate must make it), verifies each file in turn and says so on standard output.
// 0 when all play as recorded; 1 at the first file that cannot be read or parts from its
// record, naming the file, the round and the second; 2 when the game cannot start.
int verifyReplayFiles(const std::vector<std::string>& files);
