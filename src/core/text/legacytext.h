// Text from files written by older programs. Our files are UTF-8; files from
// older Windows programs hold single-byte Windows-1252 text (a degree sign is
// the one byte 0xB0 there), which is not valid UTF-8. Such text is turned
// into UTF-8 when read, so that it survives an open and save unchanged in
// meaning instead of becoming replacement characters.
#pragma once

#include <string>
#include <string_view>

namespace tarvik {

bool isValidUtf8(std::string_view text);

// The text as UTF-8: unchanged when it already is valid UTF-8, else read
// byte by byte as Windows-1252 (the five bytes that code page leaves
// undefined are kept as the Latin-1 control characters they number).
std::string utf8FromLegacy(std::string_view text);

} // namespace tarvik
