// Records every round of every match as it is played: the set-up it started from, the
// humans' input wherever it changed, the frames spent outside the battle (pause, help)
// and a check value every second. The match's replay is written after each round, so a
// match left half way still has the rounds played.
#pragma once

#include <string>

#include "replay/replay_format.h"

// Hands the recorder's watchers to the battle and the frame loop.
void registerRecorder();
// Nothing is recorded while off (a replay plays, or a tool drives the battle).
void setRecording(bool on);

// The match being played or the last one played; empty before the first.
const Replay& currentReplay();
const std::string& currentReplayPath();
// Keeps the current match's replay for good under its readable name: the name, or
// false with a message saying why not.
bool keepCurrentReplay(std::string& keptName, std::string& error);
// The current match's replay was kept since its last round ended.
bool currentReplayKept();
