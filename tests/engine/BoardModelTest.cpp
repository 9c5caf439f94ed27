#include <gtest/gtest.h>

#include "engine/BoardState.h"
#include "engine/OwningList.h"
#include "tests/engine/BoardRows.h"

namespace {

const Rows kNoBlock = { "....", "....", "....", "...." };
const Rows (&kBlocks)[3] = kStartBlocks;

// A grid whose every cell holds 7, so that any cell the start block should leave alone but
// writes shows up.
void FillSevens(Grid& grid)
{
    for (auto& column : grid)
        for (int& cell : column)
            cell = 7;
}

} // namespace

TEST(BoardModel, NewBoardIsEmptySizeEightAwaitingAClick)
{
    CBoardState board;
    Grid empty {};
    EXPECT_EQ(board.m_nBoardSize, 8);
    EXPECT_EQ(GetRows(board.m_nGrid, kMaxBoardSize), GetRows(empty, kMaxBoardSize));
    EXPECT_EQ(board.m_pRules, nullptr);
    EXPECT_EQ(board.m_bAwaitingClick, 1);
    EXPECT_TRUE(board.m_flips.IsEmpty());
}

TEST(BoardModel, StartBlockLandsAtTheOffsetOfTheSizeAndTouchesNothingElse)
{
    const struct {
        int size;
        int offset;
    } sizes[] = { { 8, 2 }, { 10, 3 }, { 20, 8 }, { 40, 18 }, { 9, 0 }, { 1, 0 } };
    for (const auto& s : sizes) {
        for (int players = 0; players <= 5; ++players) {
            SCOPED_TRACE("size " + std::to_string(s.size) + ", players " + std::to_string(players));
            CBoardState board;
            board.m_nBoardSize = s.size;
            FillSevens(board.m_nGrid);
            board.SetStartPosition(players);
            Grid expected;
            FillSevens(expected);
            PutRows(expected, players >= 2 && players <= 4 ? kBlocks[players - 2] : kNoBlock,
                s.offset, s.offset);
            EXPECT_EQ(GetRows(board.m_nGrid, kMaxBoardSize), GetRows(expected, kMaxBoardSize));
        }
    }
}

TEST(BoardModel, ClearBoardEmptiesCellsBeyondASmallerBoard)
{
    CBoardState board;
    board.m_nBoardSize = 40;
    FillSevens(board.m_nGrid);
    board.m_nBoardSize = 8;
    board.ClearBoard();
    Grid empty {};
    EXPECT_EQ(GetRows(board.m_nGrid, kMaxBoardSize), GetRows(empty, kMaxBoardSize));
}

TEST(BoardModel, OneColourLeftCountsOnlyDiscsOnTheBoard)
{
    const struct {
        Rows rows;
        int size;
        int expected;
    } cases[] = { { {}, 8, 1 }, { { "W...", "....", "...W" }, 4, 1 },
        { { "W...", "....", "...B" }, 4, 0 }, { { "WR..", "....", "...B" }, 4, 0 },
        { { "WBRG", "....", "....", "...." }, 4, 0 }, { { "GGGG", "GGGG", "GGGG", "GGGG" }, 4, 1 },
        // Values of 0 or less are empty cells, whatever they hold.
        { { "W-..", "....", "....", "..-W" }, 4, 1 },
        // A disc in the grid beyond the board is not on it.
        { { "W...B", "....", "....", "....", "B" }, 4, 1 },
        { { "W...B", "....", "....", "....", "B" }, 5, 0 } };
    for (const auto& c : cases) {
        CBoardState board;
        board.m_nBoardSize = c.size;
        PutRows(board.m_nGrid, c.rows);
        EXPECT_EQ(board.HasOneColourLeft(), c.expected) << ::testing::PrintToString(c.rows);
    }
}

namespace {

// A record that logs, when it is deleted, its id and how many records its list still holds.
struct LoggedRecord {
    int id;
    std::vector<Cell>* log;
    const COwningList<LoggedRecord>* list;
    ~LoggedRecord() { log->push_back({ id, list->GetCount() }); }
};

std::vector<int> Ids(const COwningList<LoggedRecord>& list)
{
    std::vector<int> ids;
    for (int i = 0; i < list.GetCount(); ++i)
        ids.push_back(list.GetAt(i)->id);
    return ids;
}

} // namespace

// The flip queue's way of taking its front: the record comes back as a copy, and the listed
// one is unlisted, then deleted.
TEST(OwningList, PopFrontTakesTheFirstRecordOut)
{
    std::vector<Cell> log;
    COwningList<LoggedRecord> list;
    for (int i = 0; i < 3; ++i)
        list.Add(i, &log, &list);
    const LoggedRecord first = list.PopFront();
    EXPECT_EQ(first.id, 0);
    EXPECT_EQ(Ids(list), (std::vector<int> { 1, 2 }));
    EXPECT_EQ(log, (std::vector<Cell> { { 0, 2 } }));
}

// Each record is unlisted before its delete, the last one first; emptying leaves the list
// usable, and destruction deletes in the same order.
TEST(OwningList, RemoveAllAndDestructionDeleteLastFirst)
{
    std::vector<Cell> log;
    {
        COwningList<LoggedRecord> list;
        for (int i = 0; i < 3; ++i)
            list.Add(i, &log, &list);
        list.RemoveAll();
        EXPECT_EQ(log, (std::vector<Cell> { { 2, 2 }, { 1, 1 }, { 0, 0 } }));
        EXPECT_TRUE(list.IsEmpty());
        for (int i = 5; i < 8; ++i)
            list.Add(i, &log, &list);
        EXPECT_EQ(Ids(list), (std::vector<int> { 5, 6, 7 }));
        log.clear();
    }
    EXPECT_EQ(log, (std::vector<Cell> { { 7, 2 }, { 6, 1 }, { 5, 0 } }));
}
