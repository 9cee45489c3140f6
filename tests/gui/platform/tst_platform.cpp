// The platform layer: the scripted double that the window tests rely on
// (answers in order, OK-only messages recorded without a script, printer
// set-up handed to the test) and the Qt implementation's mapping of titles,
// texts, buttons, icons and answers onto the real dialogs.
#include "gui/platform/qtplatform.h"
#include "gui/platform/scriptedplatform.h"
#include "gui/platform/sizedialog.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tarvik::gui;

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

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void scriptedAnswersInOrder();
    void scriptedPrinterSetUp();
    void qtPrintPreviewExportsPdf();
    void qtMessageBoxes_data();
    void qtMessageBoxes();
    void qtInputDialog();
};

void TestPlatform::scriptedAnswersInOrder()
{
    ScriptedPlatform platform;
    platform.answerMessage(MessageAnswer::No);
    platform.answerInput(QStringLiteral("2.5"));
    platform.answerSaveFile(QStringLiteral("/tmp/a.tk"));
    QCOMPARE(platform.message(nullptr, QStringLiteral("T"), QStringLiteral("shown"),
                 MessageButtons::Ok, MessageIcon::Information),
        MessageAnswer::Ok); // the queued No is kept for the question
    QCOMPARE(platform.message(nullptr, QStringLiteral("Q"), QStringLiteral("asked"),
                 MessageButtons::YesNo, MessageIcon::Question),
        MessageAnswer::No);
    QCOMPARE(
        platform.inputText(nullptr, QStringLiteral("I"), QStringLiteral("p"), QStringLiteral(" ")),
        QStringLiteral("2.5"));
    FileDialogRequest request;
    request.title = QStringLiteral("Save a File");
    QCOMPARE(platform.saveFileName(nullptr, request), QStringLiteral("/tmp/a.tk"));
    platform.beep();
    QCOMPARE(platform.pendingAnswers(), 0);
    QCOMPARE(platform.beepCount(), 1);
    QCOMPARE(platform.messageTexts(),
        (QStringList { QStringLiteral("shown"), QStringLiteral("asked") }));
    QCOMPARE(platform.requests().size(), 4);
    QCOMPARE(platform.requests()[2].defaultText, QStringLiteral(" "));
    QCOMPARE(platform.requests()[3].file.title, QStringLiteral("Save a File"));
}

void TestPlatform::scriptedPrinterSetUp()
{
    // Scripted: a cancelled preview draws nothing; an accepted one draws on
    // the printer the test set up; a drawing that fails is a failed print.
    ScriptedPlatform platform;
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
        dialog->widthBox()->setValue(1600);
        QCOMPARE(dialog->heightBox()->value(), 1200);
        dialog->accept();
    });
    QCOMPARE(platform.askSize(nullptr, QStringLiteral("Size"), QSize(800, 600), QSize(16, 16),
                 QSize(20000, 20000)),
        std::optional<QSize>(QSize(1600, 1200)));
}

void TestPlatform::qtMessageBoxes_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("press"); // QMessageBox::StandardButton, or 0 for Escape
    QTest::addColumn<int>("answer");
    QTest::newRow("ok") << int(MessageButtons::Ok) << int(MessageIcon::Exclamation)
                        << int(QMessageBox::Ok) << int(MessageAnswer::Ok);
    QTest::newRow("yes") << int(MessageButtons::YesNo) << int(MessageIcon::Question)
                         << int(QMessageBox::Yes) << int(MessageAnswer::Yes);
    QTest::newRow("no") << int(MessageButtons::YesNoCancel) << int(MessageIcon::Question)
                        << int(QMessageBox::No) << int(MessageAnswer::No);
    QTest::newRow("escape cancels")
        << int(MessageButtons::YesNoCancel) << int(MessageIcon::Question) << 0
        << int(MessageAnswer::Cancel);
}

void TestPlatform::qtMessageBoxes()
{
    QFETCH(int, buttons);
    QFETCH(int, icon);
    QFETCH(int, press);
    QFETCH(int, answer);
    QtPlatform platform;
    bool checked = false;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("Save Inputs"));
        QCOMPARE(box->text(), QStringLiteral("Save these specs?"));
        const bool question = MessageIcon(icon) == MessageIcon::Question;
        QCOMPARE(box->icon(), question ? QMessageBox::Question : QMessageBox::Warning);
        QCOMPARE(box->button(QMessageBox::Cancel) != nullptr,
            MessageButtons(buttons) == MessageButtons::YesNoCancel);
        checked = true;
        if (press == 0) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            box->button(QMessageBox::StandardButton(press))->click();
        }
    });
    const MessageAnswer result = platform.message(nullptr, QStringLiteral("Save Inputs"),
        QStringLiteral("Save these specs?"), MessageButtons(buttons), MessageIcon(icon));
    QVERIFY(checked);
    QCOMPARE(int(result), answer);
}

void TestPlatform::qtInputDialog()
{
    QtPlatform platform;
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

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
