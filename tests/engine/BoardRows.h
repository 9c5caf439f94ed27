#pragma once

// Positions as text: one string per row, top row first, one character per column.
// W B R G are the colours, '.' an empty cell, '-' the value -1 and a digit its own value
// (for the odd values a damaged grid may hold).

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/CellPosList.h"
#include "engine/Grid.h"
#include "engine/MoveRules.h"

using Rows = std::vector<std::string>;
using Cell = std::pair<int, int>;
// For every cell with end points, its end points in order.
using EndMap = std::map<Cell, std::vector<Cell>>;

// The pending flips, in order.
inline std::vector<Cell> Queue(const CellPosList& flips)
{
    std::vector<Cell> cells;
    for (int i = 0; i < flips.GetCount(); ++i)
        cells.push_back({ flips.GetAt(i)->x, flips.GetAt(i)->y });
    return cells;
}

// The eight directions in the order in which a cell lists its end points.
constexpr int kCompass[8][2]
    = { { 0, -1 }, { 0, 1 }, { -1, 0 }, { 1, 0 }, { -1, -1 }, { 1, 1 }, { -1, 1 }, { 1, -1 } };

// The start blocks for two, three and four players.
inline const Rows kStartBlocks[3] = {
    { "....", ".WB.", ".BW.", "...." },
    { "W.B.", "BW..", ".R.R", "...." },
    { "WB.B", ".RGR", "WBW.", "G.GR" },
};

// A start block as the 8 x 8 board holds it, two cells in from the top and the left.
inline Rows OnBoardOfEight(const Rows& block)
{
    Rows rows(8, std::string(8, '.'));
    for (size_t y = 0; y < block.size(); ++y)
        rows[y + 2].replace(2, block[y].size(), block[y]);
    return rows;
}

// The start positions of the 8 x 8 board for two, three and four players.
inline const Rows kStart8[3] = { OnBoardOfEight(kStartBlocks[0]), OnBoardOfEight(kStartBlocks[1]),
    OnBoardOfEight(kStartBlocks[2]) };

inline int CellValue(char c)
{
    const std::string letters = ".WBRG";
    if (c == '-')
        return -1;
    if (c >= '5' && c <= '9')
        return c - '0';
    return static_cast<int>(letters.find(c));
}

inline char CellLetter(int v)
{
    if (v < 0)
        return '-';
    return v <= kGreen ? ".WBRG"[v] : static_cast<char>('0' + v % 10);
}

// Writes the rows with their first character at (ox, oy); other cells keep their values.
inline void PutRows(Grid& grid, const Rows& rows, int ox = 0, int oy = 0)
{
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            grid[ox + x][oy + y] = CellValue(rows[y][x]);
}

inline Rows GetRows(const Grid& grid, int n)
{
    Rows rows(n, std::string(n, '.'));
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            rows[y][x] = CellLetter(grid[x][y]);
    return rows;
}

// The judged board with '*' on every legal cell.
inline Rows LegalMap(const CMoveRules& rules)
{
    Rows rows = GetRows(rules.m_nGrid, rules.m_nSize);
    for (int y = 0; y < rules.m_nSize; ++y)
        for (int x = 0; x < rules.m_nSize; ++x)
            if (rules.IsLegal(x, y) == 1)
                rows[y][x] = '*';
    return rows;
}

inline EndMap Ends(const CMoveRules& rules)
{
    EndMap ends;
    for (int y = 0; y < rules.m_nSize; ++y)
        for (int x = 0; x < rules.m_nSize; ++x)
            for (const CellPos& e : rules.GetMoveInfo(x, y)->m_ends)
                ends[{ x, y }].push_back({ e.x, e.y });
    return ends;
}
