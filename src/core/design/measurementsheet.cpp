// The measurement sheet's texts (see measurementsheet.h).
#include "core/design/measurementsheet.h"

namespace tarvik {

MeasurementSet plannedPositions(Units units)
{
    const double unit = units == Units::English ? 1 : 25;
    MeasurementSet set;
    for (const double dive : { -1.0, 0.0, 1.0, 2.0 }) {
        for (const double roll : { -2.0, 0.0, 2.0 }) {
            set.rows.push_back({ dive * unit, roll, {} });
        }
    }
    return set;
}

MeasurementSheet measurementSheet(
    const MeasurementSet &set, Units units, const std::string &vehicleTitle)
{
    const std::string length = units == Units::English ? "in" : "mm";
    MeasurementSheet sheet;
    sheet.title = "Camber Measurement Sheet";
    sheet.vehicle = vehicleTitle.empty() ? "(untitled)" : vehicleTitle;
    sheet.procedure = {
        "1. Park the car on a flat, level floor with the driver's weight (or ballast) in "
        "the seat, the tyres at running pressure and the steering straight ahead. Take "
        "the springs out, or block the front at each height, so the car stays where you put it.",
        "2. Mark a reference on the chassis above each front wheel and measure its height "
        "above the floor at ride height: that is dive 0, roll 0.",
        "3. Jack the front evenly to each dive on the grid (positive dive lowers the "
        "chassis, in "
            + length
            + "), checked at both marks. For roll, lower one side and raise the other by "
              "the same amount: a positive roll raises the car's left side. The roll in "
              "degrees is the difference of the two mark heights over the distance "
              "between the marks, as an angle.",
        "4. At each position, read the camber of each front wheel with a camber gauge on "
        "the wheel face (or the hub), off the rim lip and any bulge of the tyre. Negative "
        "camber leans the top of the wheel toward the car. Write the reading in its box; "
        "leave a box empty if you could not read it.",
        "5. Type the readings into the Measurements window (Measurements... on the camber "
        "table's menu bar). The camber table then "
        "shows them beside the model, and Design > Fit Model to Measurements moves the "
        "pick-up points you are unsure of to match them.",
    };
    sheet.columns = { "Dive, " + length, "Roll, deg", "Right camber, deg", "Left camber, deg" };
    const MeasurementSet &positions = set.rows.empty() ? plannedPositions(units) : set;
    for (const MeasurementRow &row : positions.rows) {
        sheet.rows.push_back({ measurementNumberText(row.dive), measurementNumberText(row.roll),
            measurementNumberText(row.camber[0]), measurementNumberText(row.camber[1]) });
    }
    return sheet;
}

} // namespace tarvik
