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
    if (x < 0 || x >= n || y < 0 || y >= n)
        throw std::out_of_range("CMoveRules::ScanCell: cell off the board");
    if (m_nGrid[x][y] > kEmpty)
        return;
    ++m_nEmpty;

    for (const Direction& d : kDirectionOrder) {
        int cx = x + d.dx;
        int cy = y + d.dy;
        // Only an empty cell stops a line short; every value but the mover's, negative or
        // above kGreen included, counts as a disc to enclose.
        for (int k = 1; cx >= 0 && cx < n && cy >= 0 && cy < n; ++k) {
            const int v = m_nGrid[cx][cy];
            if (v == m_nPlayer) {
                if (k >= 2) {
                    record->m_bLegal = 1;
                    ++m_nLines;
                    record->m_ends.Add(CellPos { cx, cy });
                }
                break;
            }
            if (v == kEmpty)
                break;
            cx += d.dx;
            cy += d.dy;
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
