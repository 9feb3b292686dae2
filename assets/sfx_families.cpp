// The effects whose numbers the data files hand out (enemy hits and deaths, weapon
// launches, card sounds). Every number has a sound of its own, shaped after the things
// that play it: the enemy table gives each hit sound to enemies of one material and each
// death sound to one or two kinds, and the card table gives a launch number to one
// family of weapons.
#include <cmath>

#include "assets/sfx_kit.h"

namespace sfx {

Entry enemyHit(int n) {
    switch (n) {
        case 23:  // flesh: a wet slap
            return {0.16, [](Builder& b) {
                        b << noise(0, 0.09, 2200, 700, 2500, 500, 0.9, 51)
                          << shaped(tone(W::SINE, 0, 0.12, 260, 110, 0.8), 0.001, 0.8);
                    }};
        case 24:  // metal: a bright tink
            return {0.18, [](Builder& b) {
                        b << noise(0, 0.02, 11025, 11025, 0, 0, 0.6, 52);
                        b.bell(0, 0.16, 1900, 0.7);
                    }};
        case 25:  // wood and shell: a hollow knock
            return {0.14, [](Builder& b) {
                        b << shaped(tone(W::TRIANGLE, 0, 0.07, 520, 430, 0.9), 0.001, 0.9)
                          << shaped(tone(W::SINE, 0.004, 0.06, 1040, 900, 0.4), 0.001, 0.9)
                          << noise(0, 0.015, 9000, 9000, 8000, 0, 0.5, 53);
                    }};
        case 26:  // bone and cloth: a dull thud
            return {0.16, [](Builder& b) {
                        b << filtered(noise(0, 0.1, 1200, 300, 900, 300, 1.0, 54), 900, 300)
                          << shaped(tone(W::SINE, 0, 0.14, 140, 70, 0.9), 0.001, 0.8);
                    }};
        default:  // armour: a ringing clank
            return {0.22, [](Builder& b) {
                        b << noise(0, 0.03, 8000, 5000, 9000, 0, 0.7, 55)
                          << duty(tone(W::SQUARE, 0, 0.05, 330, 300, 0.5), 0.3);
                        b.bell(0.005, 0.2, 760, 0.6);
                    }};
    }
}

Entry enemyDeath(int n) {
    switch (n) {
        case 30:  // zombie and dawdler: a groan that ends in a splat
            return {0.5, [](Builder& b) {
                        b << vib(filtered(tone(W::SAW, 0, 0.32, 170, 95, 0.7), 900), 7, 0.05)
                          << noise(0.28, 0.2, 2500, 500, 3000, 400, 1.0, 60)
                          << shaped(tone(W::SINE, 0.28, 0.15, 180, 60, 0.8), 0.001, 0.8);
                    }};
        case 31:  // blobling and ghoul: a wet pop
            return {0.35, [](Builder& b) {
                        b << shaped(tone(W::SINE, 0, 0.08, 300, 1100, 0.8), 0.002, 0.3)
                          << noise(0.07, 0.25, 3000, 400, 3500, 300, 0.9, 61)
                          << shaped(tone(W::SINE, 0.07, 0.2, 220, 55, 0.7), 0.001, 0.8);
                    }};
        case 32:  // spitter and clubber: a crunch
            return {0.4, [](Builder& b) {
                        for (int i = 0; i < 4; ++i)
                            b << noise(i * 0.05, 0.06, 4000 - 600 * i, 1500, 5000, 800, 0.9, 62 + i);
                        b << shaped(tone(W::SINE, 0, 0.3, 120, 45, 0.8), 0.001, 0.8);
                    }};
        case 37:  // gravedigger: earth caving in
            return {0.7, [](Builder& b) {
                        b << noise(0, 0.65, 900, 150, 1200, 150, 1.0, 67)
                          << shaped(tone(W::SINE, 0, 0.4, 90, 35, 0.9), 0.002, 0.8);
                        for (int i = 0; i < 5; ++i) b << noise(0.1 + 0.09 * i, 0.03, 3000, 2000, 3500, 0, 0.4, 68 + i);
                    }};
        case 41:  // stinkbug and snoozer: a fizzle and a puff
            return {0.45, [](Builder& b) {
                        b << noise(0, 0.3, 2000, 9000, 1500, 8000, 0.6, 74)
                          << noise(0.28, 0.15, 1500, 400, 2000, 300, 1.0, 75)
                          << shaped(tone(W::SINE, 0.28, 0.12, 200, 80, 0.6), 0.001, 0.8);
                    }};
        case 42:  // flutterbat, firespout, kaboomer: a squeak and a small bang
            return {0.5, [](Builder& b) {
                        b << vib(tone(W::SINE, 0, 0.1, 2400, 1800, 0.5), 30, 0.05);
                        b.blast(0.08, 0.5, 76);
                    }};
        case 43:  // hexeye and slickster: glass shattering
            return {0.55, [](Builder& b) {
                        b << noise(0, 0.05, 11025, 11025, 0, 0, 0.8, 80);
                        for (int i = 0; i < 6; ++i) b.bell(0.02 + 0.045 * i, 0.25, 2600 - 230 * ((i * 4) % 6), 0.35);
                    }};
        case 44:  // boulderback, foghorn, toxipod: rock crumbling
            return {0.6, [](Builder& b) {
                        b << shaped(tone(W::SINE, 0, 0.25, 110, 40, 1.0), 0.001, 0.8);
                        for (int i = 0; i < 9; ++i)
                            b << noise(0.03 * i + 0.01 * (i % 3), 0.08, 1800 - 120 * i, 500, 2500, 400, 0.6, 81 + i);
                    }};
        case 45:  // howler and stormwitch: a falling howl
            return {0.6, [](Builder& b) {
                        b << vib(filtered(tone(W::SAW, 0, 0.55, 700, 140, 0.6), 2500, 600), 9, 0.06)
                          << noise(0.05, 0.4, 5000, 1500, 4000, 800, 0.5, 90);
                    }};
        case 46:  // trigunner and bladedancer: metal bursting
            return {0.6, [](Builder& b) {
                        b.blast(0, 0.7, 91);
                        b.bell(0.02, 0.45, 520, 0.5);
                        b.bell(0.06, 0.4, 830, 0.35);
                    }};
        default:  // vinecaller and frostcube: a snap and tinkling shards
            return {0.55, [](Builder& b) {
                        b << noise(0, 0.02, 11025, 11025, 0, 0, 1.0, 95)
                          << shaped(tone(W::TRIANGLE, 0, 0.04, 1500, 600, 0.8), 0.0005, 0.8);
                        for (int i = 0; i < 5; ++i)
                            b << shaped(tone(W::SINE, 0.05 + 0.06 * i, 0.12, 3200 + 370 * ((i * 3) % 5), 0, 0.35),
                                        0.001, 0.95);
                    }};
    }
}

Entry launch(int n) {
    switch (n) {
        case 55:  // bombs: a mortar's hollow thoomp
            return {0.4, [](Builder& b) {
                        b << shaped(tone(W::SINE, 0, 0.2, 240, 70, 1.0), 0.001, 0.8)
                          << noise(0, 0.25, 1500, 400, 2000, 300, 0.6, 155)
                          << shaped(tone(W::TRIANGLE, 0.05, 0.3, 400, 900, 0.25), 0.05, 0.5);
                    }};
        case 56:  // balls: a boing
            return {0.4, [](Builder& b) { b << vib(tone(W::SINE, 0, 0.38, 180, 420, 0.9), 14, 0.12); }};
        case 57:  // balloons, water guns, toys: a squirt
            return {0.4, [](Builder& b) {
                        Tone s = noise(0, 0.35, 4000, 2500, 1800, 4000, 0.9, 157);
                        s.tremoloHz = 24;
                        b << s << vib(tone(W::SINE, 0, 0.2, 700, 500, 0.3), 30, 0.1);
                    }};
        case 58:  // pinball and bouncers: flipper clack and a ding
            return {0.35, [](Builder& b) {
                        b << noise(0, 0.03, 6000, 3000, 7000, 0, 0.9, 158);
                        b.bell(0.03, 0.3, 1320, 0.6);
                    }};
        case 59:  // crash landing: a whistle falling from the sky
            return {0.7, [](Builder& b) {
                        b << vib(tone(W::SINE, 0, 0.7, 2200, 500, 0.7), 6, 0.01)
                          << noise(0, 0.7, 3000, 1500, 3000, 1500, 0.2, 159);
                    }};
        case 61:  // missiles: ignition and a rising rocket hiss
            return {0.5, [](Builder& b) {
                        b << noise(0, 0.04, 11025, 11025, 0, 0, 0.8, 161)
                          << noise(0.02, 0.45, 2500, 6000, 1500, 6000, 0.8, 162)
                          << filtered(tone(W::SAW, 0.02, 0.4, 90, 260, 0.4), 1500);
                    }};
        case 62:  // condiments: a squelchy squirt
            return {0.35, [](Builder& b) {
                        b << vib(filtered(tone(W::SAW, 0, 0.3, 220, 120, 0.7), 1200, 400), 35, 0.15)
                          << noise(0.05, 0.2, 2500, 1200, 2200, 800, 0.6, 163);
                    }};
        case 63:  // waves: a watery sweep
            return {0.6, [](Builder& b) {
                        Tone w = tone(W::SINE, 0, 0.6, 300, 900, 0.7);
                        w.tremoloHz = 11;
                        b << w << noise(0, 0.6, 1200, 3000, 900, 2500, 0.5, 164);
                    }};
        case 64:  // dice, roulette, slots: a rattle of clicks
            return {0.4, [](Builder& b) {
                        for (int i = 0; i < 6; ++i)
                            b << noise(i * 0.055, 0.02, 9000, 9000, 7000 - 500 * i, 0, 0.8, 165 + i)
                              << shaped(tone(W::TRIANGLE, i * 0.055, 0.03, 1700 - 90 * i, 0, 0.4), 0.0005, 0.9);
                    }};
        case 65:  // musical instruments: a brassy stab
            return {0.45, [](Builder& b) {
                        for (double note : {60.0, 64.0, 67.0, 70.0})
                            b << shaped(filtered(tone(W::SAW, 0, 0.4, midiHz(note), 0, 0.35), 600, 3500), 0.02, 0.5);
                    }};
        case 66:  // cross fire and star burst: two laser zaps
            return {0.3, [](Builder& b) {
                        b << duty(tone(W::SQUARE, 0, 0.12, 2600, 400, 0.6), 0.25)
                          << duty(tone(W::SQUARE, 0.1, 0.12, 3000, 500, 0.5), 0.25);
                    }};
        case 67:  // fires: a whoosh with crackles
            return {0.6, [](Builder& b) {
                        b << noise(0, 0.55, 1500, 4000, 1000, 3500, 0.8, 167);
                        for (int i = 0; i < 6; ++i) b << noise(0.08 + 0.07 * i, 0.012, 9000, 9000, 0, 0, 0.5, 168 + i);
                    }};
        default:  // boomerangs and blades: a whirring swish
            return {0.5, [](Builder& b) {
                        Tone s = noise(0, 0.48, 5000, 5000, 2000, 4000, 0.9, 175);
                        s.tremoloHz = 16;
                        b << s << vib(tone(W::TRIANGLE, 0, 0.48, 500, 700, 0.25), 16, 0.1);
                    }};
    }
}

Entry cardSound(int n) {
    switch (n) {
        case 82:  // necromancy: an eerie swell
            return {0.9, [](Builder& b) {
                        for (double note : {50.0, 53.0, 56.0})
                            b << vib(shaped(tone(W::TRIANGLE, 0, 0.85, midiHz(note), midiHz(note - 1), 0.4), 0.6, 0.2),
                                     5, 0.02);
                    }};
        case 83:  // antidote and updraft: bubbles rising
            return {0.6, [](Builder& b) {
                        for (int i = 0; i < 6; ++i)
                            b << shaped(tone(W::SINE, i * 0.08, 0.07, 400 + 120 * i, 700 + 150 * i, 0.6), 0.005, 0.6);
                    }};
        case 86:  // walls: two hammer blows
            return {0.4, [](Builder& b) {
                        for (int i = 0; i < 2; ++i)
                            b << noise(i * 0.16, 0.04, 5000, 1500, 4000, 0, 0.9, 186 + i)
                              << shaped(tone(W::SINE, i * 0.16, 0.1, 320 - 40 * i, 160, 0.8), 0.001, 0.8);
                    }};
        case 87:  // a horde sent over: a low growl
            return {0.6, [](Builder& b) {
                        b << vib(filtered(tone(W::SAW, 0, 0.55, 82, 70, 0.8), 700), 12, 0.08)
                          << vib(filtered(tone(W::SAW, 0.03, 0.52, 123, 100, 0.5), 800), 10, 0.08);
                    }};
        case 88:  // stat boost: a power-up sweep
            return {0.5, [](Builder& b) {
                        b << duty(tone(W::SQUARE, 0, 0.45, 300, 1200, 0.5), 0.25)
                          << tone(W::TRIANGLE, 0, 0.45, 600, 2400, 0.4);
                    }};
        case 89:  // enemies summoned: a portal whoosh
            return {0.6, [](Builder& b) {
                        b << noise(0, 0.55, 800, 5000, 600, 4000, 0.8, 189)
                          << vib(tone(W::SINE, 0.1, 0.45, 220, 660, 0.4), 8, 0.06);
                    }};
        case 90:  // more enemies summoned: a drum roll
            return {0.6, [](Builder& b) {
                        for (int i = 0; i < 8; ++i)
                            b << noise(i * 0.06, 0.05, 3500, 2500, 4000, 0, 0.3 + 0.08 * i, 190 + i)
                              << shaped(tone(W::SINE, i * 0.06, 0.06, 180, 140, 0.3 + 0.05 * i), 0.001, 0.8);
                    }};
        case 91:  // encore and good omen: a sparkling run upwards
            return {0.7, [](Builder& b) { b.run(W::SINE, 0, 0.06, {79, 83, 86, 91, 95, 98}, 0.6, 2.5); }};
        case 92:  // tin can and sparkler: a tin clatter
            return {0.5, [](Builder& b) {
                        for (int i = 0; i < 4; ++i) b.bell(0.08 * i, 0.15, 1150 + 210 * ((i * 3) % 4), 0.5);
                        b << noise(0, 0.3, 7000, 5000, 8000, 3000, 0.3, 192);
                    }};
        case 93:  // supplies: a crate landing
            return {0.4, [](Builder& b) {
                        b << shaped(tone(W::SINE, 0, 0.12, 160, 90, 0.9), 0.001, 0.8)
                          << noise(0, 0.3, 2500, 1500, 3000, 900, 0.6, 193)
                          << shaped(tone(W::TRIANGLE, 0.12, 0.1, 700, 600, 0.4), 0.002, 0.8);
                    }};
        case 108:  // cube bloom: crystals growing
            return {0.8, [](Builder& b) {
                        for (int i = 0; i < 5; ++i) b.bell(0.1 * i, 0.4, 880 * std::pow(1.26, i), 0.4);
                    }};
        case 109:  // a low siren
            return {0.8, [](Builder& b) {
                        b << vib(duty(tone(W::SQUARE, 0, 0.8, 330, 0, 0.5), 0.4), 3, 0.2);
                    }};
        case 110:  // a spring
            return {0.5, [](Builder& b) {
                        Tone s = tone(W::TRIANGLE, 0, 0.48, 120, 600, 0.8);
                        s.tremoloHz = 30;
                        b << s;
                    }};
        default:  // chaos and fate: a warbling wobble
            return {0.6, [](Builder& b) {
                        b << vib(tone(W::SINE, 0, 0.55, 600, 0, 0.7), 9, 0.25)
                          << vib(tone(W::TRIANGLE, 0, 0.55, 903, 0, 0.3), 13, 0.2);
                    }};
    }
}

}  // namespace sfx
