#pragma once

#include "flow/FlowTexts.h"

// What a screen reader says of the board, beside the game flow's texts (flow/FlowTexts.h)
// whose colour names it uses. Columns and rows count from 1 here. Each text is marked for
// lupdate and translated where it is used, in the context "ViewTexts".

inline constexpr CTextContext ViewTr { "ViewTexts" };

// %1 is the board's side, %2 the colour to move.
//: The board's name, as a screen reader says it: %1 is the board's side (8 for 8 by 8), %2
//: the colour to move.
constexpr const char* kBoardNameFormat
    = QT_TRANSLATE_NOOP("ViewTexts", "Board, %1 by %1, %2 to move");
// Once the game is over: %1 is the board's side, %2 the result as its box says it.
//: The board's name once its game has ended: %1 is the board's side (8 for 8 by 8), %2 the
//: result, such as "White has won the game".
constexpr const char* kBoardOverFormat
    = QT_TRANSLATE_NOOP("ViewTexts", "Board, %1 by %1, game over: %2");
// %1 the column, %2 the row, %3 what the cell holds: a colour's name or one of the texts below.
//: A board cell, as a screen reader says it: %1 is the column, %2 the row (both counted from
//: 1), %3 what the cell holds: a colour's name, "empty" or "empty, legal move, ...".
constexpr const char* kCellNameFormat = QT_TRANSLATE_NOOP("ViewTexts", "column %1, row %2: %3");
//: What a screen reader says of an empty board cell (agreeing with your word for "cell").
constexpr const char* kEmptyCell = QT_TRANSLATE_NOOP("ViewTexts", "empty");
// A marked legal move; %n is the number of discs it turns, translated with the number
// (ViewTr(text, n)), as Polish and Russian have three plural forms and English two.
//: What a screen reader says of an empty board cell where the colour to move may play: %n is
//: the number of discs the move would turn.
constexpr const char* kLegalCellFormat
    = QT_TRANSLATE_N_NOOP("ViewTexts", "empty, legal move, turns %n discs");
// The focused cell's description once the game is over, which Where Am I reads: %1 is the
// result as its box says it.
//: Read after a cell once the game has ended; %1 is the result, such as "White has won the game".
constexpr const char* kGameOverDescriptionFormat = QT_TRANSLATE_NOOP("ViewTexts", "game over: %1");
