#include "shell/frame.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include "shell/hooks.h"
#include "shell/modes.h"
#include "shell/options.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

GameHooks gameHooks;

void updateVars(float dt) {
    callHook(gameHooks.stepBegins);
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

namespace {
constexpr DWORD FIGURESPLATE = 0xC8000000;

// The frame rate and, below it in milliseconds, a step of the game and a drawn frame, on
// a dark plate that keeps them readable over whatever the screen shows there.
void drawFrameFigures() {
    char rate[32], times[64];
    std::snprintf(rate, sizeof rate, "FPS: %d", hge->Timer_GetFPS());
    std::snprintf(times, sizeof times, "update %.2f ms  draw %.2f ms", hge->Timer_GetUpdateTime() * 1000,
                  hge->Timer_GetRenderTime() * 1000);
    font1->SetScale(1);
    if (fontSmall2) {
        fontSmall2->SetScale(1);
        fontSmall2->SetColor(0xFFFFFFFF);
    }
    const float width = std::max(font1->GetStringWidth(rate), fontSmall2 ? fontSmall2->GetStringWidth(times) : 0);
    if (blankSpr) {
        blankSpr->SetColor(FIGURESPLATE);
        blankSpr->RenderStretch(349, 3, 361 + width, fontSmall2 ? 46 : 30);
    }
    font1->Render(355, 5, rate);
    if (fontSmall2) fontSmall2->Render(355, 30, times);
}

void drawFrame() {
    callHook(gameHooks.drawBegins);
    hge->Gfx_BeginScene();
    hge->Gfx_Clear(0);
    renderAll();
    if (font1) font1->SetColor(0xFFFFFFFF);
    if (fontArial) fontArial->SetColor(0xFFFFFFFF);
    if (pl[0].showFps && font1) drawFrameFigures();
    hge->Gfx_EndScene();
}

// The frame was left half done and the world may be half changed: say what happened and
// end the game rather than play on from a state nobody designed. Saves are written whole,
// so none is lost.
bool stopOnError(const char* what) {
    hge->System_Log("The game stopped on an unexpected error: %s", what);
    hge->System_MessageBox("The game stopped on an unexpected error; kvb.log has the details.", "Error",
                           MB_ICONSTOP | MB_SYSTEMMODAL);
    return true;
}

template <typename Work>
bool guarded(Work work) {
    try {
        work();
        return false;
    } catch (const std::exception& e) {
        return stopOnError(e.what());
    } catch (...) {
        return stopOnError("unknown");
    }
}
}  // namespace

bool StepFunc() { return guarded([] { updateVars(hge->Timer_GetDelta()); }) || done; }

bool RenderFunc() { return guarded(drawFrame); }

bool FrameFunc() { return StepFunc() || RenderFunc(); }

bool FocusLostFunc() {
    return guarded([] {
        if (gameMode == MODE_GAME && pl[0].opt[OPT_FOCUSPAUSE]) callHook(gameHooks.initPauseScreen);
    });
}

void setFrameFunctions() {
    hge->System_SetState(HGE_FRAMEFUNC, StepFunc);
    hge->System_SetState(HGE_RENDERFUNC, RenderFunc);
    hge->System_SetState(HGE_FOCUSLOSTFUNC, FocusLostFunc);
}
