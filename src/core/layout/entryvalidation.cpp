// Box validation: skip rules, a text without a number refused, whole-number
// rounding or fraction entry, then the range check against the field's
// single-precision limits.
#include "core/layout/entryvalidation.h"

#include "core/layout/entrynumbers.h"
#include "core/text/entrytext.h"
#include "core/text/numberreading.h"

namespace tarvik {

EntryValidation validateEntry(
    int entry, std::string_view typed, const FieldDefinitions &definitions)
{
    EntryValidation out;
    if (typed.empty())
        return out;
    const FieldInfo &field = definitions.at(entry);
    // A text in which no number can be read ("abc", "-", "x12") would read as
    // 0 and could pass the limits unnoticed: it is refused like a value out
    // of range, so the user sees what the box takes. "12abc" still reads 12.
    if (!hasLeadingNumber(typed)) {
        out.outcome = EntryValidation::Outcome::Refuse;
        out.text = std::string(typed);
        out.message = field.hasLimits
            ? rangeMessage(field, typed)
            : field.name + " = " + out.text + ".  Value must be a number.";
        return out;
    }
    // A zero arm length means the arm is not used: left as typed ("0.0").
    if (isArmLengthEntry(entry) && readNumber(typed) == 0.0)
        return out;

    const EntryText normalised = normaliseEntryText(typed, field.wholeNumbersOnly());
    if (!normalised.ok) {
        out.outcome = EntryValidation::Outcome::Refuse;
        out.text = std::string(typed);
        out.message = rangeMessage(field, typed);
        return out;
    }
    out.text = normalised.text;
    if (field.isOutsideLimits(out.text)) {
        out.outcome = EntryValidation::Outcome::Refuse;
        out.message = rangeMessage(field, out.text);
        return out;
    }
    out.outcome = EntryValidation::Outcome::Accept;
    return out;
}

} // namespace tarvik
