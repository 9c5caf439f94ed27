#include "tests/flow/FlowFixture.h"

#include <algorithm>

#include "engine/SharedRandom.h"

namespace {

// Generous: every move of the largest board turning a whole row and column.
constexpr int kMaxTicks = 1600 * 160;

struct GameRecord {
    std::vector<Cell> moves;
    int results = 0;
};

class ComputerGameTest : public FlowTest {
protected:
    // Plays a game of computer players only from its first move to its result, checking
    // the board after every tick.
    GameRecord Play(int nPlayers, int n)
    {
        GameRecord record;
        m_messages.clear();
        m_board.StartGame(nPlayers, n, nPlayers, kWhite);
        record.moves.push_back({ m_board.m_nCellX, m_board.m_nCellY });
        int discs = Discs();
        for (int tick = 0; tick < kMaxTicks && record.results == 0; ++tick) {
            const int pending = m_board.m_flips.GetCount();
            Tick();
            const bool moved = m_board.m_flips.GetCount() > std::max(pending - 1, 0);
            if (moved)
                record.moves.push_back({ m_board.m_nCellX, m_board.m_nCellY });

            const int now = Discs();
            EXPECT_EQ(now - discs, moved ? 1 : 0) << "tick " << tick;
            discs = now;
            ExpectLabelsMatchGrid();
            record.results = Results();
            if (HasFailure())
                break;
        }
        // Whatever the clock does after the result changes nothing and shows nothing.
        const Rows end = GetRows(m_board.m_nGrid, n);
        const size_t shown = m_messages.size();
        Tick(3);
        EXPECT_EQ(GetRows(m_board.m_nGrid, n), end);
        EXPECT_EQ(m_messages.size(), shown);
        EXPECT_FALSE(m_messages.empty()) << "no result shown";
        if (!m_messages.empty()) {
            EXPECT_NE(m_messages.back().caption, kNoChoiseCaption) << "the last message is the result";
        }
        return record;
    }

    int Results() const
    {
        return static_cast<int>(std::count_if(m_messages.begin(), m_messages.end(),
            [](const Message& m) { return m.caption != kNoChoiseCaption; }));
    }

    // Discs on the board; also checks that the grid holds only colours and that nothing
    // was written outside the board.
    int Discs()
    {
        int discs = 0;
        for (int x = 0; x < kMaxBoardSize; ++x)
            for (int y = 0; y < kMaxBoardSize; ++y) {
                const int v = m_board.m_nGrid[x][y];
                EXPECT_TRUE(v >= kEmpty && v <= kGreen) << x << "," << y << ": " << v;
                const bool onBoard = x < m_board.m_nBoardSize && y < m_board.m_nBoardSize;
                EXPECT_TRUE(onBoard || v == kEmpty) << x << "," << y;
                discs += v > kEmpty;
            }
        return discs;
    }
};

TEST_F(ComputerGameTest, PlaysItselfToExactlyOneResult)
{
    for (const int nPlayers : { 2, 3, 4 })
        for (const int n : { 8, 10, 20, 40 }) {
            SCOPED_TRACE(testing::Message() << nPlayers << " players on " << n << " x " << n);
            CSharedRandom::SetState(1);
            const GameRecord game = Play(nPlayers, n);
            EXPECT_EQ(game.results, 1);
            EXPECT_GT(game.moves.size(), 1u);
        }
}

TEST_F(ComputerGameTest, SameSettingsPlayTheSameMoves)
{
    CSharedRandom::SetState(1);
    const GameRecord first = Play(3, 10);
    CSharedRandom::SetState(1);
    const GameRecord second = Play(3, 10);
    EXPECT_EQ(first.moves, second.moves);
}

} // namespace
