#pragma once

// One cell of the board: x is the column from the left, y the row from the top.
// Deliberately trivial, so that the rules snapshot's arrays of them cost nothing to create.
struct CellPos {
    int x;
    int y;

    friend bool operator==(const CellPos&, const CellPos&) = default;
};
