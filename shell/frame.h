// The per-frame callback and its two dispatchers.
#pragma once

// The engine's frame function: true ends the program. No exception leaves it: one is
// logged and shown, and ends the program.
bool FrameFunc();
void updateVars(float dt);
void renderAll();
