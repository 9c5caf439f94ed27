#include "tests/app/AppFixture.h"

namespace {

using SetupPanelTest = AppTest;

const QStringList kTwoColours = { "White", "Black" };
const QStringList kFourColours = { "White", "Black", "Red", "Green" };
QStringList Counts(int n)
{
    QStringList counts;
    for (int i = 0; i <= n; ++i)
        counts << QString("%1 Players").arg(i);
    return counts;
}

TEST_F(SetupPanelTest, StartsWithItsSelectionsAndATwoPlayerGameWithWhiteToMove)
{
    CMainDlg& dlg = Dlg();
    struct List {
        QComboBox& list;
        QStringList items;
        int selection;
        bool enabled;
    };
    const List lists[] = {
        { dlg.m_cmbPlayers, { "2 Players", "3 Players", "4 Players" }, 0, true },
        { dlg.m_cmbMapSize, { "Classic (8x8)", "Medium (10x10)", "Large (20x20)", "Huge (40x40)" },
            0, true },
        { dlg.m_cmbComputerPlayers, Counts(2), 0, true },
        { dlg.m_cmbComputerSkill, { "Very Easy", "Easy", "Normal", "Difficult", "Very Difficult" },
            0, false },
        { dlg.m_cmbFirstPlayer, kTwoColours, 0, false },
    };
    for (const List& l : lists) {
        SCOPED_TRACE(l.list.objectName().toStdString());
        EXPECT_EQ(Items(l.list), l.items);
        EXPECT_EQ(l.list.currentIndex(), l.selection);
        EXPECT_EQ(l.list.isEnabled(), l.enabled);
        EXPECT_FALSE(l.list.isEditable());
    }
    EXPECT_TRUE(dlg.m_chkRandomFirstPlayer.isChecked());

    // The first game's random first player took the first value of the sequence, 41: White.
    EXPECT_EQ(Board().m_nPlayers, 2);
    EXPECT_EQ(Board().m_nBoardSize, 8);
    EXPECT_EQ(Board().m_nComputerPlayers, 0);
    EXPECT_EQ(Board().m_nCurrentPlayer, kWhite);
    EXPECT_EQ(Board().m_bAwaitingClick, 1);
    EXPECT_EQ(Grid(), kStart8[0]);
    CSharedRandom::SetState(1);
    CSharedRandom::Next();
    const std::uint32_t afterOneDraw = CSharedRandom::State();
    CSharedRandom::SetState(1);
    Reopen();
    EXPECT_EQ(CSharedRandom::State(), afterOneDraw);

    QLabel* labels[] = { &Dlg().m_lblWhite, &Dlg().m_lblBlack, &Dlg().m_lblRed, &Dlg().m_lblGreen };
    const char* texts[]
        = { "White 2 / 64<Playing>", "Black 2 / 64", "Red   0 / 64", "Green 0 / 64" };
    for (int i = 0; i < kMaxPlayers; ++i) {
        EXPECT_EQ(labels[i]->text(), texts[i]);
        EXPECT_EQ(labels[i]->isHidden(), i >= 2) << texts[i];
        EXPECT_EQ(Dlg().m_board.m_scores[i].m_pLabel, labels[i]);
    }
    EXPECT_EQ(Dlg().m_gameClock.interval(), kTickMs);
    EXPECT_EQ(Dlg().findChild<QTimer*>("gameClock"), &Dlg().m_gameClock);
}

// Changing the number of players rebuilds the first-player and computer-player lists,
// keeping each choice the new count still offers.
TEST_F(SetupPanelTest, PlayersRebuildsBothListsAndKeepsWhatStillFits)
{
    struct Case {
        int fromPlayers;
        const char* first;
        const char* computers;
        int toPlayers;
        QStringList colours;
        const char* firstAfter;
        const char* computersAfter;
    };
    const Case cases[] = {
        { 4, "Green", "3 Players", 2, kTwoColours, "White", "0 Players" },
        { 2, "Black", "2 Players", 4, kFourColours, "Black", "2 Players" },
        { 2, "Black", "2 Players", 2, kTwoColours, "Black", "2 Players" },
        { 4, "Red", "4 Players", 3, { "White", "Black", "Red" }, "Red", "0 Players" },
        { 3, "Red", "3 Players", 4, kFourColours, "Red", "3 Players" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fromPlayers << " -> " << c.toPlayers);
        Reopen();
        CMainDlg& dlg = Dlg();
        SetRandomFirstPlayer(false);
        Choose(dlg.m_cmbPlayers, c.fromPlayers - 2);
        Choose(dlg.m_cmbFirstPlayer, c.first);
        Choose(dlg.m_cmbComputerPlayers, c.computers);
        ASSERT_TRUE(dlg.m_cmbComputerSkill.isEnabled());

        Choose(dlg.m_cmbPlayers, c.toPlayers - 2);
        EXPECT_EQ(Items(dlg.m_cmbFirstPlayer), c.colours);
        EXPECT_EQ(Items(dlg.m_cmbComputerPlayers), Counts(c.toPlayers));
        EXPECT_EQ(dlg.m_cmbFirstPlayer.currentText(), c.firstAfter);
        EXPECT_EQ(dlg.m_cmbComputerPlayers.currentText(), c.computersAfter);
        EXPECT_EQ(dlg.m_cmbComputerSkill.isEnabled(), dlg.m_cmbComputerPlayers.currentIndex() != 0);
    }
}

// The skill list is enabled exactly while there is a computer player, the first-player list
// exactly while the first player is not drawn; a disabled list keeps its selection.
TEST_F(SetupPanelTest, EnableRulesHoldThroughEveryChange)
{
    CMainDlg& dlg = Dlg();
    const auto expectRules = [&](const char* step) {
        EXPECT_EQ(dlg.m_cmbComputerSkill.isEnabled(), dlg.m_cmbComputerPlayers.currentIndex() != 0)
            << step;
        EXPECT_EQ(dlg.m_cmbFirstPlayer.isEnabled(), !dlg.m_chkRandomFirstPlayer.isChecked())
            << step;
    };
    Choose(dlg.m_cmbComputerPlayers, 1);
    expectRules("one computer player");
    Choose(dlg.m_cmbComputerSkill, "Difficult");
    Choose(dlg.m_cmbComputerPlayers, 0);
    expectRules("no computer player");
    EXPECT_EQ(dlg.m_cmbComputerSkill.currentText(), "Difficult");

    SetRandomFirstPlayer(false);
    expectRules("drawn first player unticked");
    Choose(dlg.m_cmbFirstPlayer, "Black");
    SetRandomFirstPlayer(true);
    expectRules("drawn first player ticked");
    // Rebuilding the lists leaves the drawn first player's list disabled.
    Choose(dlg.m_cmbComputerPlayers, 2);
    Choose(dlg.m_cmbPlayers, 2);
    expectRules("four players");
    EXPECT_EQ(dlg.m_cmbFirstPlayer.currentText(), "Black");
    Press();
    expectRules("after a new game");
}

// Ticked, the first player is drawn (one value of the shared sequence per game) and the
// list is ignored; unticked, the list's colour begins and nothing is drawn.
TEST_F(SetupPanelTest, RandomFirstPlayerOverridesTheListUntilUnticked)
{
    CMainDlg& dlg = Dlg();
    Choose(dlg.m_cmbPlayers, "4 Players");
    SetRandomFirstPlayer(false);
    Choose(dlg.m_cmbFirstPlayer, "Red");
    SetRandomFirstPlayer(true);
    EXPECT_FALSE(dlg.m_cmbFirstPlayer.isEnabled());

    for (std::uint32_t state : { 1u, 7u, 12345u, 99999u, 0xDEADBEEFu }) {
        CSharedRandom::SetState(state);
        const int r = CSharedRandom::Next();
        const std::uint32_t after = CSharedRandom::State();
        CSharedRandom::SetState(state);
        Press();
        // Four colours split the 32768 values into four equal ranges.
        EXPECT_EQ(Board().m_nCurrentPlayer, r / 8192 + 1) << "r = " << r;
        EXPECT_EQ(CSharedRandom::State(), after);
        EXPECT_EQ(dlg.m_cmbFirstPlayer.currentText(), "Red");
    }

    SetRandomFirstPlayer(false);
    EXPECT_TRUE(dlg.m_cmbFirstPlayer.isEnabled());
    EXPECT_EQ(dlg.m_cmbFirstPlayer.currentText(), "Red");
    const std::uint32_t before = CSharedRandom::State();
    Press();
    EXPECT_EQ(Board().m_nCurrentPlayer, kRed);
    EXPECT_EQ(CSharedRandom::State(), before);
}

TEST_F(SetupPanelTest, NewGameWhileDiscsAreTurningLeavesNothingOfTheOldGame)
{
    SetRandomFirstPlayer(false);
    Lay(2, kWhite,
        { "WBBBBB..", "........", "........", "........", "........", "........", "........",
            "BW......" });
    ClickCell(6, 0);
    Tick(2);
    ASSERT_GT(Board().m_flips.GetCount(), 0);

    Press();
    EXPECT_EQ(Grid(), kStart8[0]);
    EXPECT_EQ(Board().m_flips.GetCount(), 0);
    Tick(20);
    EXPECT_EQ(Grid(), kStart8[0]);
    EXPECT_EQ(Board().m_nCurrentPlayer, kWhite);
    EXPECT_EQ(Board().m_bAwaitingClick, 1);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(SetupPanelTest, SelectionsWaitForTheNextPress)
{
    CMainDlg& dlg = Dlg();
    ClickCell(4, 2);
    const Rows played = Grid();
    Choose(dlg.m_cmbPlayers, "4 Players");
    Choose(dlg.m_cmbMapSize, "Huge (40x40)");
    Choose(dlg.m_cmbComputerPlayers, "4 Players");
    SetRandomFirstPlayer(false);
    Choose(dlg.m_cmbFirstPlayer, "Green");
    Choose(dlg.m_cmbComputerSkill, "Difficult");
    EXPECT_EQ(Board().m_nPlayers, 2);
    EXPECT_EQ(Board().m_nBoardSize, 8);
    EXPECT_EQ(Board().m_nComputerPlayers, 0);
    EXPECT_EQ(Board().m_nComputerSkill, kVeryEasy);
    EXPECT_EQ(Board().m_nCurrentPlayer, kWhite);
    EXPECT_EQ(Grid(), played);

    Press();
    EXPECT_EQ(Board().m_nPlayers, 4);
    EXPECT_EQ(Board().m_nBoardSize, 40);
    EXPECT_EQ(Board().m_nComputerPlayers, 4);
    EXPECT_EQ(Board().m_nComputerSkill, kDifficult);
    // Green, a computer, begins and thinks; nobody's click is awaited meanwhile. Escape ends
    // the program, and the search with it.
    EXPECT_TRUE(Board().IsComputerThinking());
    EXPECT_EQ(Board().m_bAwaitingClick, 0);
    // (Once the list's own Enter has passed: see CMainDlg::eventFilter.)
    QCoreApplication::processEvents();
    QTest::keyClick(&Board(), Qt::Key_Escape);
    EXPECT_FALSE(Board().IsComputerThinking());
}

// White is the computer; Black begins and is left to click; the computer answers at once
// on the tick that hands White the turn.
TEST_F(SetupPanelTest, OneComputerPlayerWaitsForBlackWhenBlackBegins)
{
    CMainDlg& dlg = Dlg();
    SetRandomFirstPlayer(false);
    Choose(dlg.m_cmbFirstPlayer, "Black");
    Choose(dlg.m_cmbComputerPlayers, "1 Players");
    Press();
    EXPECT_EQ(Board().m_nCurrentPlayer, kBlack);
    EXPECT_EQ(Board().m_bAwaitingClick, 1);
    EXPECT_EQ(Grid(), kStart8[0]);
    Tick(10);
    EXPECT_EQ(Grid(), kStart8[0]);

    ClickCell(3, 2);
    Tick(2);
    EXPECT_EQ(Board().m_nCurrentPlayer, kWhite);
    EXPECT_EQ(Board().m_bAwaitingClick, 0);
    EXPECT_GT(Board().m_flips.GetCount(), 0);
    int counts[kMaxPlayers];
    Board().CountDiscs(counts);
    EXPECT_EQ(counts[0] + counts[1], 6);
}

// With every player a computer, one press plays the whole game: no click, only the
// messages answered.
TEST_F(SetupPanelTest, ComputersOnlyPlayToTheResultWithoutAClick)
{
    for (int players : { 2, 3, 4 }) {
        SCOPED_TRACE(players);
        Reopen();
        Choose(Dlg().m_cmbPlayers, players - 2);
        Choose(Dlg().m_cmbComputerPlayers, players);
        Press();
        EXPECT_EQ(Board().m_bAwaitingClick, 0);
        const auto isResult
            = [](const Message& m) { return !m.caption.startsWith(kNoChoiseCaption); };
        int ticks = 0;
        while (ticks < 100000 && std::none_of(m_messages.begin(), m_messages.end(), isResult)) {
            Tick();
            ++ticks;
        }
        ASSERT_FALSE(m_messages.empty());
        EXPECT_TRUE(isResult(m_messages.back())) << m_messages.back().text.toStdString();
        EXPECT_EQ(std::count_if(m_messages.begin(), m_messages.end(), isResult), 1);
        const Rows over = Grid();
        const size_t shown = m_messages.size();
        Tick(10);
        EXPECT_EQ(Grid(), over);
        EXPECT_EQ(m_messages.size(), shown);
    }
}

} // namespace
