// The three ends of a round, drawn over the frozen battle: game over (mode 6), round won
// (mode 7) and match won (mode 8).
#pragma once

void initGameOver();
void updateGameOver(float dt);
void drawGameOver();

void initWinRound();
void updateWinRound(float dt);
void drawWinRound();

void initWinMatch();
void updateWinMatch(float dt);
void drawWinMatch();
