#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

#include "ai/ComputerSearch.h"
#include "engine/CellPos.h"
#include "engine/Grid.h"

// One search of the computer player above Very Easy, on a thread of its own over a copy of the
// position, so that the window goes on answering while the computer thinks. The game clock
// collects the answer on a tick; a new game or the window's end abandons the search. Only the
// GUI thread calls its member functions.
class CComputerSearchTask {
public:
    // The search a task runs; tests put one in that waits for them.
    using SearchFunction = std::function<ComputerMove(
        const SearchPosition&, int nLevel, const std::atomic<bool>* pStop)>;

    // The cell found for the game of a generation; x = y = -1 when the colour had no cell.
    struct Answer {
        CellPos cell;
        unsigned nGeneration;
    };

    CComputerSearchTask() = default;
    CComputerSearchTask(const CComputerSearchTask&) = delete;
    CComputerSearchTask& operator=(const CComputerSearchTask&) = delete;
    ~CComputerSearchTask() { Abandon(); }

    // Starts searching the position for the colour nColour at nLevel (Easy to Very
    // Difficult), on behalf of the game of generation nGeneration, and returns at once. A
    // search still running is abandoned first.
    void Start(
        const Grid& grid, int nSize, int nPlayers, int nColour, int nLevel, unsigned nGeneration);
    // Raises the stop flag and waits for the thread, which ends within some thousand nodes.
    // Its answer, found or not, is dropped.
    void Abandon();
    // Whether a search was started and its answer not yet taken.
    bool IsBusy() const { return m_thread.joinable(); }
    // Whether that search has ended, so that TakeAnswer gives its answer.
    bool HasAnswer() const { return IsBusy() && m_bDone.load(std::memory_order_acquire); }
    // The answer of a search that has ended, once; nothing while it runs or when none was
    // started.
    std::optional<Answer> TakeAnswer();

    // Replaces FindComputerMove for the searches started from now on; null restores it.
    static void SetSearchFunction(SearchFunction search);

private:
    // The thread's own copy of the grid: the game's may change as soon as Start returns.
    Grid m_grid {};
    std::thread m_thread;
    std::atomic<bool> m_bStop { false };
    // Raised by the thread once m_cell holds its answer.
    std::atomic<bool> m_bDone { false };
    CellPos m_cell { -1, -1 };
    unsigned m_nGeneration = 0;
};
