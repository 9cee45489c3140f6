// The start-up warning window and the decimal-symbol check that follows it:
// the text shown, the hidden button of a blank warning, no follow-up with a
// decimal point, the decimal-symbol window with a decimal comma (from a given
// locale and from the system's LC_NUMERIC), and its Stop, Print and Cancel.
#include "gui/platform/scriptedplatform.h"
#include "gui/support/decimalsymbolwindow.h"
#include "gui/support/warningwindow.h"
#include "testing/findwidget.h"
#include "testing/leftoverwindows.h"
#include "testing/pdffacts.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

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
        QVERIFY(testing::writeFile(m_data.filePath(QStringLiteral("TKTEXT/WARNING.TXT")), bytes));
    }

private slots:
    void cleanup() { testing::failOnLeftoverWindows(); }

    void showsLinesAndClosesWhenLeft()
    {
        ScriptedPlatform platform;
        WarningWindow shipped(platform, QStringLiteral(TARVIK_DATA_DIR), 0);
        QVERIFY(shipped.text().startsWith(QStringLiteral("PLEASE READ")));
        QVERIFY(child<QPushButton>(&shipped, "WarningOk")->isVisibleTo(&shipped));

        writeWarning("first\r\n  second\r\n");
        WarningWindow lines(platform, m_data.path(), 0);
        QCOMPARE(lines.text(), QStringLiteral("first\n  second"));

        writeWarning("   ");
        WarningWindow blank(platform, m_data.path(), 0);
        QVERIFY(!child<QPushButton>(&blank, "WarningOk")->isEnabled());
        QVERIFY(!child<QPushButton>(&blank, "WarningOk")->isVisibleTo(&blank));

        // Losing the focus closes it.
        shipped.show();
        shipped.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&shipped));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_VERIFY(!shipped.isVisible());
    }

    void decimalCommaFromTheLocaleOrTheSystem()
    {
        QVERIFY(!decimalSymbolIsComma(QLocale::c()));
        QVERIFY(!decimalSymbolIsComma(QLocale(QLocale::English, QLocale::UnitedStates)));
        QVERIFY(decimalSymbolIsComma(QLocale(QLocale::German, QLocale::Germany)));
        QVERIFY(decimalSymbolIsComma(QLocale(QLocale::French, QLocale::France)));

        // The system's number formatting, as a child run of this program finds it.
        const std::tuple<const char *, const char *, int> runs[] = {
            { "LC_NUMERIC", "de_DE.UTF-8", kProbeComma },
            { "LC_ALL", "de_DE.UTF-8", kProbeComma },
            { "LC_NUMERIC", "en_US.UTF-8", kProbePoint },
        };
        for (const auto &[variable, value, expected] : runs) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove(QStringLiteral("LC_ALL"));
            env.remove(QStringLiteral("LANG"));
            env.insert(QString::fromLatin1(variable), QString::fromLatin1(value));
            env.insert(QStringLiteral("TARVIK_DECIMAL_PROBE"), QStringLiteral("1"));
            QProcess child;
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(child.waitForFinished(20000));
            QVERIFY2(child.exitCode() == expected, variable);
        }
    }

    void decimalCommaOpensTheWindowOnlyForTheStartupKind()
    {
        ScriptedPlatform platform;
        WarningWindow point(
            platform, QStringLiteral(TARVIK_DATA_DIR), kStartupWarningKind, nullptr, QLocale::c());
        point.show();
        QVERIFY(QTest::qWaitForWindowExposed(&point));
        QTest::mouseClick(child<QPushButton>(&point, "WarningOk"), Qt::LeftButton);
        QVERIFY(!point.isVisible());
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
        DecimalSymbolWindow *decimal = openDecimalWindows().front();
        QCOMPARE(decimal->windowTitle(), QStringLiteral("Possible Problem Encountered"));
        QVERIFY(decimal->upperText().contains(QStringLiteral("123,45")));
        QVERIFY(decimal->lowerText().startsWith(QStringLiteral("Procedure to fix problem:")));

        QTest::mouseClick(child<QPushButton>(decimal, "DecimalStop"), Qt::LeftButton);
        QCOMPARE(stops, 1);

        // Print puts the window on one page.
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("decimal.pdf"));
        testing::answerPrintToPdf(platform, pdf);
        QTest::mouseClick(child<QPushButton>(decimal, "DecimalPrint"), Qt::LeftButton);
        QCOMPARE(platform.pendingAnswers(), 0);
        QCOMPARE(testing::readPdfFacts(pdf).pages, 1);

        QTest::mouseClick(child<QPushButton>(decimal, "DecimalCancel"), Qt::LeftButton);
        QApplication::processEvents();
        QVERIFY(openDecimalWindows().isEmpty());
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
