#include "flow/ComputerSearchTask.h"

#include <algorithm>
#include <utility>

namespace {

CComputerSearchTask::SearchFunction& SearchOverride()
{
    static CComputerSearchTask::SearchFunction search;
    return search;
}

} // namespace

void CComputerSearchTask::SetSearchFunction(SearchFunction search)
{
    SearchOverride() = std::move(search);
}

void CComputerSearchTask::Start(
    const Grid& grid, int nSize, int nPlayers, int nColour, int nLevel, unsigned nGeneration)
{
    Abandon();
    std::copy(&grid[0][0], &grid[0][0] + kMaxBoardSize * kMaxBoardSize, &m_grid[0][0]);
    m_bStop = false;
    m_bDone = false;
    m_cell = { -1, -1 };
    m_nGeneration = nGeneration;
    const SearchPosition position { &m_grid, nSize, nPlayers, nColour };
    SearchFunction search = SearchOverride();
    if (!search)
        search = [](const SearchPosition& p, int n, const std::atomic<bool>* pStop) {
            return FindComputerMove(p, n, pStop);
        };
    m_thread = std::thread([this, position, nLevel, search = std::move(search)] {
        const ComputerMove move = search(position, nLevel, &m_bStop);
        m_cell = { move.x, move.y };
        m_bDone.store(true, std::memory_order_release);
    });
}

void CComputerSearchTask::Abandon()
{
    if (!m_thread.joinable())
        return;
    m_bStop = true;
    m_thread.join();
}

std::optional<CComputerSearchTask::Answer> CComputerSearchTask::TakeAnswer()
{
    if (!HasAnswer())
        return std::nullopt;
    m_thread.join();
    return Answer { m_cell, m_nGeneration };
}
