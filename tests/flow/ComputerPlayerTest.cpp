#include "tests/flow/FlowFixture.h"

#include <atomic>
#include <thread>

#include "engine/SharedRandom.h"

namespace {

// The generator's state from which the next value drawn is r.
std::uint32_t StateBefore(int r)
{
    CSharedRandom::SetState(1);
    for (;;) {
        const std::uint32_t state = CSharedRandom::State();
        if (CSharedRandom::Next() == r)
            return state;
    }
}

// White's legal cells, in the order the computer lists them (column by column): (2, 4),
// (5, 0), (7, 7). Row by row the first would be (5, 0).
const Rows kThreeCandidates = {
    "........",
    ".....B..",
    ".....W..",
    "........",
    "WB......",
    ".......W",
    ".......B",
    "........",
};

using ComputerPlayerTest = FlowTest;

TEST_F(ComputerPlayerTest, DrawPicksTheCandidateInColumnOrder)
{
    struct Case {
        Rows rows;
        int r;
        Cell played;
    };
    const Rows oneCandidate = { "WB......", "........", "........", "........", "........",
        "........", "........", "........" };
    const Case cases[] = {
        { oneCandidate, 0, { 2, 0 } },
        { oneCandidate, 41, { 2, 0 } },
        { oneCandidate, 32767, { 2, 0 } },
        { kThreeCandidates, 41, { 2, 4 } },
        { kThreeCandidates, 10922, { 2, 4 } },
        { kThreeCandidates, 10923, { 5, 0 } },
        { kThreeCandidates, 32767, { 7, 7 } },
    };
    ShowBoard();
    m_board.setFocus();
    for (const Case& c : cases) {
        Lay(2, 1, kWhite, c.rows);
        CSharedRandom::SetState(StateBefore(c.r));
        Heard heard;

        m_board.MakeComputerMove();

        // The reader's focus stays where it was: moved to the played cell, it would be read
        // out after the move, with a turn already over.
        EXPECT_TRUE(heard.focus.empty());
        EXPECT_EQ(Cell(m_board.m_nCellX, m_board.m_nCellY), c.played) << "r = " << c.r;
        EXPECT_EQ(m_board.m_nGrid[c.played.first][c.played.second], kWhite);
        EXPECT_EQ(m_board.m_flips.GetCount(), 2);
        EXPECT_EQ(m_board.m_bAwaitingClick, 0);
    }
    EXPECT_TRUE(m_messages.empty());
}

// The click goes to the cell's first pixel, which must map back to the same cell: on the
// 40 x 40 board column 23 is clicked at pixel 230, and on a board that is not a multiple
// of the side the pixel is rounded up into the cell.
TEST_F(ComputerPlayerTest, ClickPointMapsBackToTheChosenCell)
{
    struct Case {
        int pixels;
        Rows patch;
        Cell at;
        Cell played;
    };
    const Case cases[] = {
        { 400, { "WB." }, { 21, 7 }, { 23, 7 } },
        { 400, { "W", "B", "." }, { 7, 21 }, { 7, 23 } },
        { 399, { ".BW" }, { 1, 10 }, { 1, 10 } },
        { 399, { ".", "B", "W" }, { 39, 1 }, { 39, 1 } },
    };
    for (const Case& c : cases) {
        m_board.setFixedSize(c.pixels, c.pixels);
        Lay(2, 1, kWhite, {}, 40);
        PutRows(m_board.m_nGrid, c.patch, c.at.first, c.at.second);
        m_board.RebuildRules();

        m_board.MakeComputerMove();

        EXPECT_EQ(Cell(m_board.m_nCellX, m_board.m_nCellY), c.played);
        EXPECT_EQ(m_board.m_nGrid[c.played.first][c.played.second], kWhite);
    }
}

TEST_F(ComputerPlayerTest, NoLegalCellShowsProblemAndDrawsNothing)
{
    const Rows rows = { "W.......", "........", "........", "........", "........", "........",
        "........", ".......B" };
    Lay(2, 1, kWhite, rows);
    CSharedRandom::SetState(1);

    m_board.MakeComputerMove();

    EXPECT_EQ(m_messages, Messages({ { "PROBLEM", "PROBLEM" } }));
    EXPECT_EQ(GetRows(m_board.m_nGrid, 8), rows);
    EXPECT_EQ(m_board.m_flips.GetCount(), 0);
    EXPECT_EQ(CSharedRandom::State(), 1u);
}

// Above Very Easy the computer thinks off the GUI thread, here in a search that answers (7, 7)
// once released and returns at once when stopped. Until the first tick after its answer
// nothing is played, not even a click or Space for its colour, and no random value is drawn.
// A new game, of any side, stops the search, and its answer never lands.
TEST_F(ComputerPlayerTest, SearchedMoveLandsOnATickAndNeverInTheNextGame)
{
    std::atomic<bool> released, stopped;
    CComputerSearchTask::SetSearchFunction(
        [&](const SearchPosition&, int nLevel, const std::atomic<bool>* pStop) {
            while (!released && !*pStop)
                std::this_thread::yield();
            stopped = pStop->load();
            EXPECT_EQ(nLevel, kNormal);
            return ComputerMove { 7, 7, {} };
        });
    for (const int newSide : { 0, 8, 10 }) {
        released = stopped = false;
        Lay(2, 1, kWhite, kThreeCandidates);
        m_board.m_nComputerSkill = kNormal;
        CSharedRandom::SetState(1);
        m_board.MakeComputerMove();
        Click(2, 4);
        m_board.OnKeyDown(Qt::Key_Space);
        Tick(3);
        EXPECT_EQ(GetRows(m_board.m_nGrid, 8), kThreeCandidates);

        if (newSide == 0) {
            released = true;
            for (int tick = 0; tick < 1'000'000 && m_board.m_flips.IsEmpty(); ++tick) {
                std::this_thread::yield();
                Tick();
            }
            EXPECT_EQ(Cell(m_board.m_nCellX, m_board.m_nCellY), Cell(7, 7));
            EXPECT_EQ(m_board.m_nGrid[7][7], kWhite);
        } else {
            m_board.StartGame(2, newSide, 0, kWhite);
            EXPECT_TRUE(stopped);
            const Rows start = GetRows(m_board.m_nGrid, newSide);
            Tick(5);
            EXPECT_EQ(GetRows(m_board.m_nGrid, newSide), start);
            EXPECT_EQ(m_board.m_bAwaitingClick, 1);
        }
        EXPECT_FALSE(m_board.IsComputerThinking());
        EXPECT_EQ(CSharedRandom::State(), 1u);
    }
    CComputerSearchTask::SetSearchFunction(nullptr);
    EXPECT_TRUE(m_messages.empty());
}

} // namespace
