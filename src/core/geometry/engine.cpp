// The engine call: static pass, camber-gain pass and, when dive and roll are
// shown, the dive-and-roll pass, then the captions, the texts written back
// into input boxes, the layout and fault messages and the scene.
//
// Faults: the solve never throws and never lets an infinity or NaN into a
// point or result. A division by zero that no geometric guard catches is
// reported as fault 11 and the failing step keeps its previous value; an
// overflow (fault 6, also 0/0) is ignored silently, as it always was.
#include "core/geometry/engine.h"

#include "core/geometry/faultlog.h"
#include "core/geometry/frontviewscene.h"
#include "core/geometry/layoutsolver.h"
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
struct Units
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
    const LayoutPoint &rc, const Units &u, std::string &height, std::string &side)
{
    height = "Roll Center height = " + formatPicture(rc.y * u.length, "##.0");
    side = std::string("Roll Center ") + (rc.x > 0 ? "Left" : "Right") + " = "
        + formatPicture(std::fabs(double(rc.x)) * u.length, "####.0");
}

// Captions of a drawing pass (static or dive-and-roll).
void passCaptions(const PassSolution &pass, bool overwritten, const Units &u, Captions &c)
{
    for (int s = 0; s < 2; ++s) {
        const SideSolution &d = pass.side[s];
        if (overwritten) {
            continue; // the dive-and-roll pass writes these captions again
        }
        c.kingPinAngle[s] = formatPicture(d.kingPinAngle, "####.00");
        c.spindleAngle[s] = formatPicture(d.spindleAngle, "####.00");
        c.springLength[s] = formatPicture(d.springLength * u.length, "##.00");
        c.springAngle[s] = formatPicture(d.springAngle, s == kRight ? "##.0" : "####.0");
    }
    if (overwritten) {
        return;
    }
    const double right = pass.side[kRight].contactDistance;
    const double left = pass.side[kLeft].contactDistance;
    c.track = { formatPicture(right * u.length, "##0.0"),
        formatPicture((right + left) * u.length, "##0.0"),
        formatPicture(left * u.length, "##0.0") };
}

void writeBackArms(const LayoutSolver &solver, EntryMode mode, const Units &u, EngineOutput &out)
{
    for (int s = 0; s < 2; ++s) {
        if (mode == EntryMode::LengthAndAngle) {
            // Derived arm ends go back into their X and Height boxes.
            const double sign = (s == kRight ? -1.0 : 1.0) * u.length;
            if (solver.derivedArm(s, true)) {
                const LayoutPoint p = solver.upperFramePivot(s);
                out.writeBacks.push_back({ pointEntry(s, kColumnX, kUpperFramePivot),
                    formatPicture(sign * p.x, "###.00") });
                out.writeBacks.push_back({ pointEntry(s, kColumnHeight, kUpperFramePivot),
                    formatPicture(p.y * u.length, "###.00") });
            }
            if (solver.derivedArm(s, false)) {
                const LayoutPoint p = solver.lowerBallJoint(s);
                out.writeBacks.push_back({ pointEntry(s, kColumnX, kLowerBallJoint),
                    formatPicture(sign * p.x, "###.00") });
                out.writeBacks.push_back({ pointEntry(s, kColumnHeight, kLowerBallJoint),
                    formatPicture(p.y * u.length, "###.00") });
            }
            continue;
        }
        for (const bool upper : { true, false }) {
            const int row = upper ? kUpperArmDim : kLowerArmDim;
            const double length = solver.armLength(s, upper);
            out.writeBacks.push_back(
                { pointEntry(s, kColumnX, row), formatPicture(length * u.length, "##.00") });
            if (length > 0) {
                const char *picture = upper ? "###.00" : "###.0";
                out.writeBacks.push_back({ pointEntry(s, kColumnHeight, row),
                    formatPicture(solver.armAngle(s, upper), picture) });
            }
        }
    }
}

// Scrub only when the ball joint is placed and the upper joint lies on its
// own side of the centreline, read on the boxes as they stand once the solve
// has written its derived arm ends back.
void scrubCaptions(const PassSolution &pass, const LayoutInputs &inputs,
    const std::vector<BoxWriteBack> &writeBacks, const Units &u, Captions &c)
{
    const auto boxValue = [&](int entry) {
        for (const BoxWriteBack &writeBack : writeBacks) {
            if (writeBack.entry == entry) {
                return readNumber(writeBack.text);
            }
        }
        return inputs.value(entry);
    };
    for (int s = 0; s < 2; ++s) {
        const bool shown = boxValue(pointEntry(s, kColumnX, kLowerBallJoint)) != 0
            && boxValue(pointEntry(s, kColumnX, kUpperBallJoint)) > 0;
        c.scrubRadius[s]
            = shown ? formatPicture(pass.side[s].scrubRadius * u.length, "####.0") : std::string();
    }
}

bool anyBlank(const LayoutInputs &in, std::initializer_list<int> rows)
{
    for (int s = 0; s < 2; ++s) {
        for (const int row : rows) {
            for (const int column : { kColumnX, kColumnHeight }) {
                if (in.blank(pointEntry(s, column, row))) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool shimMenuEnabled(const EngineInput &in, const LayoutInputs &inputs, EntryMode mode)
{
    if (mode == EntryMode::LengthAndAngle || in.suspensionType == SuspensionType::Strut) {
        return false;
    }
    for (int s = 0; s < 2; ++s) {
        bool filled = true;
        for (const int row : { kUpperBallJoint, kUpperFramePivot }) {
            for (const int column : { kColumnX, kColumnHeight }) {
                filled = filled && !inputs.empty(pointEntry(s, column, row));
            }
        }
        if (filled) {
            return true;
        }
    }
    return false;
}

void scalePoint(LayoutPoint &p, double factor)
{
    p = { toSingle(p.x * factor), toSingle(p.y * factor) };
}

// Every length of a pass in the layout's units (angles stay degrees).
void scalePass(PassSolution &pass, double factor)
{
    for (SideSolution &d : pass.side) {
        for (LayoutPoint *p : { &d.upperBallJoint, &d.upperFramePivot, &d.lowerBallJoint,
                 &d.lowerFramePivot, &d.upperSpringPad, &d.lowerSpringPad, &d.instantCenter,
                 &d.contactPoint, &d.kingPinGround }) {
            scalePoint(*p, factor);
        }
        for (double *length : { &d.scrubRadius, &d.contactDistance, &d.upperArmLength,
                 &d.lowerArmLength, &d.springLength }) {
            *length *= factor;
        }
    }
    scalePoint(pass.rollCenter, factor);
    for (LayoutPoint &p : pass.chassis) {
        scalePoint(p, factor);
    }
    pass.diveIn *= factor;
}

// The results of a metric layout, solved in inches, in millimetres and
// newtons per millimetre.
void toLayoutUnits(const Units &units, EngineOutput &out)
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
    return runEngine(input, LayoutInputs(input.entries, input.unitsFlag));
}

EngineOutput runEngine(const EngineInput &input, const LayoutInputs &inputs)
{
    EngineOutput out;
    Captions &cap = out.captions;
    FaultLog faults;
    faults.codes = inputs.faults();
    // King-pin captions of the previous call, before anything is solved.
    const double oldKingPin[2] = { readNumber(input.previousKingPinCaptions[kRight]),
        readNumber(input.previousKingPinCaptions[kLeft]) };

    // The solve runs in inches: a metric layout's texts are converted here and
    // what comes out is converted back at the end.
    const Units units { unitFactor(Quantity::Length, input.unitsFlag),
        unitFactor(Quantity::Rate, input.unitsFlag), input.unitsFlag != 0 };
    const bool strut = input.suspensionType == SuspensionType::Strut;
    const EntryMode mode = strut ? EntryMode::XAndHeight : input.entryMode;
    const double staticCamber[2]
        = { inputs.side[kRight].staticCamber, inputs.side[kLeft].staticCamber };
    const bool diveRoll = input.applyDiveRoll == 1;
    const int grayColor = input.draw.darkGrayBackground ? kDarkGrayColor : kGrayColor;
    // Formatting the texts costs more than solving; the sweep goes without.
    const bool captions = input.withCaptions;

    if (captions) {
        cap.rowCaptions = strut
            ? std::array<std::string, 3> { "Upper Strut Loc.", "Lower Strut Loc.", "Strut Dim." }
            : std::array<std::string, 3> { "Upper Ball Joint", "Upper Frame Pivot",
                  "Upper Arm Dim." };
    }

    // Static pass.
    LayoutSolver solver(inputs, input.suspensionType, mode, &faults);
    solver.readPoints();
    solver.solve(true);
    solver.fill(out.staticPass);
    for (int s = 0; s < 2; ++s) {
        SideSolution &d = out.staticPass.side[s];
        d.camber = staticCamber[s];
        d.spindleAngle = d.camber + d.kingPinAngle;
        out.camber[s] = staticCamber[s];
    }
    if (captions) {
        passCaptions(out.staticPass, diveRoll, units, cap);
        rollCenterCaptions(
            out.staticPass.rollCenter, units, cap.rollCenterHeight, cap.rollCenterSide);
        writeBackArms(solver, mode, units, out);
        scrubCaptions(out.staticPass, inputs, out.writeBacks, units, cap);
    }
    cap.staticRollCenterColor = diveRoll ? grayColor : kCaptionColor;
    solver.saveStatic();

    // Camber-gain pass: the static layout moved by the gain definition.
    double gainDive = 1.0;
    double gainRoll = 0.0;
    // The dive's mark: an inch mark, or " mm" for a metric layout.
    const std::string diveMark = units.metric ? " mm" : "\"";
    if (input.gainSpecChoice != 0) {
        gainDive = readNumber(input.gainDiveText) / units.length;
        gainRoll = readNumber(input.gainRollText);
        if (captions) {
            cap.gainBasis = "Gain based on " + input.gainDiveText + diveMark + " Dive and "
                + input.gainRollText + " deg Roll.";
        }
    } else if (captions) {
        cap.gainBasis
            = "Gain based on " + std::string(units.metric ? "25.4" : "1") + diveMark + " Dive.";
    }
    out.layoutProblem = solver.move(gainDive, gainRoll) || out.layoutProblem;
    solver.solve(false);
    out.wheelRate = solver.wheelRates();
    for (double &rate : out.wheelRate) {
        rate = checkedValue(rate, 0.0, &faults);
    }
    PassSolution &gain = out.gainPass.emplace();
    solver.fill(gain);
    gain.diveIn = gainDive;
    gain.rollDeg = gainRoll;
    out.camberGain = { solver.camberChange(kRight), solver.camberChange(kLeft) };
    for (int s = 0; s < 2; ++s) {
        gain.side[s].camber = staticCamber[s];
        gain.side[s].spindleAngle = staticCamber[s] + gain.side[s].kingPinAngle;
        if (!captions) {
            continue;
        }
        cap.camberGain[s] = "Camber Gain: " + formatPicture(out.camberGain[s], "###.00");
        if (out.wheelRate[s] != 0) {
            // Newtons per millimetre are small numbers: one decimal.
            const char *picture = units.metric ? "##0.0" : (s == kRight ? "###0" : "####");
            cap.wheelRate[s] = formatPicture(out.wheelRate[s] * units.rate, picture);
        }
    }
    cap.camberGainColor = diveRoll ? grayColor : kCaptionColor;
    const double rightSpringRate = inputs.side[kRight].springRate;
    if (rightSpringRate > 0) {
        out.rightWheelRateRatio = out.wheelRate[kRight] / rightSpringRate;
    }

    // Dive-and-roll pass: the layout read afresh and moved by the shown
    // dive and roll, compared with the values saved from the static pass.
    if (diveRoll) {
        const double dive = inputs.dive;
        const double roll = inputs.roll;
        solver.readPoints();
        out.layoutProblem = solver.move(dive, roll) || out.layoutProblem;
        solver.solve(false);
        PassSolution &moved = out.movedPass.emplace();
        solver.fill(moved);
        moved.diveIn = dive;
        moved.rollDeg = roll;
        out.camber[kLeft] = staticCamber[kLeft] + solver.camberChange(kLeft);
        out.camber[kRight] = staticCamber[kRight] + solver.camberChange(kRight);
        for (int s = 0; s < 2; ++s) {
            moved.side[s].camber = out.camber[s];
            moved.side[s].spindleAngle = out.camber[s] + moved.side[s].kingPinAngle;
            out.springCompression[s] = solver.staticSpringLength(s) - solver.springLength(s);
            if (captions) {
                cap.dynamicCamber[s] = formatPicture(out.camber[s], "##.00");
                cap.springCompression[s]
                    = formatPicture(out.springCompression[s] * units.length, "##.00");
            }
        }
        if (captions) {
            passCaptions(moved, false, units, cap);
            rollCenterCaptions(
                moved.rollCenter, units, cap.movedRollCenterHeight, cap.movedRollCenterSide);
        }
        cap.movedRollCenterColor = kCaptionColor;
    }

    // Camber follows the king-pin axis: the static camber moves by the
    // change of the shown king-pin angle, with the opposite sign.
    if (input.camberFollowsEdit && captions) {
        for (const int s : { kRight, kLeft }) {
            const int entry = staticCamberEntry(s);
            const double box = inputs.side[static_cast<std::size_t>(s)].staticCamber;
            const std::string text
                = formatPicture(box - readNumber(cap.kingPinAngle[s]) + oldKingPin[s], "####.00");
            if (readNumber(text) != box) {
                out.writeBacks.push_back({ entry, text });
            }
        }
    }

    const bool blankWatched = mode == EntryMode::LengthAndAngle
        ? anyBlank(inputs,
            { kUpperBallJoint, kUpperFramePivot, kLowerBallJoint, kLowerFramePivot, kUpperArmDim,
                kLowerArmDim })
        : anyBlank(
            inputs, { kUpperBallJoint, kUpperFramePivot, kLowerBallJoint, kLowerFramePivot });
    out.showGeometryWarning = out.layoutProblem && !blankWatched;
    if (out.showGeometryWarning && captions) {
        cap.status = kLayoutProblemStatus;
    }
    for (const int code : faults.codes) {
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
