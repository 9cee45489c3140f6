// The input boxes of the main window (SpecData) as a view of the layout
// document: each box shows its entry's text, and an edit reaches the
// document only once it has passed validation on leaving the box.
//
// The rules of a box, from the moment it gets the focus until its value is
// accepted or refused: the help text and the restore value are taken on
// entry (and the document told, for the camber-follows flag); Up and Down
// move to the previous and next control, Enter to the next; leaving checks
// the text after pending events have run (the field limits, fractions,
// whole numbers) and either hands the normalised text to the document or
// shows the "Warning" and puts the restore value back. A command chosen while
// a box holds typed text, or just after a box was left by a click, has that
// text checked first (commitPending). The document's record never holds a
// refused or unchecked text. While the window is set up as a blank worksheet
// the boxes are empty and nothing is validated or refilled. A metric length
// or rate shows rounded (shownEntryText); leaving its box unchanged keeps the
// record's full text.
#pragma once

#include "core/layout/entry.h"
#include "gui/mainwin/inputvalidator.h"

#include <QList>
#include <QObject>
#include <optional>

class QLineEdit;
class QWidget;

namespace tarvik::gui {

class LayoutDocument;
class Platform;
struct LayoutChange;

class EntryBoxes : public QObject
{
    Q_OBJECT
public:
    EntryBoxes(LayoutDocument &document, Platform &platform, QWidget *window);

    void add(Entry entry, QLineEdit *box);
    QLineEdit *box(Entry entry) const;
    std::optional<Entry> entryOf(const QObject *object) const; // nothing for anything but a box

    void setDefinitions(const FieldDefinitions &definitions);
    QString definition(Entry entry) const;
    const FieldDefinitions &definitions() const { return m_validator.definitions(); }
    QString restoreValue(Entry entry) const { return m_validator.restoreValue(entry); }

    // Every box shows its entry's text again, except one still being typed in.
    void refill();
    // False when a box's text was refused (and the user warned).
    bool commitPending();
    // The blank worksheet page: boxes empty, no validation, no refill.
    void setBlank(bool blank);
    bool isBlank() const { return m_blank; }
    // The program is closing: leaving a box checks nothing any more.
    void stopValidating() { m_stopped = true; }

signals:
    void entered(tarvik::Entry entry); // the help box shows the entry's definition
    void helpAsked(tarvik::Entry entry); // F1 in the box

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusGained(Entry entry);
    bool validate(Entry entry); // false: refused
    // The entry's text as its box shows it (a metric value rounded).
    QString shownText(Entry entry) const;
    void showEntry(QLineEdit *edit, Entry entry);
    void follow(const LayoutChange &change);

    LayoutDocument &m_document;
    Platform &m_platform;
    QWidget *m_window;
    InputValidator m_validator;
    EntryArray<QLineEdit *> m_boxes;
    std::optional<Entry> m_visited; // the box the user entered last, until it is left
    QList<Entry> m_pending; // boxes left whose check waits for pending events
    bool m_committing = false;
    bool m_blank = false;
    bool m_stopped = false;
};

} // namespace tarvik::gui
