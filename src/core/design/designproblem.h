// What the pick-up point optimizer is asked: the layout it starts from, the
// results to aim at (each with a value and a weight) and the coordinates it
// may move, each within an absolute range in typed units.
//
// Typed units are the layout's own: inches, or millimetres on a metric
// layout. Ranges, length targets (roll-centre height and migration, scrub
// radius), the dive of a camber target and every answer are in them; angles
// are degrees in both, and the camber gain is always degrees per inch
// (25.4 mm) of dive. The engine converts at its boundary, so nothing here
// converts a length; the miss of each target is counted in its typed unit.
//
// Names are shared by tarvik-cli and the windows. Targets: "rc-height",
// "rc-migration", "camber-gain" (mean of both sides), "camber-gain-right",
// "camber-gain-left", "camber-right@DIVE,ROLL", "camber-left@DIVE,ROLL",
// "scrub-right", "scrub-left". Coordinates: SIDE.POINT.x|y with SIDE right or
// left and POINT one of upper_ball_joint, upper_frame_pivot,
// lower_ball_joint, lower_frame_pivot, upper_spring_pad, lower_spring_pad;
// x is the X box as typed (positive on both sides), y the Height box. On a
// strut layout upper_ball_joint and upper_frame_pivot name the rows the
// upper and lower strut locations take.
#pragma once

#include "core/layout/entry.h"
#include "core/layout/layoutkinds.h"
#include "core/layout/layoutstate.h"
#include "core/layout/settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

enum class DesignTargetKind {
    RollCenterHeight, // static roll-centre height, typed length
    // Lateral roll-centre travel per degree of roll, typed length per degree: the
    // moved roll centre's x at +1 deg minus its x at -1 deg (no dive), over
    // 2. x is positive toward the car's left; a positive roll raises the
    // car's left side.
    RollCenterMigration,
    CamberGain, // camber change for 1 in of dive and no roll, degrees
    Camber, // new camber of the dive-and-roll pass at diveIn, rollDeg, degrees
    ScrubRadius, // static scrub radius, typed length
};

// The side of a target that is not per side, or of the camber gain taken as
// the mean of both sides.
inline constexpr int kBothSides = -1;

struct DesignTarget
{
    DesignTargetKind kind = DesignTargetKind::RollCenterHeight;
    int side = kBothSides; // kSideRight, kSideLeft or kBothSides
    double diveIn = 0; // Camber only; typed length (millimetres on a metric layout)
    double rollDeg = 0; // Camber only
    double value = 0; // what to reach, in the target's unit
    double weight = 1; // > 0; the error is the weighted sum of squared misses
};

// Reads a target name; nullopt with a one-line message for an unknown or
// malformed name. value and weight are left at 0 and 1.
std::optional<DesignTarget> parseDesignTargetName(std::string_view name, std::string &message);
// The name parseDesignTargetName reads back ("camber-left@1,-2").
std::string designTargetName(const DesignTarget &target);

// The factor from inch units to the layout's units for a target's value: 25.4
// for the length targets of a metric layout, else 1.
double designTargetUnitFactor(DesignTargetKind kind, Units units);
// The unit a target's value is given in: "in", "mm", "in/deg", "mm/deg",
// "deg/in" or "deg".
std::string designTargetUnit(DesignTargetKind kind, Units units);

// One free coordinate: the boxes it sets to the same typed value (the named
// box first, then its mirror when the sides are tied) and its range.
struct DesignVariable
{
    std::vector<Entry> entries;
    double minValue = 0; // typed units
    double maxValue = 0;
};

// The entry of a coordinate name ("right.upper_ball_joint.x"); nothing for
// another name.
std::optional<Entry> coordinateEntry(std::string_view name);
// The name of a point coordinate's entry, else "".
std::string coordinateName(Entry entry);

// Whether the entry mode places a point box from its arm's length and angle
// (the upper frame pivot and the lower ball joint of a double A arm whose arm
// has a length, in the length-and-angle mode): such a box is no free
// coordinate.
bool coordinateFollowsArm(const LayoutState &layout, const Settings &settings, Entry entry);

// A whole text as a finite plain decimal number ("+1.5", "-.5", "2e-3"); no
// blanks, hex, inf or nan.
bool readDesignNumber(std::string_view text, double &value);

// The variable of one named coordinate; symmetric ties the other side's box
// to it (same typed value).
DesignVariable makeDesignVariable(Entry entry, double minValue, double maxValue, bool symmetric);

// The answer is written into the boxes as "###.00": every typed value the
// optimizer hands back is a whole number of hundredths of the typed unit.
inline constexpr double kDesignGridStep = 0.01;

// "Prefer the smallest change": the weight of the movement term at 1, its
// default. Small enough that an answer never misses a target by more than a
// thousandth of an inch for it, large enough to choose among answers that
// meet the targets equally (a curve of exact fits when two coordinates
// serve one target).
inline constexpr double kSmallChangeScale = 1e-4;
inline constexpr double kMaxSmallChange = 1e6;

struct DesignProblem
{
    LayoutState layout; // the start; its dive and roll entries are not used
    // The entry mode shapes the solve; the camber-gain pass always uses the
    // standard definition (1 in of dive, no roll) whatever the settings or
    // the layout's units say.
    Settings settings;
    std::vector<DesignTarget> targets;
    std::vector<DesignVariable> variables;
    // "Prefer the smallest change": the movement added to the weighted error
    // is preferSmallChange * kSmallChangeScale times the sum, over the varied
    // boxes, of the squared move from the layout's value counted in units of
    // its range (a move across the whole range is 1), taken as squared inches
    // of miss (a metric layout's length targets scale with it). 0: any
    // answer that meets the targets as well will do.
    double preferSmallChange = 1;
};

// What the optimizer multiplies every miss by before squaring it: 1, or for
// targets (or weights) so large that their weighted squared misses would
// overflow, the power of two that brings the largest near 1. A power of two scales every score
// exactly, so the order of candidates and the answer do not change.
double designMissScale(const DesignProblem &problem);

// "" when the optimizer can take the problem, else a one-line reason: no
// target or no variable, a weight that is not positive, a value or range
// bound that is not finite, a range that is reversed or holds no hundredth,
// a box varied twice, a varied arm end that the arm's length and angle
// place in the length-and-angle entry mode, or a movement weight that is
// negative or not finite.
std::string designProblemRefusal(const DesignProblem &problem);

} // namespace tarvik
