// libFuzzer target for the titled text and warning text readers: any bytes
// must parse without a crash, and the result can never outgrow the input by
// more than the one added space or CR per line.
#include "core/support/titledtext.h"
#include "core/support/warningtext.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const tarvik::TitledText parsed = tarvik::parseTitledText(text);
    if (parsed.title.size() + parsed.body.size() > 2 * size) {
        std::abort();
    }
    const std::string warning = tarvik::parseWarningText(text);
    if (warning.size() > 2 * size) {
        std::abort();
    }
    return 0;
}
