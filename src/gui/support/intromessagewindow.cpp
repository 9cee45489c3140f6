// The intro help message window and the recording of its check box.
#include "gui/support/intromessagewindow.h"

#include "gui/support/pointerlines.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace tarvik::gui {

namespace {

constexpr int kMessageWidth = 440;

} // namespace

IntroMessageWindow::IntroMessageWindow(int kind, IntroHelpFlags &flags, QWidget *parent)
    : QDialog(parent)
    , m_kind(kind)
    , m_flags(flags)
    , m_label(new QLabel(this))
    , m_dontShow(new QCheckBox(QStringLiteral("Don't show this again"), this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
{
    const IntroMessageText text = introMessageText(kind);
    setWindowTitle(QString::fromStdString(text.caption));
    m_label->setObjectName(QStringLiteral("introMessage"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    m_label->setText(QString::fromStdString(text.text));
    m_label->setFixedWidth(kMessageWidth);
    QFont font = m_label->font();
    font.setPointSizeF(font.pointSizeF() + 1);
    m_label->setFont(font);
    m_ok->setObjectName(QStringLiteral("IntroOk"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_dontShow);
    bottom->addStretch();
    bottom->addWidget(m_ok);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_label);
    layout->addSpacing(8);
    layout->addLayout(bottom);
}

QString IntroMessageWindow::message() const
{
    return m_label->text();
}

void IntroMessageWindow::showMessage(
    int kind, IntroHelpFlags &flags, QWidget *parent, QWidget *helpBox)
{
    IntroMessageWindow window(kind, flags, parent);
    std::unique_ptr<PointerLines> lines;
    if (helpBox && introHasPointerLines(kind)) {
        lines = std::make_unique<PointerLines>(helpBox, &window);
    }
    window.exec();
}

void IntroMessageWindow::done(int result)
{
    m_flags.recordChoice(m_kind, m_dontShow->isChecked());
    QDialog::done(result);
}

} // namespace tarvik::gui
