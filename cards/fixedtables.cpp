#include "cards/fixedtables.h"

#include "cards/glossary.h"
#include "shell/world.h"

void setFixedTables() {
    static_assert(GLOSSARYCONDITIONS == MAXCONDS && FIRSTGOODCONDITION == C_ROXY, "the glossary names every condition");
    for (int i = 0; i <= MAXCONDS; ++i) condString[i] = CONDITIONNAMES[i].shortName;

    static const char* const families[MAXVEHICLES] = {
        "Creates missile(s) that are fired forward.  With higher level missiles, the quantity of missiles fired "
        "increases, and some missiles will also fire from the back.",
        "Creates a bomb that will explode shortly after.  Higher level bombs expand the blast radius of the "
        "explosion.",
        "Throw various types of balls at enemies.  Higher level ones often have wave-like or bouncy patterns.",
        "Includes balloons that will burst and also water guns that will soak your enemies!",
        "Condiments are often fired or squirted a close distance in front of you.  Higher level ones have a more "
        "spread out pattern.",
        "Waves are very weak, but do lots of damage over a long period.  Higher level waves will cover more of the "
        "screen.",
        "Watch the results when you use the Triple 7's special weapons.  A higher roll will result in a more "
        "powerful and bigger effect.",
        "An instrument is simply fired out in front of you in a semi-random direction.  With higher level ones, the "
        "number of created instruments will increase and the effect will not depend on your location."};
    for (int i = 0; i < MAXVEHICLES; ++i) wpnDesc[i] = families[i];

    static const DWORD cycles[MAXCOLORCYCLES][COLORSPERCYCLE] = {
        {0xFFEFCBCB, 0xFFE06A6A, 0xFFFCD0D0, 0xFFD91313},  // reds
        {0xFFD8E7F4, 0xFF5BA5E3, 0xFFB9DCE1, 0xFF25C9E1},  // blues
        {0xFFFFFFFF, 0xFFF5F5F5, 0xFFEBEBEB, 0xFFE1E1E1},  // whites
        {0xFFFBF7AA, 0xFFF3D566, 0xFF4BFE2C, 0xFF74E232},  // yellow-greens
    };
    for (int r = 0; r < MAXCOLORCYCLES; ++r)
        for (int c = 0; c < COLORSPERCYCLE; ++c) colorCycle[r][c] = cycles[r][c];

    MX_speed = MX_shotSpeed = MX_rof = MX_power = MX_armor = MX_excel = MX_heart = MX_fuel = 0;
}
