// Colour measures for checking pictures against each other: how far apart two colours
// look (CIE Lab), a region's body colour and how busy a region is. The preview tool's
// field sheet and the picture checks use them.
#pragma once

#include <cairo.h>

struct Lab {
    double l, a, b;
};

Lab labOf(double r, double g, double b);
double labDistance(const Lab& p, const Lab& q);
// Mean colour of the region's pixels that are at least half opaque; with `skipInk` the
// dark outline (lightness under 25) is left out, so a sprite measures by its body.
// Regions are clipped to the surface; an empty one gives lightness -1.
Lab meanLab(cairo_surface_t* image, int x, int y, int w, int h, bool skipInk);
// Spread (standard deviation) of lightness over the region, sampled every `step` pixels.
double lightnessSpread(cairo_surface_t* image, int x, int y, int w, int h, int step);
