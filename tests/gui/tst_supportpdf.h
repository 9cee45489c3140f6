// Reading back what the window-printing tests wrote: the number of pages and
// the page box of a PDF file made by Qt's PDF printer.
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QSizeF>

namespace tarvik::gui::testing {

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

} // namespace tarvik::gui::testing
