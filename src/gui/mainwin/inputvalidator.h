// The input boxes' edit rules as the main window uses them, kept apart from
// the widgets so tests can drive them without pixels: the field definitions
// in force, the restore value taken when a box gets the focus, and the
// verdict when it loses the focus (the text rules and the range check are
// the core's validateEntry). The main window only moves texts between this
// class and its QLineEdits.
#pragma once

#include "core/layout/entry.h"
#include "core/layout/entryvalidation.h"
#include "core/layout/fieldinfo.h"

#include <QString>

namespace tarvik::gui {

class InputValidator
{
public:
    enum class Verdict {
        Skipped, // empty box, validation hold, or zero arm length: nothing happens
        Accepted, // the (normalised) text stands; mark changed and redraw
        Refused // warning shown, restore value goes back into the box
    };
    struct Outcome
    {
        Verdict verdict = Verdict::Skipped;
        QString text; // the box text to show afterwards
        QString message; // the "Warning" text when refused
    };

    void setDefinitions(const FieldDefinitions &definitions) { m_definitions = definitions; }
    const FieldDefinitions &definitions() const { return m_definitions; }
    // The help text of an entry ("" when no definitions are loaded).
    QString definition(Entry entry) const;

    // The box got the focus holding text.
    void focusGained(Entry entry, const QString &text);
    QString restoreValue(Entry entry) const;

    Outcome focusLost(Entry entry, const QString &text, bool validationHold) const;

private:
    FieldDefinitions m_definitions;
    EntryArray<QString> m_restore;
};

} // namespace tarvik::gui
