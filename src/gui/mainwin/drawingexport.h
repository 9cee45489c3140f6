// File > Export Drawing...: the front view as it is drawn now (dive and
// roll, big or normal) written to an SVG or PNG file at a size the user
// chooses. The file dialog starts beside the vehicle file, named after it.
#pragma once

#include <QSize>

class QWidget;

namespace tarvik::gui {

class FrontView;
class LayoutDocument;
class Platform;
class VehicleFolders;

class DrawingExport
{
public:
    DrawingExport(Platform &platform, const LayoutDocument &document, const FrontView &view,
        VehicleFolders &folders, QWidget *window);

    // False when cancelled or not written (after saying why).
    bool run();

    static constexpr QSize kMinimumSize { 16, 16 };
    static constexpr QSize kMaximumSize { 20000, 20000 };

private:
    Platform &m_platform;
    const LayoutDocument &m_document;
    const FrontView &m_view;
    VehicleFolders &m_folders;
    QWidget *m_window;
};

} // namespace tarvik::gui
