// The print preview every print command shows first: the pages as they will
// print, the print button (which asks the print dialog) and an
// "Export PDF..." button that writes the same pages to a PDF file.
#pragma once

#include "gui/platform/platform.h"

namespace tarvik::gui {

// askPdfName: the file the export writes ("" = cancelled).
PrintOutcome showPrintPreview(QWidget *parent, QPrinter &printer, const PagePainter &paint,
    const std::function<QString(QWidget *)> &askPdfName,
    const std::function<void(QWidget *, const QString &)> &reportFailure);

} // namespace tarvik::gui
