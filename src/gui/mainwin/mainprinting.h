// The main window's printing: "Windows P&rint Setup", the main report (a
// picture of the window with the current layout, headed by a typed comment
// and the layout's comment in the help box retitled "Comments") and the
// blank worksheet (the same window with every box and result display empty,
// a footer with the typed comment), both through the system print dialog and
// window-image printing under the window's caption.
#pragma once

#include <QImage>
#include <memory>

class QPrinter;

namespace tarvik::gui {

class MainWindow;
class Platform;

class MainPrinting
{
public:
    MainPrinting(Platform &platform, MainWindow &window);
    ~MainPrinting();

    void printSetup();
    void printReport();
    void printWorksheet();

private:
    QImage capture();
    // The captured page through the print preview; false when not printed.
    bool printPage(const QImage &page);

    Platform &m_platform;
    MainWindow &m_window;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace tarvik::gui
