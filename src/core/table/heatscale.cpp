// The diverging difference scale; see heatscale.h.
#include "core/table/heatscale.h"

#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

std::uint8_t blend(std::uint8_t from, std::uint8_t to, double t)
{
    const double value = double(from) + (double(to) - double(from)) * t;
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

double usableSpan(double span)
{
    return std::isfinite(span) && span > 0 ? span : kMinimumHeatSpan;
}

bool isDifferenceRow(const CamberTable &table, int gridRow)
{
    return table.baselineShown && gridRow >= 1 && (gridRow - 1) % 3 == 2;
}

} // namespace

HeatColor heatColor(double value, double span)
{
    if (std::isnan(value)) {
        return kHeatZero;
    }
    const double t = std::clamp(value / usableSpan(span), -1.0, 1.0);
    const HeatColor &end = t < 0 ? kHeatNegative : kHeatPositive;
    const double weight = std::fabs(t);
    return { blend(kHeatZero.r, end.r, weight), blend(kHeatZero.g, end.g, weight),
        blend(kHeatZero.b, end.b, weight) };
}

bool needsLightInk(const HeatColor &color)
{
    // Brightness as the eye weighs the channels, 0 to 255.
    const int brightness = (299 * color.r + 587 * color.g + 114 * color.b) / 1000;
    return brightness < 140;
}

double tableHeatSpan(const CamberTable &table)
{
    double largest = 0;
    for (const TableGrid &grid : table.grids) {
        for (std::size_t r = 0; r < grid.size(); ++r) {
            if (!isDifferenceRow(table, static_cast<int>(r))) {
                continue;
            }
            for (std::size_t c = 1; c < grid[r].size(); ++c) {
                const double value = std::fabs(readNumber(grid[r][c]));
                if (std::isfinite(value)) {
                    largest = std::max(largest, value);
                }
            }
        }
    }
    return std::max(largest, kMinimumHeatSpan);
}

std::optional<HeatColor> differenceCellColor(
    const CamberTable &table, int side, int gridRow, int gridColumn, double span)
{
    if (side < 0 || side > 1 || gridColumn < 1 || !isDifferenceRow(table, gridRow)) {
        return std::nullopt;
    }
    const TableGrid &grid = table.grids[static_cast<std::size_t>(side)];
    if (static_cast<std::size_t>(gridRow) >= grid.size()
        || static_cast<std::size_t>(gridColumn) >= grid[static_cast<std::size_t>(gridRow)].size()) {
        return std::nullopt;
    }
    return heatColor(
        readNumber(grid[static_cast<std::size_t>(gridRow)][static_cast<std::size_t>(gridColumn)]),
        span);
}

std::vector<HeatLegendStep> heatLegend(double span, int steps)
{
    const double s = usableSpan(span);
    const int count = std::clamp(steps, 2, 101);
    std::vector<HeatLegendStep> legend;
    legend.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        // Symmetric by construction, so the middle step of an odd count is 0.
        const double value = s * double(2 * i - (count - 1)) / double(count - 1);
        legend.push_back({ value, heatColor(value, s), formatPicture(value, "###.00") });
    }
    return legend;
}

} // namespace tarvik
