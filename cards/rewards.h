// What a won match pays the human: upgrade points spent on the vehicle's statistics, five
// bonus cards on a first win, and a pick from a list of 21 reward cards.
#pragma once

// Upgrade points for beating `opp` with match score `score` in the first quest, before the
// second-quest bonus and the halving for a repeat win; 0 for the EX mission.
int basePointsFor(int opp, int score);
// At the match-won screen: sets upgradePoints and the five bonus cards in rewardCards[0..4],
// appending them to the deck when the opponent had not been beaten before.
void getUpgradePoints();
// At the upgrade screen: what one upgrade of each stat costs the selected vehicle.
void getCostPerUpgrade();
// What one upgrade adds to `stat` (S_*; rate of fire: takes off), 0 for no stat. A heart
// upgrade also adds FUELUPGRADE fuel.
float upgradeStep(int stat);
constexpr float FUELUPGRADE = 20;
// The points of a first win over every opponent in both quests at the best score: the
// most a vehicle can be upgraded without winning a match twice.
int mostUpgradePoints();
// One upgrade of `stat` (S_*) to the selected vehicle's base statistics, paid in points.
void upgradeStat(int stat);
// At the reward screen: the picks, the 21 cards offered sorted by type then id, and the
// opponent marked as beaten.
void getRewardCards();
