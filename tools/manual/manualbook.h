// The user's manual as a paginated document: the Markdown chapters of
// docs/manual read into one QTextDocument, styled for print, laid out on A4
// or Letter pages with a table of contents that gives each chapter's and
// section's page, and written as a PDF with the page number in the footer.
//
// Besides plain Markdown the chapters may hold three directives, each an
// HTML comment on a line of its own:
//   <!-- toc -->         the table of contents goes here;
//   <!-- pagebreak -->   what follows starts a new page;
//   <!-- page N -->      what follows is meant to be on page N: the help
//                        texts and the program's own notes cite it by that
//                        number, so a miss is reported (pinMisses()).
// Every chapter (a level-1 heading) starts on a new page. A picture is
// fitted into a frame the width of the text and a fixed share of it high
// (0.62 of the width, or the share given as the picture's Markdown title,
// ![caption](file.png "0.8")), so the pages come out the same whether a
// picture exists yet or not; a missing picture leaves its frame empty and
// is reported (missingPictures()).
#pragma once

#include <QList>
#include <QPageSize>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <memory>

class QPagedPaintDevice;

namespace tarvik::manual {

struct Heading
{
    int level = 1;
    QString title;
    int page = 0; // counted from 1, as printed in the footer
};

struct PinMiss
{
    int wanted = 0;
    int actual = 0;
    QString text; // the start of what should be there
};

class ManualBook
{
public:
    // chapters: the Markdown texts in order; pictureFolder: where picture
    // paths are resolved from.
    ManualBook(QStringList chapters, QString pictureFolder);
    ~ManualBook();

    // Lays the book out for pages of that size and writes it; false with
    // errorText() when the file cannot be written.
    bool writePdf(const QString &path, QPageSize::PageSizeId paper);

    int pageCount() const { return m_pageCount; }
    const QList<Heading> &headings() const { return m_headings; }
    const QList<PinMiss> &pinMisses() const { return m_pinMisses; }
    const QStringList &missingPictures() const { return m_missing; }
    QString errorText() const { return m_error; }

private:
    void build(QPagedPaintDevice &device, const QList<int> &tocPages);
    void layOut();
    // Page breaks before headings that end a page; true when one was added.
    bool moveLoneHeadings();
    void style();
    void applyDirectives();
    void fitPictures();
    void insertContents(const QList<int> &tocPages);
    int pageOfBlock(int blockNumber) const;
    bool paint(QPagedPaintDevice &device);

    QStringList m_chapters;
    QString m_pictureFolder;
    std::unique_ptr<QTextDocument> m_document;
    QList<Heading> m_headings;
    QSet<int> m_breakBefore; // block numbers that start a page
    QList<PinMiss> m_pinMisses;
    QStringList m_missing;
    QString m_error;
    int m_pageCount = 0;
    qreal m_pageHeight = 0;
    qreal m_textWidth = 0;
};

} // namespace tarvik::manual
