// Interface pieces shared by every screen: buttons, bars, frames, boxes, check boxes,
// slider, HUD labels and icons and the overlays drawn on a vehicle.
// Pieces the game tints (box, lifeBar, tutorialBox, overlays) are light so tints read.
#include <cmath>

#include "assets/painters.h"
#include "assets/ui_kit.h"

namespace {

// A hollow border: light rim with ink edges, transparent middle. Drawn at 256×96 and
// stretched around bars 28 high, cards 98×128 and slots 384×88, so the rim is thin
// enough that no stretch fattens it past a few pixels or covers a card's name.
void frameOnly(cairo_t* cr, const Frame& f) {
    const double b = 3;
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    roundRect(cr, 0.5, 0.5, f.w - 1, f.h - 1, 6);
    roundRect(cr, b, b, f.w - 2 * b, f.h - 2 * b, 4);
    setRgb(cr, pal::LIGHT);
    cairo_fill_preserve(cr);
    setRgb(cr, pal::INK);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void bar(cairo_t* cr, const Frame& f, Rgb top, Rgb bottom) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, f.h);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
    cairo_rectangle(cr, 0, 0, f.w, f.h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_rectangle(cr, 0, f.h * 0.12, f.w, std::max(1.0, f.h * 0.18));
    setRgb(cr, pal::WHITE, 0.45);
    cairo_fill(cr);
}

void star(cairo_t* cr, const Frame& f) {
    const double r = std::min(f.w, f.h) / 2 - 1;
    starPath(cr, f.w / 2, f.h / 2 + r * 0.06, r, r * 0.45, 5, 0);
    inkShape(cr, pal::YELLOW, 0, f.h, std::max(1.0, r / 8));
}

void overlayDisc(cairo_t* cr, const Frame& f, Rgb c, double alpha) {
    cairo_pattern_t* g = cairo_pattern_create_radial(f.w / 2, f.h / 2, 0, f.w / 2, f.h / 2, f.w / 2);
    cairo_pattern_add_color_stop_rgba(g, 0.0, c.r, c.g, c.b, alpha * 0.15);
    cairo_pattern_add_color_stop_rgba(g, 0.75, c.r, c.g, c.b, alpha * 0.45);
    cairo_pattern_add_color_stop_rgba(g, 0.95, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(g, 1.0, c.r, c.g, c.b, 0);
    ellipsePath(cr, f.w / 2, f.h / 2, f.w / 2, f.h / 2);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

}  // namespace

void addUiPainters(PainterRegistry& r) {
    r.add("okButton", [](cairo_t* cr, const Frame& f) {
        cairo_arc(cr, f.w / 2, f.h / 2, f.w / 2 - 2, 0, 2 * M_PI);
        inkShape(cr, pal::GREEN, 0, f.h, 2.5);
        cairo_arc(cr, f.w / 2, f.h / 2, f.w / 2 - 6, 0, 2 * M_PI);
        setRgb(cr, pal::WHITE, 0.35);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        drawText(cr, "OK", f.w / 2, f.h / 2, 22, Face::SANS_BOLD, pal::WHITE, 2, shade(pal::GREEN, -0.6));
    });
    r.add("backButton", [](cairo_t* cr, const Frame& f) {
        cairo_arc(cr, f.w / 2, f.h / 2, f.w / 2 - 2, 0, 2 * M_PI);
        inkShape(cr, pal::ORANGE, 0, f.h, 2.5);
        cairo_move_to(cr, 14, f.h / 2 - 4);
        cairo_line_to(cr, 30, f.h / 2 - 16);
        cairo_line_to(cr, 30, f.h / 2 - 9);
        cairo_line_to(cr, 48, f.h / 2 - 9);
        cairo_line_to(cr, 48, f.h / 2 + 1);
        cairo_line_to(cr, 30, f.h / 2 + 1);
        cairo_line_to(cr, 30, f.h / 2 + 8);
        cairo_close_path(cr);
        inkFlat(cr, pal::WHITE, 1.5);
        drawText(cr, "BACK", f.w / 2, f.h / 2 + 15, 10, Face::SANS_BOLD, pal::WHITE, 1.2, shade(pal::ORANGE, -0.6));
    });
    r.add("lifeBarFrame", frameOnly);
    r.add("lifeBar", [](cairo_t* cr, const Frame& f) { bar(cr, f, {1.0, 0.72, 0.72}, {0.86, 0.26, 0.28}); });
    r.add("fuelBar", [](cairo_t* cr, const Frame& f) { bar(cr, f, {0.55, 0.78, 1.0}, {0.16, 0.36, 0.86}); });
    // Panels of 760×112, 456×112, 384×88 and the options' larger ones: drawn at 608×160
    // with hairline borders, so every stretch keeps them thin and the corners round.
    r.add("box", [](cairo_t* cr, const Frame& f) {
        roundRect(cr, 1, 1, f.w - 2, f.h - 2, 12);
        setRgb(cr, pal::WHITE, 0.82);
        cairo_fill_preserve(cr);
        setRgb(cr, pal::INK);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        roundRect(cr, 4, 4, f.w - 8, f.h - 8, 9);
        setRgb(cr, pal::WHITE);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    });
    r.add("tab", [](cairo_t* cr, const Frame& f) {
        cairo_move_to(cr, 1, f.h - 1);
        cairo_line_to(cr, 1, 8);
        cairo_arc(cr, 9, 9, 8, M_PI, 1.5 * M_PI);
        cairo_line_to(cr, f.w - 20, 1);
        cairo_line_to(cr, f.w - 1, f.h - 1);
        cairo_close_path(cr);
        inkShape(cr, pal::LIGHT, 0, f.h, 2);
    });
    r.add("slider", [](cairo_t* cr, const Frame& f) { plate(cr, 0, 0, f.w, f.h, pal::LIGHT, 4); });
    r.add("sliderBar", [](cairo_t* cr, const Frame& f) {
        roundRect(cr, 2, f.h / 2 - 4, f.w - 4, 8, 4);
        inkShape(cr, pal::DARK, f.h / 2 - 4, f.h / 2 + 4, 1.5);
        for (int i = 0; i <= 10; ++i) {
            const double x = 6 + (f.w - 12) * i / 10.0;
            cairo_move_to(cr, x, i % 5 ? f.h * 0.72 : f.h * 0.64);
            cairo_line_to(cr, x, f.h - 3);
        }
        setRgb(cr, pal::LIGHT, 0.9);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    });
    auto checkBox = [](cairo_t* cr, const Frame& f, bool ticked) {
        plate(cr, 1, 1, f.w - 2, f.h - 2, pal::WHITE, 5);
        if (!ticked) return;
        cairo_move_to(cr, f.w * 0.22, f.h * 0.52);
        cairo_line_to(cr, f.w * 0.42, f.h * 0.74);
        cairo_line_to(cr, f.w * 0.8, f.h * 0.24);
        setRgb(cr, pal::INK);
        cairo_set_line_width(cr, 6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        setRgb(cr, pal::GREEN);
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    };
    r.add("checkBoxEmpty", [checkBox](cairo_t* cr, const Frame& f) { checkBox(cr, f, false); });
    r.add("checkBoxChecked", [checkBox](cairo_t* cr, const Frame& f) { checkBox(cr, f, true); });
    r.add("redBox", [](cairo_t* cr, const Frame& f) { plate(cr, 0, 0, f.w, f.h, pal::RED, 6); });
    r.add("defaultBtn", [](cairo_t* cr, const Frame& f) { labelledButton(cr, f.w, f.h, pal::PURPLE, "Default", 13); });
    r.add("upgradeButton", [](cairo_t* cr, const Frame& f) { labelledButton(cr, f.w, f.h, pal::BLUE, "UPGRADE", 11); });
    r.add("tutorialBox", [](cairo_t* cr, const Frame& f) {
        cairo_move_to(cr, 2, 2);
        cairo_line_to(cr, f.w - 18, 2);
        cairo_line_to(cr, f.w - 2, 18);
        cairo_line_to(cr, f.w - 2, f.h - 2);
        cairo_line_to(cr, 2, f.h - 2);
        cairo_close_path(cr);
        inkFlat(cr, {1.0, 0.98, 0.90}, 2);
        cairo_move_to(cr, f.w - 18, 2);
        cairo_line_to(cr, f.w - 18, 18);
        cairo_line_to(cr, f.w - 2, 18);
        inkFlat(cr, {0.88, 0.85, 0.74}, 1.5);
    });
    auto cost = [](const std::string& text) {
        return [text](cairo_t* cr, const Frame& f) {
            plate(cr, 0, 0, f.w, f.h, pal::TEAL, f.h / 2);
            drawText(cr, text, f.w / 2, f.h / 2, 10, Face::SANS_BOLD, pal::WHITE, 1, shade(pal::TEAL, -0.6));
        };
    };
    r.add("cost1", cost("1 pt"));
    r.add("cost2", cost("2 pts"));
    r.add("upgradePoints", [](cairo_t* cr, const Frame& f) {
        cairo_arc(cr, f.w / 2, f.h / 2, f.w / 2 - 1, 0, 2 * M_PI);
        inkShape(cr, pal::YELLOW, 0, f.h, 1.5);
        starPath(cr, f.w / 2, f.h / 2 + 0.5, f.w * 0.3, f.w * 0.13, 5, 0);
        setRgb(cr, pal::WHITE);
        cairo_fill(cr);
    });
    r.add("heart", [](cairo_t* cr, const Frame& f) {
        heartPath(cr, f.w / 2, f.h / 2 + 1, f.w * 0.62);
        inkShape(cr, pal::RED, 2, f.h - 4, 1.2);
        glint(cr, f.w * 0.36, f.h * 0.38, f.w * 0.3);
    });
    r.add("powerText", [](cairo_t* cr, const Frame& f) {
        drawText(cr, "POWER", f.w / 2, f.h / 2, 8.5, Face::CONDENSED_BOLD, pal::WHITE, 1, pal::INK);
    });
    r.add("combo", [](cairo_t* cr, const Frame& f) {
        drawText(cr, "COMBO", f.w / 2, f.h / 2, 14, Face::SANS_OBLIQUE_BOLD, pal::YELLOW, 1.8, pal::INK);
    });
    r.add("star", star);
    r.add("sword", [](cairo_t* cr, const Frame& f) {
        cairo_save(cr);
        cairo_translate(cr, f.w / 2, f.h / 2);
        cairo_rotate(cr, M_PI / 4);
        cairo_rectangle(cr, -2.5, -12, 5, 16);
        inkShape(cr, pal::LIGHT, -12, 4, 1.2);
        cairo_move_to(cr, -2.5, -12);
        cairo_line_to(cr, 0, -14);
        cairo_line_to(cr, 2.5, -12);
        inkFlat(cr, pal::LIGHT, 1);
        cairo_rectangle(cr, -7, 4, 14, 3);
        inkFlat(cr, pal::YELLOW, 1);
        cairo_rectangle(cr, -1.5, 7, 3, 5);
        inkFlat(cr, pal::BROWN, 1);
        cairo_restore(cr);
    });
    // Overlays stretched over a vehicle.
    r.add("roxy", [](cairo_t* cr, const Frame& f) {
        overlayDisc(cr, f, {1.0, 0.85, 0.35}, 0.9);
        for (int i = 0; i < 6; ++i) {
            const double a = i * M_PI / 3;
            starPath(cr, f.w / 2 + std::cos(a) * f.w * 0.4, f.h / 2 + std::sin(a) * f.h * 0.4, 4, 1.5, 4, 0);
            setRgb(cr, pal::WHITE, 0.9);
            cairo_fill(cr);
        }
    });
    r.add("spd", [](cairo_t* cr, const Frame& f) {
        cairo_move_to(cr, 1, 0);
        cairo_curve_to(cr, 1, f.h * 0.5, f.w / 2 - 1, f.h * 0.8, f.w / 2, f.h);
        cairo_curve_to(cr, f.w / 2 + 1, f.h * 0.8, f.w - 1, f.h * 0.5, f.w - 1, 0);
        cairo_close_path(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, f.h);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.85, 1);
        cairo_pattern_add_color_stop_rgba(g, 0.4, 0.4, 0.8, 1, 0.9);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.2, 0.4, 1, 0);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    });
    r.add("r2x", [](cairo_t* cr, const Frame& f) {
        cairo_move_to(cr, 3, f.h - 3);
        cairo_line_to(cr, f.w / 2, 3);
        cairo_line_to(cr, f.w - 3, f.h - 3);
        cairo_curve_to(cr, f.w * 0.7, f.h * 0.7, f.w * 0.3, f.h * 0.7, 3, f.h - 3);
        inkShape(cr, pal::ORANGE, 0, f.h, 2);
        cairo_move_to(cr, f.w / 2, 10);
        cairo_line_to(cr, f.w / 2, f.h * 0.7);
        setRgb(cr, pal::WHITE, 0.6);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    });
    r.add("rflx", [](cairo_t* cr, const Frame& f) {
        overlayDisc(cr, f, {0.5, 0.95, 1.0}, 0.85);
        cairo_arc(cr, f.w * 0.5, f.h * 0.5, f.w * 0.36, M_PI * 1.1, M_PI * 1.5);
        setRgb(cr, pal::WHITE, 0.9);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    });
    r.add("mute", [](cairo_t* cr, const Frame&) {
        cairo_move_to(cr, 16, 26);
        cairo_line_to(cr, 24, 26);
        cairo_line_to(cr, 34, 16);
        cairo_line_to(cr, 34, 48);
        cairo_line_to(cr, 24, 38);
        cairo_line_to(cr, 16, 38);
        cairo_close_path(cr);
        inkFlat(cr, pal::LIGHT, 2, 0.9);
        cairo_move_to(cr, 40, 24);
        cairo_line_to(cr, 52, 40);
        cairo_move_to(cr, 52, 24);
        cairo_line_to(cr, 40, 40);
        setRgb(cr, pal::RED);
        cairo_set_line_width(cr, 4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    });
    r.add("frez", [](cairo_t* cr, const Frame& f) {
        roundRect(cr, 2, 2, f.w - 4, f.h - 4, 6);
        setRgb(cr, {0.7, 0.92, 1.0}, 0.55);
        cairo_fill_preserve(cr);
        setRgb(cr, {0.9, 1.0, 1.0}, 0.95);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        cairo_move_to(cr, 8, 20);
        cairo_line_to(cr, 22, 8);
        cairo_move_to(cr, 10, 34);
        cairo_line_to(cr, 36, 10);
        cairo_move_to(cr, f.w - 10, f.h - 22);
        cairo_line_to(cr, f.w - 24, f.h - 8);
        setRgb(cr, pal::WHITE, 0.8);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    });
    r.add("stun", [](cairo_t* cr, const Frame& f) {
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5;
            starPath(cr, f.w / 2 + std::cos(a) * f.w * 0.32, f.h * 0.3 + std::sin(a) * f.h * 0.12, 7, 3, 5, a);
            inkShape(cr, pal::YELLOW, 0, f.h, 1.2);
        }
        ellipsePath(cr, f.w / 2, f.h * 0.3, f.w * 0.32, f.h * 0.12);
        setRgb(cr, pal::WHITE, 0.5);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    });
    r.add("zom", [](cairo_t* cr, const Frame& f) {
        overlayDisc(cr, f, {0.45, 0.85, 0.35}, 0.6);
        for (int i = 0; i < 5; ++i) {
            const double x = 8 + i * 12;
            cairo_move_to(cr, x - 4, 0);
            cairo_line_to(cr, x + 4, 0);
            cairo_line_to(cr, x + 3, 10 + (i % 3) * 8);
            cairo_arc(cr, x, 10 + (i % 3) * 8, 3, 0, M_PI);
            cairo_close_path(cr);
            inkFlat(cr, {0.45, 0.8, 0.3}, 1, 0.9);
        }
    });
    r.add("slow", [](cairo_t* cr, const Frame& f) {
        Rng rng("slow");
        for (int i = 0; i < 9; ++i) {
            const double x = rng.uniform(8, f.w - 8), y = rng.uniform(8, f.h - 8), s = rng.uniform(5, 11);
            ellipsePath(cr, x, y, s, s * 0.8);
            inkFlat(cr, {0.62, 0.42, 0.78}, 1, 0.75);
        }
    });
    r.add("ring", [](cairo_t* cr, const Frame& f) {
        cairo_arc(cr, f.w / 2, f.h / 2, f.w / 2 - 4, 0, 2 * M_PI);
        setRgb(cr, pal::WHITE, 0.9);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    });
    auto deathizer = [](bool half) {
        return [half](cairo_t* cr, const Frame& f) {
            cairo_pattern_t* g = cairo_pattern_create_radial(f.w / 2, f.h / 2, 5, f.w / 2, f.h / 2, f.w * 0.6);
            cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 1);
            cairo_pattern_add_color_stop_rgba(g, 0.6, 1, 1, 1, 0.7);
            cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
            starPath(cr, f.w / 2, f.h / 2, f.w * 0.55, f.w * 0.3, 12, 0);
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
            // A skull (a cracked one for the half blast).
            ellipsePath(cr, f.w / 2, f.h * 0.44, f.w * 0.22, f.w * 0.2);
            cairo_rectangle(cr, f.w * 0.38, f.h * 0.52, f.w * 0.24, f.h * 0.14);
            setRgb(cr, pal::DARK, 0.85);
            cairo_fill(cr);
            ellipsePath(cr, f.w * 0.42, f.h * 0.44, f.w * 0.06, f.w * 0.07);
            ellipsePath(cr, f.w * 0.58, f.h * 0.44, f.w * 0.06, f.w * 0.07);
            setRgb(cr, pal::WHITE);
            cairo_fill(cr);
            if (half) {
                cairo_move_to(cr, f.w * 0.5, f.h * 0.3);
                cairo_line_to(cr, f.w * 0.46, f.h * 0.4);
                cairo_line_to(cr, f.w * 0.53, f.h * 0.5);
                cairo_line_to(cr, f.w * 0.49, f.h * 0.66);
                setRgb(cr, pal::WHITE);
                cairo_set_line_width(cr, 2.5);
                cairo_stroke(cr);
            }
        };
    };
    r.add("halfDeathizer", deathizer(true));
    r.add("deathizer", deathizer(false));

}
