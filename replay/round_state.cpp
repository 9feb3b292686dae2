// The set-up state, in this order: a u8 version of this layout; selectedVeh, selectedDeck,
// selectedOpp, curRound, totalScore, roundsLost, the round-start scores, newGame; the
// two-player match; the beaten opponents; every vehicle's statistics; both sides'
// records field by field; the floating items; the generator. The clocks: both tick
// accumulators, progress, cycleNum, screenPos, scrollSpeed, the generator.
#include "replay/round_state.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "battle/setup.h"
#include "cards/opponents.h"
#include "replay/bytes.h"
#include "replay/replay_format.h"
#include "shell/modes.h"
#include "shell/world.h"

namespace {

constexpr std::uint8_t SETUPLAYOUT = 1;

// One list of fields serves both ways: the writer stores each, the reader fills it.
class Fields {
public:
    explicit Fields(ByteWriter* w) : w_(w) {}
    explicit Fields(ByteReader* r) : r_(r) {}

    template <typename T>
    void operator()(T& v) {
        static_assert(std::is_arithmetic_v<T>);
        if constexpr (std::is_same_v<T, bool>) {
            if (w_) w_->u8(v ? 1 : 0);
            else v = r_->u8() != 0;
        } else if constexpr (std::is_floating_point_v<T>) {
            if (w_) w_->f32(static_cast<float>(v));
            else v = static_cast<T>(r_->f32());
        } else if constexpr (sizeof(T) <= 4) {
            if (w_) w_->u32(static_cast<std::uint32_t>(v));
            else v = static_cast<T>(r_->u32());
        } else {
            if (w_) w_->u64(static_cast<std::uint64_t>(v));
            else v = static_cast<T>(r_->u64());
        }
    }
    void operator()(hgeRect& r) {
        float c[4] = {r.x1, r.y1, r.x2, r.y2};
        for (float& f : c) (*this)(f);
        if (r_) r = hgeRect(c[0], c[1], c[2], c[3]);
    }
    template <typename T, std::size_t N>
    void operator()(T (&a)[N]) {
        for (T& v : a) (*this)(v);
    }

private:
    ByteWriter* w_ = nullptr;
    ByteReader* r_ = nullptr;
};

void playerFields(Fields& f, Player& p) {
    f(p.rect), f(p.hitBox), f(p.textRect), f(p.spawnTimer), f(p.speed), f(p.shotSpeed), f(p.rof);
    f(p.shotCooldown), f(p.comboTimer), f(p.invincTimer), f(p.shotSizeX), f(p.shotSizeY), f(p.velX), f(p.velY);
    f(p.fuel), f(p.maxFuel), f(p.heart), f(p.maxHeart), f(p.pendingDamage), f(p.power), f(p.armor), f(p.excel);
    f(p.fieldLeft), f(p.fieldRight), f(p.pacing), f(p.pacing2), f(p.score), f(p.comboCount), f(p.selCard);
    f(p.ai), f(p.shotLevel), f(p.lastHitInfo), f(p.roundTime), f(p.killsByKind), f(p.redP), f(p.greenP);
    f(p.blueP), f(p.shotQty), f(p.powerEx), f(p.passive), f(p.highestCombo), f(p.highestRound), f(p.questNum);
    f(p.vehSizeX), f(p.vehSizeY), f(p.hand), f(p.aiCard), f(p.coin), f(p.coinCap), f(p.lastHitEnemy), f(p.cond);
    f(p.condLevel), f(p.deck), f(p.deckPos), f(p.deckSize), f(p.roundFlag1), f(p.boosting), f(p.roundFlag2);
    f(p.leanLeft), f(p.leanRight), f(p.wasBoosting), f(p.moving), f(p.condTime), f(p.coinFlash);
    f(p.cardDrawTimer), f(p.cardUseTimer), f(p.cardUseTotal), f(p.textTimer), f(p.condAlpha), f(p.misc);
}

void vehicleFields(Fields& f) {
    f(VEH_speed), f(VEH_shotSpeed), f(VEH_power), f(VEH_rof), f(VEH_armor), f(VEH_excel), f(VEH_heart);
    f(VEH_fuel), f(VEH_shotSizeX), f(VEH_shotSizeY), f(VEH_redP), f(VEH_greenP), f(VEH_blueP), f(VEH_shotQty);
    f(VEH_powerEx), f(VEH_vehSizeX), f(VEH_vehSizeY);
}

void itemFields(Fields& f, Item& it) { f(it.active), f(it.kind), f(it.dx), f(it.dy), f(it.rect); }

void versusFields(Fields& f, VersusMatch& v) {
    f(v.on), f(v.vehicle), f(v.deck), f(v.roundsToWin), f(v.place), f(v.wins), f(v.roundWinner), f(v.padCount);
}

// The values a set-up state may hold without sending the battle's tables out of range.
bool inRange(int v, int lo, int hi) { return v >= lo && v <= hi; }
bool sane() {
    if (!inRange(selectedVeh, 0, MAXVEHICLES - 1) || !inRange(selectedDeck, 0, MAXDECKS - 1) ||
        !inRange(selectedOpp, 0, EXMISSION) || curRound < 0)
        return false;
    for (int side = 0; side < 2; ++side)
        if (versus.on && (!inRange(versus.vehicle[side], 0, MAXVEHICLES - 1) ||
                          !inRange(versus.deck[side], 0, MAXDECKS - 1)))
            return false;
    for (const Player& p : pl) {
        if (!inRange(p.deckSize, 0, MAXDECKSIZE) || !inRange(p.deckPos, 0, MAXDECKSIZE) || !inRange(p.selCard, 0, 2))
            return false;
        for (int c : p.deck)
            if (!inRange(c, 0, MAXCARDS - 1)) return false;
        for (int c : p.hand)
            if (!inRange(c, 0, MAXCARDS - 1)) return false;
    }
    return true;
}

void setupFields(Fields& f) {
    f(selectedVeh), f(selectedDeck), f(selectedOpp), f(curRound), f(totalScore), f(roundsLost);
    f(roundStart.score), f(roundStart.total), f(newGame);
    versusFields(f, versus);
    f(beat);
    vehicleFields(f);
    for (Player& p : pl) playerFields(f, p);
    for (Item& it : itm) itemFields(f, it);
}

bool readSetup(std::string_view bytes) {
    ByteReader r(bytes);
    if (r.u8() != SETUPLAYOUT) return false;
    Fields f(&r);
    setupFields(f);
    const std::uint64_t generator = r.u64();
    if (r.failed() || r.left() != 0 || !sane()) return false;
    hge->Random_SetState(generator);
    return true;
}

void clockFields(Fields& f, StepClocks& c) {
    f(c.accumulated), f(c.progress), f(c.cycle), f(c.screenPos), f(c.scrollSpeed), f(c.generator);
}

// Floats are hashed by their bits: the same course gives the same bits.
class Hash {
public:
    void add(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h_ ^= (v >> (8 * i)) & 0xFF;
            h_ *= 16777619u;
        }
    }
    void add(float f) {
        std::uint32_t bits;
        std::memcpy(&bits, &f, 4);
        add(bits);
    }
    void add(int v) { add(static_cast<std::uint32_t>(v)); }
    void add(const hgeRect& r) { add(r.x1), add(r.y1), add(r.x2), add(r.y2); }
    std::uint32_t value() const { return h_; }

private:
    std::uint32_t h_ = 2166136261u;
};

constexpr int PLACESHASHED = 8;

}  // namespace

std::string captureRoundSetup() {
    ByteWriter w;
    Fields f(&w);
    w.u8(SETUPLAYOUT);
    setupFields(f);
    w.u64(hge->Random_GetState());
    return w.take();
}

bool restoreRoundSetup(std::string_view bytes) {
    // Read straight into the world; anything short or out of range puts it back.
    const std::string before = captureRoundSetup();
    if (readSetup(bytes)) return true;
    readSetup(before);
    return false;
}

StepClocks currentStepClocks() {
    StepClocks c;
    std::copy(std::begin(accumulatedTime), std::end(accumulatedTime), std::begin(c.accumulated));
    c.progress = progress, c.cycle = cycleNum, c.screenPos = screenPos, c.scrollSpeed = scrollSpeed;
    c.generator = hge->Random_GetState();
    return c;
}

void setStepClocks(const StepClocks& c) {
    std::copy(std::begin(c.accumulated), std::end(c.accumulated), std::begin(accumulatedTime));
    progress = c.progress, cycleNum = c.cycle, screenPos = c.screenPos, scrollSpeed = c.scrollSpeed;
    hge->Random_SetState(c.generator);
}

std::string captureStepClocks() {
    ByteWriter w;
    Fields f(&w);
    StepClocks c = currentStepClocks();
    clockFields(f, c);
    return w.take();
}

bool restoreStepClocks(std::string_view bytes) {
    ByteReader r(bytes);
    Fields f(&r);
    StepClocks c;
    clockFields(f, c);
    if (r.failed() || r.left() != 0 || !inRange(c.cycle, 0, COLORSPERCYCLE - 1)) return false;
    setStepClocks(c);
    return true;
}

std::uint32_t battleCheckValue() {
    Hash h;
    for (const Player& p : pl) {
        h.add(p.heart), h.add(p.fuel), h.add(p.score), h.add(p.rect), h.add(p.velX), h.add(p.velY);
        for (int i = 0; i < 3; ++i) h.add(p.coin[i]), h.add(p.hand[i]);
        h.add(p.deckPos), h.add(p.cond[0]), h.add(p.cond[1]);
    }
    int shots = 0, enemies = 0, items = 0;
    for (const Shot& s : sh)
        if (s.active && shots++ < PLACESHASHED) h.add(s.rect);
    for (const Enemy& e : en)
        if (e.active && enemies++ < PLACESHASHED) h.add(e.rect), h.add(e.hp);
    for (const Item& it : itm)
        if (it.active && items++ < PLACESHASHED) h.add(it.rect);
    h.add(shots), h.add(enemies), h.add(items), h.add(totalScore);
    const std::uint64_t generator = hge->Random_GetState();
    h.add(static_cast<std::uint32_t>(generator)), h.add(static_cast<std::uint32_t>(generator >> 32));
    return h.value();
}

std::uint8_t roundOutcomeOf(int mode) {
    switch (mode) {
    case MODE_GAMEOVER: return RO_LOST;
    case MODE_WINROUND:
    case MODE_WINMATCH: return RO_WON;
    case MODE_VERSUSROUND:
    case MODE_VERSUSRESULT: return versus.roundWinner < 0 ? RO_DRAW : (versus.roundWinner == 0 ? RO_WON : RO_LOST);
    default: return RO_QUIT;
    }
}
