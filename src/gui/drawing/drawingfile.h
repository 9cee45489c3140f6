// The front view written to a picture file: SVG (by its ".svg" ending) or
// PNG, at a size in pixels, painted by the same front-view painter as the
// screen and the printed report. The file is replaced only once the whole
// picture is written.
#pragma once

#include "core/geometry/engine.h"

#include <QSize>
#include <QString>

namespace tarvik::gui {

// False with the reason in error when the picture could not be written.
bool writeDrawingFile(const QString &path, const QSize &size, const Scene &scene,
    const Captions &captions, bool big, QString &error);

} // namespace tarvik::gui
