#include "tests/flow/FlowFixture.h"

namespace {

using ScoreLinesTest = FlowTest;

TEST_F(ScoreLinesTest, NewGameShowsEveryColourInPlayAndMarksTheMover)
{
    struct Case {
        int nPlayers;
        int n;
        int first;
        std::array<const char*, kMaxPlayers> texts;
        std::array<bool, kMaxPlayers> shown;
    };
    const Case cases[] = {
        { 2, 8, kWhite, { "White 2 / 64<Playing>", "Black 2 / 64", "Red   0 / 64", "Green 0 / 64" },
            { true, true, false, false } },
        { 3, 10, kRed,
            { "White 2 / 100", "Black 2 / 100", "Red   2 / 100<Playing>", "Green 0 / 100" },
            { true, true, true, false } },
        { 4, 40, kGreen,
            { "White 3 / 1600", "Black 3 / 1600", "Red   3 / 1600", "Green 3 / 1600<Playing>" },
            { true, true, true, true } },
    };
    for (const Case& c : cases) {
        m_board.StartGame(c.nPlayers, c.n, 0, c.first);
        for (int i = 0; i < kMaxPlayers; ++i) {
            EXPECT_EQ(m_labels[i].text(), c.texts[i]);
            EXPECT_EQ(!m_labels[i].isHidden(), c.shown[i]) << c.texts[i];
        }
    }
}

TEST_F(ScoreLinesTest, ColourWithoutDiscsIsHiddenAndItsTextStillRewritten)
{
    Lay(3, 0, kBlack,
        {
            "WB......",
            "........",
            "..R.....",
            "........",
            "........",
            "........",
            "........",
            "........",
        });
    EXPECT_FALSE(m_labels[kRed - 1].isHidden());
    m_board.m_nGrid[2][2] = kWhite;
    m_board.m_nCurrentPlayer = kRed;
    m_board.UpdateScores();

    EXPECT_TRUE(m_labels[kRed - 1].isHidden());
    EXPECT_EQ(m_labels[kRed - 1].text(), "Red   0 / 64<Playing>");
    EXPECT_EQ(m_board.m_scores[kWhite - 1].m_nDiscs, 2);
}

TEST_F(ScoreLinesTest, BoardWithoutLabelsOnlyCounts)
{
    CBoardCtrl board;
    board.StartGame(4, 20, 0, kWhite);
    for (const ScoreEntry& entry : board.m_scores)
        EXPECT_EQ(entry.m_nDiscs, 3);
}

} // namespace
