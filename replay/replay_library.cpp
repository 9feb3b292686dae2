#include "replay/replay_library.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "cards/opponents.h"
#include "platform/core/atomic_file.h"
#include "platform/core/game_paths.h"
#include "shell/world.h"

namespace fs = std::filesystem;

namespace {

const char* const EXTENSION = ".kvr";
const char* const RESULTWORDS[] = {"unfinished", "won", "lost", "drawn", "quit"};

std::string dateOf(std::int64_t started, const char* format) {
    const std::time_t t = static_cast<std::time_t>(started);
    std::tm local{};
    localtime_r(&t, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, format, &local);
    return buf;
}

std::string vehicleName(int v) { return v >= 0 && v < MAXVEHICLES ? vehName[v] : "?"; }

std::string rightSide(const ReplayInfo& info) {
    if (info.mode == RM_VERSUS) return "P2 " + vehicleName(info.vehicle[1]);
    if (info.opponent == EXMISSION) return "the EX mission";
    return info.opponent >= 0 && info.opponent < MAXOPPONENTS ? oppName[info.opponent] : "?";
}

// Letters, digits, spaces and a few marks; anything else a file system might refuse becomes '-'.
std::string fileSafe(std::string s) {
    for (char& c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != ' ' && c != ',' && c != '-' && c != '_') c = '-';
    return s;
}

void collect(const fs::path& folder, bool kept, std::vector<ReplayListing>& out) {
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) {
        if (!e.is_regular_file(ec) || e.path().extension() != EXTENSION) continue;
        ReplayListing l;
        l.path = e.path().string();
        l.name = e.path().stem().string();
        l.kept = kept;
        Replay r;
        if (readReplayFile(l.path, r, l.fault)) {
            l.info = r.info;
            l.rounds = static_cast<int>(r.rounds.size());
        }
        out.push_back(std::move(l));
    }
}

std::vector<fs::path> recentFiles() {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(recentReplayFolder(), ec))
        if (e.is_regular_file(ec) && e.path().extension() == EXTENSION) files.push_back(e.path());
    // Their names begin with the time the match started, so they sort oldest first.
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

std::string replayFolder() { return userPath("replays"); }
std::string recentReplayFolder() { return joinPath(replayFolder(), "recent"); }

std::vector<ReplayListing> listReplays() {
    std::vector<ReplayListing> all;
    collect(replayFolder(), true, all);
    collect(recentReplayFolder(), false, all);
    std::stable_sort(all.begin(), all.end(), [](const ReplayListing& a, const ReplayListing& b) {
        if (a.info.started != b.info.started) return a.info.started > b.info.started;
        return a.name > b.name;
    });
    return all;
}

bool readReplayFile(const std::string& path, Replay& out, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot be opened";
        return false;
    }
    std::string bytes;
    bytes.resize(REPLAY_MAXFILEBYTES + 1);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return decodeReplay(bytes, out, error);
}

bool writeReplayFile(const std::string& path, const std::string& bytes, std::string& error) {
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    return writeFileAtomically(path, bytes, &error);
}

std::string newRecentReplayPath(std::int64_t started) {
    const std::string stem = joinPath(recentReplayFolder(), dateOf(started, "%Y%m%d-%H%M%S"));
    std::string path = stem + EXTENSION;
    std::error_code ec;
    for (int n = 2; fs::exists(path, ec); ++n) path = stem + "-" + std::to_string(n) + EXTENSION;
    return path;
}

void pruneRecentReplays(const std::string& keep) {
    std::vector<fs::path> files = recentFiles();
    std::erase_if(files, [&](const fs::path& p) { return p.string() == keep; });
    const int extra = static_cast<int>(files.size()) - (REPLAY_RECENTKEPT - (keep.empty() ? 0 : 1));
    std::error_code ec;
    for (int i = 0; i < extra; ++i) fs::remove(files[i], ec);
}

std::string readableReplayName(const ReplayInfo& info) {
    std::string name = dateOf(info.started, "%Y-%m-%d %H-%M ") + vehicleName(info.vehicle[0]) + " vs " +
                       rightSide(info) + ", " + RESULTWORDS[std::min<int>(info.result, RO_QUIT)];
    if (info.wins[0] + info.wins[1] > 0)
        name += " " + std::to_string(info.wins[0]) + "-" + std::to_string(info.wins[1]);
    return fileSafe(name);
}

bool keepReplayFile(const std::string& path, const ReplayInfo& info, std::string& keptName, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        error = "the replay cannot be read";
        return false;
    }
    const std::string stem = readableReplayName(info);
    std::string target = joinPath(replayFolder(), stem + EXTENSION);
    std::error_code ec;
    for (int n = 2; fs::exists(target, ec); ++n) target = joinPath(replayFolder(), stem + " (" + std::to_string(n) + ")" + EXTENSION);
    if (!writeReplayFile(target, bytes, error)) return false;
    keptName = fs::path(target).stem().string();
    return true;
}
