#pragma once

#include <cstdint>

// The game's own 15-bit linear congruential generator. One sequence serves the whole
// process (the random first player and the computer player draw from it in call order),
// and it starts from the same state in every run, so games replay exactly.
class CSharedRandom {
public:
    static constexpr int kMax = 32767;

    // The next value, 0 to kMax.
    static int Next();
    // For tests and benchmarks only: the program itself never reseeds.
    static std::uint32_t State();
    static void SetState(std::uint32_t state);
};

// The index that a draw r (0 to 32767) picks among count items: r * count scaled by the
// single-precision 1/32767, which is exactly 32769 / 2^30. Always 0 to count - 1.
int RandomIndex(int r, int count);
