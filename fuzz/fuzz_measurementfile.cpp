// libFuzzer target for the measured-camber reader: any bytes either refuse
// with a message and an empty set, or read a set that writes out and reads
// back to the same set and the same bytes; pasted text follows the same rule.
#include "core/design/measurements.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void checkRead(const tarvik::MeasurementReadResult &first)
{
    if (!first.ok) {
        if (first.message.empty() || !first.set.rows.empty()) {
            std::abort();
        }
        return;
    }
    const std::string written = tarvik::measurementFileText(first.set);
    const tarvik::MeasurementReadResult second = tarvik::parseMeasurementText(written);
    if (!second.ok || !(second.set == first.set)
        || tarvik::measurementFileText(second.set) != written) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    checkRead(tarvik::parseMeasurementText(text));
    checkRead(tarvik::parsePastedMeasurements(text));
    return 0;
}
