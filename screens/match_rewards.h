// What follows a won match: spending the upgrade points (mode 9), then picking reward
// cards (mode 4), then back to the opponent selection or, after the last opponent, the
// ending.
#pragma once

void initSelectUpgrade();
void updateSelectUpgrade(float dt);
void drawSelectUpgrade();

void initSelectReward();
void updateSelectReward(float dt);
void drawSelectReward();
