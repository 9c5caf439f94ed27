#pragma once

#include <atomic>
#include <cstdint>

// How far one search may go. Every limit counts work, never time, so that the same position
// and limits always give the same move.
struct SearchLimits {
    // Positions visited; the iteration that crosses it is abandoned and the last complete one
    // answers.
    std::int64_t nNodes = 0;
    // Plies of the deepest iteration.
    int nMaxDepth = 1;
    // With this many empty cells or fewer (two players on 8 x 8 only), the game is solved to
    // its end instead; 0 for never.
    int nExactEmpties = 0;
};

// What a search found. nCell is the cell as y * N + x, or -1 for a pass.
struct SearchResult {
    int nCell = -1;
    int nScore = 0;
    int nDepth = 0;
    std::int64_t nNodes = 0;
    bool bExact = false;
    // Set when the stop flag ended the search: the answer is then of no use.
    bool bStopped = false;
};

// Shared by the searches: the stop flag another thread may raise, and the node count.
class CSearchBudget {
public:
    CSearchBudget(std::int64_t nLimit, const std::atomic<bool>* pStop)
        : m_nLimit(nLimit)
        , m_pStop(pStop)
    {
    }

    // Counts one node; false once the budget is spent or the stop flag is up.
    bool Visit()
    {
        ++m_nNodes;
        if (m_bOut)
            return false;
        if (m_nNodes > m_nLimit)
            m_bOut = true;
        else if ((m_nNodes & 1023) == 0 && m_pStop && m_pStop->load(std::memory_order_relaxed))
            m_bOut = m_bStopped = true;
        return !m_bOut;
    }
    bool Out() const { return m_bOut; }
    bool Stopped() const { return m_bStopped; }
    std::int64_t Nodes() const { return m_nNodes; }

private:
    std::int64_t m_nLimit;
    const std::atomic<bool>* m_pStop;
    std::int64_t m_nNodes = 0;
    bool m_bOut = false;
    bool m_bStopped = false;
};
