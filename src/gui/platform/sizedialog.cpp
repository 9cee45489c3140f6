// The picture-size question; see sizedialog.h.
#include "gui/platform/sizedialog.h"

#include "gui/common/screenplacement.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

namespace tarvik::gui {

SizeDialog::SizeDialog(QWidget *parent, const QString &title, const QSize &initial,
    const QSize &minimum, const QSize &maximum)
    : QDialog(parent)
    , m_ratio(double(std::max(1, initial.width())) / std::max(1, initial.height()))
{
    setWindowTitle(title);
    keepOnScreen(this);
    auto *form = new QFormLayout;
    m_width = new QSpinBox(this);
    m_width->setObjectName(QStringLiteral("SizeWidth"));
    m_width->setRange(minimum.width(), maximum.width());
    m_width->setValue(initial.width());
    m_width->setSuffix(tr(" px"));
    m_height = new QSpinBox(this);
    m_height->setObjectName(QStringLiteral("SizeHeight"));
    m_height->setRange(minimum.height(), maximum.height());
    m_height->setValue(initial.height());
    m_height->setSuffix(tr(" px"));
    m_keep = new QCheckBox(tr("&Keep proportions"), this);
    m_keep->setChecked(true);
    form->addRow(tr("&Width:"), m_width);
    form->addRow(tr("&Height:"), m_height);
    form->addRow(QString(), m_keep);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(m_width, &QSpinBox::valueChanged, this, [this] { follow(true); });
    connect(m_height, &QSpinBox::valueChanged, this, [this] { follow(false); });
    connect(m_keep, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            m_ratio = double(m_width->value()) / std::max(1, m_height->value());
        }
    });
}

QSize SizeDialog::size() const
{
    return { m_width->value(), m_height->value() };
}

void SizeDialog::follow(bool widthChanged)
{
    if (m_following || !m_keep->isChecked()) {
        return;
    }
    m_following = true;
    if (widthChanged) {
        m_height->setValue(int(std::lround(m_width->value() / m_ratio)));
    } else {
        m_width->setValue(int(std::lround(m_height->value() * m_ratio)));
    }
    m_following = false;
}

} // namespace tarvik::gui
