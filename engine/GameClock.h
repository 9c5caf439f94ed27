#pragma once

// The game clock's period: the turn controller's tick, and the stand-in clock of an open
// message box. One pending disc turns per tick.
constexpr int kTickMs = 200;
