// Start-up and shut-down of the program, step by step, so each step can be run alone.
#pragma once

// The whole program: start-up, the frame loop, shut-down. Returns the process exit code:
// 1 when another copy runs from the same folder, the engine cannot start or the resource
// pack cannot be opened (each said in a message box).
int WinMain();

// Engine states before System_Initiate: log, INI, frame function, title, frame rate,
// window mode from the options file, canvas size, icon.
void configureEngine();
// Resource manager, particle managers and everything bound once by name; false (and an
// error box) when the resource pack cannot be opened.
bool loadSharedResources();
// Frees what loadSharedResources made.
void releaseSharedResources();
// The "Error" box used for fatal and start-up failures.
void showErrorBox(const char* text);
