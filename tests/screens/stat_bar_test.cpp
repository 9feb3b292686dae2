// The stat rows of the vehicle selection and the upgrade screen: a longer bar is a better
// value, every upgrade a vehicle can buy grows its bar, and the number beside it is the
// value the game plays with. The vehicle's name keeps clear of every vehicle picture.

#include "cards/rewards.h"
#include "draw_fixture.h"
#include "screens/match_rewards.h"
#include "screens/selection.h"
#include "screens/stat_rows.h"
#include "screens/text_places.h"
#include "shell/modes.h"

namespace {

class StatBarTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        startMatch(0);
        pl[0].upgradePoints = 0;
    }
};

TEST_F(StatBarTest, ABetterValueFillsMoreAndEveryUpgradeGrowsItsBar) {
    // Rate of fire is the time between shots: the faster gun has the longer bar.
    EXPECT_GT(statBarFraction(S_ROF, 0.25f), statBarFraction(S_ROF, 0.40f));
    EXPECT_EQ(statBarFraction(S_ROF, LOWESTROF), 1);
    const int points = mostUpgradePoints();
    ASSERT_GT(points, 40);
    for (int veh = 0; veh < MAXVEHICLES; ++veh) {
        selectedVeh = veh;
        for (int stat = 0; stat < NUMSTATS; ++stat) {
            float before = statBarFraction(stat, statValue(stat, veh));
            for (int u = 0; u < points && !(stat == S_ROF && statValue(stat, veh) <= LOWESTROF + 0.005f); ++u) {
                pl[0].upgradePoints = 1;
                pl[0].upgradeCost[stat] = 1;
                upgradeStat(stat);
                const float after = statBarFraction(stat, statValue(stat, veh));
                // One pixel or more on the upgrade screen's 104 px bar.
                EXPECT_GE((after - before) * 104, 1.0f) << STATNAMES[stat] << " of vehicle " << veh << " upgrade " << u;
                before = after;
            }
            EXPECT_LE(before, 1.0f);
        }
        EXPECT_GT(fuelBarFraction(VEH_fuel[veh]), fuelBarFraction(VEH_fuel[veh] - FUELUPGRADE));
    }
}

TEST_F(StatBarTest, BothScreensWriteEachValueBesideItsBar) {
    selectedVeh = 1;
    VEH_power[1] = 7.5f;
    VEH_rof[1] = 0.35f;
    initSelectVehScreen();
    selectedVeh = 1;
    drawScene();
    EXPECT_NE(findText("7.5"), nullptr) << "power on the vehicle screen";
    EXPECT_NE(findText("0.35 s"), nullptr) << "rate of fire on the vehicle screen";
    EXPECT_NE(findText(std::to_string(int(VEH_heart[1]))), nullptr);

    initSelectUpgrade();
    drawScene();
    EXPECT_NE(findText("7.5"), nullptr) << "power on the upgrade screen";
    EXPECT_NE(findText("0.35 s"), nullptr) << "rate of fire on the upgrade screen";
}

TEST_F(StatBarTest, TheVehicleNameNeverOverlapsAVehiclePicture) {
    initSelectVehScreen();
    for (int veh = 0; veh < MAXVEHICLES; ++veh) {
        selectedVeh = veh;
        drawScene();
        const DrawnText* name = findText(vehName[veh]);
        ASSERT_NE(name, nullptr) << veh;
        font1->SetScale(name->scale);
        const hgeRect box(name->x, name->y, name->x + font1->GetStringWidth(vehName[veh].c_str()),
                          name->y + font1->GetHeight() * name->scale);
        font1->SetScale(1);
        for (int v = 0; v < MAXVEHICLES; ++v)
            EXPECT_FALSE(box.Intersect(&pos[v])) << vehName[veh] << " over the picture of vehicle " << v;
        EXPECT_LT(box.y2, VEHDESCPANEL.y1) << "the name stays above the description";
    }
}

}  // namespace
