#include "shell/frame.h"

#include "shell/hooks.h"
#include "shell/modes.h"
#include "shell/options.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"

GameHooks gameHooks;

void updateVars(float dt) {
    if (!progressFrozen(gameMode)) progress += dt * 10;
    // One tick at most per frame; a long frame leaves the rest for the following frames.
    accumulatedTime[ONE_TENTH_SEC] += dt;
    if (accumulatedTime[ONE_TENTH_SEC] >= 0.1f) {
        accumulatedTime[ONE_TENTH_SEC] -= 0.1f;
        callHook(gameHooks.timer0p1);
    }
    hge->Input_GetMousePos(&mousePos.x, &mousePos.y);
    followWindowMode();
    if (usesKeyHandler(gameMode)) myKH.updateKeys(dt);
    if (const auto update = modeHandlers(gameMode).update) update(dt);
}

void renderAll() {
    const ModeHandlers& h = modeHandlers(gameMode);
    if (h.draw) h.draw();
    if (h.drawOver) h.drawOver();
}

bool FrameFunc() {
    updateVars(hge->Timer_GetDelta());
    hge->Gfx_BeginScene();
    hge->Gfx_Clear(0);
    renderAll();
    if (font1) font1->SetColor(0xFFFFFFFF);
    if (fontArial) fontArial->SetColor(0xFFFFFFFF);
    if (pl[0].showFps && font1) font1->printf(355, 5, "FPS: %d", hge->Timer_GetFPS());
    hge->Gfx_EndScene();
    return done;
}
