// The title screen (mode 0) and the credits page (mode 16).
#pragma once

void initTitleScreen();
void updateTitleScreen(float dt);
void drawTitleScreen();

void initCredits();
void drawCredits();
