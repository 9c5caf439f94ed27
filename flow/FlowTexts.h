#pragma once

#include <span>

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "engine/Grid.h"

// Everything the game flow shows to the players, in one place. The spelling is the game's
// own and stays as it is in English; other languages come from the translations, which look
// each text up by its English form in the context "FlowTexts". QT_TRANSLATE_NOOP only marks a
// text for lupdate; FlowTr translates it where it is shown.

// Translates texts marked for lupdate in one context: FlowTr, ViewTr and AppTexts::Tr are
// the game flow's, the board view's and the application shell's. n picks the plural form of
// a text that counts (%n).
struct CTextContext {
    const char* m_pName;

    QString operator()(const char* pText, int n = -1) const
    {
        return QCoreApplication::translate(m_pName, pText, nullptr, n);
    }
    QStringList operator()(std::span<const char* const> texts) const
    {
        QStringList translated;
        for (const char* pText : texts)
            translated << (*this)(pText);
        return translated;
    }
};

inline constexpr CTextContext FlowTr { "FlowTexts" };

// Index colour - 1.
constexpr const char* kColourNames[kMaxPlayers]
    = { QT_TRANSLATE_NOOP("FlowTexts", "White"), QT_TRANSLATE_NOOP("FlowTexts", "Black"),
          QT_TRANSLATE_NOOP("FlowTexts", "Red"), QT_TRANSLATE_NOOP("FlowTexts", "Green") };

// The translated name of colour 1 to 4; empty for any other value.
inline QString ColourName(int nColour)
{
    return nColour >= kWhite && nColour <= kMaxPlayers ? FlowTr(kColourNames[nColour - 1])
                                                       : QString();
}

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

// What a screen reader hears as it happens; what it reads of the board itself is in
// view/ViewTexts.h. A move: %1 the colour, %2 the column, %3 the row (both from 1), %n the
// discs it turns, translated with the number (FlowTr(text, n)); English too has its plural
// forms in a catalogue ("1 disc").
constexpr const char* kMoveAnnouncementFormat
    = QT_TRANSLATE_N_NOOP("FlowTexts", "%1 plays column %2, row %3, turning %n discs");
// The turn has passed on: %1 the colour to move, %2 the colours on the board with their discs,
// each as kCountFormat (%1 the colour, %2 its discs), in colour order.
constexpr const char* kTurnAnnouncementFormat = QT_TRANSLATE_NOOP("FlowTexts", "%1 to move; %2");
constexpr const char* kCountFormat = QT_TRANSLATE_NOOP("FlowTexts", "%1 %2");
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
