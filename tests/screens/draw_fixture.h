// A match drawn with the real resource pack on the headless backend: every quad of a
// scene is recorded, and every text a font writes is noted with its place, colour,
// scale, alignment and the number of quads drawn before it.
#pragma once

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "battle/battle_frame.h"
#include "battle/enemies.h"
#include "battle/setup.h"
#include "cards/datafiles.h"
#include "screens/screens.h"
#include "shell/frame.h"
#include "shell/options.h"
#include "shell/startup.h"
#include "shell/world.h"
#include "tests/cards/source_data.h"
#include "tests/support/engine_test.h"
#include "toolkit/hgefont.h"
#include "tools/play_folder.h"

// Whether the quad shows the sprite's picture (or its current frame): the same texture
// and texture coordinates within its rectangle, since many pictures share one sheet.
inline bool cutFrom(const hgeQuad& q, const hgeSprite* s) {
    if (!s || q.tex != s->GetTexture()) return false;
    const float tw = float(hge->Texture_GetWidth(q.tex)), th = float(hge->Texture_GetHeight(q.tex));
    if (tw <= 0 || th <= 0) return true;
    float x, y, w, h;
    s->GetTextureRect(&x, &y, &w, &h);
    for (const hgeVertex& v : q.v)
        if (v.tx * tw < x - 0.5f || v.tx * tw > x + w + 0.5f || v.ty * th < y - 0.5f || v.ty * th > y + h + 0.5f)
            return false;
    return true;
}

struct DrawnText {
    const hgeFont* font;
    float x, y;
    std::string text;
    DWORD color;
    float scale;
    std::size_t quadsBefore;
    int align;  // HGETEXT_LEFT, _CENTER or _RIGHT, about x
};

class DrawTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        const std::filesystem::path data = sourceDataDir();
        ASSERT_FALSE(data.empty()) << "game data folder not found";
        enterPlayFolder(workDir, data, KVB_PACK_PATH);
        loadWholeGame();
        ASSERT_NE(font1, nullptr) << "the resource pack did not load";
        hge->System_SetState(HGE_FRAMEFUNC, FrameFunc);
        texts().clear();
        hgeFont::SetTextObserver(noteText);
        engine->setRecording(true);
    }

    void TearDown() override {
        hgeFont::SetTextObserver(nullptr);
        clearEnemies();
        releaseSharedResources();
        hge->Resource_RemoveAllPacks();
        EngineTest::TearDown();
    }

    static void startMatch(int opp, int veh = 0) {
        selectedOpp = opp;
        selectedVeh = veh;
        selectedDeck = 0;
        newGame = true;
        initGame();
    }
    // No waves, no walls and the round intro over, so one thing can be looked at alone.
    static void quietField() {
        for (Player& p : pl) p.spawnTimer = 1e9f;
        for (Wall& w : wall) w.active = false;
        progress = 100;
    }

    // One scene of the current mode's drawing, without updating anything.
    void drawScene() {
        texts().clear();
        hge->Gfx_BeginScene();
        renderAll();
        hge->Gfx_EndScene();
    }
    const std::vector<hgeQuad>& quads() const { return engine->recordedQuads(); }

    static std::vector<DrawnText>& texts() {
        static std::vector<DrawnText> list;
        return list;
    }
    // The first text written exactly so, or null.
    static const DrawnText* findText(const std::string& text) {
        for (const DrawnText& t : texts())
            if (t.text == text) return &t;
        return nullptr;
    }
    static const DrawnText* findLastText(const std::string& text) {
        for (auto t = texts().rbegin(); t != texts().rend(); ++t)
            if (t->text == text) return &*t;
        return nullptr;
    }
    static bool anyTextContains(const std::string& part) {
        for (const DrawnText& t : texts())
            if (t.text.find(part) != std::string::npos) return true;
        return false;
    }
    // Index of the first recorded quad whose top-left corner is at (x, y), or -1.
    int quadAt(float x, float y) const {
        for (std::size_t i = 0; i < quads().size(); ++i)
            if (std::abs(quads()[i].v[0].x - x) < 0.5f && std::abs(quads()[i].v[0].y - y) < 0.5f) return int(i);
        return -1;
    }

private:
    static void noteText(const hgeFont& font, float x, float y, const char* text, int align) {
        texts().push_back(
            {&font, x, y, text, font.GetColor(), font.GetScale(), headless()->recordedQuads().size(), align});
    }
};
