#pragma once

#include "engine/CellPos.h"
#include "engine/InlineList.h"

// At most one capturing line per direction.
constexpr int kDirections = 8;

// What a disc on one cell would do for the colour being judged.
struct MoveInfo {
    int m_bLegal;
    // The mover's own disc closing each captured line, in direction order.
    CInlineList<CellPos, kDirections> m_ends;
};
