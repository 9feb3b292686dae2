// The two-player match's screens: the set-up (mode 19) where both players choose at the
// same time, the banner between rounds (mode 20) and the match's end (mode 21), both
// drawn over the frozen battle.
#pragma once

void initVersusSetup();
void updateVersusSetup(float dt);
void drawVersusSetup();

void initVersusRound();
void updateVersusRound(float dt);
void drawVersusRound();

void initVersusResult();
void updateVersusResult(float dt);
void drawVersusResult();
