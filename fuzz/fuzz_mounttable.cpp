// libFuzzer target for the mount table reader: any bytes must parse without
// a crash, every mount point kept is absolute and no longer than the input,
// and the searchable list always starts with the root.
#include "core/support/mounttable.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto table = tarvik::parseMountTable(text);
    for (const auto &entry : table) {
        if (entry.mountPoint.empty() || entry.mountPoint.front() != '/'
            || entry.mountPoint.size() > size || entry.device.size() > size) {
            std::abort();
        }
    }
    const auto points = tarvik::searchableMountPoints(table);
    if (points.empty() || points.front() != "/" || points.size() > table.size() + 1) {
        std::abort();
    }
    return 0;
}
