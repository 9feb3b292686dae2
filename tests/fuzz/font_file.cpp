// Fuzzes the font-file reader and text drawing with the font it builds.
// Longer run (from the clang build folder; see fuzz_engine.h):
//   ./tests/fuzz_font_file -max_total_time=3600 -max_len=2048 -artifact_prefix=$PWD/
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include <stb/stb_image_write.h>

#include <vector>

#include "tests/fuzz/fuzz_engine.h"
#include "toolkit/hgefont.h"

namespace {

// The texture a font file in the corpus names ("t.png 8 ..."), so glyphs get cut.
bool startWithTexture() {
    startFuzzEngine();
    std::vector<unsigned char> pixels(64 * 32 * 4, 0xFF);
    return stbi_write_png("t.png", 64, 32, 4, pixels.data(), 64 * 4) != 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool started = startWithTexture();
    (void)started;
    std::string text(reinterpret_cast<const char*>(data), size);
    if (!staysInFolder(text)) return 0;
    std::ofstream("f.fnt", std::ios::binary | std::ios::trunc) << text;
    hgeFont font("f.fnt");
    font.SetScale(1.5f);
    font.SetTracking(-2);
    hge->Gfx_BeginScene();
    font.Render(400, 300, "Az?\n\x01\xff", HGETEXT_CENTER);
    font.printf(0, 0, "%s", text.c_str());
    hge->Gfx_EndScene();
    static_cast<EngineCore*>(hge)->clearLogLines();
    return 0;
}
