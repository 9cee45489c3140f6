// The engine call: static pass, camber-gain pass and, when dive and roll are
// shown, the dive-and-roll pass, then the captions, the texts written back
// into input boxes, the layout and fault messages and the scene.
//
// Faults: the solve never throws and never lets an infinity or NaN into a
// point or result. A division by zero that no geometric guard catches is
// reported as fault 11 and the failing step keeps its previous value; an
// overflow (fault 6, also 0/0) is ignored silently, as it always was.
#include "core/geometry/engine.h"

#include "core/geometry/frontviewscene.h"
#include "core/geometry/layoutnumbers.h"
#include "core/layout/entrynumbers.h"
#include "core/layout/units.h"
#include "core/text/numberreading.h"
#include "core/text/numbertext.h"
#include "core/text/pictureformat.h"

#include <cmath>

namespace tarvik {

const char *const kGeometryWarningTitle = "Error - Geometry Layout Very Unusual";
const char *const kLayoutProblemStatus = "Problem with layout.  Do NOT trust results.";

const std::string &geometryWarningText()
{
    static const std::string text
        = std::string("The geometry of this layout is very unusual and will likely require "
                      "the arms to stretch (an impossible situation) to go through the "
                      "motion you have specified.  Check for these possible problems:")
        + "\r\r" + "Very steep angles on the arms (more than 45 degrees)." + "\r\r"
        + "Very short arms (less than 4-6 inches)." + "\r\r"
        + "Frame Pivot X measurements must be significantly less (closer to the car's centerline) "
          "than the Ball "
          "Joint X measurements."
        + "\r\r" + "Answers produced with this warning are not reliable.";
    return text;
}

namespace {

// The factors from inches to the layout's units, for what comes out.
struct OutputScale
{
    double length = 1;
    double rate = 1;
    bool metric = false;
};

constexpr int kGrayColor = 7;
constexpr int kDarkGrayColor = 8;
constexpr int kCaptionColor = 0;

std::string faultMessage(int code)
{
    return "Err =" + numberTextWithBlank(static_cast<double>(code))
        + " in Sub DrawScreen.  Contact Quellmark about this unusual error.\r\r"
          "The next results displayed may not be accurate.";
}

void rollCenterCaptions(
    const LayoutPoint &rc, const OutputScale &u, std::string &height, std::string &side)
{
    height = "Roll Center height = " + formatPicture(rc.y * u.length, "##.0");
    side = std::string("Roll Center ") + (rc.x > 0 ? "Left" : "Right") + " = "
        + formatPicture(std::fabs(double(rc.x)) * u.length, "####.0");
}

// Captions of a drawing pass (static or dive-and-roll).
void passCaptions(const PassSolution &pass, bool overwritten, const OutputScale &u, Captions &c)
{
    for (int s = 0; s < 2; ++s) {
        const SideSolution &d = pass.side[s];
        if (overwritten) {
            continue; // the dive-and-roll pass writes these captions again
        }
        c.kingPinAngle[s] = formatPicture(d.kingPinAngle, "####.00");
        c.spindleAngle[s] = formatPicture(d.spindleAngle, "####.00");
        c.springLength[s] = formatPicture(d.springLength * u.length, "##.00");
        c.springAngle[s] = formatPicture(d.springAngle, s == kSideRight ? "##.0" : "####.0");
    }
    if (overwritten) {
        return;
    }
    const double right = pass.side[kSideRight].contactDistance;
    const double left = pass.side[kSideLeft].contactDistance;
    c.track = { formatPicture(right * u.length, "##0.0"),
        formatPicture((right + left) * u.length, "##0.0"),
        formatPicture(left * u.length, "##0.0") };
}

// The static pass's arm ends or dimensions written back into their boxes.
void writeBackArms(
    const LayoutNumbers &numbers, EntryMode mode, const OutputScale &u, EngineOutput &out)
{
    for (int s = 0; s < 2; ++s) {
        const SideSolution &d = numbers.staticPass.side[s];
        if (mode == EntryMode::LengthAndAngle) {
            // Derived arm ends go back into their X and Height boxes.
            const double sign = (s == kSideRight ? -1.0 : 1.0) * u.length;
            if (numbers.derivedArm[s][0]) {
                const LayoutPoint p = d.upperFramePivot;
                out.writeBacks.push_back({ Entry::coordinate(s, kUpperFramePivot, kColumnX),
                    formatPicture(sign * p.x, "###.00") });
                out.writeBacks.push_back({ Entry::coordinate(s, kUpperFramePivot, kColumnHeight),
                    formatPicture(p.y * u.length, "###.00") });
            }
            if (numbers.derivedArm[s][1]) {
                const LayoutPoint p = d.lowerBallJoint;
                out.writeBacks.push_back({ Entry::coordinate(s, kLowerBallJoint, kColumnX),
                    formatPicture(sign * p.x, "###.00") });
                out.writeBacks.push_back({ Entry::coordinate(s, kLowerBallJoint, kColumnHeight),
                    formatPicture(p.y * u.length, "###.00") });
            }
            continue;
        }
        for (const bool upper : { true, false }) {
            const PointRow arm = upper ? kUpperArmDim : kLowerArmDim;
            const double length = upper ? d.upperArmLength : d.lowerArmLength;
            out.writeBacks.push_back({ Entry::armDimension(s, arm, kColumnX),
                formatPicture(length * u.length, "##.00") });
            if (length > 0) {
                const char *picture = upper ? "###.00" : "###.0";
                out.writeBacks.push_back({ Entry::armDimension(s, arm, kColumnHeight),
                    formatPicture(upper ? d.upperArmAngle : d.lowerArmAngle, picture) });
            }
        }
    }
}

// Scrub only when the ball joint is placed and the upper joint lies on its
// own side of the centreline, read on the boxes as they stand once the solve
// has written its derived arm ends back.
void scrubCaptions(const PassSolution &pass, const LayoutInputs &inputs,
    const std::vector<BoxWriteBack> &writeBacks, const OutputScale &u, Captions &c)
{
    const auto boxValue = [&](Entry entry) {
        for (const BoxWriteBack &writeBack : writeBacks) {
            if (writeBack.entry == entry) {
                return readNumber(writeBack.text);
            }
        }
        return inputs.value(entry);
    };
    for (int s = 0; s < 2; ++s) {
        const bool shown = boxValue(Entry::coordinate(s, kLowerBallJoint, kColumnX)) != 0
            && boxValue(Entry::coordinate(s, kUpperBallJoint, kColumnX)) > 0;
        c.scrubRadius[s]
            = shown ? formatPicture(pass.side[s].scrubRadius * u.length, "####.0") : std::string();
    }
}

bool shimMenuEnabled(const EngineInput &in, const LayoutInputs &inputs, EntryMode mode)
{
    if (mode == EntryMode::LengthAndAngle || in.suspensionType == SuspensionType::Strut) {
        return false;
    }
    for (int s = 0; s < 2; ++s) {
        bool filled = true;
        for (const PointRow row : { kUpperBallJoint, kUpperFramePivot }) {
            for (const int column : { kColumnX, kColumnHeight }) {
                filled = filled && !inputs.empty(Entry::coordinate(s, row, column));
            }
        }
        if (filled) {
            return true;
        }
    }
    return false;
}

// The results of a metric layout, solved in inches, in millimetres and
// newtons per millimetre.
void toLayoutUnits(const OutputScale &units, EngineOutput &out)
{
    scalePass(out.staticPass, units.length);
    for (std::optional<PassSolution> *pass : { &out.gainPass, &out.movedPass }) {
        if (*pass) {
            scalePass(**pass, units.length);
        }
    }
    for (int s = 0; s < 2; ++s) {
        out.wheelRate[static_cast<std::size_t>(s)] *= units.rate;
        out.springCompression[static_cast<std::size_t>(s)] *= units.length;
    }
    // The wheel-rate ratio is the same in any units.
}

} // namespace

EngineOutput runEngine(const EngineInput &input)
{
    return runEngine(input, LayoutInputs(input.entries, input.units));
}

EngineOutput runEngine(const EngineInput &input, const LayoutInputs &inputs)
{
    EngineOutput out;
    Captions &cap = out.captions;
    // King-pin captions of the previous call, before anything is solved.
    const double oldKingPin[2] = { readNumber(input.previousKingPinCaptions[kSideRight]),
        readNumber(input.previousKingPinCaptions[kSideLeft]) };

    // The solve runs in inches: a metric layout's texts are converted in
    // inputs and what comes out is converted back at the end.
    const OutputScale units { unitFactor(Quantity::Length, input.units),
        unitFactor(Quantity::Rate, input.units), input.units == Units::Metric };
    const bool strut = input.suspensionType == SuspensionType::Strut;
    const EntryMode mode = strut ? EntryMode::XAndHeight : input.entryMode;
    const bool diveRoll = input.applyDiveRoll;
    const int grayColor = input.draw.darkGrayBackground ? kDarkGrayColor : kGrayColor;
    // Formatting the texts costs more than solving; the sweep goes without.
    const bool captions = input.withCaptions;

    // Camber-gain definition: the standard inch of dive, or the typed one.
    NumbersRequest request;
    request.suspensionType = input.suspensionType;
    request.entryMode = mode;
    request.diveRoll = diveRoll;
    if (input.gainSpecChoice != 0) {
        request.gainDive = readNumber(input.gainDiveText) / units.length;
        request.gainRoll = readNumber(input.gainRollText);
    }
    const LayoutNumbers numbers = solveLayoutNumbers(inputs, request);
    out.staticPass = numbers.staticPass;
    out.gainPass = numbers.gainPass;
    if (numbers.moved) {
        out.movedPass = numbers.movedPass;
    }
    out.camberGain = numbers.camberGain;
    out.wheelRate = numbers.wheelRate;
    out.rightWheelRateRatio = numbers.rightWheelRateRatio;
    out.camber = numbers.camber;
    out.springCompression = numbers.springCompression;
    out.layoutProblem = numbers.layoutProblem;
    out.showGeometryWarning = numbers.showGeometryWarning;

    if (captions) {
        cap.rowCaptions = strut
            ? std::array<std::string, 3> { "Upper Strut Loc.", "Lower Strut Loc.", "Strut Dim." }
            : std::array<std::string, 3> { "Upper Ball Joint", "Upper Frame Pivot",
                  "Upper Arm Dim." };
        passCaptions(out.staticPass, diveRoll, units, cap);
        rollCenterCaptions(
            out.staticPass.rollCenter, units, cap.rollCenterHeight, cap.rollCenterSide);
        writeBackArms(numbers, mode, units, out);
        scrubCaptions(out.staticPass, inputs, out.writeBacks, units, cap);
        // The dive's mark: an inch mark, or " mm" for a metric layout.
        const std::string diveMark = units.metric ? " mm" : "\"";
        if (input.gainSpecChoice != 0) {
            cap.gainBasis = "Gain based on " + input.gainDiveText + diveMark + " Dive and "
                + input.gainRollText + " deg Roll.";
        } else {
            cap.gainBasis
                = "Gain based on " + std::string(units.metric ? "25.4" : "1") + diveMark + " Dive.";
        }
        for (int s = 0; s < 2; ++s) {
            cap.camberGain[s] = "Camber Gain: " + formatPicture(out.camberGain[s], "###.00");
            if (out.wheelRate[s] != 0) {
                // Newtons per millimetre are small numbers: one decimal.
                const char *picture = units.metric ? "##0.0" : (s == kSideRight ? "###0" : "####");
                cap.wheelRate[s] = formatPicture(out.wheelRate[s] * units.rate, picture);
            }
        }
        if (numbers.moved) {
            const PassSolution &moved = numbers.movedPass;
            for (int s = 0; s < 2; ++s) {
                cap.dynamicCamber[s] = formatPicture(out.camber[s], "##.00");
                cap.springCompression[s]
                    = formatPicture(out.springCompression[s] * units.length, "##.00");
            }
            passCaptions(moved, false, units, cap);
            rollCenterCaptions(
                moved.rollCenter, units, cap.movedRollCenterHeight, cap.movedRollCenterSide);
        }
    }
    cap.staticRollCenterColor = diveRoll ? grayColor : kCaptionColor;
    cap.camberGainColor = diveRoll ? grayColor : kCaptionColor;
    if (numbers.moved) {
        cap.movedRollCenterColor = kCaptionColor;
    }

    // Camber follows the king-pin axis: the static camber moves by the
    // change of the shown king-pin angle, with the opposite sign.
    if (input.camberFollowsEdit && captions) {
        for (const int s : { kSideRight, kSideLeft }) {
            const Entry entry = Entry::otherSpec(s, kStaticCamberRow);
            const double box = inputs.side[static_cast<std::size_t>(s)].staticCamber;
            const std::string text
                = formatPicture(box - readNumber(cap.kingPinAngle[s]) + oldKingPin[s], "####.00");
            if (readNumber(text) != box) {
                out.writeBacks.push_back({ entry, text });
            }
        }
    }

    if (out.showGeometryWarning && captions) {
        cap.status = kLayoutProblemStatus;
    }
    for (const int code : numbers.faults.codes) {
        if (code != kFaultOverflow) {
            out.faults.push_back(faultMessage(code));
        }
    }
    out.shimMenuEnabled = shimMenuEnabled(input, inputs, mode);
    if (input.withScene) {
        buildFrontViewScene(input, inputs, out);
    }
    if (units.metric) {
        toLayoutUnits(units, out);
    }
    return out;
}

} // namespace tarvik
