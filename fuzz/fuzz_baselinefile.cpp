// libFuzzer target for the baseline file reader: any bytes either refuse
// with a message and the start values, or read a baseline that writes out
// and reads back to the same baseline and the same bytes.
#include "core/table/baselinefile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const tarvik::BaselineFileResult first = tarvik::parseBaselineText(text);
    if (!first.ok) {
        if (first.message.empty() || !(first.baseline == tarvik::BaselineState {})) {
            std::abort();
        }
        return 0;
    }
    const std::string written = tarvik::baselineFileText(first.baseline, first.quantity);
    const tarvik::BaselineFileResult second = tarvik::parseBaselineText(written);
    if (!second.ok || second.quantity != first.quantity || !(second.baseline == first.baseline)) {
        std::abort();
    }
    if (tarvik::baselineFileText(second.baseline, second.quantity) != written) {
        std::abort();
    }
    return 0;
}
