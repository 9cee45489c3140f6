// The main window's input boxes as a view of the document; see entryboxes.h.
#include "gui/mainwin/entryboxes.h"

#include "core/layout/units.h"
#include "gui/document/layoutdocument.h"
#include "gui/platform/platform.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace tarvik::gui {

EntryBoxes::EntryBoxes(LayoutDocument &document, Platform &platform, QWidget *window)
    : QObject(window)
    , m_document(document)
    , m_platform(platform)
    , m_window(window)
{
    connect(&document, &LayoutDocument::layoutChanged, this, &EntryBoxes::follow);
}

void EntryBoxes::add(Entry entry, QLineEdit *box)
{
    if (!box) {
        return;
    }
    m_boxes[entry] = box;
    box->setProperty("entry", entry.number());
    box->installEventFilter(this);
    box->setText(shownText(entry));
}

QLineEdit *EntryBoxes::box(Entry entry) const
{
    return m_boxes[entry];
}

std::optional<Entry> EntryBoxes::entryOf(const QObject *object) const
{
    const QVariant number = object ? object->property("entry") : QVariant();
    const std::optional<Entry> entry
        = number.isValid() ? Entry::numbered(number.toInt()) : std::nullopt;
    return entry && box(*entry) == object ? entry : std::nullopt;
}

void EntryBoxes::setDefinitions(const FieldDefinitions &definitions)
{
    m_validator.setDefinitions(definitions);
}

QString EntryBoxes::definition(Entry entry) const
{
    return m_validator.definition(entry);
}

QString EntryBoxes::shownText(Entry entry) const
{
    return QString::fromStdString(shownEntryText(
        m_document.entry(entry).toStdString(), entry.number(), m_document.state().units));
}

void EntryBoxes::showEntry(QLineEdit *edit, Entry entry)
{
    edit->setText(shownText(entry));
    // A text longer than its box shows its start, not its last digits.
    if (!edit->hasFocus()) {
        edit->setCursorPosition(0);
    }
}

void EntryBoxes::refill()
{
    if (m_blank) {
        return;
    }
    for (const Entry entry : Entry::every()) {
        QLineEdit *edit = box(entry);
        // Text still being typed stays; it is checked when the box is left.
        if (!edit || (entry == m_visited && edit->text() != m_validator.restoreValue(entry))) {
            continue;
        }
        showEntry(edit, entry);
    }
}

void EntryBoxes::follow(const LayoutChange &change)
{
    if (m_blank) {
        return;
    }
    if (change.everything) {
        m_visited.reset();
        m_pending.clear();
        for (const Entry entry : Entry::every()) {
            if (QLineEdit *edit = box(entry)) {
                showEntry(edit, entry);
            }
        }
    }
    for (const Entry entry : change.entries) {
        if (QLineEdit *edit = box(entry)) {
            showEntry(edit, entry);
        }
    }
    // A box that keeps the focus while the program rewrites it restores to
    // what it shows now, not to what it held when it got the focus.
    if (const std::optional<Entry> focused = entryOf(QApplication::focusWidget())) {
        m_validator.focusGained(*focused, box(*focused)->text());
    }
}

bool EntryBoxes::eventFilter(QObject *watched, QEvent *event)
{
    const std::optional<Entry> watchedEntry = entryOf(watched);
    if (!watchedEntry) {
        return QObject::eventFilter(watched, event);
    }
    const Entry entry = *watchedEntry;
    switch (event->type()) {
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Coming back from a menu or another window into the box being
        // edited is not a new visit: the restore value stays the one taken
        // when the user entered the box.
        const bool returning
            = reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
        if (!returning || entry != m_visited) {
            focusGained(entry);
        }
        break;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Opening a menu or another window is not leaving the box.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            // Pending events run first; a command that comes before then
            // checks the box itself (commitPending).
            m_visited.reset();
            m_pending.append(entry);
            QTimer::singleShot(0, this, [this, entry] {
                if (m_pending.removeOne(entry)) {
                    validate(entry);
                }
            });
        }
        break;
    }
    case QEvent::ShortcutOverride: {
        // A box keeps Ctrl+Z (and redo) only for text typed into it: with
        // nothing of its own to take back, the keys go to Edit > Undo and
        // Redo, which step through the layout's changes. F1 is the box's
        // own: the help of this box, not of the window.
        const auto *key = static_cast<QKeyEvent *>(event);
        const QLineEdit *edit = box(entry);
        if (key->matches(QKeySequence::HelpContents)) {
            event->accept();
            return true;
        }
        if ((key->matches(QKeySequence::Undo) && !edit->isUndoAvailable())
            || (key->matches(QKeySequence::Redo) && !edit->isRedoAvailable())) {
            event->ignore();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        if (static_cast<QKeyEvent *>(event)->matches(QKeySequence::HelpContents)) {
            emit helpAsked(entry);
            return true;
        }
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool back = key == Qt::Key_Up;
        if (back || key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            // The window's own focus chain moves on, as Tab and Shift+Tab do.
            QKeyEvent tab(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                back ? Qt::ShiftModifier : Qt::NoModifier);
            QApplication::sendEvent(watched, &tab);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void EntryBoxes::focusGained(Entry entry)
{
    m_visited = entry;
    m_document.boxEntered();
    QLineEdit *edit = box(entry);
    m_validator.focusGained(entry, edit->text());
    emit entered(entry);
    // After a mouse click the line edit places the cursor; select once it has.
    QTimer::singleShot(0, edit, [edit] {
        if (edit->hasFocus()) {
            edit->setSelection(0, 30);
        }
    });
}

bool EntryBoxes::validate(Entry entry)
{
    QLineEdit *edit = box(entry);
    if (!edit || m_stopped) {
        return true;
    }
    const InputValidator::Outcome outcome = m_validator.focusLost(entry, edit->text(), m_blank);
    switch (outcome.verdict) {
    case InputValidator::Verdict::Skipped:
        return true;
    case InputValidator::Verdict::Refused:
        // The old text goes back before the warning shows, so nothing that
        // runs while it is up (an activation, a redraw) sees the refused one.
        edit->setText(outcome.text);
        m_platform.message(m_window, QStringLiteral("Warning"), outcome.message, MessageButtons::Ok,
            MessageIcon::Exclamation);
        if (edit->isEnabled() && edit->isVisible()) {
            edit->setFocus(Qt::OtherFocusReason);
        }
        return false;
    case InputValidator::Verdict::Accepted:
        edit->setText(outcome.text);
        // A metric value left as the box shows it keeps its full precision.
        m_document.acceptEdit(
            entry, outcome.text == shownText(entry) ? m_document.entry(entry) : outcome.text);
        return true;
    }
    return true;
}

bool EntryBoxes::commitPending()
{
    if (m_committing) {
        return true;
    }
    m_committing = true;
    bool settled = true;
    // A box just left by a click on a button is checked before the button's
    // command runs, so the command sees (and redraws) the accepted value.
    while (!m_pending.isEmpty()) {
        settled = validate(m_pending.takeFirst()) && settled;
    }
    // Text typed into the box that has the focus is taken as leaving the box
    // would take it; the visit goes on from the committed text.
    const std::optional<Entry> entry = entryOf(QApplication::focusWidget());
    if (entry && entry == m_visited && box(*entry)->text() != m_validator.restoreValue(*entry)) {
        settled = validate(*entry) && settled;
        m_validator.focusGained(*entry, box(*entry)->text());
    }
    m_committing = false;
    return settled;
}

void EntryBoxes::setBlank(bool blank)
{
    m_blank = blank;
    for (QLineEdit *edit : m_boxes.items()) {
        if (edit && blank) {
            edit->clear();
        }
    }
    if (!blank) {
        LayoutChange all;
        all.everything = true;
        follow(all);
    }
}

} // namespace tarvik::gui
