#include "screens/replay_rows.h"

#include <cstdio>
#include <ctime>
#include <iterator>

#include "shell/world.h"

namespace {

const char* const MODENAMES[] = {"Campaign", "Second quest", "EX mission", "Versus"};
constexpr std::uint32_t STEPSPERSECOND = 100;

std::string vehicleName(int v) { return v >= 0 && v < MAXVEHICLES ? vehName[v] : "?"; }

std::string dateText(std::int64_t started) {
    const std::time_t t = static_cast<std::time_t>(started);
    std::tm local{};
    localtime_r(&t, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M", &local);
    return buf;
}

std::string sidesText(const ReplayInfo& info) {
    if (info.mode == RM_VERSUS) return "P1 " + vehicleName(info.vehicle[0]) + " vs P2 " + vehicleName(info.vehicle[1]);
    if (info.mode == RM_EXMISSION) return vehicleName(info.vehicle[0]) + " in the EX mission";
    const std::string opponent = info.opponent >= 0 && info.opponent < MAXOPPONENTS ? oppName[info.opponent] : "?";
    return vehicleName(info.vehicle[0]) + " vs " + opponent;
}

// The match's end as the left side saw it; in versus, which player took the last round.
std::string outcomeText(const ReplayInfo& info) {
    const bool versusMatch = info.mode == RM_VERSUS;
    switch (info.result) {
    case RO_WON: return versusMatch ? "P1 won" : "won";
    case RO_LOST: return versusMatch ? "P2 won" : "lost";
    case RO_DRAW: return "drawn";
    case RO_QUIT: return "quit";
    default: return "unfinished";
    }
}

}  // namespace

std::string playLength(std::uint32_t steps) {
    const std::uint32_t seconds = steps / STEPSPERSECOND;
    char buf[24];
    std::snprintf(buf, sizeof buf, "%u:%02u", seconds / 60, seconds % 60);
    return buf;
}

ReplayRowText replayRowText(const ReplayListing& l) {
    ReplayRowText t;
    const ReplayInfo& info = l.info;
    t.date = dateText(info.started);
    t.mode = info.mode < std::size(MODENAMES) ? MODENAMES[info.mode] : "?";
    t.sides = sidesText(info);
    char text[64];
    std::snprintf(text, sizeof text, "%d %s, %s", l.rounds, l.rounds == 1 ? "round" : "rounds",
                  outcomeText(info).c_str());
    t.result = text;
    // The EX mission is one long round: a score of rounds says nothing there.
    if (info.wins[0] + info.wins[1] > 0 && info.mode != RM_EXMISSION) {
        std::snprintf(text, sizeof text, " %d-%d", info.wins[0], info.wins[1]);
        t.result += text;
    }
    t.length = playLength(info.steps);
    return t;
}
