#include "assets/contrast.h"

#include <algorithm>
#include <cmath>
#include <vector>

Lab labOf(double r, double g, double b) {
    const auto lin = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    r = lin(r), g = lin(g), b = lin(b);
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.9505, y = 0.2126 * r + 0.7152 * g + 0.0722 * b,
                 z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.089;
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double labDistance(const Lab& p, const Lab& q) {
    return std::sqrt((p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b));
}

namespace {

// Calls `use(lab)` for every pixel of the clipped region that is at least half opaque.
template <typename Use>
void eachPixel(cairo_surface_t* image, int x, int y, int w, int h, int step, Use use) {
    cairo_surface_flush(image);
    const unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    const int iw = cairo_image_surface_get_width(image), ih = cairo_image_surface_get_height(image);
    for (int j = std::max(0, y); j < std::min(ih, y + h); j += step)
        for (int i = std::max(0, x); i < std::min(iw, x + w); i += step) {
            const unsigned char* p = data + j * stride + 4 * i;  // premultiplied BGRA
            if (p[3] < 128) continue;
            const double a = p[3] / 255.0;
            use(labOf(p[2] / 255.0 / a, p[1] / 255.0 / a, p[0] / 255.0 / a));
        }
}

}  // namespace

Lab meanLab(cairo_surface_t* image, int x, int y, int w, int h, bool skipInk) {
    Lab sum{0, 0, 0};
    int n = 0;
    eachPixel(image, x, y, w, h, 1, [&](const Lab& p) {
        if (skipInk && p.l < 25) return;
        sum = {sum.l + p.l, sum.a + p.a, sum.b + p.b};
        ++n;
    });
    return n ? Lab{sum.l / n, sum.a / n, sum.b / n} : Lab{-1, 0, 0};
}

double lightnessSpread(cairo_surface_t* image, int x, int y, int w, int h, int step) {
    std::vector<double> ls;
    eachPixel(image, x, y, w, h, step, [&](const Lab& p) { ls.push_back(p.l); });
    if (ls.empty()) return 0;
    double mean = 0, var = 0;
    for (double l : ls) mean += l;
    mean /= double(ls.size());
    for (double l : ls) var += (l - mean) * (l - mean);
    return std::sqrt(var / double(ls.size()));
}
