// The 16-colour palette the front view is drawn with.
#include "core/geometry/scene.h"

#include <array>
#include <cmath>

namespace tarvik {

unsigned paletteRgb(int index)
{
    static constexpr std::array<unsigned, 16> kPalette
        = { 0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
              0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF };
    if (index < 0 || index > 15) {
        return 0;
    }
    return kPalette[static_cast<std::size_t>(index)];
}

ScenePoint labelOffset(const ScenePoint &toward, double marker, double width, double height)
{
    // How far the box reaches from its centre along the side it stands on.
    const double reach = (std::fabs(toward.x) * width + std::fabs(toward.y) * height) / 2;
    const double distance = marker + 0.2 * height + reach;
    return { toward.x * distance, toward.y * distance };
}

} // namespace tarvik
