// What the short condition names stand for. The HUD writes a condition by its short name
// (condString is filled from here), the instructions' picture explains every one of them
// and the pause screen spells out those in force: all three read this one table. It needs
// nothing else of the game, so the asset generator draws the picture from it too.
#pragma once

struct ConditionName {
    const char* shortName;  // as the HUD and the cards write it
    const char* fullName;
    const char* meaning;    // what it does to the side it is on, in a few words
};

// Indexed by condition, C_TOXI (1) to C_RFLX (19); 1..12 are harmful, 13..19 good; entry 0
// is no condition.
constexpr int GLOSSARYCONDITIONS = 19;
constexpr int FIRSTGOODCONDITION = 13;
constexpr ConditionName CONDITIONNAMES[GLOSSARYCONDITIONS + 1] = {
    {"", "", ""},
    {"TOXI", "Poison", "moving costs heart"},
    {"DZ", "Dizzy", "you drift about"},
    {"STUP", "Stupefied", "steering reversed"},
    {"MUTE", "Mute", "your gun cannot fire"},
    {"FREZ", "Frozen", "you cannot move"},
    {"STUN", "Stunned", "no moving, no firing"},
    {"ZOM", "Zombie", "cards play themselves"},
    {"SLIP", "Slippery", "no braking"},
    {"SLOW", "Slowed", "you speed up slowly"},
    {"ZZZZ", "Drowsy", "your gun reloads slowly"},
    {"LEAK", "Leak", "moving leaks fuel"},
    {"MYST", "Mystery", "display partly hidden"},
    {"ROXY", "Armour", "every hit hurts less"},
    {"SPD", "Speed", "you speed up faster"},
    {"BZRK", "Berserk", "your bullets hit harder"},
    {"U4IA", "Euphoria", "your heart grows back"},
    {"2XL", "Excellence", "more excellent hits"},
    {"R2X", "Ram", "a box above you hits enemies"},
    {"RFLX", "Reflex", "hits bounce off at enemies"},
};
