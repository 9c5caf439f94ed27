#pragma once

class CBoardState;
class QString;

// What a screen reader is told as the game goes on, one text per event; platform/Announce
// says it. Each reads the board as it stands when called.

// A move on (x, y), just placed: the colour, the cell and the discs it turns.
QString MoveAnnouncement(const CBoardState& board, int x, int y);
// The turn has passed on: the colour to move and the discs of every colour on the board.
QString TurnAnnouncement(const CBoardState& board);
// The game has just ended: its result, with the discs of every colour in play.
QString ResultAnnouncement(const CBoardState& board);
// The result alone, as the result box says it.
QString ResultText(const CBoardState& board);
// A game just laid: its side, its players, the computer's colours and the colour to begin.
QString NewGameAnnouncement(const CBoardState& board);
