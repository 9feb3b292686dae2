// Shared helpers of the toolkit tests: textures of a given size and the quads a piece of
// drawing code sends to the engine.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/support/engine_test.h"

class ToolkitTest : public EngineTest {
protected:
    // Writes a w by h PNG (opaque white) into the working folder.
    void writePng(const std::string& name, int w, int h);
    // Writes and loads a w by h texture.
    HTEXTURE makeTexture(int w, int h, const std::string& name = "tex.png");
    // The quads that `draw` renders in one scene.
    std::vector<hgeQuad> drawn(const std::function<void()>& draw);
};

// Tolerance for coordinates that went through sin/cos.
constexpr float EPS = 1e-4f;
