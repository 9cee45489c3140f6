// tarvik-manual: turns the Markdown chapters of docs/manual into the user's
// manual PDF the Help menu opens (data/TKTEXT/tarvman7.pdf in a build tree).
//
//   tarvik-manual [--paper a4|letter] [--pages FILE] --out PDF MANUAL_DIR
//
// The chapters are MANUAL_DIR/*.md in name order; pictures are found from
// MANUAL_DIR. --pages writes where each chapter and section landed, one
// "page<TAB>level<TAB>title" line each. A missing picture or a pinned
// passage off its page is reported on standard error; the PDF is still
// written, so a build goes on while pictures are being made elsewhere.
// Runs without a display (QT_QPA_PLATFORM=offscreen).
#include "manualbook.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>

using tarvik::manual::ManualBook;

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "tarvik-manual: %s\n", qPrintable(message));
    return 1;
}

void warn(const QString &message)
{
    std::fprintf(stderr, "tarvik-manual: warning: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption(
        { QStringLiteral("out"), QStringLiteral("The PDF to write."), QStringLiteral("PDF") });
    parser.addOption({ QStringLiteral("pages"), QStringLiteral("Where each heading landed."),
        QStringLiteral("FILE") });
    parser.addOption({ QStringLiteral("paper"), QStringLiteral("a4 (default) or letter."),
        QStringLiteral("SIZE"), QStringLiteral("a4") });
    parser.addPositionalArgument(QStringLiteral("MANUAL_DIR"), QStringLiteral("The chapters."));
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || !parser.isSet(QStringLiteral("out"))) {
        return fail(QStringLiteral("usage: tarvik-manual [--paper a4|letter] [--pages FILE] "
                                   "--out PDF MANUAL_DIR"));
    }
    const QString paperName = parser.value(QStringLiteral("paper")).toLower();
    if (paperName != QStringLiteral("a4") && paperName != QStringLiteral("letter")) {
        return fail(QStringLiteral("unknown paper ") + paperName);
    }
    const QPageSize::PageSizeId paper
        = paperName == QStringLiteral("letter") ? QPageSize::Letter : QPageSize::A4;

    const QDir folder(positional.constFirst());
    const QStringList files
        = folder.entryList({ QStringLiteral("*.md") }, QDir::Files | QDir::Readable, QDir::Name);
    if (files.isEmpty()) {
        return fail(QStringLiteral("no chapters (*.md) in ") + folder.path());
    }
    QStringList chapters;
    for (const QString &name : files) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            return fail(QStringLiteral("cannot read ") + file.fileName());
        }
        chapters << QString::fromUtf8(file.readAll());
    }

    ManualBook book(chapters, folder.absolutePath());
    const QString out = parser.value(QStringLiteral("out"));
    QDir().mkpath(QFileInfo(out).absolutePath());
    if (!book.writePdf(out, paper)) {
        return fail(book.errorText());
    }
    for (const QString &picture : book.missingPictures()) {
        warn(QStringLiteral("picture not found, its frame is left empty: ") + picture);
    }
    for (const auto &miss : book.pinMisses()) {
        warn(QStringLiteral("meant for page %1, landed on page %2: %3")
                 .arg(miss.wanted)
                 .arg(miss.actual)
                 .arg(miss.text));
    }

    if (parser.isSet(QStringLiteral("pages"))) {
        QSaveFile pages(parser.value(QStringLiteral("pages")));
        if (!pages.open(QIODevice::WriteOnly | QIODevice::Text)) {
            return fail(QStringLiteral("cannot write ") + pages.fileName());
        }
        QTextStream stream(&pages);
        for (const auto &heading : book.headings()) {
            stream << heading.page << '\t' << heading.level << '\t' << heading.title << '\n';
        }
        stream.flush();
        if (!pages.commit()) {
            return fail(QStringLiteral("cannot write ") + pages.fileName());
        }
    }
    return 0;
}
