// Printing to a PDF file and reading back what was written: the number of
// pages and the page box of a PDF file made by Qt's PDF printer, and its
// text as pdftotext (poppler-utils, in the package list) reads it; and small
// files written for the tests.
#pragma once

#include "gui/platform/scriptedplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>

namespace tarvik::gui::testing {

// The next print dialog is answered OK, with the printer on a PDF file.
inline void answerPrintToPdf(ScriptedPlatform &platform, const QString &pdf)
{
    platform.answerPrintDialog(true, [pdf](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    });
}

// Writes a file, making its folder first.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

struct PdfFacts
{
    bool exists = false;
    int pages = 0;
    QSizeF firstPageSize; // points, from the first /MediaBox
};

inline PdfFacts readPdfFacts(const QString &path)
{
    PdfFacts facts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return facts;
    }
    facts.exists = true;
    const QString text = QString::fromLatin1(file.readAll());
    // Page objects, not the /Pages tree node.
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    auto it = page.globalMatch(text);
    while (it.hasNext()) {
        it.next();
        ++facts.pages;
    }
    static const QRegularExpression box(QStringLiteral(
        "/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
    const auto match = box.match(text);
    if (match.hasMatch()) {
        facts.firstPageSize = QSizeF(match.captured(3).toDouble() - match.captured(1).toDouble(),
            match.captured(4).toDouble() - match.captured(2).toDouble());
    }
    return facts;
}

// The PDF's text in reading order; empty when it cannot be read.
inline QString pdfText(const QString &path)
{
    QProcess process;
    process.start(
        QStringLiteral("pdftotext"), { QStringLiteral("-layout"), path, QStringLiteral("-") });
    if (!process.waitForFinished(20000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace tarvik::gui::testing
