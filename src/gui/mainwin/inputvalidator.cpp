// Edit rules of the input boxes; see inputvalidator.h.
#include "gui/mainwin/inputvalidator.h"

namespace tarvik::gui {

QString InputValidator::definition(Entry entry) const
{
    return QString::fromStdString(m_definitions.at(entry.number()).definition);
}

void InputValidator::focusGained(Entry entry, const QString &text)
{
    m_restore[entry] = text;
}

QString InputValidator::restoreValue(Entry entry) const
{
    return m_restore[entry];
}

InputValidator::Outcome InputValidator::focusLost(
    Entry entry, const QString &text, bool validationHold) const
{
    Outcome outcome;
    outcome.text = text;
    if (validationHold) {
        return outcome;
    }
    const EntryValidation result = validateEntry(entry.number(), text.toStdString(), m_definitions);
    switch (result.outcome) {
    case EntryValidation::Outcome::Skip:
        break;
    case EntryValidation::Outcome::Accept:
        outcome.verdict = Verdict::Accepted;
        outcome.text = QString::fromStdString(result.text);
        break;
    case EntryValidation::Outcome::Refuse:
        outcome.verdict = Verdict::Refused;
        outcome.message = QString::fromStdString(result.message);
        outcome.text = restoreValue(entry);
        break;
    }
    return outcome;
}

} // namespace tarvik::gui
