#include "shell/geometry.h"

#include <cmath>

float r_width(hgeRect r) { return r.x2 - r.x1; }
float r_height(hgeRect r) { return r.y2 - r.y1; }
float centerX(hgeRect r) { return r.x1 + r_width(r) / 2; }
float centerY(hgeRect r) { return r.y1 + r_height(r) / 2; }

hgeRect addToRect(hgeRect r, float dx, float dy) { return hgeRect(r.x1 + dx, r.y1 + dy, r.x2 + dx, r.y2 + dy); }

hgeRect inflate(hgeRect r, float dx, float dy) { return hgeRect(r.x1 - dx, r.y1 - dy, r.x2 + dx, r.y2 + dy); }

float Fmd(float a, float b) {
    float r = std::fmod(a, b);
    if (r < 0) r += b;
    // fmod of a tiny negative value can round up to exactly b.
    if (r >= b) r = 0;
    return r;
}

float TrglDif(float t) {
    const float m = Fmd(t, 2);
    return m < 1 ? 1.0f : -1.0f;
}

float HxgnDif(float t) {
    const float m = Fmd(t, 4);
    if (m < 1) return 2;
    if (m >= 2 && m < 3) return -2;
    return 0;
}

float TrpzDif(float t) {
    const float m = Fmd(t, 3);
    if (m < 1) return 0;
    if (m < 2) return 2;
    return -2;
}

float SclnDif(float t) {
    const float m = Fmd(t, 3);
    return m < 1 ? 2.0f : -1.0f;
}
