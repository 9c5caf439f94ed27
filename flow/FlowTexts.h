#pragma once

#include <QCoreApplication>
#include <QString>

#include "engine/Grid.h"

// Everything the game flow shows to the players, in one place. The spelling is the game's
// own and stays as it is in English; other languages come from the translations, which look
// each text up by its English form in the context "FlowTexts". QT_TRANSLATE_NOOP only marks a
// text for lupdate; FlowTr translates it where it is shown.

inline QString FlowTr(const char* pText, int n = -1)
{
    return QCoreApplication::translate("FlowTexts", pText, nullptr, n);
}

// Index colour - 1.
constexpr const char* kColourNames[kMaxPlayers]
    = { QT_TRANSLATE_NOOP("FlowTexts", "White"), QT_TRANSLATE_NOOP("FlowTexts", "Black"),
          QT_TRANSLATE_NOOP("FlowTexts", "Red"), QT_TRANSLATE_NOOP("FlowTexts", "Green") };

// One score line: %1 the colour's name, %2 its discs, %3 the cells of the board. The name is
// padded to the longest of the four names, so that Red's numbers start where the other
// names' do.
//: A score line, 123 pixels wide at 8 x 8: keep it short.
constexpr const char* kScoreFormat = QT_TRANSLATE_NOOP("FlowTexts", "%1 %2 / %3");
// Appended, without a blank, to the line of the colour to move.
//: Marks the colour to move at the end of its score line: a word or two at most.
constexpr const char* kPlayingMarker = QT_TRANSLATE_NOOP("FlowTexts", "<Playing>");

// %1 is the colour's name.
//: %1 is a colour's name: the wording must suit all four.
constexpr const char* kPassFormat
    = QT_TRANSLATE_NOOP("FlowTexts", "%1 has no choise, it will have to skip his/her turn.");
constexpr const char* kPassCaption = QT_TRANSLATE_NOOP("FlowTexts", "No Choise");
// Text and caption alike.
//: %1 is a colour's name: the wording must suit all four.
constexpr const char* kWonFormat = QT_TRANSLATE_NOOP("FlowTexts", "%1 has won the game");
constexpr const char* kNoWinnerText = QT_TRANSLATE_NOOP("FlowTexts", "More then 1 player has won.");
constexpr const char* kNoWinnerCaption = QT_TRANSLATE_NOOP("FlowTexts", "We have no single winner");

// The computer player found no cell to play: text and caption alike.
constexpr const char* kProblemText = QT_TRANSLATE_NOOP("FlowTexts", "PROBLEM");

// What a screen reader hears as it happens, kept short: a round of four players is heard
// whole before the next key. What it reads of the board itself is in view/ViewTexts.h.
// A move: %1 the colour, %2 the column, %3 the row (both from 1), %n the discs it turns,
// two or more, translated with the number (FlowTr(text, n)).
//: Said after every move, the computer's too: keep it as short as this.
constexpr const char* kMoveAnnouncementFormat
    = QT_TRANSLATE_N_NOOP("FlowTexts", "%1: column %2, row %3, %n discs");
//: Said after every move, the computer's too: keep it as short as this.
constexpr const char* kMoveAnnouncementOneDisc
    = QT_TRANSLATE_NOOP("FlowTexts", "%1: column %2, row %3, 1 disc");
// The turn has passed on: %1 the colour to move, %2 the colours on the board with their discs,
// each as kCountFormat (%1 the colour, %2 its discs), in colour order.
constexpr const char* kTurnAnnouncementFormat = QT_TRANSLATE_NOOP("FlowTexts", "%1 to move; %2");
constexpr const char* kCountFormat = QT_TRANSLATE_NOOP("FlowTexts", "%1 %2");
// The game is over: %1 the result as its box says it (kWonFormat or kNoWinnerText), %2 every
// colour in play with its discs, as in the turn.
//: Said once when a game ends; %1 is the result, %2 the colours with their discs.
constexpr const char* kResultAnnouncementFormat = QT_TRANSLATE_NOOP("FlowTexts", "%1; %2");
// Space on a cell that cannot be played now.
//: Said when the player presses Space on a cell where no disc may go.
constexpr const char* kNotLegalAnnouncement = QT_TRANSLATE_NOOP("FlowTexts", "not a legal move");
// A new game: %1 the board's side, %2 the number of players (2 to 4), %3 who the computer
// plays (kComputerPlaysFormat with the colours, or kNoComputerPlayer), %4 the colour that
// begins.
constexpr const char* kNewGameAnnouncementFormat
    = QT_TRANSLATE_NOOP("FlowTexts", "New game, %1 by %1, %2 players, %3; %4 moves first");
constexpr const char* kComputerPlaysFormat
    = QT_TRANSLATE_NOOP("FlowTexts", "the computer plays %1");
constexpr const char* kNoComputerPlayer = QT_TRANSLATE_NOOP("FlowTexts", "no computer player");
// Between the items of a list, and before its last item.
constexpr const char* kListSeparator = QT_TRANSLATE_NOOP("FlowTexts", ", ");
constexpr const char* kLastListSeparator = QT_TRANSLATE_NOOP("FlowTexts", " and ");
