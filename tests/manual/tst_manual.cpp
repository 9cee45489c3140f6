// The user's manual as built: every page reference of the shipped help
// texts and of the shim calculator's note lands on a page that holds its
// topic (read back from the PDF with pdftotext, page by page), and every
// picture the chapters show exists. The chapters' cheap claims about the
// program hold: every menu command they name is on its menu, and the dive
// and roll steps are those of the spin buttons.
#include "core/calc/calcsession.h"
#include "core/layout/spinstep.h"
#include "core/layout/vehiclefile.h"
#include "table/tablefixture.h"
#include "testing/leftoverwindows.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <map>

using namespace tarvik;

namespace {

const QString kData = QStringLiteral(TARVIK_DATA_DIR);

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Ligatures read back as one character (U+FB00 for "ff"); compatibility
// normalisation spells them out, and line breaks become blanks.
QString simplified(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC).simplified();
}

QString chapters()
{
    return QFINDTESTDATA("../../docs/manual");
}

// Every chapter's text, one after the other.
QString allChapters()
{
    QString text;
    for (const QString &file : QDir(chapters()).entryList({ QStringLiteral("*.md") })) {
        text += readText(chapters() + QLatin1Char('/') + file) + QLatin1Char('\n');
    }
    return text;
}

// A menu item as the user reads it: no mnemonic "&", no trailing dots.
QString itemText(const QAction *action)
{
    QString text = action->text();
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text.remove(QRegularExpression(QStringLiteral("(\u2026|\\.\\.\\.)$")));
    return text;
}

// "Menu > Item" for every item of a window's menu bar.
QSet<QString> menuPaths(const QWidget *window)
{
    QSet<QString> paths;
    for (const QAction *top : window->findChild<QMenuBar *>()->actions()) {
        if (top->menu() == nullptr) {
            continue;
        }
        emit top->menu()->aboutToShow(); // menus whose checks or items follow the state
        for (const QAction *item : top->menu()->actions()) {
            if (!item->isSeparator()) {
                paths.insert(itemText(top) + QStringLiteral(" > ") + itemText(item));
            }
        }
    }
    return paths;
}

} // namespace

class TestManual : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void initTestCase();
    void helpTextsPointAtTheirTopic();
    void shimNotePointsAtTheAddingOrRemovingExplanation();
    void everyPictureExists();
    void menuCommandsAndSpinStepsAreTheProgramsOwn();

private:
    QString page(int number);
    QString m_pdf;
    int m_pages = 0;
    std::map<int, QString> m_text;
};

void TestManual::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    m_pdf = kData + QStringLiteral("/TKTEXT/tarvman7.pdf");
    QVERIFY2(QFile::exists(m_pdf), "the manual is not built (target tarvik_manual)");
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), { m_pdf });
    QVERIFY(info.waitForFinished());
    const auto match = QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))"))
                           .match(QString::fromUtf8(info.readAllStandardOutput()));
    QVERIFY(match.hasMatch());
    m_pages = match.captured(1).toInt();
    QVERIFY(m_pages >= 31);
}

QString TestManual::page(int number)
{
    if (number < 1 || number > m_pages) {
        return {};
    }
    auto found = m_text.find(number);
    if (found == m_text.end()) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
            { QStringLiteral("-f"), QString::number(number), QStringLiteral("-l"),
                QString::number(number), m_pdf, QStringLiteral("-") });
        text.waitForFinished();
        found = m_text.emplace(number, simplified(QString::fromUtf8(text.readAllStandardOutput())))
                    .first;
    }
    return found->second;
}

void TestManual::helpTextsPointAtTheirTopic()
{
    // The field definitions (name, definition ending in "(p N)", limits):
    // the page names the input the way the definitions do, without its side.
    // Elsewhere a reference names its section: "Title" (p N).
    static const QRegularExpression reference(QStringLiteral(R"( \(p (\d+)\)$)"));
    static const QRegularExpression any(QStringLiteral(R"(\(p \d+\))"));
    static const QRegularExpression titled(QStringLiteral(R"xx("([^"]+)" \(p (\d+)\))xx"));
    int definitions = 0;
    int sections = 0;
    const QStringList files = QDir(kData + QStringLiteral("/TKTEXT"))
                                  .entryList({ QStringLiteral("*.txt") }, QDir::Files);
    for (const QString &file : files) {
        const QString text = readText(kData + QStringLiteral("/TKTEXT/") + file);
        if (file.compare(QStringLiteral("help.txt"), Qt::CaseInsensitive) == 0
            || file.compare(QStringLiteral("helpm.txt"), Qt::CaseInsensitive) == 0) {
            const QStringList lines = text.split(QStringLiteral("\r\n"));
            for (int i = 0; i + 2 < lines.size(); i += 3, ++definitions) {
                const auto match = reference.match(lines[i + 1]);
                QVERIFY2(match.hasMatch(), qPrintable(file + ": no page for " + lines[i]));
                QString topic = lines[i];
                topic.remove(QRegularExpression(QStringLiteral("^(Right|Left) ")));
                QVERIFY2(page(match.captured(1).toInt()).contains(topic),
                    qPrintable(file + ": " + lines[i] + " is not on page " + match.captured(1)));
            }
            continue;
        }
        QCOMPARE(text.count(any), text.count(titled));
        for (auto it = titled.globalMatch(text); it.hasNext(); ++sections) {
            const auto match = it.next();
            QVERIFY2(page(match.captured(2).toInt()).contains(match.captured(1)),
                qPrintable(
                    file + ": \"" + match.captured(1) + "\" is not on page " + match.captured(2)));
        }
    }
    QVERIFY(definitions >= 2 * 56); // both files, every input
    QVERIFY(sections >= 17); // every help page points into the manual
}

void TestManual::shimNotePointsAtTheAddingOrRemovingExplanation()
{
    const VehicleReadResult worked
        = readVehicleFile((kData + QStringLiteral("/tkfiles/WORKED.TK")).toStdString());
    QVERIFY(worked.ok);
    LayoutState layout;
    layout.record = worked.data.record;
    const Settings settings;
    const CalcOpenResult opened
        = openCalcWindow(CalcMode::Shim, kData.toStdString(), CalcContext(layout, settings));
    QVERIFY(opened.session);
    const auto match = QRegularExpression(QStringLiteral(R"(\(p (\d+)\)$)"))
                           .match(QString::fromStdString(opened.session->noteText()));
    QVERIFY(match.hasMatch());
    QCOMPARE(match.captured(1).toInt(), 31);
    const QString explained = page(31);
    QVERIFY(explained.contains(QStringLiteral("Adding or removing: which way your chassis works")));
    QVERIFY(explained.contains(
        QStringLiteral("pick 'Remove Shims' when you are actually adding shims, and vice versa")));
}

void TestManual::everyPictureExists()
{
    const QString chapters = ::chapters();
    QVERIFY2(!chapters.isEmpty(), "docs/manual not found beside the tests");
    static const QRegularExpression picture(QStringLiteral(R"(!\[[^\]]*\]\(([^ )]+\.png))"));
    QStringList missing;
    int pictures = 0;
    for (const QString &file : QDir(chapters).entryList({ QStringLiteral("*.md") })) {
        for (auto it = picture.globalMatch(readText(chapters + QLatin1Char('/') + file));
             it.hasNext(); ++pictures) {
            const QString path = chapters + QLatin1Char('/') + it.next().captured(1);
            if (!QFile::exists(path)) {
                missing << QFileInfo(path).completeBaseName();
            }
        }
    }
    QVERIFY(pictures >= 15);
    QVERIFY2(missing.isEmpty(), qPrintable("missing pictures: " + missing.join(", ")));
}

void TestManual::menuCommandsAndSpinStepsAreTheProgramsOwn()
{
    const QString text = allChapters();
    QVERIFY(!text.isEmpty());

    // "**Options > Draw Extension Lines**": the main window's menus, or the
    // camber table's (whose Options and Baseline menus the table chapter names).
    gui::testing::TableFixture f;
    QSet<QString> items = menuPaths(f.window.get());
    items += menuPaths(f.open());
    static const QRegularExpression named(QStringLiteral(R"(\*\*([A-Z][^*>\n]*? > [^*\n]+)\*\*)"));
    int checked = 0;
    for (auto it = named.globalMatch(text); it.hasNext(); ++checked) {
        const QString path = it.next().captured(1);
        QVERIFY2(items.contains(path), qPrintable("no menu command " + path));
    }
    QVERIFY(checked >= 15);

    // "dive in steps of .10 inch up to 6 inches either way, roll in steps
    // of .20 degree up to 10 degrees either way"
    static const QRegularExpression steps(QStringLiteral(
        R"(dive in steps of (\S+) inch up to (\d+) inches either way, roll in steps of (\S+) degree up to (\d+) degrees)"));
    const auto match = steps.match(simplified(text));
    QVERIFY2(match.hasMatch(), "the dive and roll steps are not given");
    const SpinSpec dive = diveSpinSpec();
    const SpinSpec roll = rollSpinSpec(false);
    QCOMPARE(match.captured(1).toDouble(), dive.step);
    QCOMPARE(match.captured(2).toDouble(), dive.upper);
    QCOMPARE(match.captured(3).toDouble(), roll.step);
    QCOMPARE(match.captured(4).toDouble(), roll.upper);
}

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
