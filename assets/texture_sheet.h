// Paints one texture: every sprite and animation frame that the script cuts from it,
// each into its own rectangle, then encodes the sheet as PNG.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "assets/painters.h"
#include "assets/res_script.h"

struct SheetResult {
    std::string png;
    int width = 0;
    int height = 0;
    std::vector<std::string> unpainted;  // names with no painter (left transparent)
    std::vector<std::string> overlaps;   // "a / b" where two cut rectangles overlap
};

// A sheet of the given size (0: as large as the rectangles need); `more` paints what
// the script does not describe (a shared sheet's fonts) after the pictures.
SheetResult paintSheet(const std::vector<const ResEntry*>& users, const PainterRegistry& painters, int fixedWidth = 0,
                       int fixedHeight = 0, const std::function<void(cairo_t*)>& more = {});

// Where frame n of an animation lies on a texture of the given width: along the first
// row from x, then on following rows from the left edge (the toolkit's rule).
void framePosition(const ResEntry& e, int textureWidth, int n, int& x, int& y);

std::string encodePng(cairo_surface_t* surface);
// The picture in PNG bytes; null when they are not a readable PNG.
cairo_surface_t* decodePng(const std::string& bytes);
