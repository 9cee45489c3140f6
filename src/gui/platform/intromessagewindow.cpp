// The intro help message window; see intromessagewindow.h.
#include "gui/platform/intromessagewindow.h"

#include "core/support/introhelp.h"
#include "gui/common/screenplacement.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik::gui {

namespace {

constexpr int kMessageWidth = 440;

} // namespace

IntroMessageWindow::IntroMessageWindow(int kind, QWidget *parent)
    : QDialog(parent)
    , m_kind(kind)
    , m_label(new QLabel(this))
    , m_dontShow(new QCheckBox(QStringLiteral("Don't show this again"), this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
{
    const IntroMessageText text = introMessageText(kind);
    setWindowTitle(QString::fromStdString(text.caption));
    keepOnScreen(this);
    m_label->setObjectName(QStringLiteral("introMessage"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    m_label->setText(QString::fromStdString(text.text));
    m_label->setFixedWidth(kMessageWidth);
    QFont font = m_label->font();
    font.setPointSizeF(font.pointSizeF() + 1);
    m_label->setFont(font);
    m_ok->setObjectName(QStringLiteral("IntroOk"));
    m_dontShow->setObjectName(QStringLiteral("IntroDontShow"));
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

bool IntroMessageWindow::dontShowAgain() const
{
    return m_dontShow->isChecked();
}

} // namespace tarvik::gui
