// The rectangle used for bounding boxes and hit tests everywhere in the game.
#pragma once

class hgeRect {
public:
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    hgeRect() = default;
    hgeRect(float left, float top, float right, float bottom)
        : x1(left), y1(top), x2(right), y2(bottom), clean_(false) {}

    // The next Encapsulate starts the rectangle afresh at its point.
    void Clear() { clean_ = true; }
    bool IsClean() const { return clean_; }
    void Set(float left, float top, float right, float bottom);
    // A square of half-size r around (x, y).
    void SetRadius(float x, float y, float r);
    void Encapsulate(float x, float y);

    // Half-open: the right and bottom edges lie outside.
    bool TestPoint(float x, float y) const;
    // By centre distance, so rectangles that only touch do not intersect.
    bool Intersect(const hgeRect* other) const;
    bool Intersect(const hgeRect& other) const { return Intersect(&other); }

private:
    bool clean_ = true;
};
