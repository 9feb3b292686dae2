// A card face (or its back) as every screen shows it.
#pragma once

#include "toolkit/hgerect.h"

class hgeFont;

// Card `id` with its corner at the rectangle's: the frame of its colour, name, costs,
// rules text and type. -1 draws the card back, 0 (an empty slot) nothing. `alpha` 0..255
// fades the whole card.
void drawCard(hgeRect r, int id, float alpha);
// The scale a card name is drawn at: 1, less 0.05 at a time until it is 80 px wide at most.
float cardNameScale(hgeFont* font, const char* name);
// The same shrinking for any text and width (never below 0.05).
float shrinkToFit(hgeFont* font, const char* text, float maxWidth);
