#pragma once

class CBoardState;
class QImage;

// Keyboard play steps through the cells the painter marks as legal moves, in the computer
// player's order: column by column from the left, each column from the top. A cell's number
// in that order is x * N + y.

// Whether (x, y) carries a legal-move marker: a human's click is awaited and the snapshot of
// this board calls the cell legal.
bool IsMarkedLegal(const CBoardState& board, int x, int y);
// The number of the marked cell after (nStep 1) or before (nStep -1) cell number nFrom,
// wrapping round at either end; nFrom -1 starts before the first cell (after the last).
// Only cell nFrom marked: nFrom itself. Nothing marked: -1.
int StepMarkedCell(const CBoardState& board, int nFrom, int nStep);

// Frames the pointer cell over the grid lines around it, two board pixels thick, leaving
// its disc or marker untouched. Nothing for a pointer cell off the board.
void DrawKeyboardFrame(const CBoardState& board, QImage& surface);
