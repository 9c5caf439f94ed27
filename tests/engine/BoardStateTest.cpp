#include <gtest/gtest.h>

#include "engine/BoardState.h"

TEST(BoardState, Smoke)
{
    CBoardState b;
    b.SetStartPosition(2);
    b.RebuildRules();
    EXPECT_EQ(b.m_pRules->m_nLines, 4);
    EXPECT_EQ(b.m_pRules->m_nEmpty, 60);
}
