// Bitmap text: one sprite per byte value, cut from the font's texture.
#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "toolkit/hgesprite.h"

// Alignment of Render: x is the left edge, the right edge or the centre of each line.
constexpr int HGETEXT_LEFT = 0;
constexpr int HGETEXT_RIGHT = 1;
constexpr int HGETEXT_CENTER = 2;

class hgeFont;

// Told of every text a font renders, before its glyphs are drawn: lets tests and tools
// read what a frame wrote, and where, without decoding glyph quads.
using hgeTextObserver = void (*)(const hgeFont& font, float x, float y, const char* text, int align);

class hgeFont {
public:
    // One observer for all fonts; null (the default) turns reporting off.
    static void SetTextObserver(hgeTextObserver observer) { observer_ = observer; }

    // Reads the font file; a missing file or texture leaves a font without glyphs.
    explicit hgeFont(const char* filename);
    ~hgeFont();
    hgeFont(const hgeFont&) = delete;
    hgeFont& operator=(const hgeFont&) = delete;

    void Render(float x, float y, const char* text, int align = HGETEXT_LEFT);
    // Left aligned; the formatted text is cut at 255 characters.
    void printf(float x, float y, const char* format, ...) __attribute__((format(printf, 4, 5)));

    // Width of the text up to its end or first newline, scaled.
    float GetStringWidth(const char* text) const;
    // Width of at most `length` characters, stopping early at the end or a newline.
    float GetStringWidth(const char* text, std::size_t length) const;

    void SetColor(DWORD col);
    void SetZ(float z);
    void SetBlendMode(int blend);
    void SetScale(float scale) { scale_ = scale; }
    void SetRotation(float rot) { rotation_ = rot; }
    void SetTracking(float tracking) { tracking_ = tracking; }

    DWORD GetColor() const { return color_; }
    float GetZ() const { return z_; }
    int GetBlendMode() const { return blend_; }
    float GetScale() const { return scale_; }
    float GetRotation() const { return rotation_; }
    float GetTracking() const { return tracking_; }
    // Line height in pixels, unscaled.
    float GetHeight() const { return height_; }
    // The glyph drawn for a byte (its own or the "?" stand-in), null when none.
    hgeSprite* GetSprite(unsigned char ch) const;

private:
    void load(const char* filename);

    static constexpr int PRINTF_BUFFER = 256;
    static inline hgeTextObserver observer_ = nullptr;

    std::array<std::unique_ptr<hgeSprite>, 256> glyphs_;
    HTEXTURE texture_ = 0;
    float height_ = 0;
    float scale_ = 1;
    float rotation_ = 0;
    float tracking_ = 0;
    float z_ = 0.5f;
    DWORD color_ = 0xFFFFFFFF;
    int blend_ = BLEND_DEFAULT;
};
