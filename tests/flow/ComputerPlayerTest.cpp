#include "tests/flow/FlowFixture.h"

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

} // namespace
