// The engine call: one solve-and-draw of a layout, from plain inputs to plain
// outputs. The main window, the camber-table sweep and tarvik-cli all call
// this and nothing else; none of them computes geometry of its own.
//
// Coordinates are layout coordinates in the layout's units (inches, or
// millimetres for a metric layout): y is the height above the ground, x the
// distance from the centreline, positive toward the car's LEFT side. The
// car's right side is held with X negated. The scene is in picture units of
// the physical size whatever the units.
#pragma once

#include "core/geometry/layoutinputs.h"
#include "core/geometry/layoutpoint.h"
#include "core/geometry/scene.h"
#include "core/layout/entry.h"
#include "core/layout/layoutkinds.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tarvik {

struct DrawOptions
{
    bool extensionLines = true;
    // Colour 8 instead of 7 for the static layout under dive and roll.
    bool darkGrayBackground = false;
    bool bigLayout = false;
    bool afterPrinting = false; // white box behind the picture once a report was printed
};

struct EngineInput
{
    EntryTexts entries; // the box texts (results ignored)
    // English: the texts are inches and pounds per inch; Metric: millimetres and
    // newtons per millimetre, and so is everything that comes out (points,
    // lengths, rates, captions, write-backs). The solve itself runs in inches.
    Units units = Units::English;
    SuspensionType suspensionType = SuspensionType::DoubleAArm;
    EntryMode entryMode = EntryMode::XAndHeight;
    bool applyDiveRoll = false; // false: the static layout only
    // Camber-gain definition: choice 0 is the standard 1 inch of dive, no roll.
    int gainSpecChoice = 0;
    std::string gainDiveText;
    std::string gainRollText;
    // Camber follows the king-pin axis after an accepted edit; the king-pin
    // captions of the previous call are what it compares with.
    bool camberFollowsEdit = false;
    std::array<std::string, 2> previousKingPinCaptions;
    DrawOptions draw;
    bool withScene = true; // the table sweep skips building the scene
    // Off: no captions and no texts written back into boxes (the camber-table
    // sweep reads only the cambers and the layout-problem flags). Every
    // number, flag and fault message is the same either way.
    bool withCaptions = true;
};

// One side of one pass.
struct SideSolution
{
    LayoutPoint upperBallJoint; // strut: the body mount ("Upper Strut Loc.")
    LayoutPoint upperFramePivot; // strut: the lower strut location
    LayoutPoint lowerBallJoint;
    LayoutPoint lowerFramePivot;
    LayoutPoint upperSpringPad;
    LayoutPoint lowerSpringPad;
    LayoutPoint instantCenter;
    LayoutPoint contactPoint;
    LayoutPoint kingPinGround;
    double knuckleAngle = 0; // degrees, 0..180
    double kingPinAngle = 0; // degrees, as shown
    double camber = 0; // static camber, or the new camber in the moved pass
    double spindleAngle = 0;
    double scrubRadius = 0;
    double contactDistance = 0; // half-track, positive
    double upperArmLength = 0, upperArmAngle = 0; // strut: strut length and lean from vertical
    double lowerArmLength = 0, lowerArmAngle = 0;
    double springLength = 0;
    double springAngle = 0; // degrees, positive when the top leans toward the centreline
};

struct PassSolution
{
    std::array<SideSolution, 2> side;
    LayoutPoint rollCenter;
    std::array<LayoutPoint, 4> chassis; // left lower, left upper, right upper, right lower
    double diveIn = 0;
    double rollDeg = 0;
};

// Every caption text exactly as the main window shows it ("" = empty caption).
struct Captions
{
    std::string rollCenterHeight, rollCenterSide; // upper pair (static pass)
    std::string movedRollCenterHeight, movedRollCenterSide; // lower pair (moved pass)
    std::array<std::string, 2> camberGain;
    std::string gainBasis;
    std::string status; // "" or the layout-problem text
    std::array<std::string, 2> kingPinAngle, spindleAngle, scrubRadius;
    std::array<std::string, 3> track; // right, total, left
    std::array<std::string, 2> springLength, springAngle, wheelRate;
    std::array<std::string, 2> dynamicCamber, springCompression;
    std::array<std::string, 3> rowCaptions; // rows 0, 1 and 6 for the suspension type
    int camberGainColor = 0; // palette index
    int staticRollCenterColor = 0, movedRollCenterColor = 0;
};

// A text the solve writes back into an input box.
struct BoxWriteBack
{
    Entry entry;
    std::string text;
};

struct EngineOutput
{
    PassSolution staticPass;
    std::optional<PassSolution> gainPass;
    std::optional<PassSolution> movedPass;
    std::array<double, 2> camberGain {};
    std::array<double, 2> wheelRate {};
    std::optional<double> rightWheelRateRatio;
    // Static camber, or the new camber when dive and roll are applied.
    std::array<double, 2> camber {};
    std::array<double, 2> springCompression {};
    bool layoutProblem = false;
    bool showGeometryWarning = false; // layout problem with every watched box filled
    std::vector<std::string> faults; // run-time fault messages to show, in order
    Captions captions;
    std::vector<BoxWriteBack> writeBacks;
    bool shimMenuEnabled = false;
    Scene scene;
};

EngineOutput runEngine(const EngineInput &input);
// The same with the numbers of input.entries already read (inputs must be
// what LayoutInputs(input.entries, input.units) gives, or that with
// some boxes set again): a sweep or a search reads the texts once.
EngineOutput runEngine(const EngineInput &input, const LayoutInputs &inputs);

// The geometry warning pair, shown when a linkage cannot be closed.
extern const char *const kGeometryWarningTitle;
const std::string &geometryWarningText();
extern const char *const kLayoutProblemStatus;

} // namespace tarvik
