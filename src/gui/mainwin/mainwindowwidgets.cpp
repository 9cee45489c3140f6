// frmTK's widgets: the input grid, the help box, the front view with its
// notes, the dive-and-roll and other-dimensions panels, and the input boxes'
// wiring to the help box and the messages; see mainwindow.h.
#include "core/layout/entrynumbers.h"
#include "core/layout/maintexts.h"
#include "gui/mainwin/diverollpanel.h"
#include "gui/mainwin/entryboxes.h"
#include "gui/mainwin/frontview.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/mainwin/otherdimensionspanel.h"
#include "gui/mainwin/specgrid.h"
#include "gui/platform/platform.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik::gui {

namespace {

const QString kHelpFrameTitle = QStringLiteral(" Help (definition)");

QString qs(const char *text)
{
    return QString::fromLatin1(text);
}

} // namespace

void MainWindow::buildWidgets()
{
    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    columns->setContentsMargins(6, 4, 6, 4);

    m_grid = new SpecGrid(central);
    columns->addWidget(m_grid, 0);

    auto *right = new QVBoxLayout;
    m_helpFrame = new QGroupBox(kHelpFrameTitle, central);
    auto *helpLayout = new QVBoxLayout(m_helpFrame);
    m_help = new QLabel(m_helpFrame);
    m_help->setObjectName(QStringLiteral("HelpText"));
    m_help->setWordWrap(true);
    m_help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_help->setMinimumHeight(48);
    m_help->setAutoFillBackground(true);
    m_help->setTextFormat(Qt::PlainText);
    helpLayout->addWidget(m_help);
    right->addWidget(m_helpFrame);

    m_view = new FrontView(central);
    m_view->setObjectName(QStringLiteral("FrontView"));
    right->addWidget(m_view, 1);
    const QString noteText = QStringLiteral(
        "This is front view of suspension so left side of screen is actually right side of car.");
    m_note = new QLabel(noteText, central);
    m_note->setAlignment(Qt::AlignCenter);
    right->addWidget(m_note);

    // Under the big drawing the panels, the note and the hint share one row,
    // so the drawing keeps all the height the window has.
    auto *bottom = new QHBoxLayout;
    m_otherDimensions = new OtherDimensionsPanel(central);
    m_otherDimensions->hide();
    bottom->addWidget(m_otherDimensions);
    m_panel = new DiveRollPanel(central);
    bottom->addWidget(m_panel);
    bottom->addStretch(1);
    m_bigNotes = new QWidget(central);
    auto *notes = new QVBoxLayout(m_bigNotes);
    notes->addStretch(1);
    // Broken in two so the row stays narrow; a word-wrapped label here
    // would make the window grow wider than the screen.
    for (const QString &text :
        { QString(noteText).replace(QStringLiteral("screen is"), QStringLiteral("screen\nis")),
            QStringLiteral("Click on Draw Normal button\nto return to original screen.") }) {
        auto *label = new QLabel(text, m_bigNotes);
        label->setAlignment(Qt::AlignCenter);
        notes->addWidget(label);
    }
    notes->addStretch(1);
    m_bigNotes->hide();
    bottom->addWidget(m_bigNotes);
    bottom->addStretch(1);
    right->addLayout(bottom);
    m_footer = new QLabel(central);
    m_footer->hide();
    right->addWidget(m_footer);
    columns->addLayout(right, 1);

    // Takes the focus when a result caption is clicked, so no box keeps it.
    m_focusCatcher = new QPushButton(central);
    m_focusCatcher->setFixedSize(0, 0);
    m_focusCatcher->setFlat(true);
    setCentralWidget(central);

    m_boxes = new EntryBoxes(m_document, m_platform, this);
    for (const Entry entry : Entry::every()) {
        if (entry != Entry::dive() && entry != Entry::roll()) {
            m_boxes->add(entry, m_grid->box(entry));
        }
    }
    m_boxes->add(Entry::dive(), m_panel->diveBox());
    m_boxes->add(Entry::roll(), m_panel->rollBox());
    connect(m_boxes, &EntryBoxes::entered, this, [this](Entry entry) { showFieldHelp(entry); });
    connect(m_boxes, &EntryBoxes::helpAsked, this, &MainWindow::showBoxHelp);

    connect(m_grid, &SpecGrid::inputCaptionClicked, this, [this](Entry entry) {
        if (QLineEdit *edit = box(entry)) {
            edit->setFocus(Qt::MouseFocusReason);
        }
    });
    connect(m_grid, &SpecGrid::resultClicked, this, &MainWindow::resultClicked);
    connect(m_grid, &SpecGrid::armHeadingClicked, this, [this] {
        m_platform.message(this, qs(maintexts::kTitle), qs(maintexts::kArmHeading),
            MessageButtons::Ok, MessageIcon::Information);
    });
    connect(m_panel, &DiveRollPanel::spinPressed, this, &MainWindow::spin);
    connect(m_panel, &DiveRollPanel::applyChosen, this, &MainWindow::setApplyDiveRoll);
    connect(m_panel, &DiveRollPanel::drawClicked, this, &MainWindow::toggleBig);
    connect(m_otherDimensions, &OtherDimensionsPanel::valueClicked, this, [this] {
        m_platform.message(this, qs(maintexts::kTitle), qs(maintexts::kBigIsReadOnly),
            MessageButtons::Ok, MessageIcon::Information);
    });
}

} // namespace tarvik::gui
