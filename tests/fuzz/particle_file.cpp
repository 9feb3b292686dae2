// Fuzzes the particle-file reader and some fifty updates of the emitter it describes.
// Longer run (from the clang build folder; see fuzz_engine.h):
//   ./tests/fuzz_particle_file -max_total_time=3600 -max_len=256 -artifact_prefix=$PWD/
#include <cstddef>
#include <cstdint>
#include <fstream>

#include "tests/fuzz/fuzz_engine.h"
#include "toolkit/hgeparticle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool started = startFuzzEngine();
    static hgeSprite sprite(0, 0, 0, 4, 4);
    (void)started;
    std::ofstream("p.psi", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    hgeParticleSystem ps("p.psi", &sprite, 100);
    ps.FireAt(400, 300);
    hge->Gfx_BeginScene();
    for (int i = 0; i < 50; ++i) {
        ps.Update(0.013f);
        ps.MoveTo(400.0f + float(i), 300.0f, i % 2 == 0);
    }
    ps.Render();
    hge->Gfx_EndScene();
    static_cast<EngineCore*>(hge)->clearLogLines();
    return 0;
}
