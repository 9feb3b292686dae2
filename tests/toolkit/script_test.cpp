#include <string>
#include <vector>

#include "tests/toolkit/toolkit_test.h"
#include "toolkit/hgeresource.h"
#include "toolkit/parser.h"

namespace {

struct Token {
    int type;
    std::string text;
    int line;
    bool operator==(const Token&) const = default;
};

std::vector<Token> tokensOf(const char* script) {
    RScriptParser p("t.res", script);
    std::vector<Token> out;
    for (int tt = p.get_token(); tt != TT_END; tt = p.get_token()) {
        out.push_back({tt, p.tokenText(), p.line()});
    }
    return out;
}

}  // namespace

class ScriptTest : public ToolkitTest {
protected:
    // Frees what the tests created while the engine is still there.
    void TearDown() override {
        rm.ChangeScript();
        ToolkitTest::TearDown();
    }
    // Parses a script written to main.res.
    void parse(const std::string& script) {
        writeFile("main.res", script);
        rm.ChangeScript("main.res");
    }
    int parseErrors() const {
        int n = 0;
        for (const std::string& line : engine->logLines()) n += line.find(", line ") != std::string::npos;
        return n;
    }
    RSprite* sprite(const char* name) {
        return static_cast<RSprite*>(rm.findRes(RES_SPRITE, name));
    }

    hgeResourceManager rm;
};

TEST_F(ScriptTest, TokensCommentsAndLineNumbers) {
    const std::vector<Token> expected = {
        {TT_RES_SPRITE, "Sprite", 2},  {TT_STRING, "hero", 2},   {TT_OPENBLOCK, "{", 2},
        {TT_PAR_RECT, "rect", 3},      {TT_EQUALS, "=", 3},      {TT_NUMBER, "-1.5", 3},
        {TT_SEPARATOR, ",", 3},        {TT_NUMBER, "80FFffFF", 3}, {TT_STRING, "a b.png", 4},
        {TT_STRING, "open", 5},        {TT_BOOL, "true", 6},     {TT_CLOSEBLOCK, "}", 6},
    };
    EXPECT_EQ(tokensOf("; header\nSprite hero {\n rect=-1.5,80FFffFF ; note\n\"a b.png\"\n"
                       "\"open\ntrue}"),
              expected);
    EXPECT_TRUE(tokensOf("; only a comment").empty());
    EXPECT_TRUE(tokensOf("").empty());
}

TEST_F(ScriptTest, KeywordsMatchAsPrefixes) {
    const std::vector<Token> expected = {
        {TT_RES_SPRITE, "Sprite", 1}, {TT_STRING, "sheet", 1}, {TT_PAR_SPRITE, "sprite", 1},
        {TT_STRING, "Ship", 1},       {TT_BOOL, "true", 1},    {TT_STRING, "ly", 1},
        {TT_CON_ALPHABLEND, "ALPHABLEND", 1}, {TT_CON_ALPHA, "ALPHA", 1}, {TT_STRING, "X", 1},
        {TT_STRING, "plain_word", 1}, {TT_BASED, ":", 1},      {TT_STRING, "x;y", 1},
    };
    EXPECT_EQ(tokensOf("Spritesheet spriteShip truely ALPHABLEND ALPHAX plain_word:x;y"),
              expected);
}

TEST_F(ScriptTest, HexValuesCountStrayCharactersAsF) {
    auto hexOf = [](const char* text) {
        RScriptParser p("t.res", text);
        p.get_token();
        return p.tkn_hex();
    };
    EXPECT_EQ(hexOf("80ffFFff"), 0x80FFFFFFu);
    EXPECT_EQ(hexOf("FF00FF00"), 0xFF00FF00u);
    EXPECT_EQ(hexOf("zz"), 0xFFu);
    EXPECT_EQ(hexOf(""), 0u);
}

TEST_F(ScriptTest, EveryPropertyOfEveryType) {
    parse(R"(
Resource raw { filename = "data.bin" resgroup = 3 }
Texture tex { filename = "tex.png" }
Sound boom { filename = "boom.wav" }
Music song { filename = "song.mod" }
Stream talk { filename = "talk.ogg" }
Target canvas { size = 64, 32 zbuffer = true }
Sprite hero {
  texture = tex rect = 1, 2, 3, 4 hotspot = 5, 6 blendmode = COLORADD, ALPHAADD, ZWRITE
  color = 80FF0000 zorder = 0.25 flip = true, false resgroup = 2
}
Animation walk { texture = tex rect = 0, 0, 8, 8 frames = 6 fps = 12.5 mode = REVERSE, PINGPONG, NOLOOP }
Font big { filename = "big.fnt" blendmode = COLORADD color = FF00FF00 zorder = 0.1 scale = 2 rotation = 0.5 tracking = -1 }
Particle smoke { filename = "smoke.psi" sprite = hero }
Distortion wave { texture = tex rect = 0, 0, 64, 64 mesh = 8, 4 color = FFFFFFFF zorder = 0.9 blendmode = ALPHAADD }
)");
    EXPECT_EQ(parseErrors(), 0);
    const struct {
        int type;
        const char* name;
        const char* file;
    } files[] = {{RES_RESOURCE, "raw", "data.bin"}, {RES_TEXTURE, "tex", "tex.png"},
                 {RES_EFFECT, "boom", "boom.wav"},   {RES_MUSIC, "song", "song.mod"},
                 {RES_STREAM, "talk", "talk.ogg"},   {RES_FONT, "big", "big.fnt"},
                 {RES_PARTICLE, "smoke", "smoke.psi"}};
    for (const auto& f : files) {
        auto* desc = static_cast<RFileDesc*>(rm.findRes(f.type, f.name));
        ASSERT_NE(desc, nullptr) << f.name;
        EXPECT_EQ(desc->filename, f.file);
    }
    EXPECT_EQ(rm.findRes(RES_RESOURCE, "raw")->resgroup, 3);
    auto* target = static_cast<RTarget*>(rm.findRes(RES_TARGET, "canvas"));
    EXPECT_EQ(target->width, 64);
    EXPECT_EQ(target->height, 32);
    EXPECT_TRUE(target->zbuffer);

    RSprite* hero = sprite("hero");
    EXPECT_EQ(hero->quad.texture, "tex");
    EXPECT_FLOAT_EQ(hero->quad.h, 4);
    EXPECT_FLOAT_EQ(hero->hotY, 6);
    EXPECT_EQ(hero->quad.blend, BLEND_COLORADD | BLEND_ALPHAADD | BLEND_ZWRITE);
    EXPECT_EQ(hero->quad.color, 0x80FF0000u);
    EXPECT_FLOAT_EQ(hero->quad.z, 0.25f);
    EXPECT_TRUE(hero->flipX);
    EXPECT_FALSE(hero->flipY);
    EXPECT_EQ(hero->resgroup, 2);

    auto* walk = static_cast<RAnimation*>(rm.findRes(RES_ANIMATION, "walk"));
    EXPECT_EQ(walk->frames, 6);
    EXPECT_FLOAT_EQ(walk->fps, 12.5f);
    EXPECT_EQ(walk->mode, HGEANIM_REV | HGEANIM_PINGPONG);

    auto* big = static_cast<RFont*>(rm.findRes(RES_FONT, "big"));
    EXPECT_EQ(big->blend, BLEND_COLORADD | BLEND_ALPHABLEND);
    EXPECT_EQ(big->color, 0xFF00FF00u);
    EXPECT_FLOAT_EQ(big->scale, 2);
    EXPECT_FLOAT_EQ(big->rotation, 0.5f);
    EXPECT_FLOAT_EQ(big->tracking, -1);

    EXPECT_EQ(static_cast<RParticle*>(rm.findRes(RES_PARTICLE, "smoke"))->spritename, "hero");
    auto* wave = static_cast<RDistort*>(rm.findRes(RES_DISTORT, "wave"));
    EXPECT_EQ(wave->cols, 8);
    EXPECT_EQ(wave->rows, 4);
    EXPECT_EQ(wave->quad.blend, BLEND_COLORMUL | BLEND_ALPHAADD);
}

TEST_F(ScriptTest, BlendModeListsApplyLeftToRight) {
    parse("Sprite a { blendmode = COLORADD, ALPHABLEND, NOZWRITE }\n"
          "Sprite b { blendmode = ZWRITE, COLORADD, COLORMUL zorder = 1 }\n");
    EXPECT_EQ(sprite("a")->quad.blend, 3);
    EXPECT_EQ(sprite("b")->quad.blend, BLEND_ALPHABLEND | BLEND_ZWRITE);
    EXPECT_FLOAT_EQ(sprite("b")->quad.z, 1);
}

TEST_F(ScriptTest, ABaseCopiesEverythingAndTheBlockReplacesOnlyWhatItNames) {
    parse("Sprite a { texture = t.png rect = 1, 1, 8, 8 hotspot = 4, 4 color = 80102030 "
          "flip = false, true resgroup = 5 }\n"
          "Sprite b : a { rect = 0, 0, 32, 32 }\n");
    RSprite* b = sprite("b");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->name, "b");
    EXPECT_EQ(b->quad.texture, "t.png");
    EXPECT_FLOAT_EQ(b->quad.tx, 0);
    EXPECT_FLOAT_EQ(b->quad.w, 32);
    EXPECT_FLOAT_EQ(b->hotX, 4);
    EXPECT_EQ(b->quad.color, 0x80102030u);
    EXPECT_TRUE(b->flipY);
    EXPECT_EQ(b->resgroup, 5);
    EXPECT_FLOAT_EQ(sprite("a")->quad.w, 8);
}

TEST_F(ScriptTest, DuplicatesAreReportedPerType) {
    parse("Sprite a { zorder = 0.1 }\nSprite a { zorder = 0.2 }\nAnimation a { frames = 2 }\n"
          "Sprite c { }\n");
    EXPECT_TRUE(logContains("main.res, line 2: Resource 'a' of the same type already has been defined."));
    EXPECT_FLOAT_EQ(sprite("a")->quad.z, 0.1f);
    EXPECT_NE(rm.findRes(RES_ANIMATION, "a"), nullptr);
    EXPECT_NE(sprite("c"), nullptr);  // parsing went on after the duplicate's block
    EXPECT_EQ(parseErrors(), 1);
}

TEST_F(ScriptTest, EveryErrorIsReportedAndParsingGoesOn) {
    parse("Banana\n"
          "Sprite s1 texture = x }\n"
          "Sprite s2 : nobody { zorder = 0.3 }\n"
          "Sprite s3 { blendmode = LOOP, ALPHABLEND frames = 2 zorder = 0.4 }\n"
          "Sprite s4 { zorder = 0.5\n"
          "Sprite s5 { }\n"
          "Font f { filename = \"f.fnt\"");
    const char* expected[] = {
        "main.res, line 1: Unrecognized resource specificator 'Banana'.",
        "main.res, line 2: Illegal resource syntax, 'texture' found; '{' expected.",
        "main.res, line 3: Base resource 'nobody' is not defined.",
        "main.res, line 4: Unsupported value 'LOOP'.",
        "main.res, line 4: Unsupported resource parameter 'frames'.",
        "main.res, line 6: '}' missed, 'Sprite' encountered.",
        "main.res, line 7: '}' missed, '<EOF>' encountered.",
    };
    for (const char* line : expected) EXPECT_TRUE(logContains(line)) << line;
    EXPECT_EQ(sprite("s1"), nullptr);
    EXPECT_FLOAT_EQ(sprite("s2")->quad.z, 0.3f);
    EXPECT_EQ(sprite("s3")->quad.blend, BLEND_ALPHABLEND);
    EXPECT_FLOAT_EQ(sprite("s3")->quad.z, 0.4f);
    EXPECT_FLOAT_EQ(sprite("s4")->quad.z, 0.5f);
    EXPECT_NE(sprite("s5"), nullptr);
    EXPECT_EQ(static_cast<RFont*>(rm.findRes(RES_FONT, "f"))->filename, "f.fnt");
}

TEST_F(ScriptTest, IncludesParseOnceAndASelfIncludeEnds) {
    writeFile("sub.res", "Sprite fromSub { zorder = 0.7 }\nInclude main.res\n");
    parse("Include sub.res\nInclude \"main.res\"\nInclude gone.res\nSprite own { }\n");
    EXPECT_NE(sprite("fromSub"), nullptr);
    EXPECT_NE(sprite("own"), nullptr);
    EXPECT_TRUE(logContains("sub.res, line 2: Script 'main.res' already has been parsed."));
    EXPECT_TRUE(logContains("main.res, line 2: Script 'main.res' already has been parsed."));
    EXPECT_TRUE(logContains("Script 'gone.res' not found."));
}
