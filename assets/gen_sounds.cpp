// The 112 sound effects "sfx0".."sfx111". Numbers with a fixed meaning in the game get
// a sound that fits the event; the numbers the data hands out (enemy hits and deaths,
// launches, card sounds) are made in sfx_families.cpp. Each is levelled by its role.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

#include "assets/families.h"
#include "assets/sfx_kit.h"

namespace {

using namespace sfx;

// The numbers the enemy table hands out.
constexpr int ENEMY_HITS[] = {23, 24, 25, 26, 27};
constexpr int ENEMY_DEATHS[] = {30, 31, 32, 37, 41, 42, 43, 44, 45, 46, 47};
constexpr int LAUNCHES[] = {55, 56, 57, 58, 59, 61, 62, 63, 64, 65, 66, 67, 68};

template <std::size_t N>
bool among(int n, const int (&list)[N]) {
    return std::find(std::begin(list), std::end(list), n) != std::end(list);
}

Entry recipeFor(int n) {
    if (among(n, ENEMY_HITS)) return enemyHit(n);
    if (among(n, ENEMY_DEATHS)) return enemyDeath(n);
    if (among(n, LAUNCHES)) return launch(n);
    switch (n) {
        case 0:
            return {0.3, [](Builder& b) { b << noise(0, 0.3, 3000, 7000, 1200, 6000, 0.8, 3); }};
        case 1:
            return {0.15, [](Builder& b) {
                        Tone t = duty(tone(W::SQUARE, 0, 0.14, 880, 0, 0.8), 0.25);
                        t.arpSemis = 7;
                        t.arpTime = 0.05;
                        b << t;
                    }};
        case 2:
            return {0.16, [](Builder& b) {
                        Tone t = duty(tone(W::SQUARE, 0, 0.15, 660, 0, 0.8), 0.25);
                        t.arpSemis = -5;
                        t.arpTime = 0.06;
                        b << t;
                    }};
        case 3:
            return {0.3, [](Builder& b) {
                        Tone t = duty(tone(W::SQUARE, 0, 0.3, 988), 0.5);
                        t.arpSemis = 5;
                        t.arpTime = 0.06;
                        t.release = 0.7;
                        b << t;
                    }};
        case 4:
            return {0.3, [](Builder& b) {
                        b << noise(0, 0.25, 3500, 700, 5000, 600, 1.0, 4)
                          << duty(tone(W::SQUARE, 0, 0.25, 240, 70, 0.7), 0.4);
                    }};
        case 5:
            return {0.45, [](Builder& b) { b.run(W::SQUARE, 0, 0.07, {60, 64, 67, 72, 76, 79}, 0.7, 1.2); }};
        case 6:
            return {0.7, [](Builder& b) {
                        b.bell(0, 0.7, 392, 0.8);
                        b << noise(0, 0.05, 8000, 8000, 0, 0, 0.5, 6);
                    }};
        case 7:
            return {0.5, [](Builder& b) {
                        b << noise(0, 0.5, 2000, 9000, 800, 7000, 0.7, 7) << tone(W::SAW, 0, 0.45, 200, 900, 0.4);
                    }};
        case 8:
            return {0.6, [](Builder& b) { b << vib(filtered(tone(W::SAW, 0, 0.6, 110, 230, 1.0), 1200), 28, 0.12); }};
        case 9:
            return {0.6, [](Builder& b) { b.run(W::SINE, 0, 0.06, {84, 88, 91, 96, 91, 96, 100}, 0.7, 2.0); }};
        case 10:
            return {0.6, [](Builder& b) {
                        b << duty(tone(W::SQUARE, 0, 0.6, 110, 440, 0.8), 0.25) << tone(W::SINE, 0, 0.6, 55, 220, 0.6);
                    }};
        case 11:
            return {0.45, [](Builder& b) {
                        b << filtered(tone(W::SAW, 0, 0.4, 80, 170, 0.9), 1500)
                          << noise(0, 0.12, 1500, 400, 2000, 0, 0.8, 11);
                    }};
        case 12:
            return {0.7, [](Builder& b) {
                        for (int i = 0; i < 7; ++i)
                            b << shaped(
                                tone(W::SINE, i * 0.085, 0.09, 260 + 37 * ((i * 5) % 7), 620 + 40 * (i % 3), 0.7),
                                0.005, 0.5);
                    }};
        case 13:
            return {0.7, [](Builder& b) { b << vib(tone(W::SINE, 0, 0.7, 700, 300, 0.9), 7, 0.18); }};
        case 14:
            return {0.7, [](Builder& b) {
                        b << vib(tone(W::TRIANGLE, 0, 0.35, 420, 210), 4, 0.06)
                          << vib(tone(W::TRIANGLE, 0.33, 0.37, 320, 140), 4, 0.06);
                    }};
        case 15:
            return {0.35, [](Builder& b) {
                        b << filtered(duty(tone(W::SQUARE, 0, 0.12, 200), 0.5), 450)
                          << filtered(duty(tone(W::SQUARE, 0.16, 0.16, 150), 0.5), 350);
                    }};
        case 16:
            return {0.8, [](Builder& b) {
                        Tone a = tone(W::SINE, 0, 0.8, 2093, 0, 0.5), c = tone(W::SINE, 0.04, 0.76, 2637, 0, 0.4);
                        a.tremoloHz = c.tremoloHz = 14;
                        b << a << c << noise(0, 0.5, 11000, 11000, 9000, 3000, 0.3, 16);
                    }};
        case 17:
            return {0.3, [](Builder& b) {
                        b << noise(0, 0.06, 11000, 11000, 0, 0, 1.0, 17)
                          << duty(tone(W::SQUARE, 0, 0.12, 1760, 880), 0.25);
                        b.bell(0.02, 0.28, 1568, 0.5);
                    }};
        case 18:
            return {0.5, [](Builder& b) {
                        b.run(W::TRIANGLE, 0, 0.07, {55, 59, 62, 67, 71}, 0.8, 1.5);
                        b.bell(0.3, 0.2, 784, 0.4);
                    }};
        case 19:
            return {0.2, [](Builder& b) { b.run(W::TRIANGLE, 0, 0.08, {79, 86}, 0.8, 1.2); }};
        case 20:
            return {0.45, [](Builder& b) {
                        for (int i = 0; i < 5; ++i)
                            b << duty(tone(W::SQUARE, i * 0.07, 0.09, 1300 - 80 * i, 300, 0.7), 0.25)
                              << noise(i * 0.07, 0.04, 7000, 3000, 7000, 0, 0.4, 20 + i);
                    }};
        case 21:
            return {0.8, [](Builder& b) {
                        for (double note : {45.0, 52.0, 57.0})
                            b << filtered(shaped(tone(W::SAW, 0, 0.8, midiHz(note), 0, 0.5), 0.01, 0.6), 500, 5000);
                    }};
        case 22:
            return {1.3, [](Builder& b) {
                        b << tone(W::SAW, 0, 1.2, 1200, 60, 0.6) << noise(0.1, 1.2, 3000, 200, 5000, 150, 0.8, 22);
                        b.blast(0.35, 2.0, 23);
                    }};
        case 28:
            return {0.08, [](Builder& b) { b << duty(tone(W::SQUARE, 0, 0.07, 180, 140, 0.8), 0.5); }};
        case 29:
            return {0.3, [](Builder& b) {
                        b << filtered(duty(tone(W::SQUARE, 0, 0.1, 150), 0.5), 1400)
                          << filtered(duty(tone(W::SQUARE, 0.14, 0.12, 140), 0.5), 1400);
                    }};
        case 33:
            return {0.85, [](Builder& b) { b.blast(0, 1.0, 33); }};
        case 34:
            return {1.25, [](Builder& b) { b.blast(0, 1.8, 34); }};
        case 35:
            return {1.75, [](Builder& b) {
                        b.blast(0, 2.8, 35);
                        b.blast(0.18, 1.6, 36);
                    }};
        case 36:
            return {0.35, [](Builder& b) {
                        b << vib(tone(W::SINE, 0, 0.18, 200, 650), 0, 0)
                          << vib(tone(W::SINE, 0.16, 0.19, 650, 320), 25, 0.05);
                    }};
        case 38:
            return {0.12, [](Builder& b) {
                        b << noise(0, 0.04, 9000, 4000, 9000, 0, 0.8, 38) << tone(W::SINE, 0, 0.1, 900, 200, 0.8);
                    }};
        case 39:
            return {0.35, [](Builder& b) {
                        b << noise(0, 0.3, 900, 300, 1500, 300, 1.0, 39) << tone(W::SINE, 0, 0.3, 160, 60, 0.8);
                    }};
        case 40:
            return {0.12, [](Builder& b) { b << noise(0, 0.1, 11000, 3000, 0, 0, 1.0, 40); }};
        case 48:
            return {0.35, [](Builder& b) {
                        for (int i = 0; i < 3; ++i)
                            b << noise(i * 0.1, 0.04, 3000 + 800 * i, 3000, 4000, 0, 0.8, 48 + i)
                              << tone(W::TRIANGLE, i * 0.1, 0.06, 300 + 80 * i, 0, 0.6);
                    }};
        case 49:
            return {0.8, [](Builder& b) { b.bell(0, 0.8, 1319, 0.9); }};
        case 50:
            return {0.5, [](Builder& b) { b.run(W::SQUARE, 0, 0.12, {72, 76, 79}, 0.7, 1.3); }};
        case 51:
            return {1.6, [](Builder& b) {
                        b.run(W::SQUARE, 0, 0.07, {72, 76, 79, 84, 76, 79, 84, 88}, 0.6);
                        for (double note : {72.0, 76.0, 79.0, 84.0})
                            b << shaped(duty(tone(W::SQUARE, 0.6, 1.0, midiHz(note), 0, 0.35), 0.3), 0.01, 0.7);
                        b.bell(0.6, 1.0, 2093, 0.4);
                    }};
        case 52:
            return {0.8, [](Builder& b) {
                        b.run(W::SQUARE, 0, 0.1, {67, 72, 76}, 0.7);
                        b << shaped(duty(tone(W::SQUARE, 0.3, 0.5, midiHz(79), 0, 0.7), 0.25), 0.01, 0.7);
                    }};
        case 53:
            return {0.6, [](Builder& b) {
                        b << noise(0, 0.3, 11000, 6000, 10000, 3000, 0.7, 53);
                        for (int i = 0; i < 6; ++i) b.bell(0.03 * i, 0.3, 1800 + 310 * ((i * 3) % 6), 0.35);
                    }};
        case 54:
            return {1.1, [](Builder& b) {
                        b.blast(0, 1.6, 54);
                        for (int i = 0; i < 6; ++i)
                            b << shaped(tone(W::SINE, 0.25 + i * 0.11, 0.12, 200 + 40 * (i % 4), 500, 0.4), 0.005, 0.5);
                    }};
        case 60:
            return {0.8, [](Builder& b) {
                        Tone t = tone(W::SINE, 0, 0.8, 220, 1300, 0.9);
                        t.tremoloHz = 18;
                        b << t << tone(W::TRIANGLE, 0, 0.8, 110, 650, 0.3);
                    }};
        case 69:
            return {0.25, [](Builder& b) { b << filtered(tone(W::SAW, 0, 0.22, 500, 950, 0.8), 4000); }};
        case 70:
            return {0.3, [](Builder& b) {
                        b << noise(0, 0.15, 1200, 400, 1800, 0, 0.9, 70) << tone(W::TRIANGLE, 0, 0.2, 180, 120, 0.8);
                    }};
        case 71:
            return {0.6, [](Builder& b) {
                        b << vib(tone(W::SAW, 0, 0.6, 1500, 200, 0.7), 60, 0.03)
                          << tone(W::SQUARE, 0, 0.6, 750, 100, 0.3);
                    }};
        case 72:
            return {0.45, [](Builder& b) { b << vib(duty(tone(W::SQUARE, 0, 0.45, 1800, 1400, 0.7), 0.3), 22, 0.08); }};
        case 73:
            return {0.7,
                    [](Builder& b) { b << vib(filtered(tone(W::SAW, 0, 0.7, 85, 120, 0.9), 500, 1800), 6, 0.12); }};
        case 74:
            return {0.2, [](Builder& b) { b << tone(W::TRIANGLE, 0, 0.18, 900, 400, 0.9); }};
        case 75:
            return {0.6, [](Builder& b) {
                        b.bell(0, 0.5, 1047, 0.6);
                        b.bell(0.12, 0.48, 1568, 0.6);
                    }};
        case 76:
            return {0.6, [](Builder& b) {
                        b << tone(W::SINE, 0, 0.5, 300, 2400, 0.8);
                        b.run(W::SQUARE, 0.3, 0.05, {84, 88, 91, 96}, 0.4);
                    }};
        case 77:
            return {0.8, [](Builder& b) { b.run(W::TRIANGLE, 0, 0.1, {60, 64, 67, 72, 76, 79, 84}, 0.8, 1.5); }};
        case 78:
            return {0.4, [](Builder& b) {
                        b << noise(0, 0.4, 1500, 4000, 900, 3000, 0.8, 78) << tone(W::SINE, 0, 0.35, 150, 350, 0.5);
                    }};
        case 79:
            return {1.0, [](Builder& b) {
                        b << vib(tone(W::SAW, 0, 0.6, 1800, 150, 0.6), 60, 0.03);
                        b.blast(0.35, 1.3, 79);
                    }};
        case 80:
            return {0.35, [](Builder& b) { b.run(W::SQUARE, 0, 0.06, {72, 79, 84}, 0.6, 1.6); }};
        case 81:
            return {0.9, [](Builder& b) {
                        for (int i = 0; i < 4; ++i)
                            b << shaped(tone(W::SINE, i * 0.09, 0.9 - i * 0.09,
                                             midiHz(60 + (i == 3 ? 12 : i * 4 - (i == 2))), 0, 0.5),
                                        0.01, 0.7);
                    }};
        case 84:
            return {0.7, [](Builder& b) {
                        b << noise(0, 0.08, 6000, 3000, 8000, 0, 0.8, 84);
                        b.bell(0.06, 0.6, 1568, 0.7);
                        b.bell(0.12, 0.55, 2093, 0.6);
                    }};
        case 85:
            return {1.5, [](Builder& b) {
                        Tone a = tone(W::SINE, 0, 1.5, 55, 0, 0.9),
                             c = filtered(tone(W::SAW, 0, 1.5, 110, 0, 0.4), 600);
                        a.tremoloHz = c.tremoloHz = 3;
                        a.attack = c.attack = 0.2;
                        b << a << c;
                    }};
        case 94:
            return {0.25, [](Builder& b) {
                        b.bell(0, 0.25, 620, 0.8);
                        b << noise(0, 0.08, 6000, 2000, 6000, 0, 0.8, 94);
                    }};
        case 95:
            return {1.4, [](Builder& b) {
                        b.blast(0, 2.4, 95);
                        b << tone(W::SQUARE, 0, 0.9, 600, 60, 0.3);
                    }};
        case 96:
            return {1.7, [](Builder& b) {
                        b.run(W::TRIANGLE, 0, 0.3, {67, 66, 65}, 0.8);
                        b << vib(shaped(tone(W::TRIANGLE, 0.9, 0.8, midiHz(64), 0, 0.8), 0.01, 0.8), 5, 0.02);
                    }};
        case 97:
            return {1.4, [](Builder& b) {
                        b.blast(0, 2.5, 97);
                        for (int i = 0; i < 8; ++i) b << noise(0.2 + i * 0.12, 0.05, 8000, 8000, 0, 0, 0.4, 200 + i);
                    }};
        case 98:
            return {0.3, [](Builder& b) { b.run(W::SQUARE, 0, 0.05, {76, 79, 84, 88}, 0.7, 1.2); }};
        case 99:
            return {0.8, [](Builder& b) {
                        for (int i = 0; i < 4; ++i) b << noise(i * 0.06, 0.03, 5000, 5000, 6000, 0, 0.6, 99 + i);
                        b.run(W::SINE, 0.25, 0.08, {79, 84, 88, 91}, 0.7, 2.0);
                    }};
        case 100:
            return {0.5, [](Builder& b) {
                        b.bell(0, 0.5, 1760, 0.8);
                        b << tone(W::SINE, 0, 0.4, 2640, 3520, 0.3);
                    }};
        case 101:
            return {0.5, [](Builder& b) {
                        b << noise(0, 0.5, 1800, 1800, 0, 0, 0.6, 101)
                          << duty(tone(W::SQUARE, 0, 0.5, 60, 0, 0.6), 0.2);
                    }};
        case 102:
            return {0.8, [](Builder& b) { b << vib(filtered(tone(W::SAW, 0, 0.8, 120, 80, 1.0), 700), 5, 0.06); }};
        case 103:
            return {0.5, [](Builder& b) { b << shaped(tone(W::SINE, 0, 0.5, 1300, 300, 0.9), 0.01, 0.3); }};
        case 104:
            return {0.7,
                    [](Builder& b) { b << filtered(duty(tone(W::SQUARE, 0, 0.7, 300, 130, 0.9), 0.4), 2500, 300); }};
        case 105:
            return {0.9, [](Builder& b) {
                        Tone s = noise(0, 0.9, 700, 700, 600, 0, 0.8, 105);
                        s.tremoloHz = 2.5;
                        b << s << tone(W::SINE, 0, 0.9, 110, 80, 0.5);
                    }};
        case 106:
            return {0.6, [](Builder& b) { b << noise(0, 0.6, 11000, 11000, 5000, 3000, 0.8, 106); }};
        case 107:
            return {1.0, [](Builder& b) {
                        for (double note : {69.0, 72.0, 76.0, 80.0})
                            b << vib(shaped(tone(W::SINE, 0, 1.0, midiHz(note), 0, 0.4), 0.4, 0.5), 5, 0.01);
                    }};
        default:
            return cardSound(n);
    }
}

// Loudness by role (weighted, see loudness.h): blasts and hits stand clearly above the
// menu blips and coins that play all the time, and the music sits under them all.
double loudnessOf(int n) {
    // Every enemy of a field destroyed, bombs and mines by size, an opponent destroyed.
    constexpr int BLASTS[] = {22, 33, 34, 35, 54, 79, 95, 97};
    // The vehicle hit, a critical hit, a creature hit.
    constexpr int HITS[] = {4, 17, 94};
    // Menu confirm, back and refusals, coins and small pickups.
    constexpr int QUIET[] = {1, 2, 29, 3, 19, 28, 38, 98};
    if (among(n, BLASTS)) return -9.0;
    if (among(n, HITS) || among(n, ENEMY_HITS) || among(n, ENEMY_DEATHS)) return -11.0;
    if (among(n, QUIET)) return -17.5;
    return -14.5;
}

}  // namespace

bool makeSoundEffect(const std::string& name, std::string& wav) {
    if (name.rfind("sfx", 0) != 0 || name.size() < 4) return false;
    const int n = std::atoi(name.c_str() + 3);
    if (n < 0 || n > 111 || name != "sfx" + std::to_string(n)) return false;
    const Entry e = recipeFor(n);
    Builder b(e.seconds + 0.02);
    e.recipe(b);
    b.sig.levelTo(loudnessOf(n));
    b.sig.fadeEdges(0.002, 0.012);
    wav = b.sig.wav();
    return true;
}
