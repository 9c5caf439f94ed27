#pragma once

// The cell under a pixel along one axis (a fractional position on scaled screens): trunc(pixel /
// extent * nCells) in double precision, dividing first. Truncation is toward zero, so the first few
// pixels left of or above the board still give cell 0; pixels further out, and those at or past the
// extent, give cells off the board, which every caller tests. An extent of 0 or less, or a result
// beyond int, gives -1.
int PixelToCell(double pixel, int extent, int nCells);

// The first pixel of a cell along one axis, which PixelToCell maps back to that cell. It is
// cell * extent / nCells when that divides evenly, as on the 400-pixel board; for any other
// extent the quotient is rounded up, since rounding down would land in the cell before.
int CellToPixel(int cell, int extent, int nCells);
