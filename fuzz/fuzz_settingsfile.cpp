// libFuzzer target for the settings file reader: any bytes parse without a
// crash into at most 258 records, and the settings written out again read
// back completely and write the same bytes.
#include "core/layout/settingsfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const tarvik::SettingsReadResult first = tarvik::parseSettingsText(text);
    if (first.recordsRead < 0 || first.recordsRead > tarvik::kSettingsRecords)
        std::abort();
    const std::string written = tarvik::settingsFileText(first.settings);
    const tarvik::SettingsReadResult second = tarvik::parseSettingsText(written);
    if (second.recordsRead != tarvik::kSettingsRecords)
        std::abort();
    if (tarvik::settingsFileText(second.settings) != written)
        std::abort();
    return 0;
}
