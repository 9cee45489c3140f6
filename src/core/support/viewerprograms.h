// The outside programs the Help menu hands its documents to, by name, and
// the search-path lookup that finds them.
//
// Each list is in order of preference; the launchers (documentviewers.h) try
// the desktop's own handler first and these names after it. The file seek
// looks for one name per kind when none of them is on the search path
// (kPdfViewerSeekName, kWebBrowserSeekName). Seeks for any of these names
// accept a match in any folder: they are other vendors' programs, not ours,
// so they never sit beside our "*.qmk" files.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tarvik {

std::span<const std::string_view> pdfViewerPrograms();
std::span<const std::string_view> textViewerPrograms();
std::span<const std::string_view> webBrowserPrograms();

// The names the file seek looks for when no viewer of the kind is on the
// search path: the ones most often unpacked outside it.
inline constexpr std::string_view kPdfViewerSeekName = "evince";
inline constexpr std::string_view kWebBrowserSeekName = "firefox";

// True when name (ignoring ASCII case) is one of the programs above.
bool isKnownViewerProgram(std::string_view name);
// What a program above is, for messages: "PDF viewer", "text viewer" or
// "web browser"; "" for any other name.
std::string_view viewerKindName(std::string_view name);

// The first folder of searchPath (a PATH value: folders separated by ':')
// that holds an executable regular file called name, as folder + "/" + name;
// empty when there is none. Empty folders of the list (which would mean the
// current folder) are skipped, and a name holding '/' is refused: only bare
// program names are looked up.
std::string findExecutableOnPath(std::string_view name, std::string_view searchPath);

} // namespace tarvik
