// A card face (or its back) as every screen shows it.
#pragma once

#include "toolkit/hgerect.h"

class hgeFont;

// Card `id` with its corner at the rectangle's: the frame of its colour, name, costs,
// rules text and type. -1 draws the card back, 0 (an empty slot) nothing. `alpha` 0..255
// fades the whole card.
void drawCard(hgeRect r, int id, float alpha);
// A count of coins of colour 0 red, 1 green or 2 blue on the mark of its shape (red round,
// green diamond, blue square), stretched over `box`, with the number centred on it: the
// costs on a card and the HUD's coin counters alike. `alpha` 0..255 fades both.
void drawCoinCount(hgeRect box, int count, int colour, float alpha);
// The scale a card name is drawn at: 1, less 0.05 at a time until it is 80 px wide at most.
float cardNameScale(hgeFont* font, const char* name);
// The same shrinking for any text and width (never below 0.05).
float shrinkToFit(hgeFont* font, const char* text, float maxWidth);
