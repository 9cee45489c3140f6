// The manual's look: fonts, spacing and tables of every block, and the
// screenshots framed to a common shape (see manualbook.h).
#include "manualbook.h"
#include "manualpage.h"

#include <QFileInfo>
#include <QPainter>
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

QImage framedPicture(const QString &path, qreal share, QString *missing)
{
    const QImage picture(path);
    if (picture.isNull()) {
        *missing = path;
        const int width = 1240;
        QImage blank(width, int(std::lround(width * share)), QImage::Format_RGB32);
        blank.fill(Qt::white);
        QPainter painter(&blank);
        painter.setPen(QPen(QColor(190, 190, 190), 3));
        painter.drawRect(blank.rect().adjusted(2, 2, -3, -3));
        painter.setFont(QFont(kSans, 24));
        painter.drawText(blank.rect(), Qt::AlignCenter,
            QStringLiteral("Picture to come: ") + QFileInfo(path).fileName());
        return blank;
    }
    // Centred on white in a canvas of the frame's shape, so the frame's
    // height does not depend on the picture.
    QSize canvas(picture.width(), int(std::lround(picture.width() * share)));
    if (canvas.height() < picture.height()) {
        canvas = QSize(int(std::lround(picture.height() / share)), picture.height());
    }
    QImage framed(canvas, QImage::Format_RGB32);
    framed.fill(Qt::white);
    QPainter painter(&framed);
    painter.drawImage(
        (canvas.width() - picture.width()) / 2, (canvas.height() - picture.height()) / 2, picture);
    return framed;
}

} // namespace

void ManualBook::style()
{
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        QTextCharFormat chars;
        const int level = format.headingLevel();
        const bool code
            = format.hasProperty(QTextFormat::BlockCodeFence) || format.nonBreakableLines();
        if (level > 0) {
            static constexpr qreal sizes[] = { 20, 14, 11.5, 10.5, 10, 10 };
            // A whole new format: the reader's size adjustment for headings
            // would otherwise stay and win over the size given here.
            QFont font(kSans);
            font.setPointSizeF(sizes[std::min(level, 6) - 1]);
            font.setBold(true);
            QTextCharFormat heading;
            heading.setFont(font);
            QTextCursor whole(block);
            whole.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            whole.setCharFormat(heading);
            format.setTopMargin(pt(level == 1 ? 0 : 14 - 2 * std::min(level, 3)));
            format.setBottomMargin(pt(level == 1 ? 14 : 5));
            format.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
            if (level == 1 && block.position() > 0) {
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            }
        } else if (code) {
            chars.setFontFamilies({ kMono });
            chars.setFontPointSize(8.5);
            format.setBackground(QColor(242, 242, 242));
            format.setTopMargin(0);
            format.setBottomMargin(pt(block.next().blockFormat().nonBreakableLines() ? 0 : 6));
            format.setLeftMargin(mm(3));
        } else {
            format.setTopMargin(0);
            format.setBottomMargin(pt(block.textList() ? 2 : 6));
            format.setLineHeight(120, QTextBlockFormat::ProportionalHeight);
        }
        QTextCursor cursor(block);
        cursor.setBlockFormat(format);
        if (chars.propertyCount() > 0) {
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(chars);
        }
    }

    // Inline code in the text's own size; tables ruled and full width.
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().fontFixedPitch()
                && !block.blockFormat().hasProperty(QTextFormat::BlockCodeFence)) {
                QTextCursor cursor(m_document.get());
                cursor.setPosition(fragment.position());
                cursor.setPosition(
                    fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
                QTextCharFormat mono;
                mono.setFontFamilies({ kMono });
                mono.setFontPointSize(9);
                cursor.mergeCharFormat(mono);
            }
        }
    }
    for (QTextFrame *frame : m_document->rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame)) {
            QTextTableFormat format = table->format();
            format.setBorder(pt(0.5));
            format.setBorderBrush(QColor(150, 150, 150));
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderCollapse(true);
            format.setCellSpacing(0);
            format.setCellPadding(pt(3));
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            format.setBottomMargin(pt(8));
            table->setFormat(format);
        }
    }
}

void ManualBook::fitPictures()
{
    const QString base = m_pictureFolder;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) {
                continue;
            }
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            bool ok = false;
            // The Markdown title: ![caption](file.png "0.75")
            const qreal given = image.stringProperty(QTextFormat::ImageTitle).toDouble(&ok);
            const qreal share = ok && given > 0.1 && given < 2 ? given : kPictureShare;
            const QString file
                = QFileInfo(base + QLatin1Char('/') + image.name()).absoluteFilePath();
            QString missing;
            const QImage framed = framedPicture(file, share, &missing);
            if (!missing.isEmpty()) {
                m_missing << missing;
            }
            const QString resource = QStringLiteral("manual-picture:") + image.name();
            m_document->addResource(QTextDocument::ImageResource, QUrl(resource), framed);
            image.setName(resource);
            image.setWidth(m_textWidth);
            image.setHeight(m_textWidth * share);
            image.clearProperty(QTextFormat::ImageTitle);
            QTextCursor cursor(m_document.get());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
            // A picture's line is as high as the picture, with no added leading.
            QTextBlockFormat single = block.blockFormat();
            single.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
            QTextCursor(block).setBlockFormat(single);
        }
    }
}

} // namespace tarvik::manual
