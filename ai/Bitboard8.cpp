#include "ai/Bitboard8.h"

namespace bitboard8 {

namespace {

// Shifts that move every disc one cell in a direction; the column masks keep a shift from
// wrapping a disc from one row's end onto the next row's start.
constexpr Bits kNotFirstColumn = 0xFEFEFEFEFEFEFEFEull;
constexpr Bits kNotLastColumn = 0x7F7F7F7F7F7F7F7Full;

template <int kDir> Bits Shift(Bits b)
{
    switch (kDir) {
    case 0: return (b << 1) & kNotFirstColumn; // right
    case 1: return (b >> 1) & kNotLastColumn; // left
    case 2: return b << 8; // down
    case 3: return b >> 8; // up
    case 4: return (b << 9) & kNotFirstColumn; // down and right
    case 5: return (b >> 9) & kNotLastColumn; // up and left
    case 6: return (b << 7) & kNotLastColumn; // down and left
    default: return (b >> 7) & kNotFirstColumn; // up and right
    }
}

template <int kDir> Bits LegalInDirection(Bits own, Bits other)
{
    // Runs of other's discs that start next to an own disc, grown cell by cell; a line is at
    // most six discs long.
    Bits run = Shift<kDir>(own) & other;
    for (int i = 0; i < 5; ++i)
        run |= Shift<kDir>(run) & other;
    return Shift<kDir>(run);
}

template <int kDir> Bits FlipsInDirection(Bits own, Bits other, Bits placed)
{
    Bits run = 0;
    Bits cur = Shift<kDir>(placed);
    while (cur & other) {
        run |= cur;
        cur = Shift<kDir>(cur);
    }
    return (cur & own) ? run : 0;
}

} // namespace

Bits LegalCells(Bits own, Bits other)
{
    const Bits moves = LegalInDirection<0>(own, other) | LegalInDirection<1>(own, other)
        | LegalInDirection<2>(own, other) | LegalInDirection<3>(own, other)
        | LegalInDirection<4>(own, other) | LegalInDirection<5>(own, other)
        | LegalInDirection<6>(own, other) | LegalInDirection<7>(own, other);
    return moves & ~(own | other);
}

Bits Flips(Bits own, Bits other, int cell)
{
    const Bits placed = Bit(cell);
    return FlipsInDirection<0>(own, other, placed) | FlipsInDirection<1>(own, other, placed)
        | FlipsInDirection<2>(own, other, placed) | FlipsInDirection<3>(own, other, placed)
        | FlipsInDirection<4>(own, other, placed) | FlipsInDirection<5>(own, other, placed)
        | FlipsInDirection<6>(own, other, placed) | FlipsInDirection<7>(own, other, placed);
}

} // namespace bitboard8
