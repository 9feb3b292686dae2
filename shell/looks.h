// Random numbers for looks alone (flickering colours drawn with a frame). They come from
// a generator of their own so that drawing never moves the battle's generator: a round
// plays out the same whether or not, and how often, it is drawn.
#pragma once

#include "platform/hge.h"

// A colour of random red, green and blue at full alpha.
DWORD randomLookColor();
