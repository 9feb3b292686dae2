#include "toolkit/hgerect.h"

#include <cmath>

void hgeRect::Set(float left, float top, float right, float bottom) {
    x1 = left;
    y1 = top;
    x2 = right;
    y2 = bottom;
    clean_ = false;
}

void hgeRect::SetRadius(float x, float y, float r) {
    Set(x - r, y - r, x + r, y + r);
}

void hgeRect::Encapsulate(float x, float y) {
    if (clean_) {
        Set(x, y, x, y);
        return;
    }
    if (x < x1) x1 = x;
    if (x > x2) x2 = x;
    if (y < y1) y1 = y;
    if (y > y2) y2 = y;
}

bool hgeRect::TestPoint(float x, float y) const {
    return x >= x1 && x < x2 && y >= y1 && y < y2;
}

bool hgeRect::Intersect(const hgeRect* other) const {
    // Twice the centre distance against the sum of the sizes avoids halving either.
    return std::fabs(x1 + x2 - other->x1 - other->x2) < (x2 - x1) + (other->x2 - other->x1) &&
           std::fabs(y1 + y2 - other->y1 - other->y2) < (y2 - y1) + (other->y2 - other->y1);
}
