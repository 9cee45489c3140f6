// The start-up warning window: shows WARNING.TXT, closes on its button or on
// losing the focus, and then runs the decimal-symbol check.
#include "gui/support/warningwindow.h"

#include "gui/common/screenplacement.h"
#include "gui/common/shippedtextdisplay.h"
#include "gui/support/decimalsymbolwindow.h"

#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik::gui {

namespace {

constexpr int kTextWidth = 600;

} // namespace

WarningWindow::WarningWindow(
    Platform &platform, const QString &dataDir, int kind, QWidget *parent, const QLocale &locale)
    : TransientDialog(parent)
    , m_platform(platform)
    , m_kind(kind)
    , m_locale(locale)
    , m_label(new QLabel(this))
    , m_button(new QPushButton(QStringLiteral("OK"), this))
{
    setWindowTitle(QStringLiteral("Tarvik"));
    keepOnScreen(this);
    const std::string text
        = readWarningText(QDir(dataDir).filePath(QStringLiteral("TKTEXT")).toStdString());
    m_label->setObjectName(QStringLiteral("warningText"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    m_label->setFixedWidth(kTextWidth);
    m_label->setText(withLabelLineBreaks(decodeShippedText(text)));
    QFont font = m_label->font();
    font.setPointSizeF(font.pointSizeF() + 1);
    m_label->setFont(font);

    m_button->setObjectName(QStringLiteral("WarningOk"));
    m_button->setDefault(true);
    connect(m_button, &QPushButton::clicked, this, &QDialog::accept);
    if (isBlankWarning(text)) {
        m_button->setEnabled(false);
        m_button->hide();
    }

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_label);
    layout->addSpacing(8);
    layout->addWidget(m_button, 0, Qt::AlignHCenter);
}

QString WarningWindow::text() const
{
    return m_label->text();
}

void WarningWindow::done(int result)
{
    TransientDialog::done(result);
    if (m_kind == kStartupWarningKind && !m_checked) {
        m_checked = true;
        runDecimalCheck();
    }
}

void WarningWindow::runDecimalCheck()
{
    if (!decimalSymbolIsComma(m_locale)) {
        return;
    }
    m_decimalWindow = new DecimalSymbolWindow(m_platform, parentWidget());
    m_decimalWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_decimalWindow->setWindowModality(Qt::ApplicationModal);
    if (m_stop) {
        m_decimalWindow->setStopAction(m_stop);
    }
    m_decimalWindow->show();
}

} // namespace tarvik::gui
