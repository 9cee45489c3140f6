// Pick-up point drags; see pointdrag.h.
#include "core/layout/pointdrag.h"

#include "core/layout/entrynumbers.h"
#include "core/layout/entryvalidation.h"
#include "core/text/pictureformat.h"

#include <cmath>

namespace tarvik {

bool canDragPoint(int row, EntryMode entryMode, SuspensionType suspensionType)
{
    if (row < kUpperBallJoint || row > kLowerSpringPad) {
        return false;
    }
    const bool armsPlaceJoints
        = suspensionType == SuspensionType::DoubleAArm && entryMode == EntryMode::LengthAndAngle;
    return !(armsPlaceJoints && (row == kUpperBallJoint || row == kLowerBallJoint));
}

DragOutcome dragPoint(int side, int row, double layoutX, double layoutY, Units units,
    const FieldDefinitions &definitions)
{
    DragOutcome out;
    const double step = units == Units::Metric ? kDragSnapMillimetres : kDragSnapInches;
    const auto snap = [step](double v) {
        // Snapping in whole steps keeps 0.05 from printing as 0.049999.
        const double snapped = std::round(v / step) * step;
        return snapped == 0 ? 0.0 : snapped;
    };
    // The right side's X box holds the distance from the centreline with
    // the sign turned, like every right-side X.
    const double typedX = snap(side == kSideRight ? -layoutX : layoutX);
    const double typedY = snap(layoutY);
    if (!std::isfinite(typedX) || !std::isfinite(typedY)) {
        return out;
    }
    const std::optional<Entry> x = Entry::numbered(pointEntry(side, kColumnX, row));
    const std::optional<Entry> height = Entry::numbered(pointEntry(side, kColumnHeight, row));
    if (!x || !height) {
        return out;
    }
    DraggedPoint point;
    point.xEntry = *x;
    point.heightEntry = *height;
    for (auto [entry, value, text] : { std::tuple { point.xEntry, typedX, &point.xText },
             std::tuple { point.heightEntry, typedY, &point.heightText } }) {
        const EntryValidation check
            = validateEntry(entry.number(), formatPicture(value, "##.00"), definitions);
        if (check.outcome != EntryValidation::Outcome::Accept) {
            out.message = check.message;
            return out;
        }
        *text = check.text;
    }
    out.point = std::move(point);
    return out;
}

} // namespace tarvik
