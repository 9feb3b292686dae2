#include "assets/texture_sheet.h"

#include <algorithm>
#include <cstring>

void framePosition(const ResEntry& e, int textureWidth, int n, int& x, int& y) {
    const int w = std::max(1, e.rect[2]);
    const int firstRow = std::max(0, (textureWidth - e.rect[0]) / w);
    if (n < firstRow) {
        x = e.rect[0] + n * w;
        y = e.rect[1];
        return;
    }
    const int perRow = std::max(1, textureWidth / w);
    const int k = n - firstRow;
    x = (k % perRow) * w;
    y = e.rect[1] + (k / perRow + 1) * e.rect[3];
}

namespace {

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

struct PngSource {
    const std::string* bytes;
    std::size_t at;
};

cairo_status_t readBytes(void* closure, unsigned char* data, unsigned int length) {
    auto* s = static_cast<PngSource*>(closure);
    if (s->at + length > s->bytes->size()) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, s->bytes->data() + s->at, length);
    s->at += length;
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

cairo_surface_t* decodePng(const std::string& bytes) {
    PngSource source{&bytes, 0};
    cairo_surface_t* img = cairo_image_surface_create_from_png_stream(readBytes, &source);
    if (cairo_surface_status(img) == CAIRO_STATUS_SUCCESS) return img;
    cairo_surface_destroy(img);
    return nullptr;
}

std::string encodePng(cairo_surface_t* surface) {
    std::string out;
    cairo_surface_flush(surface);
    cairo_surface_write_to_png_stream(surface, appendBytes, &out);
    return out;
}

SheetResult paintSheet(const std::vector<const ResEntry*>& users, const PainterRegistry& painters, int fixedWidth,
                       int fixedHeight, const std::function<void(cairo_t*)>& more) {
    SheetResult result;
    // The sheet is as large as the rectangles on its first rows need; frames that wrap
    // are placed by the same rule the toolkit uses to find them.
    int width = 1;
    for (const ResEntry* e : users) width = std::max(width, e->rect[0] + e->rect[2]);
    for (const ResEntry* e : users)
        if (e->type == "Animation") width = std::max(width, std::min(e->rect[0] + e->rect[2] * e->frames, 4096));
    if (fixedWidth > 0 && fixedHeight > 0) width = fixedWidth;
    int height = 1;
    for (const ResEntry* e : users) {
        const int frames = e->type == "Animation" ? std::max(1, e->frames) : 1;
        int x = 0, y = 0;
        framePosition(*e, width, frames - 1, x, y);
        height = std::max({height, y + e->rect[3], e->rect[1] + e->rect[3]});
    }
    if (fixedWidth > 0 && fixedHeight > 0) height = fixedHeight;
    // Every frame's rectangle, to catch a script whose pictures would paint over each other.
    struct Cut {
        const ResEntry* e;
        int x, y;
    };
    std::vector<Cut> cuts;
    for (const ResEntry* e : users) {
        const int frames = e->type == "Animation" ? std::max(1, e->frames) : 1;
        for (int n = 0; n < frames; ++n) {
            Cut c{e, 0, 0};
            framePosition(*e, width, n, c.x, c.y);
            cuts.push_back(c);
        }
    }
    for (std::size_t i = 0; i < cuts.size(); ++i)
        for (std::size_t j = i + 1; j < cuts.size(); ++j) {
            const Cut &a = cuts[i], &b = cuts[j];
            if (a.e != b.e && a.x < b.x + b.e->rect[2] && b.x < a.x + a.e->rect[2] && a.y < b.y + b.e->rect[3] &&
                b.y < a.y + a.e->rect[3])
                result.overlaps.push_back(a.e->name + " / " + b.e->name);
        }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    for (const ResEntry* e : users) {
        const Painter* paint = painters.find(e->name);
        if (!paint) {
            result.unpainted.push_back(e->name);
            continue;
        }
        const int frames = e->type == "Animation" ? std::max(1, e->frames) : 1;
        for (int n = 0; n < frames; ++n) {
            int x = 0, y = 0;
            framePosition(*e, width, n, x, y);
            cairo_save(cr);
            cairo_rectangle(cr, x, y, e->rect[2], e->rect[3]);
            cairo_clip(cr);
            cairo_translate(cr, x, y);
            (*paint)(cr, Frame{double(e->rect[2]), double(e->rect[3]), n, frames});
            cairo_restore(cr);
        }
    }
    if (more) more(cr);
    cairo_destroy(cr);
    result.png = encodePng(surface);
    result.width = width;
    result.height = height;
    cairo_surface_destroy(surface);
    return result;
}
