// Shared shapes of the interface set: plates, buttons, badges and icons, so every
// screen piece has the same bevel, outline and lettering.
#pragma once

#include <string>

#include "assets/style.h"

// A rounded, bevelled plate filling (x, y, w, h).
void plate(cairo_t* cr, double x, double y, double w, double h, Rgb base, double radius);
// A plate with a centred label.
void labelledButton(cairo_t* cr, double w, double h, Rgb base, const std::string& label, double px,
                    Face face = Face::SANS_BOLD);
void heartPath(cairo_t* cr, double cx, double cy, double size);
// A small condition or item pictogram: a coloured disc with a white symbol.
void iconDisc(cairo_t* cr, double w, double h, Rgb base, const std::string& symbol, double symbolScale = 0.8);
