#include "engine/BoardState.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// The start blocks, one row of the 4 x 4 block per string, top row first.
constexpr const char* kStartBlocks[3][4] = {
    { "....", ".WB.", ".BW.", "...." },
    { "W.B.", "BW..", ".R.R", "...." },
    { "WB.B", ".RGR", "WBW.", "G.GR" },
};

int ColourOfLetter(char c)
{
    switch (c) {
    case 'W':
        return kWhite;
    case 'B':
        return kBlack;
    case 'R':
        return kRed;
    case 'G':
        return kGreen;
    default:
        return kEmpty;
    }
}

int Sign(int v) { return (v > 0) - (v < 0); }

} // namespace

int StartBlockOffset(int nBoardSize)
{
    for (const int side : kBoardSizes)
        if (side == nBoardSize)
            return (side - 4) / 2;
    return 0;
}

void CBoardState::ClearBoard() { std::memset(m_nGrid, 0, sizeof(m_nGrid)); }

void CBoardState::SetStartPosition(int nPlayers)
{
    const int o = StartBlockOffset(m_nBoardSize);
    const bool known = nPlayers >= 2 && nPlayers <= 4;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            m_nGrid[o + col][o + row]
                = known ? ColourOfLetter(kStartBlocks[nPlayers - 2][row][col]) : kEmpty;
}

int CBoardState::HasOneColourLeft() const
{
    int seen = kEmpty;
    for (int x = 0; x < m_nBoardSize; ++x) {
        for (int y = 0; y < m_nBoardSize; ++y) {
            const int v = m_nGrid[x][y];
            if (v <= kEmpty)
                continue;
            if (seen != kEmpty && v != seen)
                return 0;
            seen = v;
        }
    }
    return 1;
}

void CBoardState::ApplyMove(int x, int y)
{
    m_nGrid[x][y] = m_nCurrentPlayer;
    for (const CellPos& end : m_pRules->GetMoveInfo(x, y)->m_ends) {
        const int sx = Sign(end.x - x);
        const int sy = Sign(end.y - y);
        int cx = x;
        int cy = y;
        while (cx != end.x || cy != end.y) {
            cx += sx;
            cy += sy;
            m_flips.Add(cx, cy);
        }
    }
    m_bAwaitingClick = 0;
}

void CBoardState::RebuildRules()
{
    // The old snapshot goes first, as the board never holds two.
    m_pRules.reset();
    m_pRules = std::make_unique<CMoveRules>(m_nGrid, m_nBoardSize, m_nCurrentPlayer);
}

void CBoardState::CountDiscs(int counts[kMaxPlayers]) const
{
    for (int c = 0; c < kMaxPlayers; ++c)
        counts[c] = 0;
    for (int x = 0; x < m_nBoardSize; ++x)
        for (int y = 0; y < m_nBoardSize; ++y) {
            const int v = m_nGrid[x][y];
            if (v >= kWhite && v <= kGreen)
                ++counts[v - 1];
        }
}

std::vector<CellPos> CBoardState::LegalMoves() const
{
    std::vector<CellPos> cells;
    if (!m_pRules || m_pRules->m_nSize != m_nBoardSize)
        return cells;
    for (int x = 0; x < m_nBoardSize; ++x)
        for (int y = 0; y < m_nBoardSize; ++y)
            if (m_pRules->IsLegal(x, y) == 1)
                cells.push_back({ x, y });
    return cells;
}

std::optional<CellPos> CBoardState::NextLegalMove(CellPos from, bool bForward) const
{
    const std::vector<CellPos> cells = LegalMoves();
    if (cells.empty())
        return std::nullopt;
    // Column by column, each column from the top.
    const auto before
        = [](const CellPos& a, const CellPos& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); };
    if (bForward) {
        const auto next = std::upper_bound(cells.begin(), cells.end(), from, before);
        return OnBoard(from.x, from.y) && next != cells.end() ? *next : cells.front();
    }
    const auto next = std::lower_bound(cells.begin(), cells.end(), from, before);
    return OnBoard(from.x, from.y) && next != cells.begin() ? *(next - 1) : cells.back();
}

int CBoardState::DiscsTurnedBy(int x, int y) const
{
    if (!m_pRules || m_pRules->m_nSize != m_nBoardSize || !OnBoard(x, y))
        return 0;
    int discs = 0;
    for (const CellPos& end : m_pRules->GetMoveInfo(x, y)->m_ends)
        discs += std::max(std::abs(end.x - x), std::abs(end.y - y)) - 1;
    return discs;
}
