// The one place an engine input is made: from the layout as it stands (the
// spec record's 56 entry texts, the suspension type, the dive-and-roll
// switch) and the settings that shape a solve (entry mode, camber-gain
// definition, extension lines, background shade), plus what a caller asks of
// this one call. The main window's document, the camber-table sweep and
// tarvik-cli all build their input here.
#pragma once

#include "core/geometry/engine.h"
#include "core/layout/layoutstate.h"
#include "core/layout/settings.h"

#include <array>
#include <string>

namespace tarvik {

struct SolveOptions
{
    // Camber follows the king-pin axis in the redraw after an accepted edit;
    // the king-pin captions of the previous solve are what it compares with.
    bool camberFollowsEdit = false;
    std::array<std::string, 2> previousKingPinCaptions;
    bool bigLayout = false;
    bool afterPrinting = false;
    bool withScene = true;
    bool withCaptions = true;
};

EngineInput buildEngineInput(
    const LayoutState &layout, const Settings &settings, const SolveOptions &options = {});

} // namespace tarvik
