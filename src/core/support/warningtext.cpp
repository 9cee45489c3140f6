// Reading the start-up warning text: lines joined by CR LF, bounded count.
#include "core/support/warningtext.h"

#include "core/support/shippedtext.h"

namespace tarvik {

std::string parseWarningText(std::string_view text)
{
    const auto lines = splitTextLines(text);
    std::string result;
    for (std::size_t i = 0; i < lines.size() && i < kMaxWarningLines; ++i) {
        if (i > 0) {
            result += "\r\n";
        }
        result += lines[i];
    }
    return result;
}

std::string readWarningText(const std::filesystem::path &folder)
{
    const auto path = findFileIgnoringCase(folder, kWarningFileName);
    if (!path) {
        return {};
    }
    const auto bytes = readSmallTextFile(*path);
    return bytes ? parseWarningText(*bytes) : std::string();
}

bool isBlankWarning(std::string_view text)
{
    return text == "   ";
}

} // namespace tarvik
