#pragma once

// The game clock's tick, every 200 ms for as long as the main window exists: turns the
// oldest pending disc, and on the tick that turns the last one hands the turn on. It works
// on g_pBoard and does nothing when there is no board.
void GameTimerProc();

constexpr int kTickMs = 200;
