// frmTK construction, the input-box behaviour, activation handling and the
// redraw request. The menu commands are in mainwindowcommands.cpp.
#include "gui/mainwin/mainwindow.h"

#include "gui/mainwin/commentsdialog.h"
#include "gui/mainwin/diverollpanel.h"
#include "gui/mainwin/frontview.h"
#include "gui/mainwin/otherdimensionspanel.h"
#include "gui/mainwin/specgrid.h"
#include "gui/platform/platform.h"
#include "core/text/numberreading.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvik::gui {

namespace {

const QString kHelpFrameTitle = QStringLiteral(" Help (definition)");

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

MainWindow::MainWindow(Platform &platform, const DataFolder &data, const MainOptions &options,
    bool extendedRoll, MainWindowHooks hooks, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_data(data)
    , m_options(options)
    , m_extendedRoll(extendedRoll)
    , m_hooks(std::move(hooks))
    , m_folders(QString(), data.path(QStringLiteral("tkfiles")), QString())
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    buildWidgets();
    buildMenus();
    // The result names: the first 16 lines of OUTHELP.TXT; missing lines stay empty.
    QFile names(m_data.path(QStringLiteral("TKTEXT/OUTHELP.TXT")));
    if (names.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (QString &name : m_resultNames) {
            if (names.atEnd()) {
                break;
            }
            name = QString::fromUtf8(names.readLine()).remove(u'\r').remove(u'\n');
        }
    }
    loadFieldDefinitions();
    updateCaption();
    refreshPanel();
    requestRedraw();
    resize(1240, 760);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWidgets()
{
    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    columns->setContentsMargins(6, 4, 6, 4);

    m_grid = new SpecGrid(central);
    m_inputSide = m_grid;
    columns->addWidget(m_grid, 0);

    auto *right = new QVBoxLayout;
    m_helpFrame = new QGroupBox(kHelpFrameTitle, central);
    auto *helpLayout = new QVBoxLayout(m_helpFrame);
    m_help = new QLabel(m_helpFrame);
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

    for (int entry = 0; entry < 54; ++entry) {
        m_boxes[std::size_t(entry)] = m_grid->box(entry);
    }
    m_boxes[54] = m_panel->diveBox();
    m_boxes[55] = m_panel->rollBox();
    for (int entry = 0; entry < 56; ++entry) {
        if (QLineEdit *edit = m_boxes[std::size_t(entry)]) {
            edit->setProperty("entry", entry);
            edit->installEventFilter(this);
        }
    }

    connect(m_grid, &SpecGrid::inputCaptionClicked, this, [this](int entry) {
        if (QLineEdit *edit = box(entry)) {
            edit->setFocus(Qt::MouseFocusReason);
        }
    });
    connect(m_grid, &SpecGrid::resultClicked, this, &MainWindow::resultClicked);
    connect(m_grid, &SpecGrid::armHeadingClicked, this, [this] {
        m_platform.message(this, QStringLiteral("Tarvik"),
            QStringLiteral("To enter angles and lengths of the suspension arms, "
                           "click on 'Options' at the top of the screen, then "
                           "select 'Enter X&Ht at Frame, Arm Len & Angle'"),
            MessageButtons::Ok, MessageIcon::Information);
    });
    connect(m_panel, &DiveRollPanel::spinPressed, this, &MainWindow::spin);
    connect(m_panel, &DiveRollPanel::applyChosen, this, &MainWindow::setApplyDiveRoll);
    connect(m_panel, &DiveRollPanel::drawClicked, this, &MainWindow::toggleBig);
    connect(m_otherDimensions, &OtherDimensionsPanel::valueClicked, this, [this] {
        m_platform.message(this, QStringLiteral("Tarvik"),
            QStringLiteral("You can not change any measurements in the Draw Big "
                           "mode.  Click on the Draw Normal button to return to "
                           "the original screen to change measurements."),
            MessageButtons::Ok, MessageIcon::Information);
    });
}

QString MainWindow::fileTitle() const
{
    return QString::fromStdString(
        tarvik::fileTitle(m_currentFile.toStdString(), tkfilesFolder().toStdString()));
}

void MainWindow::setComment(const QString &comment)
{
    // Editing the comment changes what the file would store.
    if (comment != m_comment) {
        m_comment = comment;
        m_changed = true;
    }
}

QLineEdit *MainWindow::box(int entry) const
{
    return entry >= 0 && entry < 56 ? m_boxes[std::size_t(entry)] : nullptr;
}

QLabel *MainWindow::resultDisplay(int entry) const
{
    return m_grid->resultDisplay(entry);
}

QLabel *MainWindow::trackDisplay(int index) const
{
    return m_grid->trackDisplay(index);
}

QLabel *MainWindow::kingPinDisplay(int side) const
{
    return m_grid->kingPinDisplay(side);
}

QLabel *MainWindow::spindleDisplay(int side) const
{
    return m_grid->spindleDisplay(side);
}

QString MainWindow::helpText() const
{
    return m_help->text();
}

QWidget *MainWindow::helpBox() const
{
    return m_helpFrame;
}

QString MainWindow::helpFrameTitle() const
{
    return m_helpFrame->title();
}

void MainWindow::updateCaption()
{
    setWindowTitle(
        QStringLiteral("Tarvik - Quellmark Inc.   [ ") + fileTitle() + QStringLiteral(" ]"));
}

void MainWindow::showHelpText(const QString &text)
{
    m_help->setText(text);
}

int MainWindow::entryOf(QObject *object) const
{
    const QVariant entry = object->property("entry");
    return entry.isValid() ? entry.toInt() : -1;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const int entry = entryOf(watched);
    if (entry < 0) {
        return QMainWindow::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Coming back from a menu or another window into the box being
        // edited is not a new visit: the restore value stays the one taken
        // when the user entered the box.
        const bool returning
            = reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
        if (!returning || entry != m_visitedEntry) {
            boxFocused(entry);
        }
        break;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Opening a menu or another window is not leaving the box.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            // Pending events run first, as the old handler did; a command
            // that comes before then validates the box first itself.
            m_visitedEntry = -1;
            m_pendingValidations.append(entry);
            QTimer::singleShot(0, this, [this, entry] {
                if (m_pendingValidations.removeOne(entry)) {
                    validateBox(entry);
                }
            });
        }
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up) {
            focusNextPrevChild(false);
            return true;
        }
        if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextPrevChild(true);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextPrevChild(true);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::boxFocused(int entry)
{
    m_visitedEntry = entry;
    m_camberFollowsEdit = m_options.camberOption;
    showHelpText(m_validator.definition(entry));
    QLineEdit *edit = box(entry);
    m_validator.focusGained(entry, edit->text());
    // After a mouse click the line edit places the cursor; select once it has.
    QTimer::singleShot(0, edit, [edit] {
        if (edit->hasFocus()) {
            edit->setSelection(0, 30);
        }
    });
}

void MainWindow::validateBox(int entry)
{
    QLineEdit *edit = box(entry);
    if (!edit || m_exiting) {
        return;
    }
    const InputValidator::Outcome outcome
        = m_validator.focusLost(entry, edit->text(), m_validationHold);
    switch (outcome.verdict) {
    case InputValidator::Verdict::Skipped:
        return;
    case InputValidator::Verdict::Refused:
        // The old text goes back before the warning shows: the warning takes
        // the activation, and the record is stored from the boxes then. A
        // refused value must never reach the record, the picture or a file.
        edit->setText(outcome.text);
        m_record.set(entry, outcome.text.toStdString());
        m_platform.message(this, QStringLiteral("Warning"), outcome.message, MessageButtons::Ok,
            MessageIcon::Exclamation);
        if (edit->isEnabled() && edit->isVisible()) {
            edit->setFocus(Qt::OtherFocusReason);
        }
        return;
    case InputValidator::Verdict::Accepted:
        edit->setText(outcome.text);
        m_lastEditedEntry = entry;
        // Only a new value is a change: passing through a box (or the focus
        // coming back after a refused value) leaves the layout as it was.
        if (outcome.text != m_validator.restoreValue(entry)) {
            m_changed = true;
        }
        requestRedraw(true);
        return;
    }
}

void MainWindow::commitPendingEdit()
{
    // A command chosen from a menu or a button while a box holds typed text
    // takes that text as leaving the box would: checked, normalised, and
    // either accepted or refused with the warning. The visit goes on from
    // the committed text.
    // A box just left by a click on a button is checked before the button's
    // command runs, so the command sees (and redraws) the accepted value.
    while (!m_pendingValidations.isEmpty() && !m_committing) {
        validateBox(m_pendingValidations.takeFirst());
    }
    QWidget *focused = QApplication::focusWidget();
    const int entry = focused ? entryOf(focused) : -1;
    if (m_committing || entry < 0 || entry != m_visitedEntry
        || box(entry)->text() == m_validator.restoreValue(entry)) {
        return;
    }
    m_committing = true;
    validateBox(entry);
    m_validator.focusGained(entry, box(entry)->text());
    m_committing = false;
}

void MainWindow::resultClicked(int line)
{
    const QString name = line >= 1 && line <= 16 ? m_resultNames[std::size_t(line - 1)] : QString();
    showHelpText(name
        + QStringLiteral(" These values can't be entered, but are calculated from "
                         "other inputs."));
    m_focusCatcher->setFocus(Qt::OtherFocusReason);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            activated();
        } else {
            deactivationStore();
        }
    } else if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized() && m_comments) {
            m_comments->reject();
        } else if (isMaximized()) {
            // The size is known once the maximised geometry is applied.
            QTimer::singleShot(0, this, &MainWindow::showResolutionWarning);
        }
    }
}

void MainWindow::activated()
{
    const bool manualReminderDue = m_activations.activate(m_options.introFlags);
    activationRefresh();
    if (manualReminderDue && m_hooks.showIntro) {
        m_hooks.showIntro(kIntroKindManual, m_options.introFlags);
    }
}

void MainWindow::activationRefresh()
{
    // While the window is set up as a worksheet page its blank boxes are
    // the page, not the layout: an activation then must not refill them.
    if (m_pageSetUp) {
        return;
    }
    m_validationHold = false;
    const bool changed = m_changed;
    loadFieldDefinitions();
    fillBoxesFromRecord();
    m_changed = changed;
    refreshPanel();
}

void MainWindow::deactivationStore()
{
    if (m_pageSetUp) {
        return;
    }
    for (int entry : inputWalk()) {
        m_record.set(entry, box(entry)->text().toStdString());
    }
}

void MainWindow::fillBoxesFromRecord()
{
    for (int entry : inputWalk()) {
        box(entry)->setText(qs(m_record.get(entry)));
    }
}

void MainWindow::syncFocusedRestoreValue()
{
    // A box that keeps the focus while the program rewrites it restores to
    // what it shows now, not to what it held when it got the focus.
    const int entry = QApplication::focusWidget() ? entryOf(QApplication::focusWidget()) : -1;
    if (entry >= 0) {
        m_validator.focusGained(entry, box(entry)->text());
    }
}

void MainWindow::loadFieldDefinitions()
{
    const std::filesystem::path file
        = findDefinitionsFile(m_data.root().toStdString(), m_options.unitsFlag);
    m_validator.setDefinitions(
        file.empty() ? FieldDefinitions {} : loadDefinitions(file, m_extendedRoll));
}

void MainWindow::refreshPanel()
{
    m_panel->showApplied(m_applyDiveRoll);
    if (readNumber(m_options.gainDiveText.toStdString()) == 0
        && readNumber(m_options.gainRollText.toStdString()) == 0) {
        m_options.gainSpecChoice = 0;
    }
    if (m_options.gainSpecChoice != 0) {
        m_view->setGainBasis(QStringLiteral("Gain based on ") + m_options.gainDiveText
            + QStringLiteral("\" Dive and ") + m_options.gainRollText
            + QStringLiteral(" deg Roll."));
    } else {
        m_view->setGainBasis(QStringLiteral("Gain based on 1\" Dive."));
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    deactivationStore();
    if (exitCommand()) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace tarvik::gui
