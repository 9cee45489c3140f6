// The Edit menu's nine commands (DoEdit) as arithmetic on the spec record:
// raise, lower, move left or right, move out or in by an amount, centre the
// layout on its tracks, and copy one side's measurements to the other. The
// window asks for the amount; everything else is here, with the texts the
// commands show.
#pragma once

#include "core/layout/specrecord.h"

#include <string>
#include <string_view>

namespace tarvik {

enum class EditCode {
    Raise = 0,
    Lower = 1,
    MoveLeft = 2,
    MoveRight = 3,
    MoveOut = 4,
    MoveIn = 5,
    CenterOnTrack = 6,
    CopyRightToLeft = 7,
    CopyLeftToRight = 8
};
inline constexpr int kEditCodeCount = 9;

std::string editMenuText(EditCode code);
// Codes 0 to 5 move by an amount the user types.
bool editNeedsAmount(EditCode code);
// The amount prompt: its title ("Raise All Measurements") and text.
std::string editAmountTitle(EditCode code);
std::string editAmountPrompt(EditCode code);
inline constexpr const char *kEditAmountOutOfRange
    = "The value should be between 0 and 5.  Try again, or click on Cancel.";
inline constexpr const char *kCenterNeedsTracks
    = "One of the current Tracks is 0, so centering based on 'Tracks' is not possible.";

enum class AmountReply {
    Accepted, // amount holds the number (inches), 0 to 5
    OutOfRange, // say kEditAmountOutOfRange and ask again
    Cancelled // empty (also Cancel), the untouched blank default, or no number
};
AmountReply readEditAmount(std::string_view reply, double &amount);

// Runs a command on the record. amount is the typed one for codes 0 to 5;
// the half-tracks are those the window shows (inches from the centreline).
// False when nothing could change: centring with a half-track of 0.
// Moved values are written "#####.####"; empty boxes stay empty; the arm
// Length and Angle rows are never moved.
bool applyEditCommand(
    EditCode code, SpecRecord &record, double amount, double rightHalfTrack, double leftHalfTrack);

} // namespace tarvik
