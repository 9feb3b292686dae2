#include "assets/shared_sheets.h"

#include <algorithm>
#include <tuple>

namespace {
// Transparent texels between pieces, so smooth scaling never samples a neighbour.
constexpr int GAP = 2;
}  // namespace

const std::vector<SheetPlan>& sharedSheets() {
    static const std::vector<SheetPlan> SHEETS = {
        {"txBattleSheet",
         "gfx/battle-sheet.png",
         {"txWalls", "txVeh0", "txVeh1", "txVeh2", "txVeh3", "txVeh4", "txVeh5", "txVeh6", "txVeh7", "txFx",
          "txEnemies", "txOpp0", "txOpp1", "txOpp2", "txOpp3", "txOpp4", "txOpp5", "txOpp6", "txBattle1",
          "txBattleLarge", "txBattle2"},
         {}},
        {"txPanelSheet",
         "gfx/panel-sheet.png",
         {"txUI", "txCards", "txMenu"},
         {"font1", "fontSmall1", "fontSmall2", "fontCoin", "fontArial", "fontBig", "fontScore0", "fontScore1", "fontScore2", "fontScore3",
          "fontScore4", "fontScore5", "fontScore6", "fontScore7"}},
    };
    return SHEETS;
}

namespace {

// The rows a piece takes on a sheet `width` wide, or 0 when it cannot go there.
int rowsOn(const SheetPiece& p, int width) {
    if (p.width <= width) return 1;
    if (p.frameWidth <= 0 || p.frameWidth > width) return 0;
    const int perRow = width / p.frameWidth;
    const int frames = p.width / p.frameWidth;
    return (frames + perRow - 1) / perRow;
}

// Shelf packing on a sheet `width` wide; the height used, or -1 when a piece cannot go.
int shelve(std::vector<SheetPiece>& pieces, int width) {
    std::vector<SheetPiece*> order;
    for (SheetPiece& p : pieces) {
        if (rowsOn(p, width) == 0) return -1;
        order.push_back(&p);
    }
    auto key = [width](const SheetPiece* p) {
        const int rows = rowsOn(*p, width);
        return std::make_tuple(-rows * p->height, -std::min(p->width, width), p->name);
    };
    std::stable_sort(order.begin(), order.end(), [&](const SheetPiece* a, const SheetPiece* b) { return key(a) < key(b); });
    int x = 0, y = 0, shelfHeight = 0;
    for (SheetPiece* p : order) {
        const int rows = rowsOn(*p, width);
        const int w = rows > 1 ? width : p->width, h = rows * p->height;
        if (x > 0 && x + w > width) {
            y += shelfHeight + GAP;
            x = shelfHeight = 0;
        }
        p->x = x;
        p->y = y;
        x += w + GAP;
        shelfHeight = std::max(shelfHeight, h);
    }
    return y + shelfHeight;
}

}  // namespace

bool packPieces(std::vector<SheetPiece>& pieces, int& width, int& height, std::string& why) {
    for (int w : {512, 1024, MAX_SHEET_SIZE}) {
        const int h = shelve(pieces, w);
        if (h >= 0 && h <= MAX_SHEET_SIZE) {
            width = w;
            height = std::max(1, h);
            return true;
        }
    }
    why = "the pictures do not fit a " + std::to_string(MAX_SHEET_SIZE) + "x" + std::to_string(MAX_SHEET_SIZE) +
          " sheet";
    return false;
}

bool layOutSheet(const ResScript& script, const SheetPlan& plan, const std::vector<SheetPiece>& fontSizes,
                 SheetLayout& out, std::string& why) {
    out = SheetLayout{};
    out.plan = &plan;
    std::vector<SheetPiece> pieces;
    for (std::size_t i = 0; i < script.entries.size(); ++i) {
        const ResEntry& e = script.entries[i];
        if (e.type != "Sprite" && e.type != "Animation") continue;
        if (std::find(plan.members.begin(), plan.members.end(), e.texture) == plan.members.end()) continue;
        const bool strip = e.type == "Animation";
        const int frames = strip ? std::max(1, e.frames) : 1;
        pieces.push_back({e.name, e.rect[2] * frames, e.rect[3], strip ? e.rect[2] : 0, 0, 0, static_cast<int>(i)});
    }
    const std::size_t pictures = pieces.size();
    pieces.insert(pieces.end(), fontSizes.begin(), fontSizes.end());
    if (!packPieces(pieces, out.width, out.height, why)) {
        why = plan.texture + ": " + why;
        return false;
    }
    out.pictures.assign(pieces.begin(), pieces.begin() + static_cast<std::ptrdiff_t>(pictures));
    out.fonts.assign(pieces.begin() + static_cast<std::ptrdiff_t>(pictures), pieces.end());
    return true;
}

std::string pointIntoSheets(const std::string& text, const ResScript& script, const std::vector<SheetLayout>& layouts) {
    struct Edit {
        std::size_t begin, end;
        std::string with;
    };
    std::vector<Edit> edits;
    for (const SheetLayout& layout : layouts) {
        const SheetPlan& plan = *layout.plan;
        bool described = false;
        for (const std::string& member : plan.members) {
            const ResEntry* t = script.find("Texture", member);
            if (!t) continue;
            std::string with;
            if (!described)
                with = "Texture \"" + plan.texture + "\"\n{\n  filename = \"" + plan.file + "\"\n}\n";
            described = true;
            edits.push_back({t->blockBegin, t->blockEnd, with});
        }
        for (const SheetPiece& p : layout.pictures) {
            if (p.entry < 0 || static_cast<std::size_t>(p.entry) >= script.entries.size()) continue;
            const ResEntry* e = &script.entries[static_cast<std::size_t>(p.entry)];
            if (e->rectEnd <= e->rectBegin || e->textureEnd <= e->textureBegin) continue;
            edits.push_back({e->textureBegin, e->textureEnd, "\"" + plan.texture + "\""});
            std::string rect;
            for (int v : {p.x, p.y, e->rect[2], e->rect[3]}) rect += (rect.empty() ? " " : ", ") + std::to_string(v);
            edits.push_back({e->rectBegin, e->rectEnd, rect});
        }
    }
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.begin > b.begin; });
    std::string out = text;
    for (const Edit& e : edits) out.replace(e.begin, e.end - e.begin, e.with);
    return out;
}

std::string pathFromFont(const std::string& fontPath, const std::string& file) {
    std::string up;
    for (char c : fontPath)
        if (c == '/') up += "../";
    return up + file;
}
