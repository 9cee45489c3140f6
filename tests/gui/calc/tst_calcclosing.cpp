// The calculation window's life: it closes when the user activates another
// window of the program, but not for its own message boxes and dialogs nor
// while its help is up; one window at a time; a definition file that is
// missing or broken opens nothing; Help and Print.
#include "calcfixture.h"
#include "gui/support/helpwindow.h"
#include "testing/pdffacts.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

namespace {

// Message boxes that take the activation as real ones do: a window without
// a parent (so only the window's own count can tell it is its own) is
// shown and made active while the question is up.
class ActivatingPlatform : public ScriptedPlatform
{
public:
    MessageAnswer message(QWidget *parent, const QString &title, const QString &text,
        MessageButtons buttons, MessageIcon icon,
        std::optional<MessageAnswer> defaultButton) override
    {
        QWidget box;
        box.setWindowTitle(title);
        box.show();
        box.activateWindow();
        activated = QTest::qWaitForWindowActive(&box);
        QTest::qWait(20); // whatever the lost activation set off runs now
        return ScriptedPlatform::message(parent, title, text, buttons, icon, defaultButton);
    }
    bool activated = false;
};

bool closed(const QPointer<CalcWindow> &w)
{
    return !w || w->isClosing();
}

} // namespace

class TestCalcClosing : public QObject
{
    Q_OBJECT

private slots:
    void closesWhenAnotherWindowIsActivatedUnlessItsHelpIsUp()
    {
        CalcFixture f;
        const QPointer<CalcWindow> w = f.openCalc(kCalcModeSpring);
        QVERIFY(w);
        click(w->helpButton());
        QCOMPARE(w->helpWindow()->title(), QStringLiteral("Spring Rate Calculator"));
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTest::qWait(20);
        QVERIFY(!closed(w));

        w->helpWindow()->reject();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        f.window->activateWindow();
        QTRY_VERIFY(closed(w));
    }

    void ownDialogsKeepItOpen()
    {
        // A dialog of its own, found through the parent chain.
        CalcFixture f;
        const QPointer<CalcWindow> w = f.openCalc(kCalcModeSpring);
        QVERIFY(w);
        auto *child = new QDialog(w);
        child->show();
        child->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(child));
        QTest::qWait(20);
        QVERIFY(!closed(w));
        delete child;

        // A message box it opened, known by the window's own count.
        ActivatingPlatform platform;
        CalcOpener opener(platform, shippedData(), *f.document, f.settings);
        const QPointer<CalcWindow> other = opener.open(kCalcModeSpring);
        QVERIFY(QTest::qWaitForWindowActive(other));
        click(other->acceptButton()); // no rate yet: a message, and the window stays
        QVERIFY(platform.activated);
        QCOMPARE(platform.messages().size(), 1);
        QVERIFY(!closed(other));
    }

    void oneWindowAtATimeAndEscapeWritesNothing()
    {
        CalcFixture f;
        const QPointer<CalcWindow> first = f.openCalc(kCalcModeSpring);
        const QPointer<CalcWindow> second = f.openCalc(kCalcModeGainSpec);
        QVERIFY(closed(first) && !first->isVisible());
        QCOMPARE(f.calc.window(), second.data());
        choose(second, 1, 1);
        typeInto(second, 2, QStringLiteral("3"));
        QTest::keyClick(second->box(3), Qt::Key_Escape);
        QVERIFY(closed(second));
        QCOMPARE(f.settings.get().GainDiveText, Settings {}.GainDiveText);
    }

    void shimCalculatorClosesWhenItsLayoutChanges()
    {
        CalcFixture f;
        const QPointer<CalcWindow> w = f.openCalc(kCalcModeShim, kSideLeft);
        QVERIFY(w);
        click(w->helpButton()); // the main window can be used meanwhile
        f.document->setEntries({ { 17, QStringLiteral("11") } });
        QVERIFY(closed(w));
    }

    void missingOrShortDefinitionOpensNothing()
    {
        for (const QByteArray &contents :
            { QByteArray(), QByteArray("Spring\r\nRate\r\n5000\r\n") }) {
            QTemporaryDir data;
            QDir(data.path()).mkpath(QStringLiteral("CALC"));
            QFile file(data.filePath(QStringLiteral("CALC/spring.CLC")));
            if (!contents.isEmpty()) {
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) > 0);
                file.close();
            }
            CalcFixture f;
            CalcOpener opener(f.platform, DataFolder(data.path()), *f.document, f.settings);
            QVERIFY(!opener.open(kCalcModeSpring));
            QCOMPARE(f.platform.messages().size(), 1);
            QVERIFY(f.platform.messages().first().text.contains(QStringLiteral("spring.CLC")));
        }
    }

    void printShowsTheFooterAndFitsOnePage()
    {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("calc.pdf"));
        CalcFixture f;
        CalcWindow *w = f.openCalc(kCalcModeSpring);
        QVERIFY(w);
        f.platform.answerInput(QStringLiteral("Front coils, new"));
        f.platform.answerPrintDialog(true, [pdf](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        });
        click(w->printButton());
        QCOMPARE(f.platform.requests().first().title, QStringLiteral("Printed Comment"));
        const QStringList footer = w->footer()->text().split(u'\n');
        QCOMPARE(footer.size(), 3);
        QVERIFY(footer[1].startsWith(QStringLiteral("Vehicle File: WORKED.TK          ")));
        QCOMPARE(footer[2], QStringLiteral("Front coils, new"));
        QVERIFY(!w->footer()->isVisible() && w->printButton()->isVisible() && !closed(w));
        QCOMPARE(readPdfFacts(pdf).pages, 1);
    }
};

QTEST_MAIN(TestCalcClosing)
#include "tst_calcclosing.moc"
