// Small helpers for the shipped text files (help pages, the warning text).
//
// The shipped files are read whole, bounded in size, and split into lines
// that may end in CR LF or LF. File names inside the data folder are matched
// without regard to case, because the files were named in mixed case over the
// years ("WARNING.TXT", "helpm0.txt") and a case-sensitive file system must
// still find them.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// Help and warning pages are a few kilobytes; anything beyond this is not one
// of ours and is refused rather than read into memory.
inline constexpr std::size_t kMaxShippedTextBytes = 1024 * 1024;

// The whole file as bytes, or nothing when it is missing, unreadable, not a
// regular file or larger than maxBytes.
std::optional<std::string> readSmallTextFile(
    const std::filesystem::path &path, std::size_t maxBytes = kMaxShippedTextBytes);

// Splits text into lines. A line ends at LF; one CR just before the LF is
// dropped. A last line without a line end still counts; a line end at the
// very end does not start another line. A leading UTF-8 byte-order mark is
// skipped. Empty text has no lines.
std::vector<std::string_view> splitTextLines(std::string_view text);

// folder / name when it exists, else the first entry of folder whose name
// equals name ignoring ASCII case; nothing when neither is found.
std::optional<std::filesystem::path> findFileIgnoringCase(
    const std::filesystem::path &folder, std::string_view name);

} // namespace tarvik
