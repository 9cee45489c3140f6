// Crash-recovery copies: a three-line header over a vehicle file.
#include "core/layout/recoveryfile.h"

#include <charconv>

namespace tarvik {

namespace {

std::string escapedPath(std::string_view path)
{
    std::string out;
    for (const char c : path) {
        if (c == '%')
            out += "%25";
        else if (c == '\r')
            out += "%0D";
        else if (c == '\n')
            out += "%0A";
        else
            out += c;
    }
    return out;
}

// False on an escape other than the three written.
bool unescapePath(std::string_view text, std::string &path)
{
    path.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            path += text[i];
            continue;
        }
        const std::string_view code = text.substr(i + 1, 2);
        if (code == "25")
            path += '%';
        else if (code == "0D")
            path += '\r';
        else if (code == "0A")
            path += '\n';
        else
            return false;
        i += 2;
    }
    return true;
}

// The next line without its end (CR LF or LF); false when no line end follows.
bool takeLine(std::string_view &text, std::string_view &line)
{
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos)
        return false;
    line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    text.remove_prefix(end + 1);
    return true;
}

} // namespace

std::string recoveryFileText(const RecoveryData &data)
{
    return std::string(kRecoveryMagic) + "\r\n" + escapedPath(data.file) + "\r\n"
        + std::to_string(data.savedAt) + "\r\n" + vehicleFileText(data.layout);
}

RecoveryReadResult parseRecoveryText(std::string_view text)
{
    RecoveryReadResult out;
    std::string_view magic;
    std::string_view path;
    std::string_view time;
    if (!takeLine(text, magic) || magic != kRecoveryMagic || !takeLine(text, path)
        || !takeLine(text, time))
        return out;
    RecoveryData data;
    if (path.empty() || !unescapePath(path, data.file))
        return out;
    const auto [end, error] = std::from_chars(time.data(), time.data() + time.size(), data.savedAt);
    if (error != std::errc() || end != time.data() + time.size())
        return out;
    VehicleReadResult layout = parseVehicleText(text);
    if (!layout.ok)
        return out;
    data.layout = std::move(layout.data);
    out.data = std::move(data);
    out.ok = true;
    return out;
}

RecoveryReadResult readRecoveryFile(const std::filesystem::path &path)
{
    const ReadTextResult file = readTextFile(path, 1024u * 1024u);
    return file.ok ? parseRecoveryText(file.text) : RecoveryReadResult {};
}

WriteResult writeRecoveryFile(const std::filesystem::path &path, const RecoveryData &data)
{
    return replaceFileContents(path, recoveryFileText(data));
}

} // namespace tarvik
