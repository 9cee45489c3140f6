// The drawing export command; see drawingexport.h.
#include "gui/mainwin/drawingexport.h"

#include "gui/document/layoutdocument.h"
#include "gui/document/vehiclefolders.h"
#include "gui/drawing/drawingfile.h"
#include "gui/mainwin/frontview.h"
#include "gui/platform/platform.h"

#include <QDir>
#include <QFileInfo>

namespace tarvik::gui {

namespace {

const QString kSvgFilter = QStringLiteral("SVG Picture (*.svg)");
const QString kPngFilter = QStringLiteral("PNG Image (*.png)");

} // namespace

DrawingExport::DrawingExport(Platform &platform, const LayoutDocument &document,
    const FrontView &view, VehicleFolders &folders, QWidget *window)
    : m_platform(platform)
    , m_document(document)
    , m_view(view)
    , m_folders(folders)
    , m_window(window)
{
}

bool DrawingExport::run()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Export Drawing");
    request.filter = kSvgFilter + QStringLiteral(";;") + kPngFilter;
    const QFileInfo vehicle(m_document.currentFile());
    request.folder = m_document.isUntitled() ? m_folders.saveFolder() : vehicle.absolutePath();
    request.fileName
        = (m_document.isUntitled() ? QStringLiteral("drawing") : vehicle.completeBaseName())
        + QStringLiteral(".svg");
    request.sidebar = m_folders.sidebar();
    QString path = m_platform.saveFileName(m_window, request);
    if (path.isEmpty()) {
        return false;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QStringLiteral("svg") && suffix != QStringLiteral("png")) {
        path += QStringLiteral(".svg");
    }
    const QSize initial = m_view.size().boundedTo(kMaximumSize).expandedTo(kMinimumSize);
    const std::optional<QSize> size = m_platform.askSize(
        m_window, QStringLiteral("Drawing Size"), initial, kMinimumSize, kMaximumSize);
    if (!size) {
        return false;
    }
    QString error;
    if (!writeDrawingFile(path, *size, m_view.scene(), m_view.captions(), m_view.isBig(), error)) {
        m_platform.message(m_window, QStringLiteral("Export Drawing"),
            QStringLiteral("The drawing could not be written to %1.\n%2")
                .arg(QDir::toNativeSeparators(path), error),
            MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    return true;
}

} // namespace tarvik::gui
