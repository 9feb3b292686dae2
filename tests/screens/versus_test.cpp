// A two-player match played through the real screens with both players' keys scripted:
// the set-up, the battle's routing of keys and controllers to their own players, the
// rounds, the result's buttons, and that a match leaves no file behind.
#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "battle/combos.h"
#include "battle/versus_rules.h"
#include "cards/hand.h"
#include "screens/title.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "tests/screens/menu_fixture.h"

namespace {

class VersusTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        initTitleScreen();
        frame();
    }
    std::set<std::string> files() const {
        std::set<std::string> names;
        for (const auto& f : std::filesystem::recursive_directory_iterator(workDir))
            if (f.path().extension() != ".log") names.insert(f.path().lexically_relative(workDir).string());
        return names;
    }
    // From the title to the battle: player 1 takes vehicle 1 and deck 1, player 2
    // vehicle 7 and deck 11, three rounds to win, in the first place.
    // A key pressed for a frame and let go for one: each player's keys act as they go down.
    void tap(int key) {
        press(key);
        frame();
    }
    void setUpByKeys() {
        for (int i = 0; i < TITLE_VERSUS; ++i) press(vk::DOWN);
        press(vk::ENTER);
        ASSERT_EQ(gameMode, MODE_VERSUSSETUP);
        tap('D');          // player 1: next vehicle
        tap(vk::LEFT);     // player 2: the last vehicle
        tap('S');
        tap('D');          // player 1: next deck
        tap(vk::DOWN);
        tap(vk::LEFT);     // player 2: the last deck
        for (int i = 0; i < 2; ++i) tap(vk::DOWN);
        tap(vk::RIGHT);    // player 2: three rounds
        tap(vk::DOWN);
        tap(vk::RIGHT);    // player 2: from Random to the first place
        EXPECT_EQ(versus.roundsToWin, 3);
        EXPECT_EQ(versus.place, 0);
        tap('S');
        tap(' ');          // player 1 is ready
        EXPECT_EQ(gameMode, MODE_VERSUSSETUP);
        tap('D');
        EXPECT_EQ(versus.vehicle[0], 1) << "a ready player's choices stay";
        tap(vk::ENTER);    // player 2 as well, fire from the place row
        ASSERT_EQ(gameMode, MODE_GAME);
    }
    void hold(int key, int frames) {
        engine->pressKey(key);
        for (int i = 0; i < frames; ++i) frame();
        engine->releaseKey(key);
    }
    void stop() {
        for (Player& p : pl) p.velX = p.velY = 0;
    }
    // Side `loser` is out; the banner (or the result) follows at once.
    void knockOut(int loser) {
        ASSERT_EQ(gameMode, MODE_GAME);
        pl[loser].heart = 0;
        frame();
    }
};

TEST_F(VersusTest, AMatchFromTheSetUpToTheResultWithBothPlayersKeys) {
    const std::set<std::string> before = files();
    setUpByKeys();
    EXPECT_EQ(selectedVeh, 1);
    EXPECT_EQ(selectedDeck, 1);
    EXPECT_EQ(vehicleOf(1), MAXVEHICLES - 1);
    EXPECT_EQ(selectedOpp, 0);
    EXPECT_EQ(pl[1].maxHeart, VEH_heart[MAXVEHICLES - 1]) << "player 2 drives his vehicle, not an opponent";
    EXPECT_EQ(pl[1].speed, VEH_speed[MAXVEHICLES - 1]);
    waitSeconds(2);

    // Each player's keys move only his own vehicle; the arrows are player 2's alone.
    stop();
    const hgeRect p1 = pl[0].rect, p2 = pl[1].rect;
    hold('D', 20);
    EXPECT_GT(pl[0].rect.x1, p1.x1);
    EXPECT_EQ(pl[1].rect.x1, p2.x1) << "the opponent program is off";
    stop();
    const hgeRect q1 = pl[0].rect;
    hold(vk::LEFT, 20);
    EXPECT_LT(pl[1].rect.x1, p2.x1);
    EXPECT_EQ(pl[0].rect.x1, q1.x1);

    // Cards are paid from each side's own coins (each as many as its deck holds).
    const int card = pl[0].hand[0] != 0 ? pl[0].hand[0] : 1;
    const Card& c = cardData(card);
    int full[2][3];
    for (int side = 0; side < 2; ++side) {
        pl[side].hand[0] = card;
        pl[side].cardUseTimer[0] = 0;
        for (int k = 0; k < 3; ++k) pl[side].coin[k] = full[side][k] = std::max(pl[side].coinCap[k], c.cost[k]);
    }
    tap('1');
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(pl[0].coin[k], full[0][k] - c.cost[k]);
        EXPECT_EQ(pl[1].coin[k], full[1][k]) << "player 1's card costs player 2 nothing";
    }
    tap(vk::COMMA);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(pl[1].coin[k], full[1][k] - c.cost[k]);

    // Combos send enemies across both ways.
    for (int side = 0; side < 2; ++side) {
        const auto across = [&] {
            int n = 0;
            for (const Enemy& e : en) n += e.active && e.side == 1 - side;
            return n;
        };
        const int was = across();
        comboEnemySpawn(side, 12);
        EXPECT_GT(across(), was) << "a combo of side " << side;
    }

    // Rounds: 1 - 0, a draw, 2 - 0, 2 - 1, 3 - 1 ends the match.
    knockOut(1);
    ASSERT_EQ(gameMode, MODE_VERSUSROUND);
    EXPECT_EQ(versus.wins[0], 1);
    look();
    EXPECT_NE(findText("Player 1 wins round 1!"), nullptr);
    waitSeconds(3.2f);
    ASSERT_EQ(gameMode, MODE_GAME);
    pl[0].heart = pl[1].heart = 0;
    frame();
    EXPECT_EQ(versus.roundWinner, -1);
    EXPECT_EQ(versus.wins[0] + versus.wins[1], 1) << "a draw scores nothing";
    waitSeconds(3.2f);
    knockOut(1);
    waitSeconds(3.2f);
    knockOut(0);
    EXPECT_EQ(versus.wins[1], 1);
    waitSeconds(3.2f);
    knockOut(1);
    ASSERT_EQ(gameMode, MODE_VERSUSRESULT);
    EXPECT_EQ(versus.wins[0], 3);
    EXPECT_EQ(versusMatchWinner(), 0);

    // Rematch starts again from 0 - 0 with the same choices.
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_VERSUSRESULT) << "the buttons wait for keys held from the battle";
    waitSeconds(2.1f);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_GAME);
    EXPECT_EQ(versus.wins[0] + versus.wins[1], 0);
    EXPECT_EQ(vehicleOf(1), MAXVEHICLES - 1);
    for (int round = 0; round < 3; ++round) {
        knockOut(0);
        waitSeconds(3.2f);
    }
    ASSERT_EQ(gameMode, MODE_VERSUSRESULT);
    EXPECT_EQ(versusMatchWinner(), 1);
    waitSeconds(2.1f);
    press(vk::RIGHT);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_VERSUSSETUP) << "Change vehicles";
    EXPECT_EQ(versus.vehicle[0], 1) << "the last choices stand";
    press(vk::PADBACK);
    EXPECT_EQ(gameMode, MODE_TITLE);
    EXPECT_FALSE(versus.on);
    EXPECT_EQ(files(), before) << "no save, no options: nothing written";
}

TEST_F(VersusTest, KeysAndControllersGoToTheirOwnPlayers) {
    setUpByKeys();
    const auto holds = [](int side, int action) { return versusActionHeld(side, action); };
    engine->pressKey(vk::SPACE);
    engine->pressKey(vk::UP);
    frame();
    EXPECT_TRUE(holds(0, VA_FIRE));
    EXPECT_FALSE(holds(1, VA_FIRE));
    EXPECT_TRUE(holds(1, VA_UP));
    EXPECT_FALSE(holds(0, VA_UP)) << "player 1 has no arrows in a two-player match";
    engine->releaseKey(vk::SPACE);
    engine->releaseKey(vk::UP);

    // A key bound for both players works for both.
    pl[1].opt[OPT_KEYBOOST] = pl[0].opt[OPT_KEYBOOST];
    engine->pressKey(pl[0].opt[OPT_KEYBOOST]);
    frame();
    EXPECT_TRUE(holds(0, VA_BOOST));
    EXPECT_TRUE(holds(1, VA_BOOST));
    engine->releaseKey(pl[0].opt[OPT_KEYBOOST]);

    // A controller plugged in pauses and plays player 2; player 1 keeps the keyboard.
    engine->attachPads(1);
    frame();
    ASSERT_EQ(gameMode, MODE_PAUSE);
    EXPECT_TRUE(versus.padNotice);
    look();
    EXPECT_NE(findText("One controller: it plays Player 2, Player 1 the keyboard"), nullptr);
    press(vk::ESCAPE);
    ASSERT_EQ(gameMode, MODE_GAME);
    frame();
    EXPECT_EQ(gameMode, MODE_GAME) << "no second pause for the same controller";
    EXPECT_FALSE(versus.padNotice);
    engine->pressPadKey(0, vk::SPACE);
    frame();
    EXPECT_TRUE(holds(1, VA_FIRE)) << "the pad's A fires for player 2";
    EXPECT_FALSE(holds(0, VA_FIRE)) << "though Space is player 1's fire key";
    engine->releasePadKey(0, vk::SPACE);

    // With two, the first plays player 1 and the second player 2.
    engine->attachPads(2);
    frame();
    ASSERT_EQ(gameMode, MODE_PAUSE);
    press(vk::ESCAPE);
    engine->pressPadKey(0, vk::LEFT);
    engine->pressPadKey(1, vk::SHIFT);
    frame();
    EXPECT_TRUE(holds(0, VA_LEFT));
    EXPECT_FALSE(holds(1, VA_LEFT));
    EXPECT_TRUE(holds(1, VA_BOOST));
    EXPECT_FALSE(holds(0, VA_BOOST));
    EXPECT_EQ(padOfSide(0, 2), 0);
    EXPECT_EQ(padOfSide(1, 2), 1);
    EXPECT_EQ(padOfSide(0, 1), -1);
    EXPECT_EQ(padOfSide(1, 0), -1);
}

TEST_F(VersusTest, TheCampaignKeepsTheArrowsAndTheOpponentProgram) {
    EXPECT_FALSE(versus.on);
    EXPECT_EQ(vehicleOf(1), -1);
    startMatch(2);
    progress = 100;
    stop();
    const hgeRect me = pl[0].rect;
    hold(vk::RIGHT, 10);
    EXPECT_GT(pl[0].rect.x1, me.x1) << "the arrows steer the campaign's human";
}

}  // namespace
