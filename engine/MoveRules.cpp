#include "engine/MoveRules.h"

#include <cstring>
#include <stdexcept>

namespace {

struct Direction {
    int dx;
    int dy;
};

// The order in which a cell's end points are listed.
constexpr Direction kDirectionOrder[kDirections] = {
    { 0, -1 }, // up
    { 0, +1 }, // down
    { -1, 0 }, // left
    { +1, 0 }, // right
    { -1, -1 }, // up and left
    { +1, +1 }, // down and right
    { -1, +1 }, // down and left
    { +1, -1 }, // up and right
};

} // namespace

CMoveRules::CMoveRules(const Grid& grid, int nSize, int nPlayer)
    : m_nSize(nSize)
    , m_nPlayer(nPlayer)
{
    if (nSize > kMaxBoardSize)
        throw std::out_of_range("CMoveRules: board larger than the grid");
    std::memcpy(m_nGrid, grid, sizeof(Grid));
    for (int y = 0; y < nSize; ++y)
        for (int x = 0; x < nSize; ++x)
            ScanCell(x, y);
}

MoveInfo* CMoveRules::AddMoveInfo() { return m_cells.Add(); }

void CMoveRules::ScanCell(int x, int y)
{
    // The record comes first, so that records stay in scan order whether or not the cell
    // is legal.
    MoveInfo* record = AddMoveInfo();
    const int n = m_nSize;
    if (m_nGrid[x][y] > kEmpty)
        return;
    ++m_nEmpty;

    // The steps left to each edge bound every walk, so the walk itself reads cells with no
    // test of the coordinates: this loop is where a turn's time goes.
    const int toLeft = x;
    const int toRight = n - 1 - x;
    const int toTop = y;
    const int toBottom = n - 1 - y;
    const int player = m_nPlayer;
    const int* const cell = &m_nGrid[x][y];
    // Unrolled, so that each direction's steps and stride fold to constants.
#pragma GCC unroll 8
    for (const Direction& d : kDirectionOrder) {
        const int stepsX = d.dx < 0 ? toLeft : d.dx > 0 ? toRight : n;
        const int stepsY = d.dy < 0 ? toTop : d.dy > 0 ? toBottom : n;
        const int steps = stepsX < stepsY ? stepsX : stepsY;
        const int stride = d.dx * kMaxBoardSize + d.dy;
        const int* p = cell;
        // Only an empty cell stops a line short; every value but the mover's, negative or
        // above kGreen included, counts as a disc to enclose.
        for (int k = 1; k <= steps; ++k) {
            p += stride;
            const int v = *p;
            if (v == player) {
                if (k >= 2) {
                    record->m_bLegal = 1;
                    ++m_nLines;
                    record->m_ends.Add(CellPos { x + k * d.dx, y + k * d.dy });
                }
                break;
            }
            if (v == kEmpty)
                break;
        }
    }
}

const MoveInfo& CMoveRules::Record(int x, int y) const
{
    // Formed in 64 bits so that no pair of ints can overflow into a valid index.
    const long long index = static_cast<long long>(y) * m_nSize + x;
    if (index < 0 || index >= m_cells.GetCount())
        throw std::out_of_range("CMoveRules: no record for this cell");
    return m_cells[static_cast<int>(index)];
}

int CMoveRules::IsLegal(int x, int y) const { return Record(x, y).m_bLegal; }

const MoveInfo* CMoveRules::GetMoveInfo(int x, int y) const { return &Record(x, y); }
