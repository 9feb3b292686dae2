// The replay list (mode 23) and the replay on show (mode 22): the battle as it was played,
// under a small overlay of its round, time and speed and the keys that steer it.
#pragma once

void initReplayList();
void updateReplayList(float dt);
void drawReplayList();

void updateReplayScreen(float dt);
void drawReplayOverlay();
