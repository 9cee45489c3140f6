// Whole-file reading and safe replacement of the program's small text files.
//
// A file is written to a new temporary file beside the target and renamed
// over it only once every byte is written and flushed, so a failed save
// leaves the previous file as it was. Failures come back as values whose
// message names the file and the reason.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvik {

struct WriteResult
{
    bool ok = false;
    std::string message; // names the file and the reason when !ok
};

struct ReadTextResult
{
    bool ok = false;
    std::string text;
    std::string message; // names the file and the reason when !ok
};

// Files larger than maxBytes are refused rather than read into memory.
ReadTextResult readTextFile(
    const std::filesystem::path &path, std::size_t maxBytes = 16u * 1024u * 1024u);
WriteResult replaceFileContents(const std::filesystem::path &path, std::string_view text);

// Lines joined with CR LF; a lone LF or lone CR in the text becomes CR LF.
std::string withCrLf(std::string_view text);

} // namespace tarvik
