// The titled text files of the text folder: help pages and similar short
// texts that open with a title line.
//
// Layout: line 1 is the title, line 2 starts the body, and every further line
// is added to the body by its first character: an ordinary line (including an
// empty one) joins the paragraph after one space; a line of exactly one space
// ends the paragraph with a CR; an indented line is added as it is and ends
// with a CR, so it stands on a line of its own. The body therefore holds CR
// (character 13 alone) as its only line break. Lines may end in CR LF or LF.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvik {

struct TitledText
{
    std::string title;
    std::string body;
};

// Builds title and body from the text of a file held in memory. Never fails:
// empty text gives an empty title and body, one line gives a title only.
TitledText parseTitledText(std::string_view text);

// Reads the file `fileName` (matched ignoring case) in `folder`. A missing,
// unreadable or oversized file gives an empty title and body: help that
// cannot be found shows an empty page rather than an error.
TitledText readTitledText(const std::filesystem::path &folder, std::string_view fileName);

} // namespace tarvik
