#include "engine/PixelMap.h"

#include <climits>
#include <cmath>

int PixelToCell(double pixel, int extent, int nCells)
{
    if (extent <= 0)
        return -1;
    const double cell = std::trunc(pixel / extent * nCells);
    // Converting a double outside int's range is undefined; no board has such a cell.
    if (!(cell >= INT_MIN && cell <= INT_MAX))
        return -1;
    return static_cast<int>(cell);
}

int CellToPixel(int cell, int extent, int nCells)
{
    int pixel = (cell * extent + nCells - 1) / nCells;
    while (pixel < extent && PixelToCell(pixel, extent, nCells) < cell)
        ++pixel;
    return pixel;
}
