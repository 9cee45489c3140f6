// The pick-up point window's form without its widgets: the targets a user
// may choose (each with a check, a value and a weight, a camber target with
// its dive and roll), the coordinates that may move (each with a check and a
// range), whether both sides move together, and what the layout as it
// stands gives for each target. The form starts from the layout so that a
// user only changes what he wants: every target's value is what the layout
// achieves now, every range reaches 2 in (50.8 mm) each way from the box's
// value, both sides move together on a symmetric layout.
//
// All texts and values are in the layout's typed units (see
// designproblem.h). The window shows the rows in the order given here.
#pragma once

#include "core/design/designproblem.h"
#include "core/design/pickupoptimizer.h"
#include "core/layout/layoutkinds.h"

#include <limits>
#include <string>
#include <vector>

namespace tarvik {

// How far a range reaches each way from the box's value at first, inches.
inline constexpr double kDesignReachIn = 2.0;

struct DesignTargetRow
{
    DesignTarget target; // kind and side; value, weight, dive and roll come from the texts
    std::string label; // "Roll Center Height"
    bool used = false;
    std::string value; // what to reach
    std::string weight = "1";
    std::string dive, roll; // camber targets only
    // What the layout as it stands gives; NaN for a layout the engine flags
    // or a camber target whose dive or roll does not read.
    double now = std::numeric_limits<double>::quiet_NaN();
};

struct DesignCoordinateRow
{
    Entry entry;
    std::string label; // "Upper Ball Joint X", the side shown by the column
    bool used = false;
    std::string minimum, maximum;
    std::string now; // the box's text
    bool computed = false; // the entry mode places it: not free
};

// The problem the used rows pose, or why there is none.
struct DesignFormProblem
{
    DesignProblem problem;
    std::string refusal; // non-empty: no search
};

// A box an answer changes.
struct DesignChange
{
    Entry entry;
    std::string label; // "Right Upper Frame Pivot Height"
    std::string before, after; // box texts
};

class DesignForm
{
public:
    DesignForm(const LayoutState &layout, const Settings &settings);

    // The layout as it stands now: the boxes' values, the achieved values
    // and which coordinates the entry mode places. Typed texts stay.
    void refresh(const LayoutState &layout, const Settings &settings);

    std::vector<DesignTargetRow> &targets() { return m_targets; }
    const std::vector<DesignTargetRow> &targets() const { return m_targets; }
    // Two rows per point box, right then left: upper ball joint X, its
    // Height, upper frame pivot X, ... lower spring pad Height.
    std::vector<DesignCoordinateRow> &coordinates() { return m_coordinates; }
    const std::vector<DesignCoordinateRow> &coordinates() const { return m_coordinates; }
    // Both sides move together: a right coordinate moves its left box to the
    // same typed value, and the left rows are not read.
    bool symmetric() const { return m_symmetric; }
    void setSymmetric(bool symmetric) { m_symmetric = symmetric; }
    // "Prefer the smallest change" (on at first): of the answers that meet
    // the targets equally, the one that moves the boxes least.
    bool preferSmallChange() const { return m_preferSmallChange; }
    void setPreferSmallChange(bool prefer) { m_preferSmallChange = prefer; }

    const LayoutState &layout() const { return m_layout; }
    // The unit of a target row's value: "in", "mm/deg", "deg/in", ...
    std::string unit(const DesignTargetRow &row) const;
    std::string lengthUnit() const { return m_layout.units == Units::Metric ? "mm" : "in"; }

    // The problem of the used rows on the layout last given.
    DesignFormProblem problem() const;

private:
    void fill();
    void measure();

    LayoutState m_layout;
    Settings m_settings;
    std::vector<DesignTargetRow> m_targets;
    std::vector<DesignCoordinateRow> m_coordinates;
    bool m_symmetric = false;
    bool m_preferSmallChange = true;
};

// The boxes whose value the answer changes, in entry order, with their text
// in the layout before.
std::vector<DesignChange> designChanges(const LayoutState &before, const OptimizerResult &result);

// How far an answer moves the layout, as the window reports it: "Total
// movement: 1.19 in (.3 of the ranges)"; "mm" on a metric layout.
std::string designMovementText(const OptimizerResult &result, Units units);

// A value as the window shows it: three decimals at most, the program's
// number text (".87", "-1.2", "93.799").
std::string designValueText(double value);

} // namespace tarvik
