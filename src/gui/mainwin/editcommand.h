// The Edit menu's nine commands (DoEdit): raise, lower, move left/right,
// move out/in by an amount the user types, centre the layout on its tracks,
// and copy one side's measurements to the other. They work on the box texts
// by entry number so tests can run them without a window.
#pragma once

#include <QString>
#include <array>

class QWidget;

namespace tarvik::gui {

class Platform;

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

// The menu caption of each command.
QString editMenuText(EditCode code);

using BoxTexts = std::array<QString, 56>;

// Runs one command on texts. Half-tracks are the "Track, in" results of the
// right and left side (inches). Returns true when the texts were changed
// (the caller then redraws); false when the user cancelled or the command
// could not run.
bool runEditCommand(EditCode code, BoxTexts &texts, double rightHalfTrack, double leftHalfTrack,
    Platform &platform, QWidget *parent);

} // namespace tarvik::gui
