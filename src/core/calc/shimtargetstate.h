// The shim calculator's target camber: a switch beside the calculator's own
// rows that, when on, lets a typed camber choose the standard shims. The
// search (core/calc/shimtarget.h) picks the stack of 1/16 in and 1/8 in
// shims, added or removed within the counts rows 3 and 4 offer, whose camber
// comes closest; the calculator's rows 1-4 are set to it, so its outputs show
// that stack's thickness and new camber as for a stack chosen by hand.
//
// While the switch is on, rows 1-5 are the search's and cannot be changed;
// switched off, they keep the stack last found.
#pragma once

#include "core/calc/shimtarget.h"

#include <optional>
#include <string>
#include <utility>

namespace tarvik {

inline constexpr const char *kShimTargetSwitchCaption = "Find shims for a target camber";
inline constexpr const char *kShimTargetFrameCaption = "Target Camber";
inline constexpr const char *kShimTargetCaption = "Target Camber, deg";
inline constexpr const char *kShimTargetCamberName = "Camber of This Stack, deg";
inline constexpr const char *kShimTargetResidualName = "Residual, deg";
// The limits of the static camber boxes of the main window.
inline constexpr double kShimTargetMax = 10;
inline constexpr double kShimTargetMin = -10;

struct ShimTargetState
{
    bool on = false;
    std::string text; // the target box, normalised; empty until typed
    // The stack found for the text, and as shown: its camber and camber
    // minus target, "##.00", empty when no stack stands for the text.
    std::optional<ShimStack> stack;
    std::string camber;
    std::string residual;
    // One line about the stack found: no shims needed, or a target beyond
    // what the shims reach. Empty otherwise.
    std::string note;
    // The lowest and highest camber a stack gives, worked out once.
    std::optional<std::pair<double, double>> reach;

    bool found() const { return stack.has_value(); }
};

} // namespace tarvik
