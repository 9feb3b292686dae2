// Shared sheets: the battle's many small textures (and the fonts its panels print with)
// moved onto a few large ones, so a frame changes texture a few times instead of dozens.
// The script keeps describing each picture by name; the generator rewrites the texture
// and rectangle of every picture that moves, and the font files of the fonts that move.
#pragma once

#include <string>
#include <vector>

#include "assets/res_script.h"

struct SheetPlan {
    std::string texture;               // the shared texture's name in the script
    std::string file;                  // its picture in the pack
    std::vector<std::string> members;  // textures whose pictures move onto it
    std::vector<std::string> fonts;    // fonts whose glyph pictures move onto it
};

// The game's shared sheets. Backgrounds stay on their own textures: they scroll by
// wrapping their texture coordinates.
const std::vector<SheetPlan>& sharedSheets();

// One rectangle on a sheet: a sprite, an animation's frames, or a font's glyphs.
struct SheetPiece {
    std::string name;
    int width = 0, height = 0;
    // An animation's frame width: a strip wider than the sheet wraps into rows of whole
    // frames starting at the sheet's left edge (0 for a picture that cannot wrap).
    int frameWidth = 0;
    int x = 0, y = 0;  // placed by packPieces
    int entry = -1;    // the script entry it pictures, if any
};

constexpr int MAX_SHEET_SIZE = 2048;

// Places the pieces in rows, tallest first, on the narrowest sheet (512, 1024 or 2048
// wide) that holds them all within MAX_SHEET_SIZE; a piece as wide as the sheet takes
// whole rows. False with the reason when they do not fit.
bool packPieces(std::vector<SheetPiece>& pieces, int& width, int& height, std::string& why);

// A sheet's layout for the script: every picture's new place and every font's block.
struct SheetLayout {
    const SheetPlan* plan = nullptr;
    int width = 0, height = 0;
    std::vector<SheetPiece> pictures;  // named after their script entries
    std::vector<SheetPiece> fonts;     // named after their fonts
};

// Lays out `plan`'s pictures (from the script) and fonts (of the sizes given, in the
// plan's order). An animation's frames stay in one row, or whole rows of the sheet when
// they are wider than it, as the toolkit cuts them.
bool layOutSheet(const ResScript& script, const SheetPlan& plan, const std::vector<SheetPiece>& fontSizes,
                 SheetLayout& out, std::string& why);

// The script text with the laid-out pictures pointing into their sheets: the member
// textures' descriptions give way to one description of the sheet.
std::string pointIntoSheets(const std::string& text, const ResScript& script, const std::vector<SheetLayout>& layouts);

// How a font file names a picture of the pack from the font's own folder ("../gfx/x.png").
std::string pathFromFont(const std::string& fontPath, const std::string& file);
