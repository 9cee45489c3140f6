// Parsing of titled text files: title line, then a body whose paragraphs and
// indented lines are marked by the first character of each line.
#include "core/support/titledtext.h"

#include "core/support/shippedtext.h"

namespace tarvik {

TitledText parseTitledText(std::string_view text)
{
    TitledText result;
    const auto lines = splitTextLines(text);
    if (lines.empty()) {
        return result;
    }
    result.title = std::string(lines[0]);
    if (lines.size() < 2) {
        return result;
    }
    result.body = std::string(lines[1]);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty() || line.front() != ' ') {
            result.body += ' ';
            result.body += line;
        } else if (line.size() == 1) {
            result.body += '\r';
        } else {
            result.body += line;
            result.body += '\r';
        }
    }
    return result;
}

TitledText readTitledText(const std::filesystem::path &folder, std::string_view fileName)
{
    const auto path = findFileIgnoringCase(folder, fileName);
    if (!path) {
        return {};
    }
    const auto bytes = readSmallTextFile(*path);
    if (!bytes) {
        return {};
    }
    return parseTitledText(*bytes);
}

} // namespace tarvik
