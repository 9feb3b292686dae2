// Tables the game carries in its code rather than in the data files.
#pragma once

// Fills condString, wpnDesc and colorCycle and sets the eight stat-bar maxima to 0.
void setFixedTables();
