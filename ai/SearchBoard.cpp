#include "ai/SearchBoard.h"

#include <array>
#include <stdexcept>

namespace {

constexpr int kMaxStride = kMaxBoardSize + 2;

std::uint64_t SplitMix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Made once from a fixed seed, so that hashes, and through them the searches, are the same
// in every run.
const std::array<std::uint64_t, kMaxStride * kMaxStride * (kMaxPlayers + 1)>& Keys()
{
    static const auto keys = [] {
        std::array<std::uint64_t, kMaxStride * kMaxStride * (kMaxPlayers + 1)> k {};
        std::uint64_t state = 20261209;
        for (auto& key : k)
            key = SplitMix(state);
        return k;
    }();
    return keys;
}

} // namespace

std::uint64_t CellKey(int cell, int colour) { return Keys()[cell * (kMaxPlayers + 1) + colour]; }

CSearchBoard::CSearchBoard(const Grid& grid, int nSize, int nPlayers)
    : m_nSize(nSize)
    , m_nPlayers(nPlayers)
    , m_nStride(nSize + 2)
{
    if (nSize < 1 || nSize > kMaxBoardSize || nPlayers < 2 || nPlayers > kMaxPlayers)
        throw std::invalid_argument("CSearchBoard: no such board");
    const int s = m_nStride;
    const int steps[8] = { -s, s, -1, 1, -s - 1, s + 1, s - 1, -s + 1 };
    std::copy(steps, steps + 8, m_directions);
    m_cells.assign(s * s, 0);
    m_onBoard.assign(s * s, 0);
    m_inFrontier.assign(s * s, 0);
    for (int y = 0; y < nSize; ++y)
        for (int x = 0; x < nSize; ++x) {
            const int cell = Index(x, y);
            const int v = grid[x][y];
            m_onBoard[cell] = 1;
            if (v >= kWhite && v <= nPlayers) {
                m_cells[cell] = static_cast<std::int8_t>(v);
                ++m_nDiscs[v];
                m_nHash ^= CellKey(cell, v);
            } else if (v > kEmpty) {
                throw std::invalid_argument("CSearchBoard: a colour not in play");
            } else {
                ++m_nEmpties;
            }
        }
    for (int y = 0; y < nSize; ++y)
        for (int x = 0; x < nSize; ++x) {
            const int cell = Index(x, y);
            if (m_cells[cell] != kEmpty)
                continue;
            for (const int d : m_directions)
                if (m_cells[cell + d] != kEmpty) {
                    m_inFrontier[cell] = 1;
                    m_frontier.push_back(cell);
                    break;
                }
        }
}

bool CSearchBoard::IsLegal(int cell, int colour) const
{
    if (!m_onBoard[cell] || m_cells[cell] != kEmpty)
        return false;
    for (const int d : m_directions) {
        int p = cell + d;
        if (m_cells[p] == kEmpty || m_cells[p] == colour)
            continue;
        do
            p += d;
        while (m_cells[p] != kEmpty && m_cells[p] != colour);
        if (m_cells[p] == colour)
            return true;
    }
    return false;
}

int CSearchBoard::LegalCells(int colour, int* out) const
{
    int n = 0;
    for (const int cell : m_frontier)
        if (m_cells[cell] == kEmpty && IsLegal(cell, colour))
            out[n++] = cell;
    return n;
}

bool CSearchBoard::CanMove(int colour) const
{
    if (m_nDiscs[colour] == 0)
        return false;
    for (const int cell : m_frontier)
        if (m_cells[cell] == kEmpty && IsLegal(cell, colour))
            return true;
    return false;
}

bool CSearchBoard::Finished() const
{
    for (int c = 1; c <= m_nPlayers; ++c)
        if (CanMove(c))
            return false;
    return true;
}

int CSearchBoard::NextMover(int colour) const
{
    int c = colour;
    for (int i = 0; i < m_nPlayers; ++i) {
        c = c % m_nPlayers + 1;
        if (CanMove(c))
            return c;
    }
    return 0;
}

int CSearchBoard::Play(int cell, int colour)
{
    m_frames.push_back(Frame { static_cast<int>(m_changes.size()),
        static_cast<int>(m_frontier.size()), cell, m_nHash });
    const std::uint64_t own = CellKey(cell, colour);
    m_cells[cell] = static_cast<std::int8_t>(colour);
    m_nHash ^= own;
    ++m_nDiscs[colour];
    --m_nEmpties;
    int turned = 0;
    for (const int d : m_directions) {
        int p = cell + d;
        while (m_cells[p] != kEmpty && m_cells[p] != colour)
            p += d;
        if (m_cells[p] != colour || p == cell + d)
            continue;
        for (int q = cell + d; q != p; q += d) {
            const int old = m_cells[q];
            m_changes.push_back(q * 8 + old);
            --m_nDiscs[old];
            m_nHash ^= CellKey(q, old) ^ CellKey(q, colour);
            m_cells[q] = static_cast<std::int8_t>(colour);
            ++turned;
        }
    }
    m_nDiscs[colour] += turned;
    for (const int d : m_directions) {
        const int n = cell + d;
        if (m_onBoard[n] && m_cells[n] == kEmpty && !m_inFrontier[n]) {
            m_inFrontier[n] = 1;
            m_frontier.push_back(n);
        }
    }
    return turned;
}

void CSearchBoard::Undo()
{
    const Frame frame = m_frames.back();
    m_frames.pop_back();
    const int colour = m_cells[frame.nCell];
    for (int i = static_cast<int>(m_changes.size()) - 1; i >= frame.nChanges; --i) {
        const int q = m_changes[i] / 8;
        const int old = m_changes[i] % 8;
        m_cells[q] = static_cast<std::int8_t>(old);
        ++m_nDiscs[old];
        --m_nDiscs[colour];
    }
    m_changes.resize(frame.nChanges);
    while (static_cast<int>(m_frontier.size()) > frame.nFrontier) {
        m_inFrontier[m_frontier.back()] = 0;
        m_frontier.pop_back();
    }
    m_cells[frame.nCell] = kEmpty;
    --m_nDiscs[colour];
    ++m_nEmpties;
    m_nHash = frame.nHash;
}
