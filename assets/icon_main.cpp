// kvb_icongen: the application icon for desktop menus, drawn from the game's own art (the
// first vehicle on the gold-rimmed night-blue disc of the window icon) at each size the
// icon theme asks for.
//   kvb_icongen OUT_FOLDER NAME   writes OUT_FOLDER/<n>x<n>/apps/NAME.png for n = 48, 64, 128, 256
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "assets/art.h"
#include "assets/style.h"

namespace {
constexpr int SIZES[] = {48, 64, 128, 256};

void drawIcon(cairo_t* cr, double size) {
    const double c = size / 2, rim = size * 0.06;
    cairo_arc(cr, c, c, c - 0.5, 0, 2 * M_PI);
    setRgb(cr, pal::YELLOW);
    cairo_fill(cr);
    cairo_arc(cr, c, c, c - rim, 0, 2 * M_PI);
    cairo_pattern_t* sky = cairo_pattern_create_radial(c, c * 0.8, 0, c, c, c);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.22, 0.28, 0.58);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.06, 0.08, 0.22);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    // The vehicle keeps its own proportions, about two thirds of the disc high.
    const double h = size * 0.62, w = h * 48.0 / 56.0;
    cairo_save(cr);
    cairo_translate(cr, c - w / 2, c - h / 2);
    drawVehicleArt(cr, 0, w, h);
    cairo_restore(cr);
}

bool writeIcon(const std::filesystem::path& file, int size) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    drawIcon(cr, size);
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(surface, file.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kvb_icongen OUT_FOLDER NAME\n");
        return 2;
    }
    for (int size : SIZES) {
        const std::string edge = std::to_string(size);
        const std::filesystem::path dir = std::filesystem::path(argv[1]) / (edge + "x" + edge) / "apps";
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (!writeIcon(dir / (std::string(argv[2]) + ".png"), size)) {
            std::fprintf(stderr, "kvb_icongen: cannot write %s\n", (dir / argv[2]).c_str());
            return 1;
        }
    }
    return 0;
}
