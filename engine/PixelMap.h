#pragma once

// The cell under a pixel along one axis (a fractional position on scaled screens): trunc(pixel /
// extent * nCells) in double precision, dividing first. Truncation is toward zero, so the first few
// pixels left of or above the board still give cell 0; pixels further out, and those at or past the
// extent, give cells off the board, which every caller tests. An extent of 0 or less, or a result
// beyond int, gives -1.
int PixelToCell(double pixel, int extent, int nCells);
