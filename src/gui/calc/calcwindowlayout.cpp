// The calculation window's controls laid out from the definition the
// session was opened on: the frames with their rows, the outputs, the note,
// the shim calculator's target frame and the buttons.
//
// Sizes follow the old form's twips where they matter (a numeric box and a
// "Yes" list 800 wide, choice captions at least 1275, the spring window's
// lists 500 narrower); Qt's layouts do the rest, so captions never clip
// whatever the font.
#include "gui/calc/calcmessagebox.h"
#include "gui/calc/calcwindow.h"
#include "gui/calc/shimtargetframe.h"
#include "gui/common/shippedtextdisplay.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik::gui {

namespace {

// Grid columns of a frame: a choice row's caption takes column 0 and its
// list columns 1-2; a numeric row's caption columns 0-1 and its box column
// 2; the wide "Yes" layout puts the caption over 0-1 and the list in 2.
constexpr int kChoiceCaptionTwips = 1275;
constexpr int kMiddleTwips = 1600;
constexpr int kBoxTwips = 800;
constexpr int kSpringListShiftTwips = 500;
constexpr int kNoteWidthTwips = 4800;
constexpr int kNoteLineTwips = 240;
constexpr int kOutputValueTwips = 1100;

QString rowName(const char *stem, int k)
{
    return QString::fromLatin1(stem) + QString::number(k);
}

// A box holds "-0000.0000" whatever the font.
void fitBox(QLineEdit *box)
{
    box->setFixedWidth(std::max(twipsToPixels(kBoxTwips),
        box->fontMetrics().horizontalAdvance(QStringLiteral("-0000.0000")) + 12));
}

} // namespace

void CalcWindow::build()
{
    auto *outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto *body = new QHBoxLayout;
    outer->addLayout(body);
    auto *left = new QVBoxLayout;
    body->addLayout(left);

    // Outputs first, above the frames, as the old form had them.
    auto *outputs = new QGridLayout;
    left->addLayout(outputs);
    for (int j = 0; j < kCalcMaxOutputRows; ++j) {
        m_outNames[std::size_t(j)] = new QLabel(this);
        m_outNames[std::size_t(j)]->setObjectName(rowName("CalcOutName", j));
        auto *value = new QLabel(this);
        value->setObjectName(rowName("CalcOutData", j));
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        value->setMinimumWidth(twipsToPixels(kOutputValueTwips));
        value->setTextFormat(Qt::PlainText);
        m_outValues[std::size_t(j)] = value;
        outputs->addWidget(m_outNames[std::size_t(j)], j, 0);
        outputs->addWidget(value, j, 1);
    }
    outputs->setColumnStretch(0, 1);

    // The frames, with the rows numbered on from the first into the second.
    std::array<QGridLayout *, 2> grids {};
    std::array<int, 2> gridRows {};
    for (int f = 1; f <= std::min(m_session->frameCount(), 2); ++f) {
        auto *frame = new QGroupBox(this);
        frame->setObjectName(rowName("Frame3D", f));
        auto *grid = new QGridLayout(frame);
        grid->setColumnMinimumWidth(1, twipsToPixels(kMiddleTwips));
        grid->setColumnMinimumWidth(2, twipsToPixels(kBoxTwips));
        grid->setColumnStretch(1, 1);
        m_frames[std::size_t(f - 1)] = frame;
        grids[std::size_t(f - 1)] = grid;
        left->addWidget(frame);
    }
    for (int k = 1; k <= kCalcMaxInputRows; ++k) {
        const CalcInputRow &row = m_session->row(k);
        const std::size_t f = row.frame == 2 && grids[1] ? 1 : 0;
        if (!row.visible || !grids[f]) {
            continue;
        }
        addRow(k, grids[f], gridRows[f]++);
    }
    // The lists of both frames start in one line, right of the widest
    // choice caption; the spring window's two lists sit further right.
    int captionWidth = twipsToPixels(kChoiceCaptionTwips);
    for (const Row &r : m_rows) {
        if (r.choice && !m_session->row(rowOf(r.choice)).wideLayout) {
            r.caption->setText(calcLabelText(m_session->row(rowOf(r.choice)).caption));
            r.caption->ensurePolished(); // its style's font, as it will be shown
            captionWidth = std::max(captionWidth, r.caption->sizeHint().width());
        }
    }
    for (std::size_t f = 0; f < grids.size(); ++f) {
        if (grids[f]) {
            const bool shifted = f == 0 && m_session->mode() == CalcMode::Spring;
            grids[f]->setColumnMinimumWidth(
                0, captionWidth + (shifted ? twipsToPixels(kSpringListShiftTwips) : 0));
        }
    }
    if (m_shim) {
        addTargetFrame(left, captionWidth);
    }
    left->addStretch(1);

    m_noteFrame = new QGroupBox(this);
    m_noteFrame->setObjectName(QStringLiteral("Frame3D3"));
    auto *noteLayout = new QVBoxLayout(m_noteFrame);
    m_note = new QLabel(m_noteFrame);
    m_note->setObjectName(QStringLiteral("Label1"));
    m_note->setTextFormat(Qt::PlainText);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_note->setMinimumHeight(twipsToPixels(kNoteLineTwips * std::max(m_session->noteLines(), 1)));
    if (m_session->mode() == CalcMode::TableSpec) {
        // The table preview lines its values up with blanks.
        m_note->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    } else {
        m_note->setWordWrap(true);
        m_note->setFixedWidth(twipsToPixels(kNoteWidthTwips));
    }
    noteLayout->addWidget(m_note);
    noteLayout->addStretch(1);
    body->addWidget(m_noteFrame, 0, Qt::AlignTop);

    m_buttons = new QWidget(this);
    auto *buttons = new QHBoxLayout(m_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    const auto button = [this, buttons](const char *text, const char *name) {
        auto *b = new QPushButton(QString::fromLatin1(text), m_buttons);
        b->setObjectName(QString::fromLatin1(name));
        // No button is the default (Enter in a box moves on); Enter on a
        // focused button presses it (keyPressEvent).
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    m_cancel = button("Cancel", "CalcCancel");
    m_helpButton = button("Help", "CalcHelp");
    m_accept = button("", "CalcAccept");
    m_print = button("Print", "CalcPrint");
    connect(m_cancel, &QPushButton::clicked, this, &CalcWindow::cancelCommand);
    m_helpButton->setShortcut(QKeySequence::HelpContents); // F1, as in every window
    connect(m_helpButton, &QPushButton::clicked, this, &CalcWindow::helpCommand);
    connect(m_accept, &QPushButton::clicked, this, &CalcWindow::acceptCommand);
    connect(m_print, &QPushButton::clicked, this, &CalcWindow::printCommand);
    outer->addWidget(m_buttons);

    // Label2: the printed footer takes the buttons' place while printing.
    m_footer = new QLabel(this);
    m_footer->setObjectName(QStringLiteral("Label2"));
    m_footer->setTextFormat(Qt::PlainText);
    m_footer->hide();
    outer->addWidget(m_footer);
}

void CalcWindow::addRow(int k, QGridLayout *grid, int gridRow)
{
    const CalcInputRow &row = m_session->row(k);
    Row &r = m_rows[std::size_t(k)];
    QWidget *parent = grid->parentWidget();
    r.caption = new QLabel(parent);
    r.caption->setObjectName(rowName("CalcSpec", k));
    r.caption->setTextFormat(Qt::PlainText);
    QWidget *control = nullptr;
    if (row.isChoice) {
        r.choice = new QComboBox(parent);
        r.choice->setObjectName(rowName("CalcCombo", k));
        for (const std::string &item : row.items) {
            r.choice->addItem(calcLabelText(item));
        }
        r.choice->setMinimumWidth(twipsToPixels(kBoxTwips));
        connect(r.choice, &QComboBox::activated, this,
            [this, k](int index) { choiceActivated(k, index); });
        control = r.choice;
        if (row.wideLayout) {
            grid->addWidget(r.caption, gridRow, 0, 1, 2);
            grid->addWidget(control, gridRow, 2);
        } else {
            grid->addWidget(r.caption, gridRow, 0);
            grid->addWidget(control, gridRow, 1, 1, 2);
        }
    } else {
        r.box = new QLineEdit(parent);
        r.box->setObjectName(rowName("CalcData", k));
        fitBox(r.box);
        control = r.box;
        grid->addWidget(r.caption, gridRow, 0, 1, 2);
        grid->addWidget(control, gridRow, 2);
    }
    r.caption->setBuddy(control);
    control->installEventFilter(this);
}

void CalcWindow::addTargetFrame(QLayout *column, int captionWidth)
{
    m_target = new ShimTargetFrame(twipsToPixels(kOutputValueTwips), this);
    QGridLayout *grid = m_target->grid();
    grid->setColumnMinimumWidth(0, captionWidth);
    grid->setColumnMinimumWidth(1, twipsToPixels(kMiddleTwips));
    grid->setColumnMinimumWidth(2, twipsToPixels(kBoxTwips));
    grid->setColumnStretch(1, 1);
    fitBox(m_target->box());
    m_target->box()->installEventFilter(this);
    connect(m_target->toggle(), &QCheckBox::clicked, this, &CalcWindow::targetSwitched);
    column->addWidget(m_target);
}

} // namespace tarvik::gui
