// Window-image printing to a PDF printer: one page, the page turned to suit
// the picture, the picture fitted to the printable area, and the print dialog
// asked through the platform.
#include "gui/common/windowimageprinter.h"
#include "gui/platform/scriptedplatform.h"
#include "testing/pdffacts.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using namespace tarvik;
using namespace tarvik::gui;

namespace {

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

class TestSupportPrint : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_out;

private slots:
    void turnsThePageToSuitThePicture_data()
    {
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("square") << QSize(300, 300) << false;
        QTest::newRow("tall") << QSize(300, 420) << false;
        QTest::newRow("wide") << QSize(640, 400) << true;
    }

    void turnsThePageToSuitThePicture()
    {
        QFETCH(QSize, windowSize);
        QFETCH(bool, landscape);
        SampleWindow window(windowSize);
        const QImage picture = WindowImagePrinter::captureWindow(&window);
        QCOMPARE(picture.size(), windowSize * window.devicePixelRatio());

        const QString pdf = m_out.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        QPrinter printer(QPrinter::HighResolution);
        pointAtPdf(printer, pdf);
        QVERIFY(WindowImagePrinter::printPicture(printer, picture));

        const auto facts = testing::readPdfFacts(pdf);
        QVERIFY(facts.exists);
        QCOMPARE(facts.pages, 1);
        QCOMPARE(facts.firstPageSize.width() > facts.firstPageSize.height(), landscape);
    }

    void fillsTheTighterSideOfThePage()
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
        QVERIFY(
            WindowImagePrinter::printPicture(printer, WindowImagePrinter::captureWindow(&window)));
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

    void printWindowAsksThroughThePlatform()
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

    void nothingToPrintIsRefused()
    {
        QPrinter printer(QPrinter::HighResolution);
        pointAtPdf(printer, m_out.filePath(QStringLiteral("empty.pdf")));
        QVERIFY(!WindowImagePrinter::printPicture(printer, QImage()));
        QVERIFY(!QFile::exists(m_out.filePath(QStringLiteral("empty.pdf"))));
        QVERIFY(WindowImagePrinter::captureWindow(nullptr).isNull());
    }
};

QTEST_MAIN(TestSupportPrint)
#include "tst_windowimageprinter.moc"
