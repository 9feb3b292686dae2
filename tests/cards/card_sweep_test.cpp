// Every card id played for both sides in a running round, and the human's in the EX
// mission, each followed by ten seconds of battle that must keep every table sound.
#include <string>

#include "cards/card_effects.h"
#include "tests/battle/frame_fixture.h"

namespace {

constexpr int LASTCARD = 344;
constexpr int BLOCKS = 8;
constexpr int TENSECONDS = 1000;  // frames

class CardSweep : public MatchTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        MatchTest::SetUp();
        // Continuous emitters: a shot that forgets to stop its trail keeps it alive.
        for (hgeParticleSystemInfo& info : psiGeneral) {
            info.emission = 20;
            info.lifetime = -1;
            info.particleLifeMin = info.particleLifeMax = 0.5f;
        }
    }

    // Neither side can lose while the cards are tried; purses without a cap take the EX
    // mission's combo coins, which the frame would only cap one frame later.
    static void keepGoing() {
        for (Player& p : pl) {
            p.maxHeart = p.heart = 1e7f;
            for (int k = 0; k < 3; ++k) p.coinCap[k] = 1000000;
        }
    }

    static std::string brokenSlot() {
        for (int s = 0; s < MAXSHOTS; ++s) {
            if (!sh[s].active || !sh[s].usesParticles || !sh[s].ps) continue;
            for (int t = s + 1; t < MAXSHOTS; ++t)
                if (sh[t].active && sh[t].ps == sh[s].ps) return "two shots steer one particle system";
        }
        if (psmgr->GetCount() > MAX_PSYSTEMS || psmgrX->GetCount() > MAX_PSYSTEMS) return "too many emitters";
        return brokenInvariant();
    }

    // Plays `card` for each of `sides` from hand slot 0 and runs the battle on.
    void playAndRun(int card, int sides) {
        for (int side = 0; side < sides; ++side) {
            pl[side].text[0].clear();
            pl[side].hand[0] = card;
            initCard(side, 0);
            EXPECT_NE(pl[side].text[0], "Card not implemented.") << "card " << card << " side " << side;
            EXPECT_EQ(pl[side].hand[0], 0) << "card " << card << " is spent";
        }
        for (int f = 0; f < TENSECONDS && gameMode == MODE_GAME; ++f) {
            keepGoing();
            frame();
            const std::string broken = brokenSlot();
            if (!broken.empty()) {
                ADD_FAILURE() << broken << " after card " << card << ", frame " << f;
                return;
            }
        }
        EXPECT_EQ(gameMode, MODE_GAME) << "card " << card;
    }

    static int first() { return 1 + GetParam() * LASTCARD / BLOCKS; }
    static int last() { return (GetParam() + 1) * LASTCARD / BLOCKS; }
};

TEST_P(CardSweep, BothSidesPlayEveryCardInARunningRound) {
    startMatch(6, GetParam() % MAXVEHICLES);
    engine->Random_Seed(GetParam() + 1);
    for (int card = first(); card <= last() && !HasFailure(); ++card) playAndRun(card, 2);
}

TEST_P(CardSweep, TheHumanPlaysEveryCardInTheExMission) {
    startSecondQuest(EXMISSION, GetParam() % MAXVEHICLES);
    engine->Random_Seed(GetParam() + 100);
    for (int card = first(); card <= last() && !HasFailure(); ++card) playAndRun(card, 1);
}

INSTANTIATE_TEST_SUITE_P(CardBlocks, CardSweep, ::testing::Range(0, BLOCKS));

}  // namespace
