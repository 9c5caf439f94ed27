#include "engine/SharedRandom.h"

namespace {
std::uint32_t g_randomState = 1;
}

int CSharedRandom::Next()
{
    g_randomState = g_randomState * 214013u + 2531011u;
    return static_cast<int>((g_randomState >> 16) & 0x7FFF);
}

std::uint32_t CSharedRandom::State() { return g_randomState; }

void CSharedRandom::SetState(std::uint32_t state) { g_randomState = state; }

int RandomIndex(int r, int count)
{
    // 32767 * 32769 * count stays far inside 64 bits for any int count.
    return static_cast<int>((static_cast<long long>(r) * count * 32769) >> 30);
}
