// Target-camber shims: the stack of standard shims under one side's upper
// frame pivot whose camber comes closest to a camber the user asks for.
//
// Every stack the shim definition offers is tried: 0 to sixteenthItems - 1
// shims of 1/16 in and 0 to eighthItems - 1 shims of 1/8 in (the item counts
// of the definition's rows 3 and 4, whose index is the count), added or
// removed. Each is solved exactly as the shim calculator does it (the shim
// move, then right: static camber + change, left: static camber - change),
// so the camber found is the one the calculator will show for that stack.
// Stacks whose linkage cannot be closed are skipped. The empty stack (no
// shims, the camber as it stands) takes part: when it wins, nothing needs to
// change.
#pragma once

#include "core/layout/specrecord.h"

#include <array>
#include <string>

namespace tarvik {

struct ShimStack
{
    // The shim calculator's choice indexes: row 1 (0 added, 1 removed),
    // row 3 (1/16 in shims) and row 4 (1/8 in shims), with row 2 at 1
    // (standard shims).
    int direction = 0;
    int sixteenths = 0;
    int eighths = 0;
    double thickness = 0; // inches, as the calculator's output 0 shows it
    double newCamber = 0; // degrees, before the calculator's "##.00"
    double residual = 0; // newCamber - target, degrees
};

struct ShimTargetResult
{
    bool found = false; // false only when no stack could be solved
    ShimStack best;
    int stacksTried = 0; // stacks solved, the empty one included
};

// entries: the layout's texts in inches (the shims are inch sizes), so a
// metric layout's are converted first, as the shim calculator does.
// side: kSideRight or kSideLeft. Of stacks equally close (within 1e-9 deg)
// the one with fewer shims wins, then the one with fewer 1/16 in shims, then
// added before removed.
ShimTargetResult findShimsForCamber(
    const EntryTexts &entries, int side, double targetCamber, int sixteenthItems, int eighthItems);

} // namespace tarvik
