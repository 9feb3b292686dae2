// Background music on channel 0 and sound effects on channels 1..6.
#pragma once

#include <string>

// Starts looping background music: a name ending in "STR" is a stream, any other is
// tracker music. The previous music stops first.
void playBGM(const std::string& name);
// Plays effect `id` and keeps its handle in chan[channel].
void playSFX(int id, int channel);
