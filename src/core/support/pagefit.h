// Fitting a window picture onto a printed page.
//
// The page is turned to suit the picture (portrait when the picture is at
// least as tall as it is wide, else landscape), then the picture is scaled as
// large as the printable area allows without distortion and placed at the
// area's top-left corner. Any length unit will do as long as picture and page
// use the same aspect (the ratios are what count).
#pragma once

namespace tarvik {

enum class PageOrientation { Portrait = 1, Landscape = 2 };

PageOrientation orientationForPicture(double pictureWidth, double pictureHeight);

struct PrintedSize
{
    double width = 0;
    double height = 0;
};

// The printed size of a picture in the printable area's units. Empty (0 x 0)
// when either size is not a positive finite number.
PrintedSize fitPictureToPage(
    double pictureWidth, double pictureHeight, double printableWidth, double printableHeight);

} // namespace tarvik
