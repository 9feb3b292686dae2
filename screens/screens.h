// Hands every screen's init, update and draw functions to the shell.
#pragma once

void registerScreens();
