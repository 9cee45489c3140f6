// The platform layer: the scripted double that the window tests rely on
// (answers in order, OK-only messages recorded without a script, printer
// set-up handed to the test) and the Qt implementation's mapping of titles,
// texts, buttons, icons and answers onto the real dialogs. Window-image
// printing to a PDF printer through it: one page, the page turned to suit
// the picture, the picture fitted to the printable area.
#include "gui/common/windowimageprinter.h"
#include "gui/platform/qtplatform.h"
#include "gui/platform/scriptedplatform.h"
#include "gui/platform/sizedialog.h"
#include "testing/findwidget.h"
#include "testing/leftoverwindows.h"
#include "testing/pdffacts.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

namespace {

// Runs check on the modal dialog once it is up, then lets it close.
template <typename Dialog, typename Check> void whenModal(Check check)
{
    QTimer::singleShot(0, [check] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "no modal dialog");
        check(dialog);
    });
}

// A window with visible content edge to edge, so a print can be checked.
class SampleWindow : public QWidget
{
public:
    explicit SampleWindow(QSize size)
    {
        setFixedSize(size);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Tarvik window image"), this));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(30, 60, 120));
    }
};

void pointAtPdf(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::Letter));
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void scriptedAnswersInOrder();
    void qtPrintPreviewExportsPdf();
    void qtMessageAndInputBoxes();
    void turnsThePageToSuitThePicture();
    void fillsTheTighterSideOfThePage();
    void printWindowAsksThroughThePlatform();

private:
    QTemporaryDir m_out;
};

void TestPlatform::scriptedAnswersInOrder()
{
    // Inputs, file names and beeps are the window tests' daily bread; here
    // the rules they lean on without saying so.
    ScriptedPlatform platform;
    platform.answerMessage(MessageAnswer::No);
    QCOMPARE(platform.message(nullptr, QStringLiteral("T"), QStringLiteral("shown"),
                 MessageButtons::Ok, MessageIcon::Information),
        MessageAnswer::Ok); // the queued No is kept for the question
    QCOMPARE(platform.message(nullptr, QStringLiteral("Q"), QStringLiteral("asked"),
                 MessageButtons::YesNo, MessageIcon::Question),
        MessageAnswer::No);
    QCOMPARE(platform.pendingAnswers(), 0);
    QCOMPARE(platform.messageTexts(),
        (QStringList { QStringLiteral("shown"), QStringLiteral("asked") }));

    // A cancelled preview draws nothing; an accepted one draws on the
    // printer the test set up; a drawing that fails is a failed print.
    platform.answerPrintDialog(false);
    platform.answerPrintDialog(true, [](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/tmp/x.pdf"));
    });
    platform.answerPrintDialog(true);
    platform.answerSize(QSize(640, 480));
    QPrinter printer;
    int drawn = 0;
    const auto draw = [&](QPrinter &) { return ++drawn < 2; };
    QCOMPARE(platform.printPreview(nullptr, printer, draw), PrintOutcome::Cancelled);
    QCOMPARE(drawn, 0);
    QCOMPARE(platform.printPreview(nullptr, printer, draw), PrintOutcome::Printed);
    QCOMPARE(printer.outputFileName(), QStringLiteral("/tmp/x.pdf"));
    QCOMPARE(platform.printPreview(nullptr, printer, draw), PrintOutcome::Failed);
    QCOMPARE(platform.askSize(nullptr, QStringLiteral("Size"), QSize(8, 6), {}, QSize(99, 99)),
        std::optional<QSize>(QSize(640, 480)));
}

void TestPlatform::qtPrintPreviewExportsPdf()
{
    // The real preview: "Export PDF..." writes the pages it shows to the
    // file the user names; closing the preview then prints nothing.
    QtPlatform platform;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pages"));
    QPrinter printer(QPrinter::HighResolution);
    int onPdf = 0;
    const auto draw = [&](QPrinter &target) {
        QPainter painter(&target);
        painter.drawText(QPointF(100, 100), QStringLiteral("page"));
        onPdf += target.outputFileName() == pdf + QStringLiteral(".pdf") ? 1 : 0;
        return painter.isActive();
    };
    whenModal<QPrintPreviewDialog>([pdf](QPrintPreviewDialog *preview) {
        auto *exportPdf = preview->findChild<QAction *>(QStringLiteral("ExportPdf"));
        QVERIFY(exportPdf);
        whenModal<QFileDialog>([pdf](QFileDialog *files) {
            files->selectFile(pdf);
            QMetaObject::invokeMethod(files, "accept");
        });
        exportPdf->trigger();
        preview->reject();
    });
    QCOMPARE(platform.printPreview(nullptr, printer, draw), PrintOutcome::Cancelled);
    QCOMPARE(onPdf, 1);
    QVERIFY(QFileInfo(pdf + QStringLiteral(".pdf")).size() > 500);

    // The size question keeps the proportions while the box is ticked.
    whenModal<SizeDialog>([](SizeDialog *dialog) {
        child<QSpinBox>(dialog, "SizeWidth")->setValue(1600);
        QCOMPARE(child<QSpinBox>(dialog, "SizeHeight")->value(), 1200);
        dialog->accept();
    });
    QCOMPARE(platform.askSize(nullptr, QStringLiteral("Size"), QSize(800, 600), QSize(16, 16),
                 QSize(20000, 20000)),
        std::optional<QSize>(QSize(1600, 1200)));
}

void TestPlatform::qtMessageAndInputBoxes()
{
    // Buttons, icon, the button pressed (0 for Escape) and the answer.
    const std::tuple<MessageButtons, MessageIcon, int, MessageAnswer> cases[] = {
        { MessageButtons::Ok, MessageIcon::Exclamation, QMessageBox::Ok, MessageAnswer::Ok },
        { MessageButtons::YesNo, MessageIcon::Question, QMessageBox::Yes, MessageAnswer::Yes },
        { MessageButtons::YesNoCancel, MessageIcon::Question, QMessageBox::No, MessageAnswer::No },
        { MessageButtons::YesNoCancel, MessageIcon::Question, 0, MessageAnswer::Cancel },
    };
    QtPlatform platform;
    for (const auto &[buttons, icon, press, answer] : cases) {
        bool checked = false;
        whenModal<QMessageBox>([&](QMessageBox *box) {
            QCOMPARE(box->windowTitle(), QStringLiteral("Save Inputs"));
            QCOMPARE(box->text(), QStringLiteral("Save these specs?"));
            QCOMPARE(box->icon(),
                icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::Warning);
            QCOMPARE(box->button(QMessageBox::Cancel) != nullptr,
                buttons == MessageButtons::YesNoCancel);
            checked = true;
            if (press == 0) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                box->button(QMessageBox::StandardButton(press))->click();
            }
        });
        QCOMPARE(platform.message(nullptr, QStringLiteral("Save Inputs"),
                     QStringLiteral("Save these specs?"), buttons, icon),
            answer);
        QVERIFY(checked);
    }

    // The input box: its text given, OK or Cancel.
    whenModal<QInputDialog>([](QInputDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Raise All Measurements"));
        QCOMPARE(dialog->textValue(), QStringLiteral(" "));
        dialog->setTextValue(QStringLiteral("1.5"));
        dialog->accept();
    });
    QCOMPARE(platform.inputText(nullptr, QStringLiteral("Raise All Measurements"),
                 QStringLiteral("Enter the amount"), QStringLiteral(" ")),
        QStringLiteral("1.5"));
    whenModal<QInputDialog>([](QInputDialog *dialog) { dialog->reject(); });
    QCOMPARE(
        platform.inputText(nullptr, QStringLiteral("T"), QStringLiteral("p"), QStringLiteral("x")),
        QString());
}

void TestPlatform::turnsThePageToSuitThePicture()
{
    const std::pair<QSize, bool> pictures[] = { { QSize(300, 300), false },
        { QSize(300, 420), false }, { QSize(640, 400), true } }; // landscape?
    for (const auto &[windowSize, landscape] : pictures) {
        SampleWindow window(windowSize);
        const QImage picture = WindowImagePrinter::captureWindow(&window);
        QCOMPARE(picture.size(), windowSize * window.devicePixelRatio());
        const QString pdf = m_out.filePath(QStringLiteral("%1.pdf").arg(windowSize.height()));
        QPrinter printer(QPrinter::HighResolution);
        pointAtPdf(printer, pdf);
        QVERIFY(WindowImagePrinter::printPicture(printer, picture));
        const auto facts = testing::readPdfFacts(pdf);
        QCOMPARE(facts.pages, 1);
        QCOMPARE(facts.firstPageSize.width() > facts.firstPageSize.height(), landscape);
    }

    // Nothing to print is refused.
    QPrinter printer(QPrinter::HighResolution);
    pointAtPdf(printer, m_out.filePath(QStringLiteral("empty.pdf")));
    QVERIFY(!WindowImagePrinter::printPicture(printer, QImage()));
    QVERIFY(!QFile::exists(m_out.filePath(QStringLiteral("empty.pdf"))));
    QVERIFY(WindowImagePrinter::captureWindow(nullptr).isNull());
}

void TestPlatform::fillsTheTighterSideOfThePage()
{
    // A square picture on a portrait page fills the printable width from
    // the top-left corner; below it the page stays blank.
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) {
        QSKIP("pdftoppm is not installed");
    }
    SampleWindow window(QSize(300, 300));
    const QString pdf = m_out.filePath(QStringLiteral("fit.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    pointAtPdf(printer, pdf);
    QVERIFY(WindowImagePrinter::printPicture(printer, WindowImagePrinter::captureWindow(&window)));
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);

    constexpr int dpi = 36;
    const QString stem = m_out.filePath(QStringLiteral("fit"));
    QCOMPARE(QProcess::execute(pdftoppm,
                 { QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                     QStringLiteral("-singlefile"), pdf, stem }),
        0);
    const QImage page(stem + QStringLiteral(".png"));
    QVERIFY(!page.isNull());
    const double scale = dpi / 72.0;
    const auto at = [&](double xPt, double yPt) {
        return page.pixelColor(int(xPt * scale), int(yPt * scale));
    };
    const auto isBlue = [](const QColor &c) { return c.blue() > 90 && c.red() < 70; };
    // The picture spans the printable width: both near corners inside it are blue.
    QVERIFY(isBlue(at(area.left() + 4, area.top() + 4)));
    QVERIFY(isBlue(at(area.right() - 4, area.top() + area.width() - 4)));
    // Just below the square, and in the right margin, the paper is blank.
    QCOMPARE(at(area.center().x(), area.top() + area.width() + 6), QColor(Qt::white));
    QCOMPARE(at(area.right() + 3, area.top() + 20), QColor(Qt::white));
}

void TestPlatform::printWindowAsksThroughThePlatform()
{
    SampleWindow window(QSize(500, 300));
    const QString pdf = m_out.filePath(QStringLiteral("dialog.pdf"));
    ScriptedPlatform platform;
    platform.answerPrintDialog(true, [pdf](QPrinter &printer) { pointAtPdf(printer, pdf); });
    window.setWindowTitle(QStringLiteral("Tarvik - Quellmark Inc.   [ CAR7.TK ]"));
    QVERIFY(WindowImagePrinter(platform).printWindow(&window));
    QCOMPARE(testing::readPdfFacts(pdf).pages, 1);
    // The title names the vehicle file: it is printed above the picture.
    const QString text = testing::pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("[ CAR7.TK ]")), qPrintable(text));
    QCOMPARE(platform.requests().size(), 1);
    QCOMPARE(platform.requests().first().kind, PlatformRequest::Kind::PrintDialog);

    const QString cancelled = m_out.filePath(QStringLiteral("cancelled.pdf"));
    platform.answerPrintDialog(
        false, [cancelled](QPrinter &printer) { pointAtPdf(printer, cancelled); });
    QVERIFY(!WindowImagePrinter(platform).printWindow(&window));
    QVERIFY(!QFile::exists(cancelled));
}
QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
