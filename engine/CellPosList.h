#pragma once

#include "engine/CellPos.h"
#include "engine/OwningList.h"

// The pending flips: owned CellPos records in order.
using CellPosList = COwningList<CellPos>;
