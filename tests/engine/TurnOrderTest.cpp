#include <gtest/gtest.h>

#include "engine/BoardState.h"
#include "engine/TurnOrder.h"
#include "tests/engine/BoardRows.h"

TEST(TurnOrder, NextColourWrapsAfterTheLastInPlay)
{
    const int cases[][3] = { { 1, 2, 2 }, { 2, 2, 1 }, { 2, 3, 3 }, { 3, 3, 1 }, { 3, 4, 4 },
        { 4, 4, 1 } }; // colour, players, next
    for (const auto& c : cases)
        EXPECT_EQ(NextPlayer(c[0], c[1]), c[2]) << c[0] << " of " << c[1];
}

// What the hand-off does with the colour it reaches, at a given advance of the tick.
TEST(TurnOrder, StepForTheColourReached)
{
    const Rows stuck = { "W..B", "....", "....", "B..W" };
    const struct {
        const char* name;
        int nPlayers;
        int current;
        int advance;
        Rows rows;
        TurnStep step;
    } cases[] = {
        { "can move", 2, kBlack, 1, kStart8[0], TurnStep::Move },
        { "can move at the fifth advance", 2, kWhite, 5, kStart8[0], TurnStep::Move },
        { "two players stuck", 2, kBlack, 1, stuck, TurnStep::Pass },
        { "fourth pass", 2, kWhite, 4, stuck, TurnStep::Pass },
        { "pass limit", 2, kBlack, 5, stuck, TurnStep::End },
        { "past the limit", 2, kWhite, 6, stuck, TurnStep::End },
        { "no disc left", 3, kRed, 1, kStart8[0], TurnStep::Skip },
        { "no disc left at the limit", 3, kRed, 7, kStart8[0], TurnStep::Skip },
        { "no disc in play at all", 2, kBlack, 1, { "RR..", "....", "....", "...." },
            TurnStep::End },
        { "full board", 2, kWhite, 1, { "WWBB", "WWBB", "WWBB", "WWBB" }, TurnStep::End },
        { "wiped out", 2, kBlack, 1, { "WW..", "....", "....", "...." }, TurnStep::Skip },
        { "one colour left", 2, kWhite, 2, { "WW..", "....", "....", "...." }, TurnStep::End },
        // Red cannot move, and the other two colours still have discs.
        { "three colours, one stuck", 3, kRed, 2, { "WBR.", "....", "....", "B..W" },
            TurnStep::Pass },
    };
    for (const auto& c : cases) {
        CBoardState board;
        board.m_nPlayers = c.nPlayers;
        board.m_nBoardSize = static_cast<int>(c.rows.size());
        PutRows(board.m_nGrid, c.rows);
        board.m_nCurrentPlayer = c.current;
        board.RebuildRules();
        // Skip, Move, Pass, End: 0 to 3.
        EXPECT_EQ(static_cast<int>(DecideTurn(board, c.advance)), static_cast<int>(c.step))
            << c.name;
    }
}

TEST(TurnOrder, WinnerBeatsEachOtherColourStrictly)
{
    const struct {
        int counts[kMaxPlayers];
        int winner;
    } cases[] = {
        { { 33, 31, 0, 0 }, kWhite },
        { { 31, 33, 0, 0 }, kBlack },
        { { 10, 9, 11, 0 }, kRed },
        { { 5, 6, 7, 8 }, kGreen },
        { { 3, 3, 4, 0 }, kRed }, // a tie below the highest count does not matter
        { { 32, 32, 0, 0 }, 0 },
        { { 20, 20, 10, 0 }, 0 },
        { { 1, 9, 2, 9 }, 0 },
        { { 0, 0, 0, 0 }, 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(SingleWinner(c.counts), c.winner)
            << c.counts[0] << " " << c.counts[1] << " " << c.counts[2] << " " << c.counts[3];
}
