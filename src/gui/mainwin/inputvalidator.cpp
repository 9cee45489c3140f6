// Edit rules of the input boxes; see inputvalidator.h.
#include "gui/mainwin/inputvalidator.h"

namespace tarvik::gui {

namespace {

bool validEntry(int entry)
{
    return entry >= 0 && entry < kSpecSlots;
}

} // namespace

QString InputValidator::definition(int entry) const
{
    return QString::fromStdString(m_definitions.at(entry).definition);
}

void InputValidator::focusGained(int entry, const QString &text)
{
    if (validEntry(entry)) {
        m_restore[std::size_t(entry)] = text;
    }
}

QString InputValidator::restoreValue(int entry) const
{
    return validEntry(entry) ? m_restore[std::size_t(entry)] : QString();
}

InputValidator::Outcome InputValidator::focusLost(
    int entry, const QString &text, bool validationHold) const
{
    Outcome outcome;
    outcome.text = text;
    if (validationHold || !validEntry(entry)) {
        return outcome;
    }
    const EntryValidation result = validateEntry(entry, text.toStdString(), m_definitions);
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
