// Printing a window as it looks on screen.
//
// The window's pixels are captured as a picture, the printer is turned to
// portrait when the picture is at least as tall as it is wide (landscape
// otherwise), and the picture is printed as large as the printable area
// allows without distortion, at its top-left corner, on one page. The main
// report, the calculation window's Print button and the decimal-symbol
// window print this way.
#pragma once

#include <QImage>

class QPainter;
class QPrinter;
class QWidget;

namespace tarvik::gui {

class Platform;

class WindowImagePrinter
{
public:
    explicit WindowImagePrinter(Platform &platform);

    // The window's present appearance (its client area; the desktop's frame
    // and caption are not part of the widget).
    static QImage captureWindow(QWidget *window);

    // Sets the orientation, prints the picture fitted to one page and ends
    // the job. A caption (the window's title, which names the vehicle file)
    // is printed above the picture, which then fits the rest of the page.
    // False when the printer cannot be started or the picture is empty.
    static bool printPicture(
        QPrinter &printer, const QImage &picture, const QString &caption = QString());

    // Asks for the printer with the system print dialog, then prints the
    // window's image under its title. False when the user cancels or
    // printing fails.
    bool printWindow(QWidget *window);

private:
    Platform &m_platform;
};

} // namespace tarvik::gui
