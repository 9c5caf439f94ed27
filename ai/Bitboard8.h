#pragma once

#include <cstdint>

// The 8 x 8 board of a two-colour game as two 64-bit sets, bit y * 8 + x for the cell in
// column x, row y. The search for two players on the smallest board plays on this form,
// where a move's legal cells and its turned discs are a few dozen shifts.
namespace bitboard8 {

using Bits = std::uint64_t;

// The empty cells where the mover (own discs) closes at least one line of the other's discs.
Bits LegalCells(Bits own, Bits other);
// The discs of other that a disc of own placed on cell turns; 0 where it captures nothing.
Bits Flips(Bits own, Bits other, int cell);

inline int Count(Bits b) { return __builtin_popcountll(b); }
constexpr Bits Bit(int cell) { return Bits { 1 } << cell; }

} // namespace bitboard8
