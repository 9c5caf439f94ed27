#pragma once

#include "engine/GameClock.h"

// The game clock's tick, every kTickMs for as long as the main window exists: turns the
// oldest pending disc, and on the tick that turns the last one hands the turn on. It works
// on g_pBoard and does nothing when there is no board.
void GameTimerProc();
