// The names the battle binds from the resource manager: backgrounds, music, the opponent's
// animation per round and the battle's sprite and animation tables, checked against a
// small resource script that describes exactly those names.
#include <string>

#include "frame_fixture.h"
#include "shell/text.h"
#include "toolkit/hgeresource.h"

namespace {

class SceneryTest : public MatchTest {
protected:
    void SetUp() override {
        MatchTest::SetUp();
        std::string script;
        for (const char* bg : {"bg0", "bg1", "bg2", "bg3", "bg3a", "bg5", "bg5a", "bg6", "bg6b"})
            script += std::string("Sprite ") + bg + " { texture = none.png rect = 0, 0, 8, 8 }\n";
        for (const char* s : {"lifeBar", "condIcon3", "wall5", "veh1"})
            script += std::string("Sprite ") + s + " { texture = none.png rect = 0, 0, 8, 8 }\n";
        for (const char* a : {"opp20", "opp23", "opp66", "coinRed", "points1000"})
            script += std::string("Animation ") + a + " { texture = none.png rect = 0, 0, 8, 8 frames = 2 }\n";
        for (const char* m : {"musix0STR", "musix1STR", "musix2aSTR", "musix6bSTR"}) tune(script, "Stream", m);
        for (const char* m : {"musix2MUS", "musix3aMUS", "musix6aMUS"}) tune(script, "Music", m);
        writeFile("battle.res", script);
        myRes = new hgeResourceManager("battle.res");
    }
    void TearDown() override {
        delete myRes;
        myRes = nullptr;
        MatchTest::TearDown();
    }

    void tune(std::string& script, const char* type, const char* name) {
        writeFile(std::string(name) + ".ogg", "sound");
        script += std::string(type) + " " + name + " { filename = " + name + ".ogg }\n";
    }
    // The background sprite in use is the one named `name`.
    static bool background(const char* name) { return spr[SPR_BG] && spr[SPR_BG] == myRes->GetSprite(name); }
    // The music playing on channel 0 was loaded from `name`'s file.
    std::string music() const {
        const HeadlessChannel* ch = engine->channel(chan[0]);
        return ch && ch->playing ? ch->source : "";
    }
    static void playRound(int round) {
        curRound = round;
        initRound(false);
    }
};

TEST_F(SceneryTest, AMatchBindsItsOpponentsSceneryMusicAndRoundAnimation) {
    startMatch(2, 1);
    EXPECT_TRUE(background("bg2"));
    EXPECT_EQ(music(), "musix2MUS.ogg");
    EXPECT_EQ(pl[1].anim, myRes->GetAnimation("opp20"));
    EXPECT_EQ(pl[0].spr, myRes->GetSprite("veh1"));
    EXPECT_EQ(spr[SPR_LIFEBAR], myRes->GetSprite("lifeBar"));
    EXPECT_EQ(spr[SPR_CONDICON + 3], myRes->GetSprite("condIcon3"));
    EXPECT_EQ(spr[SPR_WALL + 5], myRes->GetSprite("wall5"));
    EXPECT_EQ(anim[0], myRes->GetAnimation("coinRed"));
    EXPECT_EQ(anim[ANIMSOFAR - 1], myRes->GetAnimation("points1000"));

    // Round 4 changes the music but, for the first three opponents, not the scenery.
    playRound(3);
    EXPECT_TRUE(background("bg2"));
    EXPECT_EQ(music(), "musix2aSTR.ogg");
    EXPECT_EQ(pl[1].anim, myRes->GetAnimation("opp23"));

    startMatch(5);
    playRound(3);
    EXPECT_TRUE(background("bg5a"));
    startMatch(6);
    playRound(6);
    EXPECT_TRUE(background("bg6b"));
    EXPECT_EQ(music(), "musix6aMUS.ogg");
    EXPECT_EQ(pl[1].anim, myRes->GetAnimation("opp66"));
}

TEST_F(SceneryTest, TheExMissionWalksItsSceneryCycleOnlyOnItsRounds) {
    startSecondQuest(EXMISSION);
    EXPECT_TRUE(background("bg0"));
    EXPECT_EQ(music(), "musix0STR.ogg");
    playRound(1);  // no scenery row: everything stays
    EXPECT_TRUE(background("bg0"));
    EXPECT_EQ(music(), "musix0STR.ogg");
    playRound(9);
    EXPECT_TRUE(background("bg3a"));
    EXPECT_EQ(music(), "musix3aMUS.ogg");
    playRound(6);  // a new background under the music that plays on
    EXPECT_TRUE(background("bg3"));
    EXPECT_EQ(music(), "musix3aMUS.ogg");
    // The cycle repeats every 24 rounds.
    playRound(24 + 23);
    EXPECT_TRUE(background("bg6b"));
    EXPECT_EQ(music(), "musix6bSTR.ogg");
    playRound(48 + 2);
    EXPECT_TRUE(background("bg1"));
    EXPECT_EQ(music(), "musix1STR.ogg");
}

}  // namespace
