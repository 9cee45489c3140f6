// Orientation rule and fit-to-page arithmetic for window pictures.
#include "core/support/pagefit.h"

#include <cmath>

namespace tarvik {

namespace {

bool positive(double value)
{
    return std::isfinite(value) && value > 0;
}

} // namespace

PageOrientation orientationForPicture(double pictureWidth, double pictureHeight)
{
    return pictureHeight >= pictureWidth ? PageOrientation::Portrait : PageOrientation::Landscape;
}

PrintedSize fitPictureToPage(
    double pictureWidth, double pictureHeight, double printableWidth, double printableHeight)
{
    if (!positive(pictureWidth) || !positive(pictureHeight) || !positive(printableWidth)
        || !positive(printableHeight)) {
        return {};
    }
    const double pictureRatio = pictureHeight / pictureWidth;
    const double printerRatio = printableHeight / printableWidth;
    if (pictureRatio >= printerRatio) {
        return { printableHeight / pictureRatio, printableHeight };
    }
    return { printableWidth, printableWidth * pictureRatio };
}

} // namespace tarvik
