#pragma once

// Lets assistive technology read the board as a table of N x N cells, row by row. Only
// consulted while a screen reader (or another client) asks: without one, nothing of it runs
// beyond installing the factory.
void InstallBoardAccessible();
