// A recorded match in memory, and its file. The file is read and checked whole before
// anything of it is used; a file that is damaged, too large, of another format or of
// another simulation version is refused with a message saying which.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "battle/battle_input.h"

// Raised whenever the file's layout changes.
constexpr int REPLAY_FORMAT_VERSION = 1;
// Raised on purpose with any change that alters how battles play out (rules, data,
// generator draws); replays of another simulation version cannot play and are refused.
// tools/rerecord-replays.sh records the kept test replays again afterwards.
constexpr int REPLAY_SIMULATION_VERSION = 1;
constexpr std::size_t REPLAY_MAXFILEBYTES = 4u << 20;
constexpr std::size_t REPLAY_MAXCONTENTBYTES = 32u << 20;
constexpr int REPLAY_STEPSPERCHECK = 100;  // a check value every second of battle

// Numbers stored in the files: never renumber.
enum ReplayMode : std::uint8_t { RM_CAMPAIGN = 0, RM_SECONDQUEST = 1, RM_EXMISSION = 2, RM_VERSUS = 3 };
// How a round ended, seen from the left side.
enum RoundOutcome : std::uint8_t { RO_UNFINISHED = 0, RO_WON = 1, RO_LOST = 2, RO_DRAW = 3, RO_QUIT = 4 };

// What the replay list shows without playing anything.
struct ReplayInfo {
    std::int64_t started = 0;  // seconds since 1970, UTC
    std::string gameVersion;
    std::uint8_t mode = RM_CAMPAIGN;
    std::int8_t vehicle[2] = {0, -1};  // -1: the opponent program drives the right side
    std::int8_t deck[2] = {0, -1};
    std::int8_t opponent = 0;  // the opponent, 7 the EX mission; in versus the place
    std::uint8_t result = RO_UNFINISHED;  // the last round's end
    std::uint8_t wins[2] = {};           // rounds won by each side
    std::uint32_t steps = 0;             // battle steps of every round, 100 a second
};

struct InputChange {
    std::uint32_t step = 0;  // the input holds from this step until the next change
    BattleInput input;
};
// Frames spent outside the battle (pause, help, options) just before `step`, and the
// clocks as the battle went on: the playback puts them back rather than pausing.
struct PauseGap {
    std::uint32_t step = 0;
    std::uint32_t frames = 0;
    std::string clocks;
};

struct ReplayRound {
    std::uint16_t round = 0;
    bool retry = false;
    std::uint8_t outcome = RO_UNFINISHED;
    std::uint32_t steps = 0;
    std::string setup;   // the world the round was set up from (round_state.h)
    std::string clocks;  // the clocks and generator as its first step began
    std::vector<InputChange> inputs;
    std::vector<PauseGap> gaps;
    std::vector<std::uint32_t> checks;  // before steps 0, 100, 200, ...
};

struct Replay {
    ReplayInfo info;
    std::vector<ReplayRound> rounds;
};

// The file's bytes, compressed.
std::string encodeReplay(const Replay& replay);
// A file around the given contents (as encodeReplay makes them): the header, the check
// sum and the compressed contents.
std::string replayFileOf(std::string_view content);
// False with a message ("is damaged: ..." and the like) when the bytes are not a whole,
// readable replay of this format and simulation version; `out` is then left as it was.
bool decodeReplay(std::string_view bytes, Replay& out, std::string& error);
