// The picture of a round: background, walls, vehicles, pickups, shots, enemies, effects,
// condition overlays, combo numbers and score pop-ups, both HUDs, the tutorial box and
// the round intro.
#pragma once

#include "platform/hge.h"

// The whole battle picture, in layer order. The battle, the pause and the three
// round-end screens draw it under their own overlay.
void drawGame();

// Both sides' heads-up displays (battle_hud.cpp).
void drawHUD();
// The status conditions written over each side's heart bar.
void drawCond();
// Held passive `passive` of `side` in its passive place `slot` (0..2).
void drawPassiveIcon(int side, int slot, int passive);
// The caption written on the passive's icon ("x1.2", "Q", ...), null when it has none.
const char* passiveCaption(int passive);

// The option to reduce flashing is on: hits only tint, field-wide flashes are faint and
// texts that cycle colour hold still.
bool reduceFlashing();
// Colour cycle k (see cycleColor), or its first colour held still when flashing is reduced.
DWORD flashColor(int k);
