// The manual as a paginated QTextDocument and its PDF; see manualbook.h.
//
// The book is laid out as on a screen of 96 pixels to the inch, the unit
// QTextDocument measures fonts and formats in, and painted onto the PDF
// writer (300 dots to the inch) scaled up by the ratio: text and lines stay
// vector, and pictures keep their full resolution.
#include "manualbook.h"

#include "manualpage.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace tarvik::manual {

namespace {

// Directive comments become marker paragraphs that survive the Markdown
// reader; applyDirectives() turns them into page breaks, pins and the
// contents.
QString markDirectives(const QString &markdown)
{
    static const QRegularExpression directive(
        QStringLiteral(R"(^[ \t]*<!--[ \t]*(toc|pagebreak|page[ \t]+\d+)[ \t]*-->[ \t]*$)"),
        QRegularExpression::MultilineOption);
    QString text = markdown;
    text.replace(directive, QStringLiteral("\n@@\\1@@\n"));
    return text;
}

void removeBlock(QTextDocument &document, const QTextBlock &block)
{
    QTextCursor cursor(&document);
    if (block.previous().isValid()) {
        // From the end of the previous block: that block keeps its format.
        cursor.setPosition(block.position() - 1);
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    } else {
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length(), QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
}

// Chapters and sections are listed in the contents; the book's title, the
// first block, is not.
bool isContentsEntry(const QTextBlock &block)
{
    const int level = block.blockFormat().headingLevel();
    return (level == 1 || level == 2) && block.position() > 0;
}

} // namespace

ManualBook::ManualBook(QStringList chapters, QString pictureFolder)
    : m_chapters(std::move(chapters))
    , m_pictureFolder(std::move(pictureFolder))
{
}

ManualBook::~ManualBook() = default;

bool ManualBook::writePdf(const QString &path, QPageSize::PageSizeId paper)
{
    QPdfWriter writer(path);
    writer.setResolution(kPdfDpi);
    writer.setPageSize(QPageSize(paper));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QStringLiteral("Tarvik User's Manual"));
    writer.setCreator(QStringLiteral("tarvik-manual"));

    // The contents' page numbers are known only after a layout, and putting
    // them in must not move anything; lay out until they hold still.
    QList<int> tocPages;
    // A heading left alone at the foot of a page is moved to the next one,
    // which can move what follows: lay out again until both hold still.
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        build(writer, tocPages);
        layOut();
        QList<int> pages;
        for (const Heading &heading : std::as_const(m_headings)) {
            pages << heading.page;
        }
        const bool newBreaks = moveLoneHeadings();
        if (pages == tocPages && !newBreaks) {
            break;
        }
        tocPages = pages;
    }

    if (!paint(writer)) {
        m_error = QStringLiteral("cannot write ") + path;
        return false;
    }
    return true;
}

void ManualBook::build(QPagedPaintDevice &device, const QList<int> &tocPages)
{
    m_document = std::make_unique<QTextDocument>();
    m_document->setDefaultFont(QFont(kSerif, 11));
    m_document->setIndentWidth(mm(6));
    m_missing.clear();

    const QSizeF paper = device.pageLayout().fullRect(QPageLayout::Point).size();
    const qreal pageWidth = pt(paper.width());
    m_pageHeight = pt(paper.height());
    m_textWidth = pageWidth - 2 * mm(kMarginSideMm);

    QString markdown;
    for (const QString &chapter : std::as_const(m_chapters)) {
        markdown += markDirectives(chapter) + QStringLiteral("\n\n");
    }
    m_document->setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);

    QTextFrameFormat root = m_document->rootFrame()->frameFormat();
    root.setLeftMargin(mm(kMarginSideMm));
    root.setRightMargin(mm(kMarginSideMm));
    root.setTopMargin(mm(kMarginTopMm));
    root.setBottomMargin(mm(kMarginBottomMm));
    m_document->rootFrame()->setFrameFormat(root);
    m_document->setPageSize(QSizeF(pageWidth, m_pageHeight));

    style();
    fitPictures();
    m_headings.clear();
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (isContentsEntry(block)) {
            m_headings.append({ level, block.text(), 0 });
        }
    }
    insertContents(tocPages);
    applyDirectives();
    for (const int number : std::as_const(m_breakBefore)) {
        QTextBlock block = m_document->findBlockByNumber(number);
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
}

bool ManualBook::moveLoneHeadings()
{
    bool added = false;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const QTextBlock next = block.next();
        if (block.blockFormat().headingLevel() > 0 && next.isValid()
            && pageOfBlock(next.blockNumber()) > pageOfBlock(block.blockNumber())
            && !m_breakBefore.contains(block.blockNumber())) {
            m_breakBefore.insert(block.blockNumber());
            added = true;
        }
    }
    return added;
}

void ManualBook::insertContents(const QList<int> &tocPages)
{
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        if (block.text() != QStringLiteral("@@toc@@")) {
            continue;
        }
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        QTextTableFormat format;
        format.setBorder(0);
        format.setCellPadding(pt(1.5));
        format.setCellSpacing(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setColumnWidthConstraints({ QTextLength(QTextLength::PercentageLength, 88),
            QTextLength(QTextLength::PercentageLength, 12) });
        QTextTable *table = cursor.insertTable(int(m_headings.size()), 2, format);
        for (int row = 0; row < m_headings.size(); ++row) {
            const Heading &heading = m_headings[row];
            QTextCharFormat chars;
            chars.setFontFamilies({ heading.level == 1 ? kSans : kSerif });
            chars.setFontPointSize(heading.level == 1 ? 10.5 : 10);
            chars.setFontWeight(heading.level == 1 ? QFont::Bold : QFont::Normal);
            QTextBlockFormat left;
            left.setLeftMargin(heading.level == 1 ? 0 : mm(6));
            left.setTopMargin(heading.level == 1 && row > 0 ? pt(5) : 0);
            QTextCursor title = table->cellAt(row, 0).firstCursorPosition();
            title.setBlockFormat(left);
            title.insertText(heading.title, chars);
            QTextBlockFormat right;
            right.setAlignment(Qt::AlignRight);
            right.setTopMargin(left.topMargin());
            QTextCursor page = table->cellAt(row, 1).firstCursorPosition();
            page.setBlockFormat(right);
            // Two digits wide until the pages are known, so filling them in
            // moves nothing.
            page.insertText(
                row < tocPages.size() ? QString::number(tocPages[row]) : QStringLiteral("00"),
                chars);
        }
        return;
    }
}

void ManualBook::applyDirectives()
{
    static const QRegularExpression marker(QStringLiteral(R"(^@@(pagebreak|page (\d+))@@$)"));
    for (QTextBlock block = m_document->begin(); block.isValid();) {
        const QRegularExpressionMatch match = marker.match(block.text());
        if (!match.hasMatch()) {
            block = block.next();
            continue;
        }
        // Directives may follow each other; they all apply to the first
        // block after them that is not a directive.
        const QTextBlock next = block.next();
        QTextBlock target = next;
        while (target.isValid() && marker.match(target.text()).hasMatch()) {
            target = target.next();
        }
        if (target.isValid()) {
            QTextBlockFormat format = target.blockFormat();
            if (match.captured(1) == QStringLiteral("pagebreak")) {
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            } else {
                format.setProperty(kPinProperty, match.captured(2).toInt());
            }
            QTextCursor(target).setBlockFormat(format);
        }
        removeBlock(*m_document, block);
        block = next;
    }
}

void ManualBook::layOut()
{
    m_document->documentLayout()->documentSize(); // lays everything out
    m_pageCount = m_document->pageCount();
    int heading = 0;
    m_pinMisses.clear();
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        if (isContentsEntry(block) && heading < m_headings.size()) {
            m_headings[heading++].page = pageOfBlock(block.blockNumber());
        }
        if (format.hasProperty(kPinProperty)) {
            const int wanted = format.intProperty(kPinProperty);
            const int actual = pageOfBlock(block.blockNumber());
            if (wanted != actual) {
                m_pinMisses.append({ wanted, actual, block.text().left(60) });
            }
        }
    }
}

int ManualBook::pageOfBlock(int blockNumber) const
{
    const QTextBlock block = m_document->findBlockByNumber(blockNumber);
    m_document->documentLayout()->blockBoundingRect(block); // makes sure it is laid out
    // The first line decides: a block that does not fit at the foot of a
    // page keeps its place there but has its lines moved to the next page.
    const QTextLayout *layout = block.layout();
    const qreal firstLine
        = layout->position().y() + (layout->lineCount() > 0 ? layout->lineAt(0).y() : 0) + 1;
    return int(firstLine / m_pageHeight) + 1;
}

bool ManualBook::paint(QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal width = m_document->pageSize().width();
    const qreal scale = qreal(device.logicalDpiX()) / kLayoutDpi;
    painter.scale(scale, scale);
    QAbstractTextDocumentLayout *layout = m_document->documentLayout();
    for (int page = 0; page < m_pageCount; ++page) {
        if (page > 0) {
            device.newPage();
        }
        painter.save();
        painter.translate(0, -page * m_pageHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * m_pageHeight, width, m_pageHeight);
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(context.clip);
        layout->draw(&painter, context);
        painter.restore();

        if (page == 0) {
            continue; // the title page has no footer
        }
        const qreal ruleY = m_pageHeight - mm(kMarginBottomMm) + mm(8);
        painter.setPen(QPen(QColor(120, 120, 120), pt(0.4)));
        painter.drawLine(
            QPointF(mm(kMarginSideMm), ruleY), QPointF(width - mm(kMarginSideMm), ruleY));
        painter.setPen(Qt::black);
        // The painter is scaled up to the writer; the font's points are
        // counted at the writer's resolution, so they are scaled down first.
        QFont footerFont(kSans);
        footerFont.setPointSizeF(8.0 * kLayoutDpi / device.logicalDpiY());
        painter.setFont(footerFont);
        const QRectF footer(
            mm(kMarginSideMm), ruleY + mm(1.5), width - 2 * mm(kMarginSideMm), mm(6));
        painter.drawText(
            footer, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Tarvik User's Manual"));
        painter.drawText(
            footer, Qt::AlignRight | Qt::AlignTop, QStringLiteral("Page %1").arg(page + 1));
    }
    return painter.end();
}

} // namespace tarvik::manual
