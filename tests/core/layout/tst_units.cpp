// Metric layouts: every example converted to millimetres, saved, read back
// and solved gives the same angles and the same lengths times 25.4 as the
// inch layout, to the shown precision; texts survive a round trip.
#include "core/calc/tablespecfit.h"
#include "core/geometry/engineinputbuilder.h"
#include "core/layout/units.h"
#include "core/table/cambertable.h"
#include "core/text/numberreading.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

namespace tarvik {
namespace {

namespace fs = std::filesystem;

TEST(Units, TextsConvertAndComeBack)
{
    EXPECT_EQ(convertText("24", Quantity::Length, true), "609.6");
    EXPECT_EQ(convertText("609.6", Quantity::Length, false), "24");
    EXPECT_EQ(convertText("12.75", Quantity::Length, true), "323.85");
    EXPECT_EQ(convertText("-.5", Quantity::Angle, true), "-.5");
    EXPECT_EQ(convertText("", Quantity::Length, true), "");
    EXPECT_EQ(convertText("500", Quantity::Rate, true), "87.56341762");
    EXPECT_EQ(convertText(convertText("500", Quantity::Rate, true), Quantity::Rate, false), "500");
    EXPECT_EQ(entryQuantity(35), Quantity::Rate);
    EXPECT_EQ(entryQuantity(14), Quantity::Angle); // upper arm angle
    EXPECT_EQ(entryQuantity(55), Quantity::Angle);
    EXPECT_EQ(entryQuantity(54), Quantity::Length);
    // A box shows a metric length or rate with two decimals; the rest as stored.
    EXPECT_EQ(shownEntryText("87.56341762", 35, Units::Metric), "87.56");
    EXPECT_EQ(shownEntryText("87.56341762", 35, Units::English), "87.56341762");
    EXPECT_EQ(shownEntryText("1.5875", 0, Units::Metric), "1.59");
    EXPECT_EQ(shownEntryText("-1.5875", 54, Units::Metric), "-1.59");
    EXPECT_EQ(shownEntryText("323.85", 0, Units::Metric), "323.85");
    EXPECT_EQ(shownEntryText("1.23456", 14, Units::Metric), "1.23456"); // an angle
    EXPECT_EQ(shownEntryText("12.3456.", 0, Units::Metric), "12.3456."); // not a plain number
    EXPECT_EQ(shownEntryText("", 0, Units::Metric), "");
}

TEST(Units, AFileFlagOtherThanZeroIsMetricAndIsSavedAsOne)
{
    for (const auto &[flag, units, saved] : { std::tuple { 0, Units::English, 0 },
             { 1, Units::Metric, 1 }, { -3, Units::Metric, 1 }, { 2, Units::Metric, 1 } }) {
        VehicleData data;
        data.unitsFlag = flag;
        LayoutState layout;
        layout.takeVehicle(data, "CAR.TK");
        EXPECT_EQ(layout.units, units) << flag;
        EXPECT_EQ(layout.vehicleData().unitsFlag, saved) << flag;
    }
}

TEST(Units, MetricLayoutsSolveAsTheirInchOriginals)
{
    for (const char *name : { "WORKED.TK", "CIRCLE.TK", "STRUT.TK" }) {
        const auto read = readVehicleFile(fs::path(TARVIK_SOURCE_DATA_DIR) / "tkfiles" / name);
        ASSERT_TRUE(read.ok) << name;
        LayoutState inch;
        inch.takeVehicle(read.data, name);
        inch.record.set(kDiveEntry, "1");
        inch.record.set(kRollEntry, "2");
        inch.applyDiveRoll = true;

        LayoutState metric = inch;
        metric.record = convertRecord(inch.record, true);
        metric.units = Units::Metric;
        const fs::path file = fs::temp_directory_path() / (std::string("tarvik-metric-") + name);
        ASSERT_TRUE(writeVehicleFile(file, metric.vehicleData()).ok);
        const auto back = readVehicleFile(file);
        fs::remove(file);
        ASSERT_TRUE(back.ok);
        EXPECT_EQ(back.data.unitsFlag, 1);
        metric.takeVehicle(back.data, name);
        metric.applyDiveRoll = true;

        const Settings settings;
        const EngineOutput a = runEngine(buildEngineInput(inch, settings));
        const EngineOutput b = runEngine(buildEngineInput(metric, settings));
        const Captions &ca = a.captions;
        const Captions &cb = b.captions;
        for (int s = 0; s < 2; ++s) {
            EXPECT_EQ(ca.kingPinAngle[s], cb.kingPinAngle[s]) << name;
            EXPECT_EQ(ca.spindleAngle[s], cb.spindleAngle[s]) << name;
            EXPECT_EQ(ca.camberGain[s], cb.camberGain[s]) << name;
            EXPECT_EQ(ca.dynamicCamber[s], cb.dynamicCamber[s]) << name;
            EXPECT_EQ(ca.springAngle[s], cb.springAngle[s]) << name;
            EXPECT_NEAR(readNumber(ca.springLength[s]) * 25.4, readNumber(cb.springLength[s]),
                25.4 * 0.005 + 0.005)
                << name;
            EXPECT_NEAR(a.staticPass.side[s].contactDistance * 25.4,
                b.staticPass.side[s].contactDistance, 1e-3)
                << name;
            EXPECT_NEAR(a.wheelRate[s] * kNewtonsPerMmPerPoundPerInch, b.wheelRate[s], 1e-3)
                << name;
        }
        EXPECT_NEAR(a.staticPass.rollCenter.y * 25.4, b.staticPass.rollCenter.y, 1e-3) << name;
        EXPECT_NEAR(a.movedPass->rollCenter.x * 25.4, b.movedPass->rollCenter.x, 2e-3) << name;
        EXPECT_NEAR(readNumber(ca.track[1]) * 25.4, readNumber(cb.track[1]), 25.4 * 0.05) << name;
        // The arm dimensions written back are millimetres, the angles the same.
        for (const BoxWriteBack &w : b.writeBacks) {
            for (const BoxWriteBack &v : a.writeBacks) {
                if (v.entry == w.entry && entryQuantity(w.entry.number()) == Quantity::Angle) {
                    EXPECT_EQ(v.text, w.text) << name << " entry " << w.entry.number();
                }
            }
        }
        // The picture keeps its physical size.
        ASSERT_EQ(a.scene.items.size(), b.scene.items.size());
        EXPECT_NEAR(a.scene.carMax.x, b.scene.carMax.x, 1e-3) << name;
    }
}

// The camber table of a metric layout sweeps the same physical dives: the
// standard spec converted to mm keeps its 5 x 5 grid, its dive steps are
// 25.4 mm, cambers are the same and roll-centre heights are 25.4 times.
TEST(Units, MetricTableSweepsTheSameDives)
{
    const auto read = readVehicleFile(fs::path(TARVIK_SOURCE_DATA_DIR) / "tkfiles" / "WORKED.TK");
    ASSERT_TRUE(read.ok);
    LayoutState inch;
    inch.takeVehicle(read.data, "WORKED.TK");
    LayoutState metric = inch;
    metric.record = convertRecord(inch.record, true);
    metric.units = Units::Metric;
    Settings inchSettings;
    inchSettings.tableSpec = standardTableSpec();
    Settings metricSettings = inchSettings;
    convertSettingsUnits(metricSettings, Units::Metric);
    EXPECT_EQ(metricSettings.tableSpec.DiveFrom, "-50.8");
    EXPECT_EQ(tableSpecRefusal(metricSettings.tableSpec, Units::Metric), "");
    EXPECT_NE(tableSpecRefusal(metricSettings.tableSpec, Units::English),
        ""); // mm read as inches: too big
    EXPECT_EQ(fitTableSpec(metricSettings.tableSpec, Units::Metric).diveStep, 25.4);

    for (const TableQuantity quantity : kTableQuantities) {
        const CamberTable a = fillQuantityTable(quantity, inchSettings.tableSpec,
            buildEngineInput(inch, inchSettings), BaselineState {});
        const CamberTable b = fillQuantityTable(quantity, metricSettings.tableSpec,
            buildEngineInput(metric, metricSettings), BaselineState {});
        ASSERT_EQ(b.dataRows, 5);
        ASSERT_EQ(b.dataColumns, a.dataColumns);
        EXPECT_EQ(b.grids[kSideRight][0][0], "Dive, mm");
        EXPECT_EQ(b.grids[kSideRight][2][0], "-25.40");
        const double scale = quantity == TableQuantity::Camber ? 1 : 25.4;
        for (std::size_t i = 0; i < a.values.size(); ++i) {
            EXPECT_NEAR(quantityValue(a.values[i], quantity, kSideLeft) * scale,
                quantityValue(b.values[i], quantity, kSideLeft), 1e-3);
        }
    }
    EXPECT_EQ(tableQuantityCaption(TableQuantity::RollCenterHeight, true),
        "Roll Center Height, millimeters");
}

} // namespace
} // namespace tarvik
