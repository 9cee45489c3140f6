// The main window's File menu, Comments window and exit path with scripted
// dialogs: the save questions and their answers (including a Save As that is
// cancelled or fails, which must stop the command), the open and save
// dialogs' settings, refused files, a read-only file refused with Save As
// offered, and the main report and blank worksheet
// printed to PDF.
#include "core/layout/vehiclefile.h"
#include "gui/mainwin/commentsdialog.h"
#include "gui/mainwin/mainprinting.h"
#include "support/namedentries.h"
#include "testing/leftoverwindows.h"
#include "testing/mainwindowfixture.h"
#include "testing/pdffacts.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestMainWindowFiles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void saveAsThenOpenRoundTrip();
    void openAndNewAskFirstAndOpenRefusesOtherFiles();
    void commentsOkAndCancel();
    void droppedFileOpensAfterTheQuestion();
    void exitQuestion();
    void reportPrintsOnePageWithComment();
    void worksheetPrintsBlankAndRestores();
    void drawingExportsAsSvgOrPng();

private:
    QTemporaryDir m_dir;
};

void TestMainWindowFiles::saveAsThenOpenRoundTrip()
{
    WorkedWindow f;
    // Typed and straight to the menu command: saved as leaving the box would
    // have made it, never the raw fraction text.
    f.typeWithoutLeaving(kRightUpperBallJointX, QStringLiteral("25 1/4"));
    const QString path = m_dir.filePath(QStringLiteral("round.tk"));
    f.platform.answerSaveFile(path);
    f.window->action(QStringLiteral("mnuSaveAs"))->trigger();
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("25.25"));
    const PlatformRequest asked = f.platform.requests().constFirst();
    QCOMPARE(asked.kind, PlatformRequest::Kind::SaveFile);
    QCOMPARE(asked.title, QStringLiteral("Save a File"));
    QCOMPARE(asked.file.filter, QStringLiteral("Vehicle files (*.TK *.tk);;All files (*)"));
    QCOMPARE(asked.file.defaultSuffix, QStringLiteral("TK"));
    QCOMPARE(asked.file.fileName, QStringLiteral("WORKED.TK"));
    QVERIFY(asked.file.confirmOverwrite);
    QVERIFY(!f.changed());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tarvik - Quellmark Inc.   [ ROUND.TK[*] ]"));
    QVERIFY(!f.window->isWindowModified());

    // A name given without an extension is saved with ".TK"; one with a
    // dot keeps its name.
    f.type(kRightRimWidth, QStringLiteral("7"));
    QVERIFY(f.window->isWindowModified());
    f.platform.answerSaveFile(m_dir.filePath(QStringLiteral("bare")));
    QVERIFY(f.window->files().fileSaveAs());
    QCOMPARE(f.document->currentFile(), m_dir.filePath(QStringLiteral("bare.TK")));
    QVERIFY(QFileInfo::exists(m_dir.filePath(QStringLiteral("bare.TK"))));
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("bare"))));
    QVERIFY(!f.window->isWindowModified());
    QCOMPARE(withVehicleExtension("/a.b/car"), std::string("/a.b/car.TK"));
    QCOMPARE(withVehicleExtension("/a/car.old"), std::string("/a/car.old"));

    // A refused value warns, gets its old text back and stops the save; the
    // next Save goes ahead without a dialog (the file has a name).
    f.typeWithoutLeaving(kRightUpperBallJointHeight, QStringLiteral("99"));
    f.platform.clearRecord();
    f.window->action(QStringLiteral("mnuSaveAs"))->trigger();
    f.window->action(QStringLiteral("mnuSave"))->trigger();
    QCOMPARE(f.platform.requests().size(), 1);
    QCOMPARE(f.platform.messages().constLast().title, QStringLiteral("Warning"));
    QCOMPARE(f.text(kRightUpperBallJointHeight), QStringLiteral("15"));

    WindowFixture g;
    g.platform.answerOpenFile(path);
    g.window->files().fileOpen();
    QCOMPARE(g.platform.requests().constFirst().title, QStringLiteral("Open a File"));
    QCOMPARE(g.platform.requests().constFirst().file.filter,
        QStringLiteral("Vehicle files (*.TK *.tk);;All files (*)"));
    QVERIFY(g.platform.requests().constFirst().file.mustExist);
    // A new layout opens from the shipped examples; saving starts where the file is.
    QCOMPARE(QFileInfo(g.platform.requests().constFirst().file.folder).fileName().toLower(),
        QStringLiteral("tkfiles"));
    QCOMPARE(asked.file.folder, QFileInfo(exampleFile(QStringLiteral("WORKED.TK"))).absolutePath());
    QVERIFY(g.platform.requests().constFirst().file.sidebar.contains(asked.file.folder));
    QCOMPARE(g.text(kRightUpperBallJointX), QStringLiteral("25.25"));
    QCOMPARE(QString::fromStdString(g.document->state().comment),
        QString::fromStdString(f.document->state().comment));
    QCOMPARE(g.document->currentFile(), QFileInfo(path).absoluteFilePath());

    // Save writes to the current file without asking.
    g.type(kRightRimWidth, QStringLiteral("9"));
    QVERIFY(g.window->files().fileSave());
    QCOMPARE(g.platform.requests().size(), 1);
    QVERIFY(QFile(path).open(QIODevice::ReadOnly));

    // A read-only file is refused by name, with Save As offered (Yes, the
    // default), and stays as it was.
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QByteArray kept = readFile(path);
    g.type(kRightRimWidth, QStringLiteral("8"));
    const QString other = m_dir.filePath(QStringLiteral("other.tk"));
    g.platform.answerMessage(MessageAnswer::Yes);
    g.platform.answerSaveFile(other);
    QVERIFY(g.window->files().fileSave());
    const PlatformRequest refused = g.platform.messages().constLast();
    QCOMPARE(refused.title, QStringLiteral("File Not Saved"));
    QCOMPARE(refused.text,
        QStringLiteral("The file %1 is read-only, so it was not saved.  Do you want to save the "
                       "layout under another name (Save As)?")
            .arg(QFileInfo(path).absoluteFilePath()));
    QCOMPARE(refused.defaultButton, std::optional(MessageAnswer::Yes));
    QCOMPARE(g.platform.requests().constLast().kind, PlatformRequest::Kind::SaveFile);
    QCOMPARE(readFile(path), kept);
    QCOMPARE(g.document->currentFile(), QFileInfo(other).absoluteFilePath());
    QVERIFY(!g.changed());
}

void TestMainWindowFiles::openAndNewAskFirstAndOpenRefusesOtherFiles()
{
    WorkedWindow f;
    f.type(kRightUpperBallJointHeight, QStringLiteral("16"));
    f.platform.answerMessage(MessageAnswer::Yes);
    f.platform.answerSaveFile(QString());
    f.window->files().fileOpen(); // no open dialog may follow: the script has none
    const PlatformRequest asked = f.platform.messages().constFirst();
    QCOMPARE(asked.title, QStringLiteral("Save Changes"));
    QCOMPARE(asked.text, QStringLiteral("Save any changes you have made?"));
    QCOMPARE(asked.buttons, MessageButtons::YesNoCancel);
    QCOMPARE(f.text(kRightUpperBallJointHeight), QStringLiteral("16"));

    // Cancel backs out before the dialog, for Open, a recent or dropped file.
    f.platform.answerMessage(MessageAnswer::Cancel);
    f.window->files().fileOpen();
    f.platform.answerMessage(MessageAnswer::Cancel);
    QVERIFY(!f.window->files().openAsked(exampleFile(QStringLiteral("STRUT.TK"))));
    QCOMPARE(f.platform.pendingAnswers(), 0);
    QCOMPARE(f.text(kRightUpperBallJointHeight), QStringLiteral("16"));
    QVERIFY(f.changed());
    QVERIFY(f.document->currentFile().endsWith(QStringLiteral("WORKED.TK")));

    // No goes on to the dialog; cancelling it changes nothing.
    f.platform.answerMessage(MessageAnswer::No);
    f.platform.answerOpenFile(QString());
    f.window->files().fileOpen();
    QCOMPARE(f.platform.pendingAnswers(), 0);
    QCOMPARE(f.text(kRightUpperBallJointHeight), QStringLiteral("16"));

    // A file that is not a layout is refused and changes nothing either.
    const QString path = m_dir.filePath(QStringLiteral("notes.txt"));
    QVERIFY(writeFile(path, "shopping list\r\n"));
    f.platform.answerMessage(MessageAnswer::No);
    f.platform.answerOpenFile(path);
    f.window->files().fileOpen();
    const PlatformRequest refused = f.platform.messages().constLast();
    QCOMPARE(refused.title, QStringLiteral("Bad File"));
    QCOMPARE(refused.text, QStringLiteral("This is not a Tarvik file and can not be used."));
    QCOMPARE(f.text(kRightUpperBallJointHeight), QStringLiteral("16"));
    QVERIFY(f.changed());
    QVERIFY(f.document->currentFile().endsWith(QStringLiteral("WORKED.TK")));

    // New asks its own question before blanking.
    f.platform.answerMessage(MessageAnswer::Cancel);
    f.window->files().fileNew();
    const PlatformRequest blanking = f.platform.messages().constLast();
    QCOMPARE(blanking.title, QStringLiteral("Save Inputs"));
    QCOMPARE(blanking.text,
        QStringLiteral("Save these specs to a file before blanking out these "
                       "inputs?  (If you say No, you must re-enter these specs "
                       "by hand to recreate them.)"));
    QCOMPARE(blanking.buttons, MessageButtons::YesNoCancel);
    QCOMPARE(blanking.icon, MessageIcon::Question);
    QCOMPARE(f.text(kRightUpperBallJointHeight), QStringLiteral("16"));

    // Yes with a cancelled Save As stops the command as well.
    f.platform.answerMessage(MessageAnswer::Yes);
    f.platform.answerSaveFile(QString());
    f.window->files().fileNew();
    QCOMPARE(f.text(kRightUpperBallJointHeight), QStringLiteral("16"));
    QVERIFY(f.changed());
    QVERIFY(f.document->currentFile().endsWith(QStringLiteral("WORKED.TK")));

    f.platform.answerMessage(MessageAnswer::No);
    f.window->files().fileNew();
    for (int entry : { 0, 16, 35, 54, 55 }) {
        QCOMPARE(f.text(entry), QString());
    }
    QCOMPARE(QString::fromStdString(f.document->state().comment), QString());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tarvik - Quellmark Inc.   [ UNTITLED[*] ]"));
}

void TestMainWindowFiles::droppedFileOpensAfterTheQuestion()
{
    WorkedWindow f;
    f.type(kRightUpperBallJointX, QStringLiteral("25"));
    // A file dropped on the window: the save question first (No), then it
    // opens. (A recent file chosen from the menu is the end-to-end script's.)
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(exampleFile(QStringLiteral("STRUT.TK"))) });
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    f.platform.answerMessage(MessageAnswer::No);
    QApplication::sendEvent(f.window.get(), &drop);
    QTRY_COMPARE(f.document->fileTitle(), QStringLiteral("STRUT.TK"));
    QCOMPARE(f.platform.messages().constLast().title, QStringLiteral("Save Changes"));

    // Both files are recent now, the newest first.
    QMenu *recent = f.window->findChild<QMenu *>(QStringLiteral("mnuRecent"));
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().size(), 2);
    QVERIFY(recent->actions()[0]->text().endsWith(QStringLiteral("STRUT.TK")));
}

void TestMainWindowFiles::commentsOkAndCancel()
{
    WorkedWindow f;
    const QString original = QString::fromStdString(f.document->state().comment);
    f.window->action(QStringLiteral("mnuComments"))->trigger();
    auto *dialog = f.widget<CommentsDialog>("frmComments");
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Comments"));
    child<QPlainTextEdit>(dialog, "CommentsText")->setPlainText(QStringLiteral("scratch"));
    QTest::mouseClick(child<QPushButton>(dialog, "CommentsCancel"), Qt::LeftButton);
    QTRY_VERIFY(f.window->findChild<CommentsDialog *>() == nullptr); // closed and deleted
    QCOMPARE(QString::fromStdString(f.document->state().comment), original);
    QVERIFY(!f.changed());

    f.window->showComments();
    dialog = f.widget<CommentsDialog>("frmComments");
    child<QPlainTextEdit>(dialog, "CommentsText")
        ->setPlainText(QStringLiteral("Track day set-up\nsoft front bar"));
    QTest::mouseClick(child<QPushButton>(dialog, "CommentsOk"), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(f.document->state().comment),
        QStringLiteral("Track day set-up\r\nsoft front bar"));
    QVERIFY(f.changed());
}

void TestMainWindowFiles::exitQuestion()
{
    // The answer, the file Save As is given, and whether the program leaves.
    const std::tuple<MessageAnswer, const char *, bool> answers[] = {
        { MessageAnswer::Cancel, nullptr, false }, { MessageAnswer::No, nullptr, true },
        { MessageAnswer::Yes, "exit.tk", true },
        { MessageAnswer::Yes, "no/such/folder/car.tk", false }, // the save fails
    };
    for (const auto &[answer, saveAs, leaves] : answers) {
        int settingsWrites = 0;
        MainWindowHooks hooks;
        hooks.writeSettings = [&]() { ++settingsWrites; };
        WorkedWindow f({}, false, hooks);
        f.type(kLeftUpperBallJointX, QStringLiteral("23"));
        const QString path = saveAs ? m_dir.filePath(QString::fromLatin1(saveAs)) : QString();
        f.platform.answerMessage(answer);
        if (saveAs) {
            f.platform.answerSaveFile(path);
        }
        f.window->close(); // the window's close box runs the same path as E&xit
        const PlatformRequest asked = f.platform.messages().constFirst();
        QCOMPARE(asked.title, QStringLiteral("Save Inputs"));
        QCOMPARE(asked.text,
            QStringLiteral("Save these specs (or any changes) to a file.  (If you say "
                           "No, you must re-enter them by hand to recreate them?"));
        QCOMPARE(f.window->isVisible(), !leaves);
        QCOMPARE(settingsWrites, leaves ? 1 : 0);
        QCOMPARE(QFile::exists(path), saveAs && leaves);
        if (saveAs && !leaves) {
            // A failed write says why and keeps the file and the changes.
            QVERIFY(f.platform.messages().constLast().text.contains(QStringLiteral("car.tk")));
            QVERIFY(f.document->currentFile().endsWith(QStringLiteral("WORKED.TK")));
            QVERIFY(f.changed());
        }
    }

    // Without changes nothing is asked and the settings are still written.
    int settingsWrites = 0;
    MainWindowHooks hooks;
    hooks.writeSettings = [&]() { ++settingsWrites; };
    WindowFixture g({}, false, hooks);
    g.window->action(QStringLiteral("mnuExit"))->trigger();
    QVERIFY(g.platform.messages().isEmpty());
    QVERIFY(!g.window->isVisible());
    QCOMPARE(settingsWrites, 1);
}

void TestMainWindowFiles::reportPrintsOnePageWithComment()
{
    WorkedWindow f;
    f.type(kRightUpperBallJointX, QStringLiteral("25"));
    f.document->setComment(QString());
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    QString helpWhilePrinting;
    QString frameWhilePrinting;
    f.platform.answerInput(QStringLiteral("Before the race"));
    answerPrintToPdf(f.platform, pdf);
    const QString helpBefore = f.helpText();
    connect(f.window.get(), &MainWindow::pageCapturing, this, [&] {
        helpWhilePrinting = f.helpText();
        frameWhilePrinting = f.window->helpBox()->title();
    });
    f.window->printing().printReport();
    const PlatformRequest asked = f.platform.requests().constFirst();
    QCOMPARE(asked.title, QStringLiteral("Report Comment"));
    QCOMPARE(asked.text, QStringLiteral("Enter any comment you want printed with this report."));
    const PdfFacts facts = readPdfFacts(pdf);
    QVERIFY(facts.exists);
    QCOMPARE(facts.pages, 1);
    // The window is wider than tall, so the page is turned to landscape.
    QVERIFY(facts.firstPageSize.width() > facts.firstPageSize.height());
    // The caption, which names the vehicle file, heads the page.
    const QString text = pdfText(pdf).simplified();
    QVERIFY2(text.contains(QStringLiteral("Tarvik - Quellmark Inc. [ WORKED.TK[*] ]")),
        qPrintable(text));
    QCOMPARE(f.helpText(), helpBefore);
    QCOMPARE(f.window->helpBox()->title(), QStringLiteral(" Help (definition)"));
    QVERIFY(f.changed());
    // An empty layout comment leaves an empty line after the typed one.
    QCOMPARE(helpWhilePrinting, QStringLiteral("Before the race\n"));
    QCOMPARE(frameWhilePrinting, QStringLiteral("Comments"));
}

void TestMainWindowFiles::worksheetPrintsBlankAndRestores()
{
    WorkedWindow f;
    QVERIFY(!f.changed());
    QStringList before;
    for (int entry = 0; entry < 56; ++entry) {
        before.append(f.hasBox(entry) ? f.text(entry) : QString());
    }
    const QString trackBefore = f.track(1)->text();
    const QString pdf = m_dir.filePath(QStringLiteral("worksheet.pdf"));
    f.platform.answerInput(QStringLiteral("Car 7"));
    answerPrintToPdf(f.platform, pdf);
    f.box(kRightUpperBallJointX)
        ->setFocus(Qt::TabFocusReason); // leaving it while blank must not validate
    QApplication::processEvents();
    bool blankWhilePrinting = false;
    connect(f.window.get(), &MainWindow::pageCapturing, this, [&] {
        // An activation arriving while the page is set up leaves it blank.
        f.window->activated();
        blankWhilePrinting = f.text(kRightUpperBallJointX).isEmpty() && !f.track(1)->isVisible()
            && !f.result(kRightSpringLength)->isVisible()
            && f.window->helpBox()->title() == QStringLiteral("Comments");
    });
    f.window->printing().printWorksheet();
    QApplication::processEvents();
    QVERIFY(blankWhilePrinting);
    QCOMPARE(f.platform.requests().constFirst().title, QStringLiteral("Worksheet Comment"));
    const PdfFacts facts = readPdfFacts(pdf);
    QCOMPARE(facts.pages, 1);
    QVERIFY(facts.firstPageSize.width() > facts.firstPageSize.height());
    for (int entry = 0; entry < 56; ++entry) {
        if (f.hasBox(entry)) {
            QCOMPARE(f.text(entry), before[entry]);
        }
    }
    QCOMPARE(f.track(1)->text(), trackBefore);
    QVERIFY(f.track(1)->isVisible());
    QVERIFY(!f.changed());
    QVERIFY(f.platform.messages().isEmpty());
}

void TestMainWindowFiles::drawingExportsAsSvgOrPng()
{
    WorkedWindow f;
    // Named after the vehicle file, beside it; a name without .svg or .png
    // becomes an SVG picture of the size asked, letters and captions as text.
    const QString svg = m_dir.filePath(QStringLiteral("front"));
    f.platform.answerSaveFile(svg);
    f.platform.answerSize(QSize(900, 500));
    QVERIFY(f.window->exportDrawing());
    QCOMPARE(f.platform.requests()[0].file.fileName, QStringLiteral("WORKED.svg"));
    QCOMPARE(f.platform.requests()[1].kind, PlatformRequest::Kind::Size);
    QFile written(svg + QStringLiteral(".svg"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    QVERIFY(text.contains("width=\"900\""));
    QVERIFY(text.contains(">A</text>") && text.contains(">L</text>"));
    QVERIFY(text.contains("Roll Center height"));

    const QString png = m_dir.filePath(QStringLiteral("front.png"));
    f.platform.answerSaveFile(png);
    f.platform.answerSize(QSize(320, 200));
    QVERIFY(f.window->exportDrawing());
    const QImage picture(png);
    QCOMPARE(picture.size(), QSize(320, 200));
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            drawn += picture.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    QVERIFY2(drawn > 2000 && drawn < 320 * 200 / 2, qPrintable(QString::number(drawn)));

    // A cancelled size writes nothing; a folder that is not there says so.
    f.platform.answerSaveFile(m_dir.filePath(QStringLiteral("never.png")));
    f.platform.answerSize(std::nullopt);
    QVERIFY(!f.window->exportDrawing());
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("never.png"))));
    f.platform.clearRecord();
    f.platform.answerSaveFile(m_dir.filePath(QStringLiteral("no/such/dir.svg")));
    f.platform.answerSize(QSize(100, 100));
    QVERIFY(!f.window->exportDrawing());
    QCOMPARE(f.platform.messages().size(), 1);
    QVERIFY(f.platform.messages()[0].text.startsWith(QStringLiteral("The drawing could not")));
}

QTEST_MAIN(TestMainWindowFiles)
#include "tst_mainwindowfiles.moc"
