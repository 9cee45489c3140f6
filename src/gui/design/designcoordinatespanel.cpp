// The free coordinates of the pick-up point window; see designcoordinatespanel.h.
#include "gui/design/designcoordinatespanel.h"

#include "core/design/designform.h"
#include "core/layout/entrynumbers.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace tarvik::gui {

namespace {

QLineEdit *rangeBox(QWidget *parent, const QString &name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFixedWidth(54);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

DesignCoordinatesPanel::DesignCoordinatesPanel(DesignForm &form, QWidget *parent)
    : QGroupBox(parent)
    , m_form(form)
{
    build();
    refill();
}

void DesignCoordinatesPanel::build()
{
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    // Columns: label | right: free, min, max | gap | left: free, min, max.
    grid->addWidget(new QLabel(QStringLiteral("Right: now, min, max"), this), 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Left: now, min, max"), this), 0, 5, 1, 3);
    grid->setColumnMinimumWidth(4, 12);
    m_rows.resize(m_form.coordinates().size());
    for (std::size_t i = 0; i < m_form.coordinates().size(); ++i) {
        const DesignCoordinateRow &r = m_form.coordinates()[i];
        const bool left = entryPosition(r.entry).side == kSideLeft;
        const int line = int(i / 2) + 1;
        const int column = left ? 5 : 1;
        const QString e = QString::number(r.entry.number());
        Row &row = m_rows[i];
        row.free = new QCheckBox(this);
        row.free->setObjectName(QStringLiteral("DesignFree") + e);
        row.free->setMinimumWidth(58);
        row.minimum = rangeBox(this, QStringLiteral("DesignMin") + e);
        row.maximum = rangeBox(this, QStringLiteral("DesignMax") + e);
        if (!left) {
            auto *label = new QLabel(this);
            label->setObjectName(QStringLiteral("DesignPoint") + e);
            grid->addWidget(label, line, 0);
        }
        grid->addWidget(row.free, line, column);
        grid->addWidget(row.minimum, line, column + 1);
        grid->addWidget(row.maximum, line, column + 2);
        connect(row.free, &QCheckBox::toggled, this,
            [this, i](bool on) { m_form.coordinates()[i].used = on; });
        connect(row.minimum, &QLineEdit::textEdited, this,
            [this, i](const QString &t) { m_form.coordinates()[i].minimum = t.toStdString(); });
        connect(row.maximum, &QLineEdit::textEdited, this,
            [this, i](const QString &t) { m_form.coordinates()[i].maximum = t.toStdString(); });
    }
    m_symmetric = new QCheckBox(QStringLiteral("&Both sides move together"), this);
    m_symmetric->setObjectName(QStringLiteral("DesignSymmetric"));
    // Only as wide as its text: a check box takes clicks on its text alone.
    grid->addWidget(m_symmetric, int(m_rows.size() / 2) + 1, 0, 1, 8, Qt::AlignLeft);
    connect(m_symmetric, &QCheckBox::toggled, this, [this](bool on) {
        m_form.setSymmetric(on);
        updateEnabled();
    });
    grid->setRowStretch(int(m_rows.size() / 2) + 2, 1);
}

void DesignCoordinatesPanel::refill()
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const DesignCoordinateRow &r = m_form.coordinates()[i];
        m_rows[i].free->setChecked(r.used);
        m_rows[i].minimum->setText(text(r.minimum));
        m_rows[i].maximum->setText(text(r.maximum));
    }
    m_symmetric->setChecked(m_form.symmetric());
    showNow();
}

void DesignCoordinatesPanel::showNow()
{
    setTitle(QStringLiteral("Coordinates That May Move (%1)").arg(text(m_form.lengthUnit())));
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const DesignCoordinateRow &r = m_form.coordinates()[i];
        m_rows[i].free->setText(r.now.empty() ? QStringLiteral("(blank)") : text(r.now));
        m_rows[i].free->setToolTip(r.computed
                ? QStringLiteral("Placed by its arm's length and angle in this entry mode")
                : QString());
        if (entryPosition(r.entry).side == kSideRight) {
            if (auto *label
                = findChild<QLabel *>(QStringLiteral("DesignPoint%1").arg(r.entry.number()))) {
                label->setText(text(r.label));
            }
        }
    }
    updateEnabled();
}

void DesignCoordinatesPanel::setEditable(bool editable)
{
    m_editable = editable;
    m_symmetric->setEnabled(editable);
    updateEnabled();
}

void DesignCoordinatesPanel::updateEnabled()
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const DesignCoordinateRow &r = m_form.coordinates()[i];
        const bool followsRight = m_form.symmetric() && entryPosition(r.entry).side == kSideLeft;
        const bool on = m_editable && !r.computed && !followsRight;
        for (QWidget *w :
            { static_cast<QWidget *>(m_rows[i].free), static_cast<QWidget *>(m_rows[i].minimum),
                static_cast<QWidget *>(m_rows[i].maximum) }) {
            w->setEnabled(on);
        }
    }
}

} // namespace tarvik::gui
