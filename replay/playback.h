// Watching a replay: the battle drawn as it was played, stepped at 1, 2, 4 or 8 times its
// speed, paused, or moved on to the next round. Nothing a replay does writes a save or
// Options.ini, unlocks anything or records a replay; sounds are muted above 2x.
#pragma once

#include <string>

#include "replay/replay_format.h"

constexpr int PLAYBACK_SPEEDS[] = {1, 2, 4, 8};

// Opens the replay at `path` in game mode MODE_REPLAY at its first round; false (and the
// mode unchanged) with a message naming what is wrong with the file.
bool startPlayback(const std::string& path, std::string& error);
// MODE_REPLAY's update: the steps of this frame at the chosen speed.
void updatePlayback(float dt);
void setPlaybackPaused(bool paused);
// One of PLAYBACK_SPEEDS; any other number is taken as the nearest below it.
void setPlaybackSpeed(int factor);
// Ends the round on show and starts the next one (after the last, the replay is over).
void skipToNextRound();
// Leaves the replay: the world is put back as the title left it and the replay list opens.
void stopPlayback();

struct PlaybackStatus {
    const ReplayInfo* info = nullptr;  // the replay on show
    int round = 0, rounds = 0;         // the round on show, from 1
    int second = 0, seconds = 0;       // into the round on show, and its recorded length
    int speed = 1;
    bool paused = false;
    bool betweenRounds = false;  // a round has just ended; the next starts in a moment
    bool finished = false;       // the last round is over, or the replay parted from its record
    std::string fault;           // why it stopped early, empty when it played as recorded
};
PlaybackStatus playbackStatus();
