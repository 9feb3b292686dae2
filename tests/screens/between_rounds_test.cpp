// The screens that interrupt or close a round, driven by keys and clicks: the pause and
// what it opens, game over and its retry, the won round and match, the upgrades, the
// rewards, and the saves made on the way back to the opponent selection.
#include <filesystem>

#include "battle/battle_frame.h"
#include "cards/opponents.h"
#include "cards/savegame.h"
#include "screens/match_rewards.h"
#include "screens/pause_screen.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "tests/screens/menu_fixture.h"

namespace {

class BetweenRoundsTest : public MenuTest {
protected:
    // The last round of a match against `opp`, won, up to the upgrade screen.
    void winMatch(int opp) {
        startMatch(opp);
        curRound = oppRounds[opp] - 1;
        pl[0].score = 20000;
        pl[1].heart = 0;
        frame();
        ASSERT_EQ(gameMode, MODE_WINMATCH);
    }
};

TEST_F(BetweenRoundsTest, TheResumeOptionsInstructionsAndBothQuitsOfThePause) {
    startMatch(2);
    engine->tapKey(vk::ESCAPE);
    frame();
    ASSERT_EQ(gameMode, MODE_PAUSE);
    engine->moveMouse(700, 40);  // over no button
    frame();
    EXPECT_FALSE(hge->System_GetState(HGE_HIDEMOUSE));
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_GAME);
    EXPECT_TRUE(hge->System_GetState(HGE_HIDEMOUSE));

    initPauseScreen();
    press(vk::UP);
    EXPECT_EQ(selected, 3) << "up from the first button wraps";
    press(vk::DOWN);
    press(vk::DOWN);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_OPTIONS);
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_PAUSE) << "options opened from the pause return to it";
    press(vk::F1);
    ASSERT_EQ(gameMode, MODE_INST);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_PAUSE);

    press(vk::DOWN);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_CONFIRMEXIT);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_PAUSE) << "the question starts on No";
    press(vk::ENTER);
    press(vk::LEFT);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_SELECTOPP) << "the match is given up";
    EXPECT_TRUE(std::filesystem::exists(saveFileName(pl[0].saveSlot))) << "and the game saved";

    startMatch(2);
    initPauseScreen();
    clickOn(103);
    clickOn(111);
    EXPECT_TRUE(done) << "Quit Game, Yes: the program ends";
}

TEST_F(BetweenRoundsTest, GameOverWaitsThenARetryTakesBackOnlyTheLostRoundsScore) {
    startMatch(1);
    const int total = totalScore;
    pl[0].score += 1000;  // round 1, won
    totalScore += 1000;
    pl[1].heart = 0;
    frame();
    waitSeconds(3.1f);
    ASSERT_EQ(curRound, 1);
    pl[0].score += 700;  // round 2: 500 from kills, 200 from a point item that the total never got
    totalScore += 500;
    pl[0].passive[0] = P_XRAY;
    pl[0].powerEx = 4;
    pl[0].heart = 0;
    frame();
    ASSERT_EQ(gameMode, MODE_GAMEOVER);

    waitSeconds(2.0f);
    clickAt(400, 300);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_GAMEOVER) << "keys wait 2.5 s";
    waitSeconds(0.3f);
    look();
    EXPECT_NE(findText("Retry"), nullptr);
    EXPECT_NE(findText("Quit match"), nullptr);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_GAME);
    EXPECT_EQ(curRound, 1);
    EXPECT_EQ(totalScore, total + 1000);
    EXPECT_EQ(pl[0].score, 1000);
    EXPECT_FLOAT_EQ(pl[0].pacing, 0.9f);
    EXPECT_EQ(pl[0].passive[0], 0);
    EXPECT_EQ(pl[0].powerEx, 0);
}

TEST_F(BetweenRoundsTest, TheExMissionHasNoRetryAndShorterRoundEnds) {
    startMatch(EXMISSION);
    showWinRound();
    ASSERT_EQ(gameMode, MODE_WINROUND);
    press(vk::ENTER);
    waitSeconds(1.4f);
    EXPECT_EQ(gameMode, MODE_WINROUND) << "no key shortens it";
    waitSeconds(0.2f);
    ASSERT_EQ(gameMode, MODE_GAME);
    EXPECT_EQ(curRound, 1);
    EXPECT_EQ(pl[0].highestRound, 2);

    pl[0].heart = 0;
    frame();
    waitSeconds(2.6f);
    ASSERT_EQ(gameMode, MODE_GAMEOVER);
    look();
    EXPECT_NE(findText("Back to select screen"), nullptr);
    EXPECT_EQ(findText("Retry"), nullptr);
    clickAt(400, 500);
    EXPECT_EQ(gameMode, MODE_GAMEOVER) << "a click beside the one button retries nothing";
    press(vk::LEFT);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_SELECTOPP) << "the one button keeps the focus";
}

TEST_F(BetweenRoundsTest, AWonRoundIgnoresKeysForThreeSeconds) {
    startMatch(3);
    pl[1].heart = 0;
    frame();
    ASSERT_EQ(gameMode, MODE_WINROUND);
    press(vk::ENTER);
    press(vk::ESCAPE);
    waitSeconds(2.8f);
    EXPECT_EQ(gameMode, MODE_WINROUND);
    EXPECT_EQ(curRound, 0);
    waitSeconds(0.3f);
    EXPECT_EQ(gameMode, MODE_GAME);
    EXPECT_EQ(curRound, 1);
}

TEST_F(BetweenRoundsTest, TheMatchWonListsTheBonusCardsOnlyOnAFirstWin) {
    ASSERT_NO_FATAL_FAILURE(winMatch(2));
    EXPECT_EQ(pl[0].upgradePoints, 3);
    EXPECT_EQ(pl[0].deckSize, STARTINGCARDSINDECK + 5);
    waitSeconds(2.7f);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_WINMATCH) << "keys wait 3 s";
    look();
    EXPECT_NE(findText("cards added to deck:"), nullptr);
    waitSeconds(0.4f);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_SELECTUPGRADE);

    beat[2] = 1;
    ASSERT_NO_FATAL_FAILURE(winMatch(2));
    EXPECT_EQ(pl[0].upgradePoints, 1) << "a repeat win pays half";
    EXPECT_EQ(pl[0].deckSize, STARTINGCARDSINDECK);
    waitSeconds(3.1f);
    look();
    EXPECT_EQ(findText("cards added to deck:"), nullptr);
    clickOn(182);
    EXPECT_EQ(gameMode, MODE_SELECTUPGRADE);
}

TEST_F(BetweenRoundsTest, EveryUpgradePointIsSpentBeforeTheRewards) {
    selectedVeh = 1;  // speed and rate of fire cost this vehicle two points
    initSelectUpgrade();
    pl[0].upgradePoints = 3;
    const float speed = VEH_speed[1], armor = VEH_armor[1];
    VEH_rof[1] = LOWESTROF;
    press(vk::ENTER);
    EXPECT_EQ(pl[0].upgradePoints, 3) << "Enter buys nothing before a row is picked with the keys";
    clickOn(24 + S_ROF);
    EXPECT_EQ(pl[0].upgradePoints, 3) << "a rate of fire at its floor is not sold";
    clickOn(24 + S_SPEED);
    EXPECT_EQ(VEH_speed[1], speed + 1);
    EXPECT_EQ(pl[0].upgradePoints, 1);
    clickOn(33);
    press(vk::UP);
    press(vk::DOWN);
    press(vk::ENTER);
    EXPECT_EQ(pl[0].upgradePoints, 1) << "speed costs more than is left";
    EXPECT_EQ(gameMode, MODE_SELECTUPGRADE) << "no way on with points left";
    press(vk::DOWN);
    press(vk::ENTER);
    EXPECT_EQ(VEH_armor[1], armor + 0.75f);
    EXPECT_EQ(pl[0].upgradePoints, 0);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_SELECTREWARD);
}

TEST_F(BetweenRoundsTest, RewardPicksTheHundredCardRuleAndTheWayOut) {
    pl[0].deckSize = 60;
    for (int i = 0; i < MAXDECKSIZE; ++i) pl[0].deck[i] = 1 + i % 40;
    selectedOpp = 0;
    initSelectReward();
    engine->moveMouse(400, 560);
    frame();
    look();
    EXPECT_NE(findText("reward set 1-1"), nullptr);
    ASSERT_EQ(pl[0].rewardPicks, 5);
    press(vk::LEFT);
    EXPECT_EQ(selected, 6) << "left wraps in the row";
    press(vk::UP);
    EXPECT_EQ(selected, 20);
    press(vk::DOWN);
    EXPECT_EQ(selected, 6);
    const int card = pl[0].rewardCards[6];
    press(vk::ENTER);
    EXPECT_EQ(pl[0].deck[60], card);
    EXPECT_EQ(pl[0].rewardCards[6], -1);
    clickOn(6);
    EXPECT_EQ(pl[0].rewardPicks, 4) << "a taken card is gone";
    clickOn(25);
    EXPECT_EQ(gameMode, MODE_SELECTREWARD) << "every pick is taken from a deck of 100 or fewer";
    for (int i = 0; i < 4; ++i) clickOn(i);
    EXPECT_EQ(pl[0].deckSize, 65);
    clickOn(10);
    EXPECT_EQ(pl[0].deckSize, 65) << "no picks left";
    clickOn(25);
    EXPECT_EQ(gameMode, MODE_SELECTOPP);

    // A deck of more than 100 may leave its picks; a full deck takes no card but keeps the pick.
    pl[0].deckSize = MAXDECKSIZE;
    initSelectReward();
    clickOn(0);
    EXPECT_EQ(pl[0].rewardPicks, 2);
    EXPECT_NE(pl[0].rewardCards[0], -1);
    look();
    EXPECT_NE(findText("reward set 1-2"), nullptr);
    EXPECT_NE(findText("Click OK/press Enter to skip rewards"), nullptr);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_SELECTREWARD) << "Enter on a card takes it, and a full deck takes none";
    EXPECT_EQ(pl[0].rewardPicks, 2);
    press(vk::UP);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_SELECTOPP) << "OK, above the first row, skips the picks left";

    // After the last opponent the ending follows, and the cleared game is saved.
    pl[0].deckSize = 60;
    pl[0].saveSlot = 6;
    selectedOpp = 6;
    initSelectReward();
    for (int i = 0; i < 5; ++i) clickOn(i);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_ENDING);
    ASSERT_TRUE(loadGameData(6));
    EXPECT_EQ(pl[0].questNum, 2);
    EXPECT_EQ(totalBeat(), 0);
}

TEST_F(BetweenRoundsTest, AnAutosaveThatFailsIsReportedAndTheGameGoesOn) {
    winMatch(0);
    {
        FailingWrites diskFull;
        back2SelectScreen(false);
    }
    EXPECT_EQ(gameMode, MODE_SELECTOPP);
    ASSERT_EQ(engine->messageBoxes().size(), 1u);
    EXPECT_EQ(engine->messageBoxes()[0].text, "Could not create save file.");
    look();
    EXPECT_EQ(findText("Game has been automatically saved."), nullptr);
    EXPECT_NE(findText("Could not create save file."), nullptr);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_GAME);
}

}  // namespace
