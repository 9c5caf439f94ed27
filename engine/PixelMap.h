#pragma once

// The cell under a pixel along one axis: trunc(pixel / extent * nCells) in double
// precision, dividing first. Pixels outside the extent give cells outside the board (which
// every caller tests); an extent of 0 or less, or a result beyond int, gives -1.
int PixelToCell(int pixel, int extent, int nCells);
