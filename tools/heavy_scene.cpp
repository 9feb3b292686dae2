#include "tools/heavy_scene.h"

#include "battle/enemies.h"
#include "battle/shots.h"
#include "shell/world.h"
#include "toolkit/hgepmanager.h"

namespace {
// Slot i's column on its side's field: ten columns 28 px apart.
float columnX(int i, bool rightField) { return (rightField ? CENTERLINE : LEFTBOUND) + (i / 2 % 10) * 28.0f; }
}  // namespace

void fillHeavyScene() {
    for (int w = 0; w < MAXWALLS; ++w) {
        const float x = columnX(w, w % 2), y = 40 + (w / 20) * 50.0f;
        wall[w] = Wall{};
        wall[w].active = true;
        wall[w].type = W_BRICK;
        wall[w].hp = 1e9f;
        wall[w].alpha = 255;
        wall[w].rect = hgeRect(x, y, x + 24, y + 12);
    }
    for (int e = 0; e < MAXENEMIES; ++e) {
        const float x = columnX(e, e % 2), y = 60 + (e / 20) * 100.0f;
        en[e].spawn(1 + e % 24, e % 2, hgeRect(x, y, x + 24, y + 24), P_STATIONARY, 0, 0, 0, 0, 0, 6, 0, 0, false);
        en[e].hp = en[e].maxHp = 1e9f;
    }
    for (int i = 0; i < MAXITEMS; ++i) {
        const float x = columnX(i, i % 2);
        itm[i] = Item{};
        itm[i].active = true;
        itm[i].kind = I_POINTS200;
        itm[i].rect = hgeRect(x, 500, x + 16, 516);
    }
    // The shots' particle manager holds 100 emitters: half the shots trail particles, the
    // other half are drawn as animations.
    for (int s = 0; s < MAXSHOTS; ++s)
        if (sh[s].active) removeShot(s);
    for (int s = 0; s < MAXSHOTS; ++s) {
        const int dir = s % 2 == 0 ? Y2E : O2E;
        const float x = columnX(s, dir != Y2E), y = 60 + (s / 20) * 50.0f;
        sh[s].create(hgeRect(x, y, x + 12, y + 12), false, dir, 1, 0, 0, 0, 0, 1e6f, 0, s % 60, s < MAX_PSYSTEMS,
                     P_STATIONARY, 6, 0, 0);
    }
    while (psmgrX->GetCount() < MAX_PSYSTEMS) psmgrX->SpawnPS(&psiGeneral[0], 400, 300);
    for (Player& p : pl) {
        p.spawnTimer = 1e9f;
        p.heart = p.maxHeart = 1e9f;
        p.rect = hgeRect(p.fieldLeft + 130, 560, p.fieldLeft + 170, 599);
    }
}
