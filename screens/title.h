// The title screen (mode 0) and the credits page (mode 16).
#pragma once

void initTitleScreen();
void updateTitleScreen(float dt);
void drawTitleScreen();
// Back from the exit question, with the menu's choice as it was.
void returnToTitle();

void initCredits();
void drawCredits();
