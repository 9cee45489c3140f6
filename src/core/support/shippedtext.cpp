// Bounded whole-file reading, line splitting and case-insensitive lookup for
// the shipped text files.
#include "core/support/shippedtext.h"

#include "core/text/asciicase.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace tarvik {

std::optional<std::string> readSmallTextFile(
    const std::filesystem::path &path, std::size_t maxBytes)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > maxBytes) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    // A file that shrank while being read is taken as far as it went.
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

std::vector<std::string_view> splitTextLines(std::string_view text)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (text.substr(0, bom.size()) == bom) {
        text.remove_prefix(bom.size());
    }
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::optional<std::filesystem::path> findFileIgnoringCase(
    const std::filesystem::path &folder, std::string_view name)
{
    if (name.empty() || name.find('/') != std::string_view::npos
        || name.find('\\') != std::string_view::npos) {
        return std::nullopt;
    }
    std::error_code error;
    const auto exact = folder / std::filesystem::path(std::string(name));
    if (std::filesystem::is_regular_file(exact, error)) {
        return exact;
    }
    std::filesystem::directory_iterator it(folder, error);
    if (error) {
        return std::nullopt;
    }
    for (const std::filesystem::directory_iterator end; it != end; it.increment(error)) {
        if (error) {
            return std::nullopt;
        }
        const std::string entryName = it->path().filename().string();
        if (equalIgnoringCase(entryName, name) && it->is_regular_file(error)) {
            return it->path();
        }
    }
    return std::nullopt;
}

} // namespace tarvik
