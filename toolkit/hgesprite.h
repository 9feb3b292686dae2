// A textured quad cut from a texture: the picture behind every sprite, animation frame,
// font glyph and particle. Drawing goes through the engine's Gfx_RenderQuad.
#pragma once

#include "platform/hge.h"
#include "toolkit/hgerect.h"

class hgeSprite {
public:
    // tex may be 0: the sprite then draws an untextured quad of its vertex colours.
    hgeSprite(HTEXTURE tex, float x, float y, float w, float h);
    virtual ~hgeSprite() = default;

    // Top-left corner at (x, y) minus the hot spot.
    void Render(float x, float y);
    // Scaled about the hot spot and rotated by rot radians; vscale 0 means hscale.
    void RenderEx(float x, float y, float rot, float hscale = 1.0f, float vscale = 0.0f);
    void RenderStretch(float x1, float y1, float x2, float y2);
    // Corners in the order top-left, top-right, bottom-right, bottom-left.
    void Render4V(float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3);

    // Keeps the pixel rectangle; the texture coordinates follow the new texture's size.
    void SetTexture(HTEXTURE tex);
    void SetTextureRect(float x, float y, float w, float h);
    // One vertex, or all four when i is -1.
    void SetColor(DWORD col, int i = -1);
    void SetZ(float z, int i = -1);
    void SetBlendMode(int blend) { quad_.blend = blend; }
    void SetHotSpot(float x, float y);
    void SetFlip(bool flipX, bool flipY);

    HTEXTURE GetTexture() const { return quad_.tex; }
    void GetTextureRect(float* x, float* y, float* w, float* h) const;
    DWORD GetColor(int i = 0) const { return quad_.v[i].col; }
    float GetZ(int i = 0) const { return quad_.v[i].z; }
    int GetBlendMode() const { return quad_.blend; }
    void GetHotSpot(float* x, float* y) const;
    void GetFlip(bool* flipX, bool* flipY) const;
    float GetWidth() const { return width_; }
    float GetHeight() const { return height_; }

    // The area Render(x, y) covers.
    hgeRect* GetBoundingBox(float x, float y, hgeRect* rect) const;
    // The area RenderEx covers with the same arguments.
    hgeRect* GetBoundingBoxEx(float x, float y, float rot, float hscale, float vscale,
                              hgeRect* rect) const;

protected:
    // Texture coordinates from the pixel rectangle, the texture size and the flips.
    void updateTexCoords();

    hgeQuad quad_;
    float tx_, ty_, width_, height_;
    float texWidth_ = 1, texHeight_ = 1;
    float hotX_ = 0, hotY_ = 0;
    bool flipX_ = false, flipY_ = false;

private:
    void readTextureSize(HTEXTURE tex);
    // The four corners of RenderEx, in vertex order.
    void transformedCorners(float x, float y, float rot, float hscale, float vscale,
                            float out[4][2]) const;
};
