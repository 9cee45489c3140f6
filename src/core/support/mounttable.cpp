// Mount table reading; see mounttable.h.
#include "core/support/mounttable.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace tarvik {

namespace {

constexpr std::array<std::string_view, 24> kPseudoTypes { "autofs", "binfmt_misc", "bpf", "cgroup",
    "cgroup2", "configfs", "debugfs", "devpts", "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
    "mqueue", "nsfs", "proc", "pstore", "ramfs", "rpc_pipefs", "securityfs", "selinuxfs", "sysfs",
    "tmpfs", "tracefs", "fuse.gvfsd-fuse" };

bool isOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

// Undoes the kernel's "\ooo" escapes; anything else is kept as it stands.
std::string unescapeField(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '3'
            && isOctalDigit(field[i + 2]) && isOctalDigit(field[i + 3])) {
            const int value
                = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            out += static_cast<char>(static_cast<unsigned char>(value));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Splits one line at runs of blanks, at most three fields are needed.
std::vector<std::string_view> leadingFields(std::string_view line, std::size_t count)
{
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (fields.size() < count) {
        while (i < line.size() && isBlank(line[i])) {
            ++i;
        }
        if (i >= line.size()) {
            break;
        }
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) {
            ++i;
        }
        fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

} // namespace

std::vector<MountEntry> parseMountTable(std::string_view text)
{
    std::vector<MountEntry> table;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        const auto fields = leadingFields(line, 3);
        if (fields.size() < 3) {
            continue;
        }
        MountEntry entry { unescapeField(fields[0]), unescapeField(fields[1]),
            unescapeField(fields[2]) };
        if (entry.mountPoint.empty() || entry.mountPoint.front() != '/') {
            continue;
        }
        table.push_back(std::move(entry));
    }
    return table;
}

std::optional<std::string> readMountTableText(
    const std::filesystem::path &file, std::size_t maxBytes)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text;
    std::array<char, 8192> buffer {};
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto got = static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0));
        if (text.size() + got > maxBytes) {
            return std::nullopt;
        }
        text.append(buffer.data(), got);
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return text;
}

bool isPseudoFileSystem(std::string_view type)
{
    return std::find(kPseudoTypes.begin(), kPseudoTypes.end(), type) != kPseudoTypes.end();
}

std::vector<std::string> searchableMountPoints(const std::vector<MountEntry> &table)
{
    std::vector<std::string> points { "/" };
    for (const MountEntry &entry : table) {
        if (isPseudoFileSystem(entry.type)
            || std::find(points.begin(), points.end(), entry.mountPoint) != points.end()) {
            continue;
        }
        points.push_back(entry.mountPoint);
    }
    return points;
}

std::vector<std::string> mountedFileSystems(const std::filesystem::path &tableFile)
{
    const auto text = readMountTableText(tableFile);
    if (!text) {
        return { "/" };
    }
    return searchableMountPoints(parseMountTable(*text));
}

} // namespace tarvik
