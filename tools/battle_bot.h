// A stand-in for the human player, for benchmarks, tools and tests: it holds fire,
// weaves left and right every two seconds and tries its next card every 1.5 s, with the
// keys set in the options.
#pragma once

class EngineCore;

// Call before each battle frame, with the frame number counted from the round's start.
void botFrame(EngineCore& engine, int frame);
// Lets go of every key the bot may hold.
void botRelease(EngineCore& engine);
// The same with another key set (OPT_KEY* indexed, such as the second player's).
void botFrame(EngineCore& engine, int frame, const int* keys);
void botRelease(EngineCore& engine, const int* keys);
