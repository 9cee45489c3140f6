// Whole-file reading and safe replacement of the program's small text files.
//
// A file is written to a new temporary file beside the target, flushed to
// the disk, and renamed over it; then the folder is flushed, so that after a
// power loss the name holds either the old or the new content, never an empty
// file. A failed save leaves the previous file as it was and no temporary
// behind. A file the user may not write (or one with no write permission at
// all, which is how a file is marked read-only) is refused rather than
// replaced, and a replaced file keeps its permissions; a symbolic link is
// followed, so the file it names is replaced and the link stays. Failures
// come back as values whose message names the file and the reason.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvik {

struct WriteResult
{
    bool ok = false;
    bool readOnly = false; // refused: the file is read-only; nothing was written
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

// The steps of a replacement, for tests that make one of them fail.
enum class WriteStep { Create, Write, Sync, Rename };
// Test seam: when set, the hook is asked before each step and a non-zero
// errno value it returns makes that step fail as the system would with that
// error. nullptr (the default) writes normally.
using WriteFaultHook = int (*)(WriteStep step);
void setWriteFaultHook(WriteFaultHook hook);

// Lines joined with CR LF; a lone LF or lone CR in the text becomes CR LF.
std::string withCrLf(std::string_view text);

} // namespace tarvik
