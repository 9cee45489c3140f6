// The decimal-symbol check (7 / 3 formatted with three decimals through the
// given locale) and its explanation window.
#include "gui/support/decimalsymbolwindow.h"

#include "gui/common/screenplacement.h"
#include "gui/common/windowimageprinter.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik::gui {

namespace {

constexpr int kTextWidth = 560;

QLabel *textLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFixedWidth(kTextWidth);
    return label;
}

} // namespace

bool decimalSymbolIsComma(const QLocale &locale)
{
    return locale.toString(7.0 / 3.0, 'f', 3).contains(QLatin1Char(','));
}

DecimalSymbolWindow::DecimalSymbolWindow(Platform &platform, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_stop([] { QCoreApplication::exit(0); })
    , m_upper(QStringLiteral(
          "Your computer system is set to use commas (,) where decimal points (.) are typically "
          "used in numbers.\n\n"
          "    Numbers should be displayed     123.45\n\n"
          "    Your computer displays              123,45\n\n"
          "This may cause problems with this program, where it may not restart correctly and the "
          "program's settings may be corrupted."))
    , m_lower(QStringLiteral(
          "Procedure to fix problem:\n\n"
          "1) Print this message by clicking on the 'Print' button below.  Then quit this program "
          "now by clicking on the 'Stop Program Now' button below.\n\n"
          "2) In Windows 95:  Click on 'Start', then 'Help', then select the 'Index' Help tab and "
          "type in 'number'.  Click on 'numbers format, changing' from the list presented.\n\n"
          "3) Click on the 'Click here [ ] to display properties for reginal settings'.  Then be "
          "sure to have selected the 'Numbers' tab to display the current 'Decimal Symbol'.  "
          "Change this to a period (.) and then click 'OK'."))
    , m_print(new QPushButton(QStringLiteral("Print"), this))
    , m_stopButton(new QPushButton(QStringLiteral("Stop Program Now"), this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("Possible Problem Encountered"));
    keepOnScreen(this);
    auto *upper = textLabel(m_upper, this);
    QFont bold = upper->font();
    bold.setBold(true);
    upper->setFont(bold);
    auto *lower = textLabel(m_lower, this);

    connect(m_print, &QPushButton::clicked, this, &DecimalSymbolWindow::print);
    connect(m_stopButton, &QPushButton::clicked, this, &DecimalSymbolWindow::stopProgram);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_cancel->setDefault(true);
    m_print->setObjectName(QStringLiteral("DecimalPrint"));
    m_stopButton->setObjectName(QStringLiteral("DecimalStop"));
    m_cancel->setObjectName(QStringLiteral("DecimalCancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_print);
    buttons->addStretch();
    buttons->addWidget(m_stopButton);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(upper);
    layout->addSpacing(12);
    layout->addWidget(lower);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}

QString DecimalSymbolWindow::upperText() const
{
    return m_upper;
}

QString DecimalSymbolWindow::lowerText() const
{
    return m_lower;
}

void DecimalSymbolWindow::print()
{
    WindowImagePrinter(m_platform).printWindow(this);
}

void DecimalSymbolWindow::stopProgram()
{
    if (m_stop) {
        m_stop();
    }
}

} // namespace tarvik::gui
