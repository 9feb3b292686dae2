// The options screen (mode 13), opened from the title or the pause menu, and the dialog
// that rebinds one key (mode 17).
#pragma once

// Writes the eleven keys and the hint switch to "Options.ini".
void setKeyOptions();

void initOptionsScreen();
void updateOptionsScreen(float dt);
void drawOptionsScreen();

// Opens the dialog that rebinds option `option` (an OPT_KEY* index).
void initKeyChange(int option);
void updateConfirmKey(float dt);
void drawConfirmKey();
