// The battle's sheet of pictures is the largest texture (13 MB on the device). The title
// and the screens opened from it (options, instructions, credits, replays, load) never
// draw it, so it is let go while they show and comes back when any other screen opens.
#pragma once

// Called before each frame is drawn.
void followBattlePictures();
