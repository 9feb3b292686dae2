// The engine's callbacks (a step of the game, the drawing of a shown frame, the loss of
// the window's focus) and the two dispatchers they run.
#pragma once

// One fixed step of the game: true ends the program. No exception leaves it, nor the
// other callbacks: one is logged and shown, and ends the program.
bool StepFunc();
// Draws the current screen, and with F2 the frame rate and the update and draw times.
bool RenderFunc();
// A step and its drawing, for tools and tests that run whole frames one at a time.
bool FrameFunc();
// The battle pauses when the window loses focus, unless the player turned that off.
bool FocusLostFunc();
// Hands the three callbacks above to the engine.
void setFrameFunctions();

// One step of the current screen: the clocks, the mouse, the key handler, the mode's update.
void updateVars(float dt);
void renderAll();
