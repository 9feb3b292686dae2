// A whole campaign played through the real screens with scripted keys and clicks: a new
// game from the title, every opponent's match with the stand-in player at the controls,
// upgrades and rewards after each, the game saved, left and continued from the load screen
// between matches, the ending and its clear save, and the second quest's opponent
// selection with the EX mission offered. The stand-in is helped only by the opponent's
// heart being taken to zero once it has fought a while.
#include <filesystem>
#include <vector>

#include "cards/opponents.h"
#include "cards/savegame.h"
#include "screens/title.h"
#include "shell/modes.h"
#include "tests/screens/menu_fixture.h"
#include "tools/battle_bot.h"

namespace {

constexpr int SLOT = 3;
constexpr int FIGHTFRAMES = 200;  // battle frames the stand-in plays before the heart is taken

// Everything a save keeps, to compare a campaign before leaving and after continuing.
struct Campaign {
    int veh, deck, quest, score, combo, highestRound;
    std::vector<int> cards, beaten, kills;
    std::vector<float> stats;

    static Campaign now() {
        const Player& me = pl[0];
        const int v = selectedVeh;
        return {v,
                selectedDeck,
                me.questNum,
                totalScore,
                me.highestCombo,
                me.highestRound,
                std::vector<int>(me.deck, me.deck + me.deckSize),
                std::vector<int>(beat, beat + MAXOPPONENTS),
                std::vector<int>(me.killsByKind + 1, me.killsByKind + 30),
                {VEH_speed[v], VEH_shotSpeed[v], VEH_power[v], VEH_armor[v], VEH_rof[v], VEH_excel[v], VEH_heart[v],
                 VEH_fuel[v]}};
    }
    bool operator==(const Campaign&) const = default;
};

class CampaignPlayTest : public MenuTest {
protected:
    // The stand-in plays the round; then the side that is to lose has its heart taken.
    void fightRound(bool win) {
        ASSERT_EQ(gameMode, MODE_GAME);
        for (int f = 0; f < FIGHTFRAMES && gameMode == MODE_GAME; ++f) {
            botFrame(*engine, f);
            frame();
        }
        botRelease(*engine);
        pl[win ? 1 : 0].heart = 0;
        frame();
        ASSERT_NE(gameMode, MODE_GAME);
    }
    void playMatch() {
        const int rounds = oppRounds[selectedOpp];
        for (int round = 0; round < rounds; ++round) {
            ASSERT_EQ(curRound, round);
            fightRound(true);
            if (round + 1 == rounds) break;
            ASSERT_EQ(gameMode, MODE_WINROUND);
            waitSeconds(3.1f);
        }
        ASSERT_EQ(gameMode, MODE_WINMATCH);
    }
    // Every point spent: by clicks on the first stats, by the arrows and Enter on the rest.
    void spendUpgradePoints() {
        ASSERT_EQ(gameMode, MODE_SELECTUPGRADE);
        for (int stat = 0; pl[0].upgradePoints > 0 && stat < 20; ++stat) {
            if (stat % 2 == 0) {
                clickOn(24 + stat % 7);
            } else {
                press(vk::DOWN);
                press(vk::ENTER);
            }
        }
        ASSERT_EQ(pl[0].upgradePoints, 0);
        press(vk::ENTER);
    }
    // Cards taken by Enter while the deck is small, by clicks once it may skip; then leave.
    void takeRewards() {
        ASSERT_EQ(gameMode, MODE_SELECTREWARD);
        for (int i = 0; i < 21 && pl[0].rewardPicks > 0; ++i) {
            if (pl[0].deckSize > 100) {
                clickOn(i);
            } else {
                press(vk::ENTER);
                press(vk::RIGHT);
            }
        }
        ASSERT_EQ(pl[0].rewardPicks, 0);
        press(vk::ENTER);
    }
    // Back to the title and in again through "Continue" and the slot.
    void leaveAndContinue() {
        ASSERT_EQ(gameMode, MODE_SELECTOPP);
        press(vk::ESCAPE);
        ASSERT_EQ(gameMode, MODE_TITLE);
        press(vk::DOWN);
        press(vk::ENTER);
        ASSERT_EQ(gameMode, MODE_LOAD);
        for (int i = 0; i < SLOT; ++i) press(vk::DOWN);
        press(vk::ENTER);
        ASSERT_EQ(gameMode, MODE_SELECTOPP);
    }
};

TEST_F(CampaignPlayTest, FromTheTitleThroughEveryOpponentToTheSecondQuest) {
    engine->moveMouse(700, 100);
    initTitleScreen();
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_LOAD);
    for (int i = 0; i < SLOT; ++i) press(vk::DOWN);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_SELECTVEH);
    press(vk::RIGHT);
    press(vk::RIGHT);
    press(vk::ENTER);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_SELECTOPP);
    EXPECT_FALSE(std::filesystem::exists(saveFileName(SLOT))) << "a game not yet played is not saved";

    for (int opp = 0; opp < MAXOPPONENTS; ++opp) {
        SCOPED_TRACE(opp);
        for (int i = 0; i < opp; ++i) press(vk::RIGHT);
        press(vk::ENTER);
        ASSERT_EQ(gameMode, MODE_GAME);
        ASSERT_EQ(selectedOpp, opp);
        ASSERT_EQ(selectedVeh, 2);
        if (opp == 0) {
            // A lost round retried takes back only what the lost attempt scored.
            const int total = totalScore;
            fightRound(false);
            ASSERT_EQ(gameMode, MODE_GAMEOVER);
            press(vk::ENTER);
            EXPECT_EQ(gameMode, MODE_GAMEOVER) << "keys wait 2.5 s";
            waitSeconds(2.6f);
            press(vk::ENTER);
            ASSERT_EQ(gameMode, MODE_GAME);
            EXPECT_EQ(totalScore, total);
            EXPECT_EQ(pl[0].score, 0);
        }
        ASSERT_NO_FATAL_FAILURE(playMatch());
        waitSeconds(3.1f);
        press(vk::ENTER);
        ASSERT_NO_FATAL_FAILURE(spendUpgradePoints());
        ASSERT_NO_FATAL_FAILURE(takeRewards());
        if (opp == MAXOPPONENTS - 1) break;
        EXPECT_EQ(beat[opp], 1);

        ASSERT_EQ(gameMode, MODE_SELECTOPP);
        look();
        EXPECT_NE(findText("Game has been automatically saved."), nullptr);
        const Campaign before = Campaign::now();
        ASSERT_NO_FATAL_FAILURE(leaveAndContinue());
        EXPECT_TRUE(Campaign::now() == before) << "the continued game is the one that was left";
        EXPECT_TRUE(std::filesystem::exists(saveFileName(SLOT) + ".bak"));
    }

    // The ending saved the cleared game as the start of the second quest.
    ASSERT_EQ(gameMode, MODE_ENDING);
    const Campaign cleared = Campaign::now();
    EXPECT_EQ(cleared.quest, 2);
    EXPECT_EQ(cleared.beaten, std::vector<int>(MAXOPPONENTS, 0));
    EXPECT_GT(cleared.cards.size(), 100u);
    waitSeconds(6.5f);
    look();
    EXPECT_NE(findText("Clear data has been saved."), nullptr);
    waitSeconds(1.2f);
    press(vk::ENTER);
    for (int i = 0; i < 2000 && gameMode == MODE_ENDING; ++i) {
        engine->tapKey(vk::ENTER);
        frame(0.1f);
    }
    ASSERT_EQ(gameMode, MODE_TITLE);

    press(vk::DOWN);
    press(vk::ENTER);
    look();
    EXPECT_NE(findText("New Game+"), nullptr);
    for (int i = 0; i < SLOT; ++i) press(vk::DOWN);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_SELECTOPP);
    EXPECT_TRUE(Campaign::now() == cleared);
    look();
    EXPECT_NE(findText("EX\nMission"), nullptr);
    clickOn(14);
    EXPECT_EQ(selectedOpp, EXMISSION);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_GAME);
}

}  // namespace
