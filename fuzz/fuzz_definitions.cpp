// libFuzzer target for the field definitions loader and the text rules the
// input boxes apply: any bytes load without a crash (all 56 groups or none),
// and the same bytes typed into a box normalise, validate and format without
// a crash or a non-finite limit.
#include "core/layout/entryvalidation.h"
#include "core/layout/fieldinfo.h"
#include "core/text/entrytext.h"
#include "core/text/numberreading.h"
#include "core/text/numbertext.h"
#include "core/text/pictureformat.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const tarvik::FieldDefinitions definitions = tarvik::parseDefinitions(text, size % 2 == 0);
    for (int entry = 0; entry < tarvik::kEntryCount; ++entry) {
        const tarvik::FieldInfo &field = definitions.at(entry);
        if (field.hasLimits != definitions.loaded)
            std::abort();
        if (!std::isfinite(field.maximum) || !std::isfinite(field.minimum))
            std::abort();
        (void)tarvik::rangeMessage(field, field.name);
    }

    // The input as typed into a box (bounded, as a box holds a short text).
    const std::string_view typed = text.substr(0, 64);
    const double value = tarvik::readNumber(typed);
    if (!std::isfinite(value))
        std::abort();
    (void)tarvik::normaliseEntryText(typed, false);
    (void)tarvik::normaliseEntryText(typed, true);
    (void)tarvik::validateEntry(static_cast<int>(size % 60), typed, definitions);
    (void)tarvik::numberTextWithBlank(value);
    (void)tarvik::numberText(static_cast<float>(value / 1e300));
    for (const char *picture : { "###.00", "####", "###0", "######.###", "##0.0", "##.0000" }) {
        const std::string shown = tarvik::formatPicture(value, picture);
        if (shown.size() > 400)
            std::abort();
    }
    return 0;
}
