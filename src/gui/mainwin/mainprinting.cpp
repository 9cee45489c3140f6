// The main report and the blank worksheet; see mainprinting.h.
#include "gui/mainwin/mainprinting.h"

#include "gui/common/windowimageprinter.h"
#include "gui/document/layoutdocument.h"
#include "gui/mainwin/entryboxes.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/mainwin/specgrid.h"
#include "gui/platform/platform.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>

namespace tarvik::gui {

namespace {

// The help box as a "Comments" box for the time a page is made.
class CommentsFrame
{
public:
    explicit CommentsFrame(MainWindow &window)
        : m_window(window)
        , m_title(window.helpBox()->title())
        , m_text(window.helpLabel()->text())
        , m_palette(window.helpLabel()->palette())
    {
        window.helpBox()->setTitle(QStringLiteral("Comments"));
    }
    ~CommentsFrame()
    {
        m_window.helpBox()->setTitle(m_title);
        m_window.helpLabel()->setPalette(m_palette);
        m_window.helpLabel()->setText(m_text);
    }
    CommentsFrame(const CommentsFrame &) = delete;
    CommentsFrame &operator=(const CommentsFrame &) = delete;

private:
    MainWindow &m_window;
    QString m_title;
    QString m_text;
    QPalette m_palette;
};

} // namespace

MainPrinting::MainPrinting(Platform &platform, MainWindow &window)
    : m_platform(platform)
    , m_window(window)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

MainPrinting::~MainPrinting() = default;

void MainPrinting::printSetup()
{
    m_platform.printerSetup(&m_window, *m_printer);
}

QImage MainPrinting::capture()
{
    // The old timed waits become letting pending events run, so the window
    // has repainted before it is captured.
    QApplication::processEvents();
    emit m_window.pageCapturing();
    return WindowImagePrinter::captureWindow(&m_window);
}

void MainPrinting::printReport()
{
    m_window.commitPendingEdit();
    LayoutDocument &document = m_window.document();
    document.boxEntered(); // camber follows as the option says
    document.redraw(true);
    QApplication::processEvents();
    const QString typed = m_platform.inputText(&m_window, QStringLiteral("Report Comment"),
        QStringLiteral("Enter any comment you want printed with this report."), QString());
    QImage page;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    {
        CommentsFrame frame(m_window);
        QString comment = QString::fromStdString(document.state().comment);
        comment.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        m_window.helpLabel()->setText(typed + u'\n' + comment);
        page = capture();
    }
    QApplication::restoreOverrideCursor();
    if (printPage(page)) {
        document.setAfterPrinting();
    }
}

bool MainPrinting::printPage(const QImage &page)
{
    const QString title = m_window.windowTitle();
    const PrintOutcome outcome = m_platform.printPreview(&m_window, *m_printer,
        [&](QPrinter &printer) { return WindowImagePrinter::printPicture(printer, page, title); });
    if (outcome == PrintOutcome::Failed) {
        m_platform.message(&m_window, QStringLiteral("Print"),
            QStringLiteral("The printer could not be started, so nothing was printed."),
            MessageButtons::Ok, MessageIcon::Exclamation);
    }
    return outcome != PrintOutcome::Cancelled;
}

void MainPrinting::printWorksheet()
{
    m_window.commitPendingEdit();
    const QString typed = m_platform.inputText(&m_window, QStringLiteral("Worksheet Comment"),
        QStringLiteral("Enter any comment you want printed with this Worksheet."), QString());
    QImage page;
    {
        CommentsFrame frame(m_window);
        QPalette white = m_window.helpLabel()->palette();
        white.setColor(QPalette::Window, Qt::white);
        m_window.helpLabel()->setPalette(white);
        m_window.helpLabel()->clear();
        m_window.footer()->setText(typed);
        m_window.footer()->show();
        // Let the activation that follows the closed dialogs run first.
        QApplication::processEvents();
        // The page's boxes are blank; the layout in the document is untouched.
        m_window.boxes().setBlank(true);
        m_window.grid()->setResultsVisible(false);
        page = capture();
        m_window.footer()->hide();
        m_window.boxes().setBlank(false);
        m_window.grid()->setResultsVisible(true);
    }
    if (printPage(page)) {
        m_window.document().setAfterPrinting();
    }
}

} // namespace tarvik::gui
