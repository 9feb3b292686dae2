#include "tests/toolkit/toolkit_test.h"

#include <stb/stb_image_write.h>

void ToolkitTest::writePng(const std::string& name, int w, int h) {
    std::vector<unsigned char> pixels(std::size_t(w) * std::size_t(h) * 4, 0xFF);
    std::string png;
    auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), std::size_t(size));
    };
    ASSERT_TRUE(stbi_write_png_to_func(append, &png, w, h, 4, pixels.data(), w * 4));
    writeFile(name, png);
}

HTEXTURE ToolkitTest::makeTexture(int w, int h, const std::string& name) {
    writePng(name, w, h);
    HTEXTURE tex = hge->Texture_Load(name.c_str());
    EXPECT_NE(tex, 0u);
    return tex;
}

std::vector<hgeQuad> ToolkitTest::drawn(const std::function<void()>& draw) {
    engine->setRecording(true);
    hge->Gfx_BeginScene();
    draw();
    hge->Gfx_EndScene();
    return engine->recordedQuads();
}
