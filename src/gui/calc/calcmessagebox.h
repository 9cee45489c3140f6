// The calculation window's messages on the screen. The core hands them over
// as plain values (text, title, buttons, icon, default button); this puts
// one through the Platform exactly as given and turns the user's button
// back into the core's answer. An empty title is the program's own.
#pragma once

#include "core/calc/calcmessage.h"

#include <QString>
#include <string_view>

class QWidget;

namespace tarvik::gui {

class Platform;

CalcAnswer showCalcMessage(Platform &platform, QWidget *parent, const CalcMessage &message);

// A core text as a label shows it: the program's CR line breaks become LF,
// and bytes of an old code page are read as Latin-1 (see shippedtextdisplay.h).
QString calcLabelText(std::string_view text);

} // namespace tarvik::gui
