// The replay file, little-endian:
//   "KVBR", u16 format version, u16 simulation version,
//   u32 content size, u32 CRC-32 of the content, u32 compressed size,
//   the content compressed with zlib.
// The content:
//   info: i64 start time, text game version, u8 mode, i8 vehicle 0 and 1, i8 deck 0 and 1,
//         i8 opponent, u8 result, u8 wins 0 and 1, u32 steps
//   varint round count, then per round:
//     u16 round, u8 retry, u8 outcome, u32 steps, text setup, text clocks,
//     varint input changes, each: varint steps since the last change, u8 mask of the four
//       fields that changed (side 0 held, side 0 actions, side 1 held, side 1 actions),
//       each changed field as a varint;
//     varint gaps, each: varint step, varint frames, text clocks;
//     varint check values, each u32.
// A text is a varint length and its bytes.
#include "replay/replay_format.h"

#include <zlib.h>

#include "replay/bytes.h"

namespace {

constexpr char MAGIC[4] = {'K', 'V', 'B', 'R'};
constexpr std::size_t HEADERBYTES = 20;
constexpr std::size_t LONGESTVERSION = 64;
// The shortest round: its fixed fields, two empty texts and three empty counts.
constexpr std::size_t SHORTESTROUND = 2 + 1 + 1 + 4 + 1 + 1 + 1 + 1 + 1;

std::uint16_t* field(BattleInput& in, int k) {
    SideInput& s = in.side[k / 2];
    return k % 2 == 0 ? &s.held : &s.actions;
}

void writeInputs(ByteWriter& w, const std::vector<InputChange>& inputs) {
    w.varint(static_cast<std::uint32_t>(inputs.size()));
    std::uint32_t lastStep = 0;
    BattleInput last;
    for (const InputChange& c : inputs) {
        w.varint(c.step - lastStep);
        BattleInput now = c.input;
        std::uint8_t mask = 0;
        for (int k = 0; k < 4; ++k)
            if (*field(now, k) != *field(last, k)) mask |= 1 << k;
        w.u8(mask);
        for (int k = 0; k < 4; ++k)
            if (mask & (1 << k)) w.varint(*field(now, k));
        lastStep = c.step;
        last = c.input;
    }
}

bool readInputs(ByteReader& r, std::vector<InputChange>& inputs) {
    const std::uint32_t n = r.count(2);
    inputs.reserve(n);
    std::uint32_t step = 0;
    BattleInput last;
    for (std::uint32_t i = 0; i < n && !r.failed(); ++i) {
        const std::uint32_t delta = r.varint();
        if (delta > UINT32_MAX - step) return false;
        step += delta;
        const std::uint8_t mask = r.u8();
        if (mask > 0xF) return false;
        for (int k = 0; k < 4; ++k) {
            if (!(mask & (1 << k))) continue;
            const std::uint32_t v = r.varint();
            if (v > 0xFFFF) return false;
            *field(last, k) = static_cast<std::uint16_t>(v);
        }
        inputs.push_back({step, last});
    }
    return !r.failed();
}

template <typename T>
bool inOrderWithin(const std::vector<T>& events, std::uint32_t steps) {
    std::uint32_t last = 0;
    for (const T& e : events) {
        if (e.step < last || e.step > steps) return false;
        last = e.step;
    }
    return true;
}

void writeRound(ByteWriter& w, const ReplayRound& round) {
    w.u16(round.round);
    w.u8(round.retry ? 1 : 0);
    w.u8(round.outcome);
    w.u32(round.steps);
    w.text(round.setup);
    w.text(round.clocks);
    writeInputs(w, round.inputs);
    w.varint(static_cast<std::uint32_t>(round.gaps.size()));
    for (const PauseGap& g : round.gaps) {
        w.varint(g.step);
        w.varint(g.frames);
        w.text(g.clocks);
    }
    w.varint(static_cast<std::uint32_t>(round.checks.size()));
    for (std::uint32_t c : round.checks) w.u32(c);
}

bool readRound(ByteReader& r, ReplayRound& round) {
    round.round = r.u16();
    const std::uint8_t retry = r.u8();
    round.outcome = r.u8();
    round.steps = r.u32();
    if (retry > 1 || round.outcome > RO_QUIT) return false;
    round.retry = retry == 1;
    round.setup = r.text(REPLAY_MAXCONTENTBYTES);
    round.clocks = r.text(REPLAY_MAXCONTENTBYTES);
    if (!readInputs(r, round.inputs)) return false;
    const std::uint32_t gaps = r.count(3);
    round.gaps.resize(gaps);
    for (PauseGap& g : round.gaps) {
        g.step = r.varint();
        g.frames = r.varint();
        g.clocks = r.text(REPLAY_MAXCONTENTBYTES);
    }
    const std::uint32_t checks = r.count(4);
    round.checks.resize(checks);
    for (std::uint32_t& c : round.checks) c = r.u32();
    if (r.failed()) return false;
    // Every change, gap and check belongs to a step of the round, in order.
    return inOrderWithin(round.inputs, round.steps) && inOrderWithin(round.gaps, round.steps) &&
           round.checks.size() <= round.steps / REPLAY_STEPSPERCHECK + 1;
}

std::string content(const Replay& replay) {
    ByteWriter w;
    const ReplayInfo& i = replay.info;
    w.u64(static_cast<std::uint64_t>(i.started));
    w.text(i.gameVersion.substr(0, LONGESTVERSION));
    w.u8(i.mode);
    for (std::int8_t v : i.vehicle) w.u8(static_cast<std::uint8_t>(v));
    for (std::int8_t d : i.deck) w.u8(static_cast<std::uint8_t>(d));
    w.u8(static_cast<std::uint8_t>(i.opponent));
    w.u8(i.result);
    for (std::uint8_t n : i.wins) w.u8(n);
    w.u32(i.steps);
    w.varint(static_cast<std::uint32_t>(replay.rounds.size()));
    for (const ReplayRound& round : replay.rounds) writeRound(w, round);
    return w.take();
}

bool readContent(std::string_view bytes, Replay& replay) {
    ByteReader r(bytes);
    ReplayInfo& i = replay.info;
    i.started = static_cast<std::int64_t>(r.u64());
    i.gameVersion = r.text(LONGESTVERSION);
    i.mode = r.u8();
    for (std::int8_t& v : i.vehicle) v = static_cast<std::int8_t>(r.u8());
    for (std::int8_t& d : i.deck) d = static_cast<std::int8_t>(r.u8());
    i.opponent = static_cast<std::int8_t>(r.u8());
    i.result = r.u8();
    i.wins[0] = r.u8();
    i.wins[1] = r.u8();
    i.steps = r.u32();
    if (r.failed() || i.mode > RM_VERSUS || i.result > RO_QUIT) return false;
    const std::uint32_t rounds = r.count(SHORTESTROUND);
    replay.rounds.resize(rounds);
    for (ReplayRound& round : replay.rounds)
        if (!readRound(r, round)) return false;
    return !r.failed() && r.left() == 0;
}

std::uint32_t crcOf(std::string_view bytes) {
    return static_cast<std::uint32_t>(
        crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

}  // namespace

std::string encodeReplay(const Replay& replay) { return replayFileOf(content(replay)); }

std::string replayFileOf(std::string_view raw) {
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
                  static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        return {};
    packed.resize(packedSize);
    ByteWriter w;
    w.bytes(std::string_view(MAGIC, 4));
    w.u16(REPLAY_FORMAT_VERSION);
    w.u16(REPLAY_SIMULATION_VERSION);
    w.u32(static_cast<std::uint32_t>(raw.size()));
    w.u32(crcOf(raw));
    w.u32(static_cast<std::uint32_t>(packed.size()));
    w.bytes(packed);
    return w.take();
}

bool decodeReplay(std::string_view bytes, Replay& out, std::string& error) {
    if (bytes.size() > REPLAY_MAXFILEBYTES) {
        error = "is too large to be a replay";
        return false;
    }
    if (bytes.size() < HEADERBYTES || bytes.substr(0, 4) != std::string_view(MAGIC, 4)) {
        error = "is not a replay";
        return false;
    }
    ByteReader r(bytes.substr(4));
    const std::uint16_t format = r.u16(), simulation = r.u16();
    const std::uint32_t size = r.u32(), crc = r.u32(), packedSize = r.u32();
    if (format != REPLAY_FORMAT_VERSION) {
        error = "is of replay format " + std::to_string(format) + "; this game reads format " +
                std::to_string(REPLAY_FORMAT_VERSION);
        return false;
    }
    if (simulation != REPLAY_SIMULATION_VERSION) {
        error = "was recorded with battle rules version " + std::to_string(simulation) +
                "; this game plays version " + std::to_string(REPLAY_SIMULATION_VERSION);
        return false;
    }
    if (size > REPLAY_MAXCONTENTBYTES) {
        error = "is too large to be a replay";
        return false;
    }
    if (packedSize != r.left()) {
        error = "is damaged: it is cut short or has bytes after its end";
        return false;
    }
    std::string raw(size, '\0');
    uLongf rawSize = size;
    const std::string_view packed = r.bytes(packedSize);
    if (uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawSize, reinterpret_cast<const Bytef*>(packed.data()),
                   static_cast<uLong>(packed.size())) != Z_OK ||
        rawSize != size) {
        error = "is damaged: its contents cannot be unpacked";
        return false;
    }
    if (crcOf(raw) != crc) {
        error = "is damaged: its check sum does not match";
        return false;
    }
    Replay replay;
    if (!readContent(raw, replay)) {
        error = "is damaged: its contents do not read as a replay";
        return false;
    }
    out = std::move(replay);
    return true;
}
