// The replays kept in the player's data folder: "replays/recent/" holds the last
// REPLAY_RECENTKEPT matches, written as they are played, the oldest deleted; "replays/"
// holds the ones the player kept for good, under names he can read.
#pragma once

#include <string>
#include <vector>

#include "replay/replay_format.h"

constexpr int REPLAY_RECENTKEPT = 20;

struct ReplayListing {
    std::string path;
    std::string name;   // the file's name without its folder and ".kvr"
    bool kept = false;  // saved for good by the player
    ReplayInfo info;
    int rounds = 0;
    std::string fault;  // why it cannot be played ("is damaged: ..."); empty when it can
};

std::string replayFolder();
std::string recentReplayFolder();
// Every replay of both folders, newest first (by the time its match started).
std::vector<ReplayListing> listReplays();
// Reads and checks a replay file whole; false with a message naming the file.
bool readReplayFile(const std::string& path, Replay& out, std::string& error);
// Writes the bytes whole to `path` (a temporary file renamed over it).
bool writeReplayFile(const std::string& path, const std::string& bytes, std::string& error);
// The path of a new recent replay for a match started at `started` (seconds since 1970).
std::string newRecentReplayPath(std::int64_t started);
// Deletes the oldest recent replays beyond REPLAY_RECENTKEPT; `keep` is never deleted.
void pruneRecentReplays(const std::string& keep);
// "2026-12-08 21-40 Tank vs Xaxyn, won 3-1": the date, vehicles, opponent and result.
std::string readableReplayName(const ReplayInfo& info);
// Copies a replay into the kept folder under its readable name (made unique); the new
// file's name, or false with a message.
bool keepReplayFile(const std::string& path, const ReplayInfo& info, std::string& keptName, std::string& error);
