// The paged help window: reads one help page at a time and sizes itself to
// the page's text.
//
// Sizes follow the old layout, given in twips from the label's height H:
// buttons at H + 300, window height H + 1200, window top 7000 - H - 500.
// The label has a fixed width and wraps; a page taller than the screen
// scrolls instead of being cut off.
#include "gui/support/helpwindow.h"

#include "core/support/titledtext.h"
#include "gui/common/screenplacement.h"
#include "gui/common/shippedtextdisplay.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace tarvik::gui {

namespace {

constexpr int kLabelWidth = 620;
constexpr int kMargin = 12;
constexpr int kButtonHeight = 30;

} // namespace

HelpWindow::HelpWindow(const QString &dataDir, int group, QWidget *parent)
    : QDialog(parent)
    , m_textFolder(QDir(dataDir).filePath(QStringLiteral("TKTEXT")))
    , m_topic(group)
    , m_scroll(new QScrollArea(this))
    , m_label(new QLabel)
    , m_previous(new QPushButton(QStringLiteral("Last (previous) Screen"), this))
    , m_next(new QPushButton(QStringLiteral("Next Screen"), this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    m_label->setObjectName(QStringLiteral("helpText"));
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = m_label->font();
    font.setPointSizeF(font.pointSizeF() + 1);
    m_label->setFont(font);
    m_scroll->setWidget(m_label);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_previous->setObjectName(QStringLiteral("previousScreen"));
    m_next->setObjectName(QStringLiteral("nextScreen"));
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_next->setDefault(true);
    connect(m_previous, &QPushButton::clicked, this, &HelpWindow::showPreviousPage);
    connect(m_next, &QPushButton::clicked, this, &HelpWindow::showNextPage);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    loadPage();
}

QString HelpWindow::body() const
{
    return m_label->text();
}

void HelpWindow::showNextPage()
{
    m_topic.next();
    loadPage();
}

void HelpWindow::showPreviousPage()
{
    m_topic.previous();
    loadPage();
}

void HelpWindow::loadPage()
{
    TitledText page;
    const std::string fileName = m_topic.fileName();
    if (!fileName.empty()) {
        page = readTitledText(m_textFolder.toStdString(), fileName);
    }
    m_title = decodeShippedText(page.title);
    setWindowTitle(m_title);
    keepOnScreen(this);
    m_label->setText(withLabelLineBreaks(decodeShippedText(page.body)));
    m_previous->setEnabled(m_topic.canGoBack());
    m_next->setEnabled(m_topic.canGoForward());
    fitToText();
}

void HelpWindow::fitToText()
{
    const int textHeight = std::max(m_label->heightForWidth(kLabelWidth), 20);
    m_label->resize(kLabelWidth, textHeight);

    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int chrome = twipsToPixels(1200);
    const int shownHeight = std::min(textHeight, std::max(available.height() - chrome - 60, 120));
    const bool scrolls = shownHeight < textHeight;
    const int scrollBar = scrolls ? m_scroll->verticalScrollBar()->sizeHint().width() : 0;
    m_scroll->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_scroll->setGeometry(kMargin, kMargin, kLabelWidth + scrollBar, shownHeight);

    const int width = kLabelWidth + scrollBar + twipsToPixels(400);
    const int buttonTop = kMargin + shownHeight + twipsToPixels(300);
    int x = kMargin;
    for (QPushButton *button : { m_previous, m_next, m_cancel }) {
        const int buttonWidth = std::max(button->sizeHint().width() + 16, 100);
        button->setGeometry(x, buttonTop, buttonWidth, kButtonHeight);
        x += buttonWidth + kMargin;
    }
    m_cancel->move(width - kMargin - m_cancel->width(), buttonTop);

    const int height = shownHeight + chrome;
    setFixedSize(width, height);
    const int top = std::max(
        available.top() + twipsToPixels(7000) - shownHeight - twipsToPixels(500), available.top());
    move(available.left() + std::max((available.width() - width) / 2, 0), top);
}

} // namespace tarvik::gui
