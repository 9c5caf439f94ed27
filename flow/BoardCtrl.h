#pragma once

#include <memory>

#include <QWidget>

#include "engine/BoardState.h"
#include "flow/ComputerSearchTask.h"
#include "flow/ScoreEntry.h"

class QPoint;
class CBoardPainter;

// The board widget: the game state of engine/ with its window. Its member functions are
// defined in the folder of their role: the click path, the computer player, the turn
// hand-off and the score lines in flow/; the widget's making, painting, pointer tracking,
// keyboard play and the accessible table in view/. flow/ never includes a view/ header.
class CBoardCtrl : public QWidget, public CBoardState {
public:
    static constexpr int kBoardPixels = 400;

    // view/: a 400 x 400 board that the game clock reaches through g_pBoard.
    explicit CBoardCtrl(QWidget* parent = nullptr);
    ~CBoardCtrl() override;

    // flow/: a click at a pixel of the widget; the computer player calls it too. Always
    // stores the cell as the pointer cell and repaints; plays it only when the snapshot calls
    // it legal and no move is still turning.
    void OnLButtonDown(unsigned nFlags, const QPointF& point);
    // flow/: the computer's turn. At Very Easy it plays one random legal move for the colour to
    // move through OnLButtonDown at once; above, it starts the search off the GUI thread and
    // returns, and no click is awaited until PlaySearchedMove plays the answer.
    void MakeComputerMove();
    // flow/, on a tick: plays the cell of a search that has ended, as MakeComputerMove plays a
    // random one. False, doing nothing, while the computer thinks or when it does not.
    bool PlaySearchedMove();
    // flow/: drops the computer's search, if one runs, and waits for its thread; called when
    // the game it searches for is left.
    void AbandonComputerSearch() { m_search.Abandon(); }
    bool IsComputerThinking() const { return m_search.IsBusy(); }
    // Whether the computer's answer is found and waits for the next tick.
    bool HasComputerAnswer() const { return m_search.HasAnswer(); }
    // flow/: recounts the discs and rewrites the four score labels.
    void UpdateScores();
    // flow/: a new game with these parameters (first player 1 to 4, already drawn), from
    // laying the start block to the first computer move when the computer begins.
    // nComputerSkill is a SkillLevel, Very Easy to Very Difficult.
    void StartGame(int nPlayers, int nBoardSize, int nComputerPlayers, int nFirstPlayer,
        int nComputerSkill = kVeryEasy);
    // A complete, synchronous repaint of the board.
    void Redraw();

    // view/: composes the whole board and puts it on the widget.
    void OnPaint();
    // view/: follows the pointer cell.
    void OnMouseMove(unsigned nFlags, const QPointF& point);

    // view/, keyboard play: the arrow keys move the pointer cell, Page Down / Page Up step to
    // the next / previous marked legal cell, Space plays the pointer cell through
    // OnLButtonDown. Returns false for any other key, which the widget passes on.
    bool OnKeyDown(int nKey);
    // view/: whether the painter frames the pointer cell: only while the board has the
    // keyboard focus and the pointer cell was last moved by the keyboard.
    bool ShowsKeyboardFrame() const;
    // view/: tells a listening screen reader that the pointer cell is now the focused cell,
    // if the board has the keyboard focus.
    void NotifyPointerCellFocus();
    // view/: after a new game of another side: the accessible table forgets the cells the
    // board no longer has, and a listening screen reader hears that the table changed.
    void NotifyNewSide();
    // The pointer cell was last moved by the keyboard rather than the mouse.
    bool m_bPointerMovedByKeys = false;

    ScoreEntry m_scores[kMaxPlayers];
    // flow/: the game has ended (its result came), until the next one is laid.
    bool m_bGameOver = false;
    // flow/: moves played in this game so far.
    int m_nMovesPlayed = 0;

protected:
    void paintEvent(QPaintEvent* event) override; // view/
    void mouseMoveEvent(QMouseEvent* event) override; // view/
    void mousePressEvent(QMouseEvent* event) override; // flow/
    void keyPressEvent(QKeyEvent* event) override; // view/

private:
    // flow/: plays a cell of the computer's through the click path.
    void PlayComputerCell(const CellPos& cell);

    CComputerSearchTask m_search;
    // Whatever painting keeps between paints (decoded picture, pre-drawn discs); owned by
    // view/, created at the first paint.
    std::unique_ptr<CBoardPainter> m_pPainter;
};

// The one board widget; the game clock, which receives no object, reaches the game here.
// Null while no board exists.
extern CBoardCtrl* g_pBoard;
