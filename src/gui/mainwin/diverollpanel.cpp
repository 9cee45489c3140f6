// "Show Dive & Roll" frame; see diverollpanel.h. The up arrow of each spin
// button increases the value.
#include "gui/mainwin/diverollpanel.h"

#include "core/layout/specrecord.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvik::gui {

namespace {

QToolButton *arrowButton(Qt::ArrowType arrow, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFixedSize(22, 13);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

DiveRollPanel::DiveRollPanel(QWidget *parent)
    : QGroupBox(QStringLiteral("Show Dive && Roll"), parent)
{
    auto *grid = new QGridLayout(this);
    grid->setVerticalSpacing(4);
    m_diveCaption = new QLabel(QStringLiteral("Dive, inches"), this);
    m_rollCaption = new QLabel(QStringLiteral("Roll, deg"), this);
    m_diveBox = new QLineEdit(this);
    m_rollBox = new QLineEdit(this);
    m_diveBox->setObjectName(QStringLiteral("SpecData%1").arg(Entry::dive().number()));
    m_rollBox->setObjectName(QStringLiteral("SpecData%1").arg(Entry::roll().number()));
    QLabel *captions[] = { m_diveCaption, m_rollCaption };
    QLineEdit *boxes[] = { m_diveBox, m_rollBox };
    for (int index = 0; index < 2; ++index) {
        const Entry entry = index == 0 ? Entry::dive() : Entry::roll();
        boxes[index]->setFixedWidth(64);
        boxes[index]->setMaxLength(30);
        grid->addWidget(captions[index], index, 0);
        grid->addWidget(boxes[index], index, 1);
        auto *arrows = new QVBoxLayout;
        arrows->setSpacing(0);
        m_spin[index][1] = arrowButton(Qt::UpArrow, this);
        m_spin[index][0] = arrowButton(Qt::DownArrow, this);
        arrows->addWidget(m_spin[index][1]);
        arrows->addWidget(m_spin[index][0]);
        grid->addLayout(arrows, index, 2);
        const QString name = index == 0 ? QStringLiteral("Dive") : QStringLiteral("Roll");
        m_spin[index][1]->setObjectName(name + QStringLiteral("Up"));
        m_spin[index][0]->setObjectName(name + QStringLiteral("Down"));
        connect(m_spin[index][1], &QToolButton::clicked, this,
            [this, entry] { emit spinPressed(entry, true); });
        connect(m_spin[index][0], &QToolButton::clicked, this,
            [this, entry] { emit spinPressed(entry, false); });
    }
    // "Draw" is what Yes and No answer: whether the drawing shows the dive
    // and roll. It titles their group.
    auto *drawGroup = new QGroupBox(QStringLiteral("Draw"), this);
    drawGroup->setObjectName(QStringLiteral("DrawGroup"));
    auto *choices = new QVBoxLayout(drawGroup);
    choices->setContentsMargins(6, 2, 6, 2);
    choices->setSpacing(2);
    m_yes = new QRadioButton(QStringLiteral("Yes"), drawGroup);
    m_no = new QRadioButton(QStringLiteral("No"), drawGroup);
    m_yes->setObjectName(QStringLiteral("ApplyYes"));
    m_no->setObjectName(QStringLiteral("ApplyNo"));
    auto *group = new QButtonGroup(this);
    group->addButton(m_yes);
    group->addButton(m_no);
    choices->addWidget(m_yes);
    choices->addWidget(m_no);
    grid->addWidget(drawGroup, 0, 3, 2, 1);
    connect(m_yes, &QRadioButton::clicked, this, [this] { emit applyChosen(true); });
    connect(m_no, &QRadioButton::clicked, this, [this] { emit applyChosen(false); });

    m_draw = new QPushButton(QStringLiteral("Big"), this);
    m_draw->setFixedWidth(72);
    m_draw->setObjectName(QStringLiteral("DrawButton"));
    grid->addWidget(m_draw, 1, 4, Qt::AlignBottom);
    connect(m_draw, &QPushButton::clicked, this, &DiveRollPanel::drawClicked);
    showApplied(false);
}

void DiveRollPanel::showApplied(bool applied)
{
    m_yes->setChecked(applied);
    m_no->setChecked(!applied);
    // Greyed as the palette greys a disabled caption, so a dark desktop
    // keeps them readable.
    m_diveCaption->setEnabled(applied);
    m_rollCaption->setEnabled(applied);
    m_diveBox->setEnabled(applied);
    m_rollBox->setEnabled(applied);
    for (auto &pair : m_spin) {
        pair[0]->setEnabled(applied);
        pair[1]->setEnabled(applied);
    }
}

void DiveRollPanel::showBig(bool big)
{
    m_draw->setText(big ? QStringLiteral("Normal") : QStringLiteral("Big"));
}

void DiveRollPanel::setMetric(bool metric)
{
    m_diveCaption->setText(metric ? QStringLiteral("Dive, mm") : QStringLiteral("Dive, inches"));
}

} // namespace tarvik::gui
