// Painters draw one sprite or one animation frame into a w×h box at the origin. Each
// family file registers its painters by resource name.
#pragma once

#include <cairo.h>

#include <functional>
#include <map>
#include <string>

struct Frame {
    double w = 0, h = 0;
    int index = 0;  // frame number
    int count = 1;  // frames in the animation
    // 0 at the first frame, reaching 1 at the last (0 for a single frame).
    double t() const { return count > 1 ? double(index) / (count - 1) : 0.0; }
    // Phase of a looping animation: 0 up to (but not reaching) 1.
    double loop() const { return count > 0 ? double(index) / count : 0.0; }
};

using Painter = std::function<void(cairo_t*, const Frame&)>;

class PainterRegistry {
public:
    void add(const std::string& name, Painter p) { painters_[name] = std::move(p); }
    const Painter* find(const std::string& name) const {
        auto it = painters_.find(name);
        return it == painters_.end() ? nullptr : &it->second;
    }

private:
    std::map<std::string, Painter> painters_;
};

// Family registrations (one per gen_*.cpp file).
void addUiPainters(PainterRegistry& r);
void addConditionIconPainters(PainterRegistry& r);
void addScreenPainters(PainterRegistry& r);
void addCardPainters(PainterRegistry& r);
void addVehiclePainters(PainterRegistry& r);
void addOpponentPainters(PainterRegistry& r);
void addEnemyPainters(PainterRegistry& r);
void addBackgroundPainters(PainterRegistry& r);
void addBattlePainters(PainterRegistry& r);
void addWallPainters(PainterRegistry& r);
void addParticleSpritePainters(PainterRegistry& r);

inline void addAllPainters(PainterRegistry& r) {
    addUiPainters(r);
    addConditionIconPainters(r);
    addScreenPainters(r);
    addCardPainters(r);
    addVehiclePainters(r);
    addOpponentPainters(r);
    addEnemyPainters(r);
    addBackgroundPainters(r);
    addBattlePainters(r);
    addWallPainters(r);
    addParticleSpritePainters(r);
}
