// Box validation: skip rules, whole-number rounding or fraction entry, then
// the range check against the field's single-precision limits.
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
    // A zero arm length means the arm is not used: left as typed ("0.0").
    if (isArmLengthEntry(entry) && readNumber(typed) == 0.0)
        return out;

    const FieldInfo &field = definitions.at(entry);
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
