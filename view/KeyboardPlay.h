#pragma once

class CBoardState;
class QImage;

// Frames the pointer cell over the grid lines around it, two board pixels thick, leaving
// its disc or marker untouched. Nothing for a pointer cell off the board.
void DrawKeyboardFrame(const CBoardState& board, QImage& surface);
