// Fuzzes the resource-script parser and the creation of what a script describes.
// Longer run (from the clang build folder; see fuzz_engine.h):
//   ./tests/fuzz_resource_script -max_total_time=3600 -max_len=4096 -artifact_prefix=$PWD/
#include <cstddef>
#include <cstdint>
#include <string>

#include "tests/fuzz/fuzz_engine.h"
#include "toolkit/hgeresource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool started = startFuzzEngine();
    (void)started;
    std::string text(reinterpret_cast<const char*>(data), size);
    hgeResourceManager rm;
    RScript::ParseText(&rm, "fuzz.res", text.c_str());
    if (staysInFolder(text)) {
        rm.Precache();
        hge->Gfx_BeginScene();
        for (const char* name : {"a", "b", "s"}) {
            if (hgeSprite* spr = rm.GetSprite(name)) spr->RenderEx(1, 2, 0.5f, 2);
            if (hgeAnimation* anim = rm.GetAnimation(name)) {
                anim->Play();
                anim->Update(0.5f);
                anim->Render(0, 0);
            }
            if (hgeDistortionMesh* mesh = rm.GetDistortionMesh(name)) mesh->Render(0, 0);
        }
        hge->Gfx_EndScene();
        rm.Purge();
    }
    static_cast<EngineCore*>(hge)->clearLogLines();
    return 0;
}
