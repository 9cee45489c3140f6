// The calculation window's controls: laid out from the definition the
// session was opened on, refreshed from the session after every call, and
// the keyboard and focus rules of its boxes and lists. The commands of the
// buttons and the closing rules are in calcwindowcommands.cpp.
//
// Sizes follow the old form's twips where they matter (a numeric box and a
// "Yes" list 800 wide, choice captions at least 1275, the spring window's
// lists 500 narrower); Qt's layouts do the rest, so captions never clip
// whatever the font.
#include "gui/calc/calcwindow.h"

#include "gui/calc/calcmessagebox.h"
#include "gui/calc/shimtargetframe.h"
#include "gui/common/screenplacement.h"
#include "gui/support/shippedtextdisplay.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

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
// Where the old form opened, from the screen's top-left corner.
constexpr int kLeftTwips = 5100;
constexpr int kSpringLeftTwips = 1000;
constexpr int kTopTwips = 320;

QString rowName(const char *stem, int k)
{
    return QString::fromLatin1(stem) + QString::number(k);
}

CalcKey calcKey(const QKeyEvent *event)
{
    // Alt with an arrow opens a list; that is not a move between fields.
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Up:
        return alt ? CalcKey::Other : CalcKey::Up;
    case Qt::Key_Down:
        return alt ? CalcKey::Other : CalcKey::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return CalcKey::Enter;
    case Qt::Key_Shift:
        return CalcKey::Shift;
    default:
        return CalcKey::Other;
    }
}

// A box holds "-0000.0000" whatever the font.
void fitBox(QLineEdit *box)
{
    box->setFixedWidth(std::max(twipsToPixels(kBoxTwips),
        box->fontMetrics().horizontalAdvance(QStringLiteral("-0000.0000")) + 12));
}

bool leavesTheWindow(const QFocusEvent *event)
{
    // A menu, a popup or another window taking the focus is not leaving
    // the box: the user comes back to it.
    return event->reason() == Qt::PopupFocusReason
        || event->reason() == Qt::ActiveWindowFocusReason;
}

} // namespace

CalcWindow::CalcWindow(Platform &platform, LayoutDocument &document, SettingsOwner &settings,
    const QString &dataRoot, CalcSession session, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_document(document)
    , m_settings(settings)
    , m_dataRoot(dataRoot)
    , m_session(std::move(session))
{
    setObjectName(QStringLiteral("frmCalcData"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    build();
    refresh();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &CalcWindow::focusWindowChanged);
}

CalcWindow::~CalcWindow()
{
    // Deleted while shown (with the window it was opened over), the base
    // classes hide it and move the activation; this window's part is gone by
    // then, so it must not hear of it.
    disconnect(qApp, nullptr, this, nullptr);
}

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
    for (int f = 1; f <= std::min(m_session.frameCount(), 2); ++f) {
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
        const CalcInputRow &row = m_session.row(k);
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
        if (r.choice && !m_session.row(rowOf(r.choice)).wideLayout) {
            r.caption->setText(calcLabelText(m_session.row(rowOf(r.choice)).caption));
            r.caption->ensurePolished(); // its style's font, as it will be shown
            captionWidth = std::max(captionWidth, r.caption->sizeHint().width());
        }
    }
    for (std::size_t f = 0; f < grids.size(); ++f) {
        if (grids[f]) {
            const bool shifted = f == 0 && m_session.mode() == kCalcModeSpring;
            grids[f]->setColumnMinimumWidth(
                0, captionWidth + (shifted ? twipsToPixels(kSpringListShiftTwips) : 0));
        }
    }
    if (m_session.mode() == kCalcModeShim) {
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
    m_note->setMinimumHeight(twipsToPixels(kNoteLineTwips * std::max(m_session.noteLines(), 1)));
    if (m_session.mode() == kCalcModeTableSpec) {
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
    const CalcInputRow &row = m_session.row(k);
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

QLineEdit *CalcWindow::box(int k) const
{
    return k >= 1 && k <= kCalcMaxInputRows ? m_rows[std::size_t(k)].box : nullptr;
}

QGroupBox *CalcWindow::frame(int f) const
{
    return f == 1 || f == 2 ? m_frames[std::size_t(f - 1)] : nullptr;
}

void CalcWindow::refresh()
{
    m_refreshing = true;
    setWindowTitle(calcLabelText(m_session.caption()));
    keepOnScreen(this);
    for (int j = 0; j < kCalcMaxOutputRows; ++j) {
        const CalcOutputRow &out = m_session.output(j);
        for (QLabel *label : { m_outNames[std::size_t(j)], m_outValues[std::size_t(j)] }) {
            label->setVisible(out.visible);
            label->setEnabled(out.enabled);
        }
        m_outNames[std::size_t(j)]->setText(calcLabelText(out.name));
        m_outValues[std::size_t(j)]->setText(calcLabelText(out.value));
    }
    for (int f = 1; f <= 2; ++f) {
        if (QGroupBox *box = frame(f)) {
            box->setTitle(calcLabelText(m_session.frameCaption(f)));
        }
    }
    m_noteFrame->setVisible(m_session.noteVisible());
    m_noteFrame->setTitle(calcLabelText(m_session.noteCaption()));
    m_note->setText(calcLabelText(m_session.noteText()));
    for (int k = 1; k <= kCalcMaxInputRows; ++k) {
        const Row &r = m_rows[std::size_t(k)];
        if (!r.caption) {
            continue;
        }
        const CalcInputRow &row = m_session.row(k);
        QWidget *control = r.box ? static_cast<QWidget *>(r.box) : r.choice;
        r.caption->setText(calcLabelText(row.caption));
        for (QWidget *widget : { static_cast<QWidget *>(r.caption), control }) {
            widget->setVisible(row.visible);
            widget->setEnabled(row.enabled);
        }
        if (r.box && r.box->text() != calcLabelText(row.text)) {
            r.box->setText(calcLabelText(row.text));
        }
        if (r.choice && r.choice->currentIndex() != row.choiceIndex) {
            r.choice->setCurrentIndex(row.choiceIndex);
        }
    }
    if (m_target) {
        m_target->refresh(m_session.shimTarget());
    }
    m_accept->setText(calcLabelText(m_session.acceptCaption()));
    m_accept->setEnabled(m_session.acceptEnabled());
    m_refreshing = false;
}

int CalcWindow::rowOf(const QObject *widget) const
{
    if (!widget) {
        return 0;
    }
    if (m_target && widget == m_target->box()) {
        return kTargetRow;
    }
    for (int k = 1; k <= kCalcMaxInputRows; ++k) {
        const Row &r = m_rows[std::size_t(k)];
        if ((r.box && r.box == widget) || (r.choice && r.choice == widget)) {
            return k;
        }
    }
    return 0;
}

QLineEdit *CalcWindow::editFor(int k) const
{
    return k == kTargetRow && m_target ? m_target->box() : box(k);
}

void CalcWindow::start(const CalcFeedback &opening)
{
    const QWidget *anchor = parentWidget() ? parentWidget() : this;
    const QScreen *screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        const int left = m_session.mode() == kCalcModeSpring ? kSpringLeftTwips : kLeftTwips;
        move(available.left() + twipsToPixels(left), available.top() + twipsToPixels(kTopTwips));
    }
    show();
    raise();
    activateWindow();
    showFeedback(opening);
}

bool CalcWindow::eventFilter(QObject *watched, QEvent *event)
{
    const int k = rowOf(watched);
    if (k == 0 || m_closing) {
        return QDialog::eventFilter(watched, event);
    }
    QLineEdit *const lineEdit = editFor(k);
    switch (event->type()) {
    case QEvent::FocusIn: {
        // Coming back from a popup or another window into the control the
        // user was in is not a new visit: a box keeps its text on entry.
        if (!leavesTheWindow(static_cast<QFocusEvent *>(event)) || k != m_visited) {
            m_visited = k;
            if (k == kTargetRow) {
                m_session.shimTargetEntered();
            } else {
                m_session.focusEntered(k);
            }
            if (QLineEdit *edit = lineEdit) {
                // After a click the box places its cursor; select once it has.
                QTimer::singleShot(0, edit, [edit] {
                    if (edit->hasFocus()) {
                        edit->selectAll();
                    }
                });
            }
        }
        break;
    }
    case QEvent::FocusOut:
        if (lineEdit && !leavesTheWindow(static_cast<QFocusEvent *>(event))) {
            if (m_visited == k) {
                m_visited = 0;
            }
            leaveBox(k);
        }
        break;
    case QEvent::KeyPress: {
        const CalcKey key = calcKey(static_cast<QKeyEvent *>(event));
        // Row 0 is no row: the target box moves the focus as any box does.
        const CalcFocusMove move = m_session.keyPressed(k == kTargetRow ? 0 : k, key);
        if (move != CalcFocusMove::None) {
            focusNextPrevChild(move == CalcFocusMove::Next);
        }
        // Arrows and Enter only move between fields; a list never sees them.
        if (move != CalcFocusMove::None || key == CalcKey::Enter) {
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void CalcWindow::keyPressEvent(QKeyEvent *event)
{
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    if (button && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CalcWindow::choiceActivated(int k, int index)
{
    if (m_refreshing || m_closing) {
        return;
    }
    const CalcFeedback feedback = m_session.choiceClicked(k, index);
    refresh();
    showFeedback(feedback);
}

void CalcWindow::targetSwitched(bool on)
{
    if (m_refreshing || m_closing) {
        return;
    }
    const CalcFeedback feedback = m_session.setShimTargetOn(on);
    refresh();
    if (on) {
        m_target->box()->setFocus(Qt::TabFocusReason);
    }
    showFeedback(feedback);
}

void CalcWindow::leaveBox(int k)
{
    QLineEdit *edit = editFor(k);
    if (!edit) {
        return;
    }
    const std::string text = edit->text().toStdString();
    const CalcFeedback feedback
        = k == kTargetRow ? m_session.leaveShimTarget(text) : m_session.leaveBox(k, text);
    refresh();
    if (!feedback.messages.empty() || feedback.keepFocus) {
        queueFeedback(k, feedback);
    }
}

void CalcWindow::queueFeedback(int k, const CalcFeedback &feedback)
{
    // The focus is still moving when a box is left; a message box opened
    // now would take part in that move. It shows once pending events ran,
    // or as soon as a command needs the box's value.
    const bool first = m_pending.messages.empty() && !m_pending.keepFocus;
    m_pending.messages.insert(
        m_pending.messages.end(), feedback.messages.begin(), feedback.messages.end());
    if (feedback.keepFocus) {
        m_pending.keepFocus = true;
        m_pendingRow = k;
    }
    if (first) {
        QTimer::singleShot(0, this, [this] { showPendingFeedback(); });
    }
}

bool CalcWindow::showPendingFeedback()
{
    const CalcFeedback feedback = std::exchange(m_pending, CalcFeedback {});
    const int k = std::exchange(m_pendingRow, 0);
    if (m_closing) {
        return false;
    }
    showFeedback(feedback);
    if (!feedback.keepFocus) {
        return true;
    }
    if (QLineEdit *edit = editFor(k); edit && edit->isEnabled() && edit->isVisible()) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
    return false;
}

void CalcWindow::showFeedback(const CalcFeedback &feedback)
{
    for (const CalcMessage &message : feedback.messages) {
        const OwnTurn turn(*this);
        showCalcMessage(m_platform, this, message);
    }
}

bool CalcWindow::commitPending()
{
    // Text typed into the box that has the focus counts as left, so the
    // command sees (and checks) the value the user sees.
    const int k = rowOf(QApplication::focusWidget());
    const std::string &taken
        = k == kTargetRow ? m_session.shimTarget().text : m_session.row(k).text;
    if (QLineEdit *edit = editFor(k); edit && edit->text().toStdString() != taken) {
        leaveBox(k);
        if (!m_pending.keepFocus) {
            // The visit goes on from the taken text.
            if (k == kTargetRow) {
                m_session.shimTargetEntered();
            } else {
                m_session.focusEntered(k);
            }
        }
    }
    return showPendingFeedback();
}

} // namespace tarvik::gui
