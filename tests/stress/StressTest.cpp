// Random play against the real main window: pointer moves and clicks anywhere, ticks, new
// games with random settings, list changes, message boxes answered after nested ticks (and
// new games pressed from inside them), the About box, the window closed at any moment. After
// every step the whole game state is checked against what play may ever leave behind.
//
// Sequences are seeded and replay exactly. STRESS_SEQUENCES and STRESS_EVENTS set the size,
// STRESS_BASE_SEED the first seed; STRESS_SEED=n runs sequence n alone and prints its steps.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/MainDlg.h"
#include "flow/ComputerSearchTask.h"
#include "engine/SharedRandom.h"
#include "flow/GameTimerProc.h"
#include "platform/MessageBox.h"
#include "tests/engine/BoardRows.h"
#include "tests/support/QtSupport.h"

namespace {

// Under AddressSanitizer every repaint maps a fresh off-screen image, about a hundred times
// the cost of a repaint without it, so fewer sequences run there and fewer show the window.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultSequences = 100;
constexpr int kShownOneIn = 32;
#else
constexpr int kDefaultSequences = 800;
constexpr int kShownOneIn = 4;
#endif
constexpr int kDefaultEvents = 300;
// Boxes opened from inside boxes answer at once beyond this depth.
constexpr int kMaxBoxDepth = 3;

const char* const kColours[kMaxPlayers] = { "White", "Black", "Red", "Green" };
const char* const kScorePrefixes[kMaxPlayers] = { "White ", "Black ", "Red   ", "Green " };
constexpr int kBoardSides[] = { 8, 10, 20, 40 };

long long EnvNumber(const char* name, long long fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::atoll(value) : fallback;
}

struct Totals {
    long long events = 0;
    long long nested = 0;
    long long moves = 0;
    long long games = 0;
    long long messages = 0;
    long long results = 0;
    long long paints = 0;
};

class CStressRun {
public:
    explicit CStressRun(std::uint32_t seed)
        : m_rng(seed)
        , m_bLongGames(seed % 2 == 0)
    {
        CSharedRandom::SetState(seed);
    }

    // Plays one sequence; false with m_failure and m_log filled on the first broken rule.
    bool Play(int nEvents, Totals& totals)
    {
        m_pTotals = &totals;
        SetMessageHook(
            [this](const QString& text, const QString& caption) { OnMessage(text, caption); });
        m_pDlg = std::make_unique<CMainDlg>();
        // Ticks come from this test alone, never from the real clock.
        m_pDlg->m_gameClock.stop();
        // Every level searches as Easy does, which answers at once, so that sequences stay
        // short; GameTick waits for the answer, so that a sequence replays alike.
        CComputerSearchTask::SetSearchFunction(
            [](const SearchPosition& p, int, const std::atomic<bool>* pStop) {
                return FindComputerMove(p, kEasy, pStop);
            });
        PaintCounter paints;
        m_pDlg->m_board.installEventFilter(&paints);
        if (Draw(kShownOneIn) == 0)
            m_pDlg->show();
        Log("start");
        Check("start");
        for (int i = 0; i < nEvents && !Stopped(); ++i) {
            ++totals.events;
            Guarded([this] { RandomEvent(0); });
        }
        if (m_failure.empty()) {
            m_pDlg.reset();
            if (g_pBoard)
                Fail("the board outlived its window");
            // The clock may still fire once after the window has gone.
            GameTimerProc();
        }
        m_pDlg.reset();
        SetMessageHook(nullptr);
        CComputerSearchTask::SetSearchFunction(nullptr);
        totals.paints += paints.m_nPaints;
        return m_failure.empty();
    }

    std::string m_failure;
    std::vector<std::string> m_log;

private:
    int Draw(int n) { return static_cast<int>(m_rng() % static_cast<unsigned>(n)); }
    int Between(int lo, int hi) { return lo + Draw(hi - lo + 1); }
    bool Stopped() const { return !m_failure.empty() || m_bClosed; }

    void Log(const std::string& step)
    {
        m_log.push_back(std::string(static_cast<std::size_t>(2 * m_nDepth), ' ') + step);
    }
    void Fail(const std::string& what)
    {
        if (m_failure.empty())
            m_failure = what;
    }
    template <typename F> void Guarded(F&& f)
    {
        try {
            f();
        } catch (const std::exception& e) {
            Fail(std::string("exception: ") + e.what());
        } catch (...) {
            Fail("unknown exception");
        }
    }

    CBoardCtrl& Board() { return m_pDlg->m_board; }

    // --- Steps -------------------------------------------------------------------------

    // One step at top level (depth 0) or while a box or the About box is open.
    void RandomEvent(int depth)
    {
        // Half the sequences mostly let computer games run to their end, for the passes and
        // results that quick new games rarely reach.
        const int r = Draw(1000);
        const int newGames = m_bLongGames ? 8 : 85;
        if (r < 200)
            PointerStep(false);
        else if (r < 300)
            PointerStep(true);
        else if (r < 450)
            LegalClick();
        else if (r < 700)
            Tick();
        else if (r < 790)
            TickBurst(Between(2, 40));
        else if (r < 850)
            ChangeSetting();
        else if (r < 850 + newGames)
            NewGame(Draw(3) != 0);
        else if (r < 950 && depth == 0)
            About();
        else if (r < 952)
            Close();
        else if (r < 958)
            MinimiseOrRestore();
        else
            TickBurst(Between(20, m_pDlg->isVisible() ? 100 : 400));
    }

    // A pixel of one of the kinds a pointer can report: inside the board, on or next to a
    // cell border, beyond the right or bottom edge, negative, or at the ends of int.
    int RandomPixel()
    {
        const int n = Board().m_nBoardSize;
        switch (Draw(6)) {
        case 0:
        case 1:
            return Between(0, CBoardCtrl::kBoardPixels - 1);
        case 2:
            return Between(0, n) * CBoardCtrl::kBoardPixels / n + Between(-1, 1);
        case 3:
            return Between(CBoardCtrl::kBoardPixels, 3 * CBoardCtrl::kBoardPixels);
        case 4:
            return -Between(1, CBoardCtrl::kBoardPixels);
        default: {
            const int extremes[] = { INT32_MIN, INT32_MIN + 1, -1, INT32_MAX - 1, INT32_MAX };
            return extremes[Draw(5)];
        }
        }
    }

    // The cell a pixel names: truncated toward zero, as the click path maps it.
    int CellOf(int pixel)
    {
        const double cell = std::trunc(
            static_cast<double>(pixel) / CBoardCtrl::kBoardPixels * Board().m_nBoardSize);
        return cell >= INT32_MIN && cell <= INT32_MAX ? static_cast<int>(cell) : -1;
    }

    // Pixels that a real event can carry stay in the range a screen has; the ends of int
    // reach the handlers directly.
    static bool Deliverable(int pixel) { return pixel > -100000 && pixel < 100000; }

    void PointerStep(bool bClick)
    {
        const QPoint point(RandomPixel(), RandomPixel());
        ClickOrMove(point, bClick);
    }

    void LegalClick()
    {
        CBoardCtrl& board = Board();
        const int n = board.m_nBoardSize;
        std::vector<QPoint> cells;
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n; ++y)
                if (board.m_pRules && board.m_pRules->IsLegal(x, y) == 1)
                    cells.push_back(QPoint(x, y));
        if (cells.empty()) {
            PointerStep(true);
            return;
        }
        // Anywhere within the cell, its first and last pixel included.
        const QPoint cell = cells[static_cast<std::size_t>(Draw(static_cast<int>(cells.size())))];
        const int side = CBoardCtrl::kBoardPixels / n;
        ClickOrMove(
            QPoint(cell.x() * side + Between(0, side - 1), cell.y() * side + Between(0, side - 1)),
            true);
    }

    void ClickOrMove(const QPoint& point, bool bClick)
    {
        CBoardCtrl& board = Board();
        // The window system reports moves without a button only to a board that tracks the
        // pointer, which it does from its first paint on.
        const bool bReal = Deliverable(point.x()) && Deliverable(point.y()) && Draw(2) == 0
            && (bClick || board.hasMouseTracking());
        Log(std::string(bClick ? "click " : "move ") + std::to_string(point.x()) + ","
            + std::to_string(point.y()) + (bReal ? " (event)" : " (handler)"));

        const int x = CellOf(point.x());
        const int y = CellOf(point.y());
        const int n = board.m_nBoardSize;
        const bool bOnBoard = x >= 0 && x < n && y >= 0 && y < n;
        // A click places a disc exactly when nothing is turning, the turn awaits a click (not
        // while the computer thinks) and the snapshot calls the cell legal.
        const bool bPlaces = bClick && bOnBoard && board.m_flips.IsEmpty()
            && board.m_bAwaitingClick == 1 && board.m_pRules && board.m_pRules->IsLegal(x, y) == 1;
        const int before = DiscTotal();

        if (bReal) {
            QMouseEvent event(bClick ? QEvent::MouseButtonPress : QEvent::MouseMove, QPointF(point),
                board.mapToGlobal(QPointF(point)), bClick ? Qt::LeftButton : Qt::NoButton,
                bClick ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&board, &event);
        } else if (bClick) {
            board.OnLButtonDown(0, point);
        } else {
            board.OnMouseMove(0, point);
        }

        if (board.m_nCellX != x || board.m_nCellY != y)
            Fail("the pointer cell is not the cell under the pixel");
        if (DiscTotal() != before + (bPlaces ? 1 : 0))
            Fail(bPlaces ? "a legal click placed no disc" : "a click placed a disc it should not");
        Check(bClick ? "click" : "move");
    }

    // One tick of the game clock, once a search the computer started has answered.
    void GameTick()
    {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (g_pBoard && g_pBoard->IsComputerThinking() && !g_pBoard->HasComputerAnswer()) {
            if (std::chrono::steady_clock::now() > giveUp)
                return Fail("the computer's search did not answer");
            std::this_thread::yield();
        }
        GameTimerProc();
    }

    void Tick()
    {
        Log("tick");
        GameTick();
        Check("tick");
    }

    void TickBurst(int nTicks)
    {
        Log("ticks " + std::to_string(nTicks));
        for (int i = 0; i < nTicks && !Stopped(); ++i) {
            GameTick();
            Check("tick of a burst");
        }
    }

    // A list or the check box changed as a user changes it: the selection, then the
    // notification the window listens to. Disabled controls are left alone, as a user must.
    void ChangeSetting()
    {
        CMainDlg& dlg = *m_pDlg;
        QComboBox* lists[] = { &dlg.m_cmbPlayers, &dlg.m_cmbMapSize, &dlg.m_cmbComputerPlayers,
            &dlg.m_cmbComputerSkill, &dlg.m_cmbFirstPlayer };
        const int which = Draw(6);
        if (which == 5) {
            Log("tick random first player");
            dlg.m_chkRandomFirstPlayer.click();
            Check("setting");
        } else {
            Choose(*lists[which], Draw(lists[which]->count()));
        }
    }

    void Choose(QComboBox& list, int index)
    {
        if (!list.isEnabled())
            return;
        Log("choose " + list.objectName().toStdString() + " " + std::to_string(index));
        list.setCurrentIndex(index);
        emit list.activated(index);
        Check("setting");
    }

    // A small board played by the computer alone, or by all colours but the last.
    void ComputerGameSettings()
    {
        CMainDlg& dlg = *m_pDlg;
        Choose(dlg.m_cmbPlayers, Draw(3));
        Choose(dlg.m_cmbMapSize, Draw(4) == 0 ? 1 : 0);
        const int last = dlg.m_cmbComputerPlayers.count() - 1;
        Choose(dlg.m_cmbComputerPlayers, Draw(4) == 0 ? last - 1 : last);
    }

    void NewGame(bool bRandomSettings)
    {
        if (bRandomSettings) {
            Log("settings for a new game:");
            if (m_bLongGames && Draw(4) != 0)
                ComputerGameSettings();
            for (int i = Between(m_bLongGames ? 0 : 1, 5); i > 0 && !Stopped(); --i)
                ChangeSetting();
        }
        CMainDlg& dlg = *m_pDlg;
        const int nPlayers = dlg.m_cmbPlayers.currentIndex() + 2;
        const int nSide = kBoardSides[dlg.m_cmbMapSize.currentIndex()];
        const int nComputers = dlg.m_cmbComputerPlayers.currentIndex();
        const int nFirst
            = dlg.m_chkRandomFirstPlayer.isChecked() ? 0 : dlg.m_cmbFirstPlayer.currentIndex() + 1;
        Log("create new game");
        ++m_pTotals->games;
        dlg.findChild<QPushButton*>(QStringLiteral("1007"))->click();
        if (m_bClosed)
            return;

        // Settings waited for this press; now they are the game's.
        CBoardCtrl& board = Board();
        if (board.m_nPlayers != nPlayers || board.m_nBoardSize != nSide
            || board.m_nComputerPlayers != nComputers)
            Fail("the new game does not have the panel's settings");
        // The first colour may already have moved (a computer) but is still to move.
        if (nFirst && board.m_nCurrentPlayer != nFirst)
            Fail("the new game does not start with the chosen first player");
        Check("create new game");
    }

    // The About box opened and, from a zero timer inside its own loop, closed again after
    // a few ticks of play behind it.
    void About()
    {
        const int nTicks = Draw(4);
        Log("about, " + std::to_string(nTicks) + " ticks behind it");
        QTimer::singleShot(0, m_pDlg.get(), [this, nTicks] {
            ++m_nDepth;
            for (int i = 0; i < nTicks && !Stopped(); ++i)
                Guarded([this] { Tick(); });
            --m_nDepth;
            QWidget* pAbout = m_pDlg->findChild<QDialog*>();
            if (!pAbout)
                pAbout = QApplication::activeModalWidget();
            pAbout->close();
        });
        m_pDlg->OnAbout();
        Check("about");
    }

    // The window hidden and shown again, as when it is minimised and restored; a hidden
    // board is not repainted, a shown one at every tick.
    void MinimiseOrRestore()
    {
        if (m_pDlg->isVisible()) {
            Log("minimise");
            m_pDlg->hide();
        } else if (Draw(kShownOneIn / 2) == 0) {
            Log("restore");
            m_pDlg->show();
        }
        Check("minimise or restore");
    }

    void Close()
    {
        Log("close the window");
        m_pDlg->OnCancel();
        m_bClosed = true;
    }

    // --- Message boxes -----------------------------------------------------------------

    void OnMessage(const QString& text, const QString& caption)
    {
        ++m_pTotals->messages;
        Log("box \"" + text.toStdString() + "\"");
        if (m_bClosed) {
            Fail("a message after the window closed");
            return;
        }
        Check("box opened");
        CBoardCtrl& board = Board();
        for (unsigned generation : m_openBoxes)
            if (generation == board.m_nGeneration)
                Fail("a second message while one is open for the same game");
        if (m_resultShown)
            Fail("a message after the game's result");
        CheckMessage(text, caption);

        m_openBoxes.push_back(board.m_nGeneration);
        ++m_nDepth;
        if (m_nDepth < kMaxBoxDepth) {
            // Answered after a few steps, most of them ticks.
            for (int i = Draw(7); i > 0 && !Stopped(); --i) {
                ++m_pTotals->nested;
                Guarded([this] {
                    if (Draw(3) == 0)
                        RandomEvent(m_nDepth);
                    else
                        Tick();
                });
            }
        }
        --m_nDepth;
        m_openBoxes.pop_back();
        Log("box answered");
    }

    void CheckMessage(const QString& text, const QString& caption)
    {
        CBoardCtrl& board = Board();
        const int current = board.m_nCurrentPlayer;
        if (caption == kNoChoiseCaption) {
            if (text != Pass(kColours[current - 1]).text)
                Fail("a pass message for a colour not to move");
            if (board.m_pRules->m_nLines != 0)
                Fail("a pass message for a colour that can move");
            if (board.m_scores[current - 1].m_nDiscs == 0)
                Fail("a pass message for a colour without discs");
            // Each pass is one advance of the turn, and the fifth advance ends the game.
            if (++m_nPassesSinceMove > 4)
                Fail("more than four passes without a move");
            return;
        }
        int counts[kMaxPlayers];
        board.CountDiscs(counts);
        int winner = 0;
        for (int c = 0; c < kMaxPlayers; ++c) {
            bool bAhead = true;
            for (int o = 0; o < kMaxPlayers; ++o)
                bAhead = bAhead && (o == c || counts[c] > counts[o]);
            if (bAhead)
                winner = c + 1;
        }
        if (Message { text, caption } != (winner ? Won(kColours[winner - 1]) : kNoWinner))
            Fail("a result message that the counts do not give, or an unknown message");
        m_resultShown = true;
        ++m_pTotals->results;
    }

    // --- The invariants ----------------------------------------------------------------

    int DiscTotal()
    {
        int counts[kMaxPlayers];
        Board().CountDiscs(counts);
        return counts[0] + counts[1] + counts[2] + counts[3];
    }

    // The grid a new game of the board's settings starts from.
    void StartGrid(Grid& grid)
    {
        CBoardCtrl& board = Board();
        std::memset(grid, 0, sizeof(Grid));
        const int o = board.m_nBoardSize / 2 - 2;
        const Rows& rows = kStart8[board.m_nPlayers - 2];
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                grid[o + x][o + y] = CellValue(rows[static_cast<std::size_t>(y + 2)][x + 2]);
    }

    void Check(const char* after)
    {
        if (!m_failure.empty() || m_bClosed)
            return;
        CheckState();
        if (!m_failure.empty())
            m_failure += std::string(" (after ") + after + ")";
    }

    void CheckState()
    {
        CBoardCtrl& board = Board();
        const int n = board.m_nBoardSize;
        if (g_pBoard != &board)
            return Fail("g_pBoard is not the window's board");
        if (board.m_nPlayers < 2 || board.m_nPlayers > 4 || board.m_nCurrentPlayer < 1
            || board.m_nCurrentPlayer > board.m_nPlayers || board.m_nComputerPlayers < 0
            || board.m_nComputerPlayers > board.m_nPlayers)
            return Fail("a game parameter out of range");
        if (n != 8 && n != 10 && n != 20 && n != 40)
            return Fail("a board size the panel does not offer");

        for (int x = 0; x < kMaxBoardSize; ++x)
            for (int y = 0; y < kMaxBoardSize; ++y) {
                const int v = board.m_nGrid[x][y];
                if (v < 0 || v > kMaxPlayers)
                    return Fail("a cell holds no colour");
                if ((x >= n || y >= n) && v != 0)
                    return Fail("a disc outside the board");
            }

        if (board.m_nGeneration != m_generation) {
            // A new game: it starts from its start block, possibly with the computer's
            // first disc already placed.
            m_generation = board.m_nGeneration;
            m_nPlayers = board.m_nPlayers;
            m_nSide = n;
            m_nComputers = board.m_nComputerPlayers;
            StartGrid(m_lastGrid);
            m_nStartDiscs = m_nPlayers == 4 ? 12 : m_nPlayers * 2;
            m_nMoves = 0;
            m_nPassesSinceMove = 0;
            m_resultShown = false;
            m_lastCurrent = board.m_nCurrentPlayer;
        }
        if (board.m_nPlayers != m_nPlayers || n != m_nSide
            || board.m_nComputerPlayers != m_nComputers)
            return Fail("the game's settings changed without a new game");

        // Since the last check at most one disc has been placed, on an empty cell, in the
        // colour of the mover; discs only ever turn to the mover's colour.
        int placed = 0;
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n; ++y) {
                const int was = m_lastGrid[x][y];
                const int now = board.m_nGrid[x][y];
                if (was == now)
                    continue;
                if (now == 0)
                    return Fail("a disc vanished");
                if (now != board.m_nCurrentPlayer && now != m_lastCurrent)
                    return Fail("a disc turned to a colour that did not move");
                placed += was == 0;
            }
        if (placed > 1)
            return Fail("more than one disc placed in one step");
        if (placed) {
            ++m_nMoves;
            ++m_pTotals->moves;
            m_nPassesSinceMove = 0;
            if (m_resultShown)
                return Fail("a move after the game's result");
        }
        std::memcpy(m_lastGrid, board.m_nGrid, sizeof(Grid));
        m_lastCurrent = board.m_nCurrentPlayer;
        if (DiscTotal() != m_nStartDiscs + m_nMoves)
            return Fail("the disc total is not the start block's discs plus the moves made");

        for (int i = 0; i < board.m_flips.GetCount(); ++i) {
            const CellPos& flip = *board.m_flips.GetAt(i);
            if (flip.x < 0 || flip.x >= n || flip.y < 0 || flip.y >= n)
                return Fail("a queued flip off the board");
            if (board.m_nGrid[flip.x][flip.y] == 0)
                return Fail("a queued flip on an empty cell");
        }

        const CMoveRules* rules = board.m_pRules.get();
        if (!rules || rules->m_nSize != n)
            return Fail("no rules snapshot for the board");
        // With nothing pending the snapshot judges the board as it stands, for the colour
        // to move.
        if (board.m_flips.IsEmpty()
            && (rules->m_nPlayer != board.m_nCurrentPlayer
                || std::memcmp(rules->m_nGrid, board.m_nGrid, sizeof(Grid)) != 0))
            return Fail("the snapshot is not of the board and the colour to move");

        CheckScores();
        if (!m_failure.empty())
            return;

        // A human click awaited (no box of this game open): the colour can really move.
        bool bBoxOpen = false;
        for (unsigned generation : m_openBoxes)
            bBoxOpen = bBoxOpen || generation == board.m_nGeneration;
        if (board.m_flips.IsEmpty() && board.m_bAwaitingClick == 1 && !bBoxOpen) {
            if (board.m_nCurrentPlayer <= board.m_nComputerPlayers)
                return Fail("a click awaited from a computer colour");
            if (board.m_scores[board.m_nCurrentPlayer - 1].m_nDiscs == 0)
                return Fail("a click awaited from a colour without discs");
            if (rules->m_nLines == 0)
                return Fail("a click awaited from a colour without a legal move");
        }

        CheckPanel();
    }

    // The labels show the counts of the last update; only a disc placed since (the first
    // tick of its move recounts) may be missing from them.
    void CheckScores()
    {
        CMainDlg& dlg = *m_pDlg;
        CBoardCtrl& board = dlg.m_board;
        const QLabel* labels[]
            = { &dlg.m_lblWhite, &dlg.m_lblBlack, &dlg.m_lblRed, &dlg.m_lblGreen };
        int counts[kMaxPlayers];
        board.CountDiscs(counts);
        const int cells = board.m_nBoardSize * board.m_nBoardSize;
        for (int c = 0; c < kMaxPlayers; ++c) {
            const int shown = board.m_scores[c].m_nDiscs;
            const bool bMover = c + 1 == board.m_nCurrentPlayer;
            const int lag = counts[c] - shown;
            if (lag != 0 && !(lag == 1 && bMover && !board.m_flips.IsEmpty()))
                return Fail("a score count that is not the colour's discs");
            QString line = QString("%1%2 / %3").arg(kScorePrefixes[c]).arg(shown).arg(cells);
            if (bMover)
                line += "<Playing>";
            if (labels[c]->text() != line)
                return Fail("score line \"" + labels[c]->text().toStdString() + "\", expected \""
                    + line.toStdString() + "\"");
            if (labels[c]->isHidden() != (shown == 0))
                return Fail("a score line shown or hidden against its count");
        }
    }

    void CheckPanel()
    {
        CMainDlg& dlg = *m_pDlg;
        const int nPlayers = dlg.m_cmbPlayers.currentIndex() + 2;
        if (dlg.m_cmbFirstPlayer.count() != nPlayers
            || dlg.m_cmbComputerPlayers.count() != nPlayers + 1)
            return Fail("the panel's lists do not follow the number of players");
        if (dlg.m_cmbFirstPlayer.currentIndex() < 0 || dlg.m_cmbComputerPlayers.currentIndex() < 0
            || dlg.m_cmbMapSize.currentIndex() < 0 || dlg.m_cmbComputerSkill.currentIndex() < 0)
            return Fail("a list without a selection");
        if (dlg.m_cmbComputerSkill.isEnabled() != (dlg.m_cmbComputerPlayers.currentIndex() != 0)
            || dlg.m_cmbFirstPlayer.isEnabled() == dlg.m_chkRandomFirstPlayer.isChecked())
            return Fail("a list enabled against the panel's rules");
    }

    std::mt19937 m_rng;
    const bool m_bLongGames;
    std::unique_ptr<CMainDlg> m_pDlg;
    Totals* m_pTotals = nullptr;
    bool m_bClosed = false;
    int m_nDepth = 0;
    // The game of each box open, innermost last.
    std::vector<unsigned> m_openBoxes;

    // What the last check saw of the game.
    unsigned m_generation = ~0u;
    int m_nPlayers = 0;
    int m_nSide = 0;
    int m_nComputers = 0;
    Grid m_lastGrid {};
    int m_lastCurrent = 0;
    int m_nStartDiscs = 0;
    int m_nMoves = 0;
    int m_nPassesSinceMove = 0;
    bool m_resultShown = false;
};

std::string Steps(const std::vector<std::string>& log)
{
    std::string text;
    for (const std::string& step : log)
        text += "  " + step + "\n";
    return text;
}

TEST(Stress, RandomPlayLeavesTheGameSound)
{
    const long long single = EnvNumber("STRESS_SEED", -1);
    const long long nSequences = single >= 0 ? 1 : EnvNumber("STRESS_SEQUENCES", kDefaultSequences);
    const int nEvents = static_cast<int>(EnvNumber("STRESS_EVENTS", kDefaultEvents));
    const long long base = single >= 0 ? single : EnvNumber("STRESS_BASE_SEED", 1);

    Totals totals;
    long long nRun = 0;
    for (long long i = 0; i < nSequences; ++i, ++nRun) {
        const auto seed = static_cast<std::uint32_t>(base + i);
        CStressRun run(seed);
        const bool bSound = run.Play(nEvents, totals);
        if (!bSound || single >= 0)
            std::printf("sequence %u:\n%s", seed, Steps(run.m_log).c_str());
        if (!bSound) {
            ADD_FAILURE() << "seed " << seed << ": " << run.m_failure
                          << "\nreplay with STRESS_SEED=" << seed << " STRESS_EVENTS=" << nEvents;
            ++nRun;
            break;
        }
    }
    std::printf("stress: %lld sequences, %lld events (%lld more inside message boxes), %lld new "
                "games pressed, %lld moves, %lld messages, %lld results, %lld repaints\n",
        nRun, totals.events, totals.nested, totals.games, totals.moves, totals.messages,
        totals.results, totals.paints);
}

} // namespace
