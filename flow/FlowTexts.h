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
constexpr const char* kColourNames[kMaxPlayers] = {
    //: A colour's name, which is a player's name: in the lists, the score lines, the messages
    //: and what a screen reader says, as %1 of "%1 has won the game" and the like. Room: 115
    //: pixels in the first-player list.
    QT_TRANSLATE_NOOP("FlowTexts", "White"),
    //: A colour's name, which is a player's name: in the lists, the score lines, the messages
    //: and what a screen reader says, as %1 of "%1 has won the game" and the like. Room: 115
    //: pixels in the first-player list.
    QT_TRANSLATE_NOOP("FlowTexts", "Black"),
    //: A colour's name, which is a player's name: in the lists, the score lines, the messages
    //: and what a screen reader says, as %1 of "%1 has won the game" and the like. Room: 115
    //: pixels in the first-player list.
    QT_TRANSLATE_NOOP("FlowTexts", "Red"),
    //: A colour's name, which is a player's name: in the lists, the score lines, the messages
    //: and what a screen reader says, as %1 of "%1 has won the game" and the like. Room: 115
    //: pixels in the first-player list.
    QT_TRANSLATE_NOOP("FlowTexts", "Green"),
};

// The translated name of colour 1 to 4; empty for any other value.
inline QString ColourName(int nColour)
{
    return nColour >= kWhite && nColour <= kMaxPlayers ? FlowTr(kColourNames[nColour - 1])
                                                       : QString();
}

// The computer's skill levels, index SkillLevel: the settings panel's list, and the new-game
// announcement.
constexpr const char* kSkillNames[] = {
    //: An entry of the list of the computer's levels of play, the weakest; a screen reader
    //: also names it with a new game. Room: 183 pixels.
    QT_TRANSLATE_NOOP("FlowTexts", "Very Easy"),
    //: An entry of the list of the computer's levels of play; a screen reader also names it
    //: with a new game. Room: 183 pixels.
    QT_TRANSLATE_NOOP("FlowTexts", "Easy"),
    //: An entry of the list of the computer's levels of play; a screen reader also names it
    //: with a new game. Room: 183 pixels.
    QT_TRANSLATE_NOOP("FlowTexts", "Normal"),
    //: An entry of the list of the computer's levels of play; a screen reader also names it
    //: with a new game. Room: 183 pixels.
    QT_TRANSLATE_NOOP("FlowTexts", "Difficult"),
    //: An entry of the list of the computer's levels of play, the strongest; a screen reader
    //: also names it with a new game. Room: 183 pixels.
    QT_TRANSLATE_NOOP("FlowTexts", "Very Difficult"),
};

// One score line: %1 the colour's name, %2 its discs, %3 the cells of the board. The name is
// padded to the longest of the four names, so that Red's numbers start where the other
// names' do.
//: A score line, 123 pixels wide at 8 x 8: keep it short. %1 is the colour's name, %2 its
//: discs, %3 the cells of the board.
constexpr const char* kScoreFormat = QT_TRANSLATE_NOOP("FlowTexts", "%1 %2 / %3");
// Appended, without a blank, to the line of the colour to move.
//: Marks the colour to move at the end of its score line: a word or two at most.
constexpr const char* kPlayingMarker = QT_TRANSLATE_NOOP("FlowTexts", "<Playing>");

// %1 is the colour's name.
//: %1 is a colour's name: the wording must suit all four.
constexpr const char* kPassFormat
    = QT_TRANSLATE_NOOP("FlowTexts", "%1 has no choise, it will have to skip his/her turn.");
//: The title of the box that says a player has to pass.
constexpr const char* kPassCaption = QT_TRANSLATE_NOOP("FlowTexts", "No Choise");
// Text and caption alike.
//: %1 is a colour's name: the wording must suit all four.
constexpr const char* kWonFormat = QT_TRANSLATE_NOOP("FlowTexts", "%1 has won the game");
//: The text of the box at the end of a game that two or more colours won together.
constexpr const char* kNoWinnerText = QT_TRANSLATE_NOOP("FlowTexts", "More then 1 player has won.");
//: The title of the box at the end of a game that two or more colours won together.
constexpr const char* kNoWinnerCaption = QT_TRANSLATE_NOOP("FlowTexts", "We have no single winner");

// The computer player found no cell to play: text and caption alike.
//: Text and title of a box that only a fault shows: the computer found no cell to play.
constexpr const char* kProblemText = QT_TRANSLATE_NOOP("FlowTexts", "PROBLEM");

// What a screen reader hears as it happens, kept short: a round of four players is heard
// whole before the next key. What it reads of the board itself is in view/ViewTexts.h.
// A move: %1 the colour, %2 the column, %3 the row (both from 1), %n the discs it turns,
// translated with the number (FlowTr(text, n)); English too has its plural forms in a
// catalogue ("1 disc").
//: Said by a screen reader after each move, the computer's too, so keep it as short: %1 is the
//: colour's name, %2 the column, %3 the row (both counted from 1), %n the discs it turns.
constexpr const char* kMoveAnnouncementFormat
    = QT_TRANSLATE_N_NOOP("FlowTexts", "%1: column %2, row %3, %n discs");
// The turn has passed on: %1 the colour to move, %2 the colours on the board with their discs,
// each as kCountFormat (%1 the colour, %2 its discs), in colour order.
//: Said by a screen reader when the turn passes on: %1 is the colour to move, %2 the list of
//: the colours with their discs ("White 2, Black 3").
constexpr const char* kTurnAnnouncementFormat = QT_TRANSLATE_NOOP("FlowTexts", "%1 to move; %2");
//: One item of a spoken list of discs: %1 is a colour's name, %2 its number of discs.
constexpr const char* kCountFormat = QT_TRANSLATE_NOOP("FlowTexts", "%1 %2");
// The game is over: %1 the result as its box says it (kWonFormat or kNoWinnerText), %2 every
// colour in play with its discs, as in the turn.
//: Said once when a game ends; %1 is the result, %2 the colours with their discs.
constexpr const char* kResultAnnouncementFormat = QT_TRANSLATE_NOOP("FlowTexts", "%1; %2");
// Space on a cell that cannot be played now.
//: Said when the player presses Space on a cell where no disc may go.
constexpr const char* kNotLegalAnnouncement = QT_TRANSLATE_NOOP("FlowTexts", "not a legal move");
// A new game: %1 the board's side, %2 the number of players (2 to 4), %3 who the computer
// plays (kComputerPlaysFormat with the colours and the skill level, or kNoComputerPlayer), %4
// the colour that begins.
//: Said by a screen reader when a game starts: %1 is the board's side (8 for 8 by 8), %2 the
//: number of players, %3 "the computer plays ..." or "no computer player", %4 the colour that
//: moves first. Call the game as the "Create New Game" button does.
constexpr const char* kNewGameAnnouncementFormat
    = QT_TRANSLATE_NOOP("FlowTexts", "New game, %1 by %1, %2 players, %3; %4 moves first");
//: Part of the new game's announcement: %1 is the list of the colours the computer plays
//: ("White and Black"), %2 its level of play, one of the entries of the "Computer Player
//: Inteligence:" list ("Very Difficult").
constexpr const char* kComputerPlaysFormat
    = QT_TRANSLATE_NOOP("FlowTexts", "the computer plays %1 at %2");
//: Part of the new game's announcement, when the computer plays none of the colours.
constexpr const char* kNoComputerPlayer = QT_TRANSLATE_NOOP("FlowTexts", "no computer player");
// Between the items of a list, and before its last item.
//: Between the items of a spoken list of colours ("White, Black and Red"), but the last two.
constexpr const char* kListSeparator = QT_TRANSLATE_NOOP("FlowTexts", ", ");
//: Between the last two items of a spoken list of colours ("White, Black and Red").
constexpr const char* kLastListSeparator = QT_TRANSLATE_NOOP("FlowTexts", " and ");
