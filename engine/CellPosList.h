#pragma once

#include "engine/CellPos.h"
#include "engine/OwningList.h"

// The pending flips, the computer player's candidates: owned CellPos records in order.
using CellPosList = COwningList<CellPos>;
