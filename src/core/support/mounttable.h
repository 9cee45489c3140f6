// The mounted file systems, read from the kernel's mount table
// (/proc/self/mounts), as the list of places the file seek can search: on
// Linux these take the place of the old program's drive letters.
//
// A line of the table is "device mount-point type options dump pass", fields
// separated by blanks, with a blank, tab, line feed or backslash inside a
// field written as a backslash and three octal digits ("\040"). Kernel
// pseudo file systems (proc, sysfs, cgroup, ...) and memory-backed ones are
// not offered: no program a user installed lives there, and some of them
// (proc) are effectively endless to walk.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

struct MountEntry
{
    std::string device;
    std::string mountPoint;
    std::string type;

    friend bool operator==(const MountEntry &, const MountEntry &) = default;
};

// A mount table is a few kilobytes even on busy machines; more than this is
// not a mount table and is not read.
inline constexpr std::size_t kMaxMountTableBytes = 4 * 1024 * 1024;

// Parses the text of a mount table. Lines with fewer than three fields or a
// mount point that is not absolute are skipped; never fails.
std::vector<MountEntry> parseMountTable(std::string_view text);

// The text of a mount table file. Files under /proc report a size of 0, so
// the file is read as a stream up to maxBytes; nothing when it cannot be
// opened or is longer than that.
std::optional<std::string> readMountTableText(
    const std::filesystem::path &file, std::size_t maxBytes = kMaxMountTableBytes);

// True for kernel pseudo and memory-backed file system types.
bool isPseudoFileSystem(std::string_view type);

// The mount points worth searching, "/" first and then in table order, each
// once, pseudo file systems left out. "/" is always there, even when the
// table does not list it.
std::vector<std::string> searchableMountPoints(const std::vector<MountEntry> &table);

// searchableMountPoints of the running system's table; just "/" when the
// table cannot be read.
std::vector<std::string> mountedFileSystems(
    const std::filesystem::path &tableFile = "/proc/self/mounts");

} // namespace tarvik
