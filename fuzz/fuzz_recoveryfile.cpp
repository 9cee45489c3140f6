// libFuzzer target for the crash-recovery copy reader: any bytes parse
// without a crash, and an accepted copy written out again reads back to the
// same file, time and layout text, so a recovered layout is the one kept.
#include "core/layout/recoveryfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const tarvik::RecoveryReadResult first = tarvik::parseRecoveryText(text);
    if (!first.ok) {
        return 0;
    }
    const std::string written = tarvik::recoveryFileText(first.data);
    const tarvik::RecoveryReadResult second = tarvik::parseRecoveryText(written);
    if (!second.ok || second.data.file != first.data.file
        || second.data.savedAt != first.data.savedAt)
        std::abort();
    if (tarvik::recoveryFileText(second.data) != written)
        std::abort();
    return 0;
}
