// The building blocks of the sound effects: tone shorthands, a builder that layers
// tones into one mono signal, and the families of effects that the data's numbers use.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>

#include "assets/synth.h"

namespace sfx {

constexpr int RATE = 22050;
using W = Wave;

Tone tone(W wave, double start, double length, double freq, double freqEnd = 0.0, double volume = 1.0);
Tone noise(double start, double length, double rate, double rateEnd, double cutoff, double cutoffEnd = 0,
           double volume = 1.0, std::uint32_t seed = 7);
Tone vib(Tone t, double hz, double depth);
Tone shaped(Tone t, double attack, double release);
Tone duty(Tone t, double d);
Tone filtered(Tone t, double cutoff, double cutoffEnd = 0);

struct Builder {
    Signal sig;
    explicit Builder(double seconds) : sig(RATE, seconds) {}
    Builder& operator<<(const Tone& t) {
        sig.add(t);
        return *this;
    }
    // Notes one after another, each `step` long.
    Builder& run(W wave, double start, double step, std::initializer_list<double> notes, double volume = 0.8,
                 double hold = 1.0);
    // A struck metal bar: three inharmonic partials that die away at different speeds.
    Builder& bell(double start, double length, double freq, double volume = 0.6);
    // An explosion: a bright crack, a low thump and a rumbling noise tail; `size` 1 is a
    // grenade, 3 a building coming down.
    Builder& blast(double start, double size, std::uint32_t seed);
};

using Recipe = std::function<void(Builder&)>;

struct Entry {
    double seconds;
    Recipe recipe;
};

// Enemy hits 23..27, one material each (flesh, metal, wood, bone, armour).
Entry enemyHit(int n);
// Enemy deaths, one per number the enemy table uses (30..32, 37, 41..47).
Entry enemyDeath(int n);
// Weapon launches 55..59 and 61..68, one per family of weapon cards.
Entry launch(int n);
// The card sounds 82..93 and 108..111.
Entry cardSound(int n);

}  // namespace sfx
