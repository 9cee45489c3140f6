// The Edit menu's arithmetic; see editcommands.h.
#include "core/layout/editcommands.h"

#include "core/layout/entrynumbers.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

#include <array>

namespace tarvik {

namespace {

constexpr std::array<const char *, kEditCodeCount> kMenuTexts
    = { "Raise All Measurements", "Lower All Measurements", "Move All Points Left",
          "Move All Points Right", "Move All Points Out (wider track)",
          "Move All Points In (narrower track)", "Center Based On Track",
          "Copy All Right Measurements to Left Side", "Copy All Left Measurements to Right Side" };
constexpr std::array<const char *, 6> kVerbs
    = { "Raise", "Lower", "Move Left", "Move Right", "Move Out", "Move In" };

std::size_t index(EditCode code)
{
    return static_cast<std::size_t>(code);
}

bool isBlank(const std::string &text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

void shift(SpecRecord &record, int entry, double delta)
{
    const std::string &text = record.get(entry);
    if (isBlank(text))
        return;
    record.set(entry, formatPicture(readNumber(text) + delta, "#####.####"));
}

// The six pick-up points' X or Height, each side by its own amount.
void shiftPoints(SpecRecord &record, int column, double rightDelta, double leftDelta)
{
    for (const int side : { kSideRight, kSideLeft }) {
        for (int row = kUpperBallJoint; row <= kLowerSpringPad; ++row)
            shift(
                record, pointEntry(side, column, row), side == kSideRight ? rightDelta : leftDelta);
    }
}

void copySide(SpecRecord &record, int fromSide)
{
    const int toSide = 1 - fromSide;
    for (int column = kColumnX; column <= kColumnHeight; ++column) {
        for (int row = 0; row < kPointRows; ++row)
            record.set(
                pointEntry(toSide, column, row), record.get(pointEntry(fromSide, column, row)));
    }
    for (const int row :
        { kSpringRateRow, kStaticCamberRow, kHubDistanceRow, kRimWidthRow, kRimOffsetRow }) {
        record.set(otherSpecsEntry(toSide, row), record.get(otherSpecsEntry(fromSide, row)));
    }
}

} // namespace

std::string editMenuText(EditCode code)
{
    return index(code) < kMenuTexts.size() ? kMenuTexts[index(code)] : "";
}

bool editNeedsAmount(EditCode code)
{
    return index(code) < kVerbs.size();
}

std::string editAmountTitle(EditCode code)
{
    return editNeedsAmount(code) ? std::string(kVerbs[index(code)]) + " All Measurements" : "";
}

std::string editAmountPrompt(EditCode code)
{
    if (!editNeedsAmount(code))
        return {};
    return std::string("Enter the amount to ") + kVerbs[index(code)]
        + " all measurements (a number from 0 to 5).\r\rThis will change several measurements.  "
          "If you are not sure of this, click on 'Cancel'.";
}

AmountReply readEditAmount(std::string_view reply, double &amount)
{
    // A reply that does not start like a number ends the command, as an
    // empty one (Cancel) and the untouched blank default do.
    const auto first = reply.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return AmountReply::Cancelled;
    const char c = reply[first];
    if (!(c == '.' || c == '-' || c == '+' || (c >= '0' && c <= '9')))
        return AmountReply::Cancelled;
    const double value = readNumber(reply);
    if (!(value >= 0 && value <= 5))
        return AmountReply::OutOfRange;
    amount = value;
    return AmountReply::Accepted;
}

bool applyEditCommand(
    EditCode code, SpecRecord &record, double amount, double rightHalfTrack, double leftHalfTrack)
{
    const double d = amount;
    switch (code) {
    case EditCode::Raise:
        shiftPoints(record, kColumnHeight, d, d);
        break;
    case EditCode::Lower:
        shiftPoints(record, kColumnHeight, -d, -d);
        break;
    case EditCode::MoveLeft:
        shiftPoints(record, kColumnX, -d, d);
        break;
    case EditCode::MoveRight:
        shiftPoints(record, kColumnX, d, -d);
        break;
    case EditCode::MoveOut:
        shiftPoints(record, kColumnX, d, d);
        break;
    case EditCode::MoveIn:
        shiftPoints(record, kColumnX, -d, -d);
        break;
    case EditCode::CenterOnTrack: {
        if (rightHalfTrack == 0 || leftHalfTrack == 0)
            return false;
        const double c = (leftHalfTrack - rightHalfTrack) / 2;
        shiftPoints(record, kColumnX, c, -c);
        break;
    }
    case EditCode::CopyRightToLeft:
        copySide(record, kSideRight);
        break;
    case EditCode::CopyLeftToRight:
        copySide(record, kSideLeft);
        break;
    }
    return true;
}

} // namespace tarvik
