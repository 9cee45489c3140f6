// The start-up warning window and the decimal-symbol check that follows it:
// the text shown, the hidden button of a blank warning, no follow-up with a
// decimal point, the decimal-symbol window with a decimal comma (from a given
// locale and from the system's LC_NUMERIC), and its three buttons.
#include "gui/platform/scriptedplatform.h"
#include "gui/support/decimalsymbolwindow.h"
#include "gui/support/warningwindow.h"
#include "testing/pdffacts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvik;
using namespace tarvik::gui;

namespace {

// Exit codes of the child run that reports the system locale's finding.
constexpr int kProbeComma = 3;
constexpr int kProbePoint = 4;

QList<DecimalSymbolWindow *> openDecimalWindows()
{
    QList<DecimalSymbolWindow *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<DecimalSymbolWindow *>(widget);
            window && window->isVisible()) {
            found << window;
        }
    }
    return found;
}

} // namespace

class TestSupportWarning : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_data;

    void writeWarning(const QByteArray &bytes)
    {
        QDir(m_data.path()).mkpath(QStringLiteral("TKTEXT"));
        QFile file(m_data.filePath(QStringLiteral("TKTEXT/WARNING.TXT")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

private slots:
    void cleanup()
    {
        for (DecimalSymbolWindow *window : openDecimalWindows()) {
            window->close();
        }
        QApplication::processEvents();
    }

    void showsLinesAndHidesTheButtonOfABlankWarning()
    {
        ScriptedPlatform platform;
        WarningWindow shipped(platform, QStringLiteral(TARVIK_DATA_DIR), 0);
        QVERIFY(shipped.text().startsWith(QStringLiteral("PLEASE READ")));
        QVERIFY(shipped.closeButton()->isVisibleTo(&shipped));

        writeWarning("first\r\n  second\r\n");
        WarningWindow lines(platform, m_data.path(), 0);
        QCOMPARE(lines.text(), QStringLiteral("first\n  second"));

        writeWarning("   ");
        WarningWindow blank(platform, m_data.path(), 0);
        QVERIFY(!blank.closeButton()->isEnabled());
        QVERIFY(!blank.closeButton()->isVisibleTo(&blank));
    }

    void losingTheFocusClosesTheWarning()
    {
        ScriptedPlatform platform;
        WarningWindow window(platform, QStringLiteral(TARVIK_DATA_DIR), 0);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_VERIFY(!window.isVisible());
    }

    void decimalCheckFormatsSevenThirds_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("comma");
        QTest::newRow("C") << QLocale::c() << false;
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << false;
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << true;
        QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France) << true;
    }

    void decimalCheckFormatsSevenThirds()
    {
        QFETCH(QLocale, locale);
        QFETCH(bool, comma);
        QCOMPARE(decimalSymbolIsComma(locale), comma);
    }

    void systemNumberFormattingDrivesTheCheck_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("LC_NUMERIC comma") << "LC_NUMERIC"
                                          << "de_DE.UTF-8" << kProbeComma;
        QTest::newRow("LC_ALL comma") << "LC_ALL"
                                      << "de_DE.UTF-8" << kProbeComma;
        QTest::newRow("LC_NUMERIC point") << "LC_NUMERIC"
                                          << "en_US.UTF-8" << kProbePoint;
    }

    void systemNumberFormattingDrivesTheCheck()
    {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(int, expected);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LANG"));
        env.insert(variable, value);
        env.insert(QStringLiteral("TARVIK_DECIMAL_PROBE"), QStringLiteral("1"));
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitCode(), expected);
    }

    void decimalCommaOpensTheWindowOnlyForTheStartupKind()
    {
        ScriptedPlatform platform;
        WarningWindow point(
            platform, QStringLiteral(TARVIK_DATA_DIR), kStartupWarningKind, nullptr, QLocale::c());
        point.show();
        QVERIFY(QTest::qWaitForWindowExposed(&point));
        QTest::mouseClick(point.closeButton(), Qt::LeftButton);
        QVERIFY(!point.isVisible());
        QVERIFY(!point.decimalSymbolWindow());
        QVERIFY(openDecimalWindows().isEmpty());

        const QLocale german(QLocale::German, QLocale::Germany);
        WarningWindow other(platform, QStringLiteral(TARVIK_DATA_DIR), 0, nullptr, german);
        other.show();
        other.close();
        QVERIFY(openDecimalWindows().isEmpty());

        WarningWindow window(
            platform, QStringLiteral(TARVIK_DATA_DIR), kStartupWarningKind, nullptr, german);
        int stops = 0;
        window.setStopAction([&stops] { ++stops; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.close();
        QCOMPARE(openDecimalWindows().size(), 1);
        DecimalSymbolWindow *decimal = window.decimalSymbolWindow();
        QVERIFY(decimal);
        QCOMPARE(decimal->windowTitle(), QStringLiteral("Possible Problem Encountered"));
        QVERIFY(decimal->upperText().contains(QStringLiteral("123,45")));
        QVERIFY(decimal->lowerText().startsWith(QStringLiteral("Procedure to fix problem:")));

        QTest::mouseClick(decimal->stopButton(), Qt::LeftButton);
        QCOMPARE(stops, 1);

        QTest::mouseClick(decimal->cancelButton(), Qt::LeftButton);
        QApplication::processEvents();
        QVERIFY(openDecimalWindows().isEmpty());
    }

    void printButtonPrintsTheWindowOnOnePage()
    {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("decimal.pdf"));
        ScriptedPlatform platform;
        platform.answerPrintDialog(true, [pdf](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        });
        DecimalSymbolWindow window(platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.printButton(), Qt::LeftButton);
        QCOMPARE(platform.pendingAnswers(), 0);
        const auto facts = testing::readPdfFacts(pdf);
        QVERIFY(facts.exists);
        QCOMPARE(facts.pages, 1);
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("TARVIK_DECIMAL_PROBE")) {
        QCoreApplication app(argc, argv);
        return decimalSymbolIsComma(QLocale::system()) ? kProbeComma : kProbePoint;
    }
    QApplication app(argc, argv);
    TestSupportWarning test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_warningwindows.moc"
