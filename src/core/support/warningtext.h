// The start-up warning text: the file "WARNING.TXT" of the text folder.
//
// Unlike a titled text, every line is kept as it stands: the lines are joined
// with CR LF between them. At most kMaxWarningLines lines are read; further
// lines are ignored rather than overrunning the line table. A text of exactly
// three spaces means "no warning this time" to the window that shows it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvik {

inline constexpr std::size_t kMaxWarningLines = 31;
inline constexpr const char *kWarningFileName = "WARNING.TXT";
// The warning kind opened at start-up; its window runs the decimal-symbol
// check when it closes.
inline constexpr int kStartupWarningKind = 1;

std::string parseWarningText(std::string_view text);

// The warning text read from folder (file name matched ignoring case); empty
// when the file is missing, unreadable or oversized.
std::string readWarningText(const std::filesystem::path &folder);

// True for the "no warning" text: exactly three spaces.
bool isBlankWarning(std::string_view text);

} // namespace tarvik
