// Turning the bytes of the shipped text files into text for Qt labels.
//
// The files are plain text; old copies may be in a Windows code page rather
// than UTF-8, so bytes that are not valid UTF-8 are taken as Latin-1 instead
// of showing replacement marks. The readers mark line breaks with CR (help
// pages) or CR LF (warning text); labels want LF.
#pragma once

#include <QString>
#include <string_view>

namespace tarvik::gui {

QString decodeShippedText(std::string_view bytes);
QString withLabelLineBreaks(QString text);

// Twips, the old screen unit the window sizes are given in: 15 to a pixel at
// the usual 96 dots per inch.
constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}

} // namespace tarvik::gui
