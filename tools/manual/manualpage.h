// The page and type of the printed manual, shared by the book's layout and
// its styling.
#pragma once

#include <QString>
#include <QTextFormat>
#include <QtGlobal>

namespace tarvik::manual {

inline constexpr int kLayoutDpi = 96;
inline constexpr int kPdfDpi = 300;
inline constexpr qreal kMarginSideMm = 20;
inline constexpr qreal kMarginTopMm = 18;
inline constexpr qreal kMarginBottomMm = 24; // the footer sits in it
inline constexpr qreal kPictureShare = 0.62; // a main window screenshot is 1240 x 760
inline constexpr int kMaxPasses = 12;

// The block property that marks where a "page N" directive pins its block.
inline constexpr int kPinProperty = QTextFormat::UserProperty + 1;

inline const QString kSerif = QStringLiteral("DejaVu Serif");
inline const QString kSans = QStringLiteral("DejaVu Sans");
inline const QString kMono = QStringLiteral("DejaVu Sans Mono");

inline qreal mm(qreal millimetres)
{
    return millimetres * kLayoutDpi / 25.4;
}

inline qreal pt(qreal points)
{
    return points * kLayoutDpi / 72.0;
}

} // namespace tarvik::manual
