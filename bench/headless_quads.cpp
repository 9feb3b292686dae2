// Quad building and batching on the headless backend: the engine layer's own cost,
// without any drawing.
#include "platform/headless/headless_engine.h"
#include "quad_bench.h"

int main() {
    hge = hgeCreate(HGE_VERSION);
    if (!hge->System_Initiate()) {
        std::fprintf(stderr, "%s\n", hge->System_GetErrorMessage());
        return 1;
    }
    HeadlessEngine* engine = headless();
    quadbench::runAll("Headless backend: building and batching", hge, [engine] { return long{engine->totals().batches}; });
    hge->System_Shutdown();
    hge->Release();
    return 0;
}
