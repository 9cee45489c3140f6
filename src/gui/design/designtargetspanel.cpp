// The targets of the pick-up point window; see designtargetspanel.h.
#include "gui/design/designtargetspanel.h"

#include "core/design/designform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace tarvik::gui {

namespace {

enum Column { kUse, kNow, kValue, kUnit, kWeight, kDive, kRoll, kAchieved };

QLineEdit *numberBox(QWidget *parent, const QString &name, int width)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFixedWidth(width);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QLabel *valueLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(50);
    return label;
}

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

DesignTargetsPanel::DesignTargetsPanel(DesignForm &form, QWidget *parent)
    : QGroupBox(QStringLiteral("Targets"), parent)
    , m_form(form)
{
    build();
    refill();
}

void DesignTargetsPanel::build()
{
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    const char *headers[] = { "Use", "Now", "Target", "", "Weight", "Dive", "Roll", "Achieved" };
    for (int c = 0; c < 8; ++c) {
        auto *header = new QLabel(QString::fromLatin1(headers[c]), this);
        header->setAlignment(c == kUse ? Qt::AlignLeft : Qt::AlignCenter);
        grid->addWidget(header, 0, c);
    }
    for (std::size_t k = 0; k < m_form.targets().size(); ++k) {
        const int line = int(k) + 1;
        const QString n = QString::number(k);
        Row row;
        row.use = new QCheckBox(text(m_form.targets()[k].label), this);
        row.use->setObjectName(QStringLiteral("DesignUse") + n);
        row.now = valueLabel(this, QStringLiteral("DesignNow") + n);
        row.value = numberBox(this, QStringLiteral("DesignValue") + n, 60);
        row.unit = new QLabel(this);
        row.weight = numberBox(this, QStringLiteral("DesignWeight") + n, 40);
        row.achieved = valueLabel(this, QStringLiteral("DesignAchieved") + n);
        grid->addWidget(row.use, line, kUse, Qt::AlignLeft); // clicks count on its text alone
        grid->addWidget(row.now, line, kNow);
        grid->addWidget(row.value, line, kValue);
        grid->addWidget(row.unit, line, kUnit);
        grid->addWidget(row.weight, line, kWeight);
        grid->addWidget(row.achieved, line, kAchieved);
        connect(row.use, &QCheckBox::toggled, this,
            [this, k](bool on) { m_form.targets()[k].used = on; });
        connect(row.value, &QLineEdit::textEdited, this,
            [this, k](const QString &t) { m_form.targets()[k].value = t.toStdString(); });
        connect(row.weight, &QLineEdit::textEdited, this,
            [this, k](const QString &t) { m_form.targets()[k].weight = t.toStdString(); });
        if (m_form.targets()[k].target.kind == DesignTargetKind::Camber) {
            row.dive = numberBox(this, QStringLiteral("DesignDive") + n, 50);
            row.roll = numberBox(this, QStringLiteral("DesignRoll") + n, 40);
            grid->addWidget(row.dive, line, kDive);
            grid->addWidget(row.roll, line, kRoll);
            connect(row.dive, &QLineEdit::textEdited, this,
                [this, k](const QString &t) { m_form.targets()[k].dive = t.toStdString(); });
            connect(row.roll, &QLineEdit::textEdited, this,
                [this, k](const QString &t) { m_form.targets()[k].roll = t.toStdString(); });
            connect(row.dive, &QLineEdit::editingFinished, this, &DesignTargetsPanel::motionEdited);
            connect(row.roll, &QLineEdit::editingFinished, this, &DesignTargetsPanel::motionEdited);
        }
        m_rows.push_back(row);
    }
    grid->setRowStretch(int(m_rows.size()) + 1, 1);
}

void DesignTargetsPanel::refill()
{
    for (std::size_t k = 0; k < m_rows.size(); ++k) {
        const DesignTargetRow &r = m_form.targets()[k];
        Row &row = m_rows[k];
        row.use->setChecked(r.used);
        row.value->setText(text(r.value));
        row.weight->setText(text(r.weight));
        if (row.dive) {
            row.dive->setText(text(r.dive));
            row.roll->setText(text(r.roll));
            row.dive->setToolTip(QStringLiteral("Dive, ") + text(m_form.lengthUnit()));
            row.roll->setToolTip(QStringLiteral("Roll, deg"));
        }
    }
    showNow();
    showAchieved({});
}

void DesignTargetsPanel::showNow()
{
    for (std::size_t k = 0; k < m_rows.size(); ++k) {
        const DesignTargetRow &r = m_form.targets()[k];
        m_rows[k].now->setText(text(designValueText(r.now)));
        m_rows[k].unit->setText(text(m_form.unit(r)));
    }
}

void DesignTargetsPanel::showAchieved(const std::vector<double> &byRow)
{
    for (std::size_t k = 0; k < m_rows.size(); ++k) {
        const double value = k < byRow.size() ? byRow[k] : std::nan("");
        m_rows[k].achieved->setText(text(designValueText(value)));
    }
}

void DesignTargetsPanel::setEditable(bool editable)
{
    for (const Row &row : m_rows) {
        for (QWidget *w : { static_cast<QWidget *>(row.use), static_cast<QWidget *>(row.value),
                 static_cast<QWidget *>(row.weight), static_cast<QWidget *>(row.dive),
                 static_cast<QWidget *>(row.roll) }) {
            if (w) {
                w->setEnabled(editable);
            }
        }
    }
}

} // namespace tarvik::gui
