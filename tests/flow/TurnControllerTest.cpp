#include "tests/flow/FlowFixture.h"

#include <memory>

#include "engine/SharedRandom.h"

namespace {

// After White plays (2, 0), Black keeps its disc on (1, 7) but cannot move; White can.
const Rows kBlackMustPass = {
    "WB......",
    "........",
    "........",
    "........",
    "........",
    "........",
    "........",
    "WB......",
};

using TurnControllerTest = FlowTest;

// Each pending entry takes one tick, the score lines follow the turning disc by disc, and
// the turn passes on the tick of the last entry.
TEST_F(TurnControllerTest, PendingEntriesTurnOnePerTickThenTheTurnPasses)
{
    struct Case {
        Rows rows;
        Cell move;
        int entries;
    };
    const Case cases[] = {
        { { "........", "........", "........", "...WB...", "...BW...", "........", "........",
              "........" },
            { 4, 2 }, 2 },
        { { "WBBB....", "........", "........", "........", "........", "........", "........",
              "BW......" },
            { 4, 0 }, 4 },
        // Left first (two enclosed and the closing disc), then down (one and the closing disc).
        { { "WBB.....", "...B....", "...W....", "........", "........", "........", "........",
              "BW......" },
            { 3, 0 }, 5 },
    };
    for (const Case& c : cases) {
        Lay(2, 0, kWhite, c.rows);
        Click(c.move.first, c.move.second);
        ASSERT_EQ(m_board.m_flips.GetCount(), c.entries);

        // The click places the disc without touching the labels; count from there.
        std::array<int, kMaxPlayers> shown;
        m_board.CountDiscs(shown.data());
        for (int tick = 1; tick <= c.entries; ++tick) {
            Tick();
            const std::array<int, kMaxPlayers> now = LabelCounts();
            for (int i = 0; i < kMaxPlayers; ++i)
                EXPECT_LE(std::abs(now[i] - shown[i]), 1) << "tick " << tick;
            shown = now;
            ExpectLabelsMatchGrid();
            EXPECT_EQ(m_board.m_flips.GetCount(), c.entries - tick);
            EXPECT_EQ(m_board.m_nCurrentPlayer, tick < c.entries ? kWhite : kBlack);
        }
        EXPECT_EQ(m_board.m_bAwaitingClick, 1);
        EXPECT_TRUE(m_messages.empty());
    }
}

// Black is announced once, then White has the turn again: a computer White moves within
// the same tick, a human White is awaited. While the message is open the clock goes on,
// and its ticks only repaint: Black stays the colour shown as playing, and no second
// message comes.
TEST_F(TurnControllerTest, ColourThatCannotMovePassesOnceAndTheTurnComesBack)
{
    ShowBoard();
    for (const int computers : { 0, 1 }) {
        m_messages.clear();
        int paintsWhileOpen = 0;
        m_whileOpen = [&](const Message&) {
            const Rows grid = GetRows(m_board.m_nGrid, 8);
            const int before = Paints();
            Tick(5);
            paintsWhileOpen = Paints() - before;
            EXPECT_EQ(GetRows(m_board.m_nGrid, 8), grid);
            EXPECT_EQ(m_board.m_nCurrentPlayer, kBlack);
            EXPECT_EQ(m_labels[kBlack - 1].text(), "Black 1 / 64<Playing>");
        };
        Lay(2, computers, kWhite, kBlackMustPass);
        Click(2, 0);

        Tick(2);

        EXPECT_EQ(m_messages, Messages({ Pass("Black") }));
        EXPECT_EQ(paintsWhileOpen, 5);
        EXPECT_EQ(m_board.m_nCurrentPlayer, kWhite);
        ExpectLabelsMatchGrid();
        if (computers == 1) {
            EXPECT_EQ(m_board.m_nGrid[2][7], kWhite) << "White's only move";
            EXPECT_EQ(PendingFlips(), Flips({ { 1, 7 }, { 0, 7 } }));
            EXPECT_EQ(m_board.m_bAwaitingClick, 0);
        } else {
            EXPECT_EQ(m_board.m_nGrid[2][7], kEmpty);
            EXPECT_TRUE(m_board.m_flips.IsEmpty());
            EXPECT_EQ(m_board.m_bAwaitingClick, 1);
        }
    }
}

TEST_F(TurnControllerTest, ColourWithoutDiscsIsSkippedSilently)
{
    // White's first move takes Red's only disc; Red then never has the turn.
    Lay(3, 3, kWhite,
        {
            "WR......",
            "........",
            "........",
            "...WB...",
            "...BW...",
            "........",
            "........",
            "........",
        });
    CSharedRandom::SetState(1);
    Click(2, 0);
    std::vector<int> movers = { kWhite };
    for (int tick = 0; tick < 200 && movers.size() < 8; ++tick) {
        const int pending = m_board.m_flips.GetCount();
        Tick();
        if (m_board.m_flips.GetCount() > std::max(pending - 1, 0))
            movers.push_back(m_board.m_nCurrentPlayer);
        EXPECT_TRUE(m_labels[kRed - 1].isHidden());
    }
    EXPECT_EQ(movers, std::vector<int>({ 1, 2, 1, 2, 1, 2, 1, 2 }));
    EXPECT_TRUE(m_messages.empty());
}

// A screen reader hears each new game and each move with the discs it turns, once, whoever
// moves; the turn only when it comes to a human (a computer's turn is over at once), after a
// pass's box too, with only the colours that have discs; nothing while the discs turn; the
// result with every colour's discs; and Space on a cell it cannot play.
TEST_F(TurnControllerTest, ScreenReaderHearsEachGameMoveAndTurnOnce)
{
    struct Case {
        int players, computers, first;
        Rows rows; // none: a new game of side n
        int n;
        std::vector<Cell> clicks;
        QStringList heard;
        bool bSpace = false; // the clicks are the pointer cell and Space
    };
    const Case cases[] = {
        { 2, 1, kBlack, {}, 8, { { 3, 2 } },
            { "New game, 8 by 8, 2 players, the computer plays White at Very Easy; Black moves "
              "first",
                "Black: column 4, row 3, 1 disc", "White: column 3, row 3, 1 disc",
                "Black to move; White 3, Black 3" } },
        { 3, 2, kWhite, {}, 10, {},
            { "New game, 10 by 10, 3 players, the computer plays White and Black at Very "
              "Easy; White moves first",
                "White: column 3, row 5, 1 disc", "Black: column 4, row 6, 1 disc",
                "Red to move; White 3, Black 3, Red 2" } },
        { 2, 0, kWhite, kBlackMustPass, 8, { { 2, 0 } },
            { "White: column 3, row 1, 1 disc", "White to move; White 4, Black 1" } },
        { 3, 0, kWhite, { "WRR.....", "........", "........", "...WB...", "...BW..." }, 8,
            { { 3, 0 } },
            { "White: column 4, row 1, 2 discs", "Black to move; White 6, Black 2" } },
        { 2, 0, kWhite, { "WB......" }, 8, { { 2, 0 } },
            { "White: column 3, row 1, 1 disc", "White has won the game; White 3, Black 0" } },
        { 2, 0, kWhite, {}, 8, { { 0, 0 }, { 4, 2 } },
            { "New game, 8 by 8, 2 players, no computer player; White moves first",
                "not a legal move", "White: column 5, row 3, 1 disc",
                "Black to move; White 4, Black 1" },
            true },
    };
    for (const Case& c : cases) {
        CSharedRandom::SetState(1);
        Heard heard;
        if (c.rows.empty())
            m_board.StartGame(c.players, c.n, c.computers, c.first);
        else
            Lay(c.players, c.computers, c.first, c.rows, c.n);
        // Until a human's click is awaited.
        const auto settle = [this] {
            for (int tick = 0; tick < 50 && !m_board.m_flips.IsEmpty(); ++tick)
                Tick();
        };
        settle();
        for (const Cell& click : c.clicks) {
            if (c.bSpace) {
                m_board.m_nCellX = click.first;
                m_board.m_nCellY = click.second;
                m_board.OnKeyDown(Qt::Key_Space);
            } else {
                Click(click.first, click.second);
            }
            settle();
        }
        EXPECT_EQ(heard, c.heard);
    }
}

// How a game ends, and that it then stays as it is: ticks only repaint and a click
// places nothing.
TEST_F(TurnControllerTest, GameEndsWithOneResultAndStaysFrozen)
{
    struct Case {
        const char* name;
        Rows rows;
        Cell move;
        Messages messages;
        int lastExamined;
    };
    const Case cases[] = {
        { "last empty cell filled",
            { ".BBBBBBW", "WWWWBBBB", "WWWWBBBB", "WWWWBBBB", "WWWWBBBB", "WWWWBBBB", "WWWWBBBB",
                "WWWWBBBB" },
            { 0, 0 }, { Won("White") }, kBlack },
        { "nobody can move, cells left",
            { "WB......", "........", "........", "........", "........", "........", "........",
                "B......." },
            { 2, 0 }, { Pass("Black"), Pass("White"), Pass("Black"), Pass("White"), Won("White") },
            kBlack },
        { "32 : 32 on the full board",
            { ".BWWWWWW", "WWWWWWWW", "WWWWWWWW", "WWWWWWWW", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB",
                "BBBBBBBB" },
            { 0, 0 }, { kNoWinner }, kBlack },
    };
    ShowBoard();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_messages.clear();
        Lay(2, 0, kWhite, c.rows);
        Click(c.move.first, c.move.second);
        for (int tick = 0; tick < 20 && !m_board.m_flips.IsEmpty(); ++tick)
            Tick();

        EXPECT_EQ(m_messages, c.messages);
        EXPECT_EQ(m_board.m_nCurrentPlayer, c.lastExamined);
        ExpectLabelsMatchGrid();

        const Rows frozen = GetRows(m_board.m_nGrid, 8);
        const int paints = Paints();
        Tick(5);
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 8; ++y)
                Click(x, y);
        Tick();
        EXPECT_EQ(GetRows(m_board.m_nGrid, 8), frozen);
        EXPECT_EQ(m_messages.size(), c.messages.size());
        EXPECT_EQ(m_board.m_nCurrentPlayer, c.lastExamined);
        EXPECT_TRUE(m_board.m_flips.IsEmpty());
        EXPECT_EQ(Paints(), paints + 5 + 64 + 1);
    }
}

// A new game laid while a pass message is open belongs to itself: once the box closes,
// the old game's tick must not hand the new game's turn on or move for it.
TEST_F(TurnControllerTest, NewGameFromAnOpenPassMessageIsLeftAsItStarted)
{
    struct Case {
        int computers;
        int first;
    };
    for (const Case& c : { Case { 0, kBlack }, Case { 2, kWhite } }) {
        m_messages.clear();
        Lay(2, 0, kWhite, kBlackMustPass);
        Click(2, 0);
        Rows startGrid;
        Flips startFlips;
        m_whileOpen = [&](const Message&) {
            if (!startGrid.empty())
                return;
            m_board.StartGame(2, 8, c.computers, c.first);
            startGrid = GetRows(m_board.m_nGrid, 8);
            startFlips = PendingFlips();
        };

        Tick(2);

        EXPECT_EQ(m_messages, Messages({ Pass("Black") }));
        EXPECT_EQ(m_board.m_nCurrentPlayer, c.first);
        EXPECT_EQ(GetRows(m_board.m_nGrid, 8), startGrid);
        EXPECT_EQ(PendingFlips(), startFlips);
        EXPECT_EQ(m_board.m_nComputerPlayers, c.computers);
        EXPECT_EQ(m_board.m_pRules->m_nPlayer, c.first);
    }
}

TEST_F(TurnControllerTest, BoardClosedWhileAPassMessageIsOpen)
{
    auto board = std::make_unique<CBoardCtrl>();
    board->m_nPlayers = 2;
    PutRows(board->m_nGrid, kBlackMustPass);
    board->RebuildRules();
    board->OnLButtonDown(0, QPoint(125, 25));
    m_whileOpen = [&](const Message&) { board.reset(); };

    Tick(2);

    EXPECT_EQ(m_messages, Messages({ Pass("Black") }));
    EXPECT_EQ(g_pBoard, nullptr);
    // A clock that outlives the board does nothing.
    Tick();
}

} // namespace
