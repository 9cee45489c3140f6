// What the calculation window is asked to show: message boxes with their
// exact texts, titles, buttons, icon and default button, as plain values, so
// that the window only has to put them on the screen and tests can read them.
//
// Texts use a carriage return ('\r') as their only line break; "\r\r" is the
// break between two paragraphs of one message.
#pragma once

#include <string>
#include <vector>

namespace tarvik {

enum class CalcButtons { Ok, YesNo, YesNoCancel };
enum class CalcIcon { None, Information, Question, Exclamation };
enum class CalcAnswer { Ok, Yes, No, Cancel };

struct CalcMessage
{
    // Empty: the program's own title. A single blank is a title of its own.
    std::string title;
    std::string text;
    CalcButtons buttons = CalcButtons::Ok;
    CalcIcon icon = CalcIcon::None;
    int defaultButton = 0; // 0 the first button, 1 the second, ...

    friend bool operator==(const CalcMessage &, const CalcMessage &) = default;
};

// What an operation of the window asks the screen to do besides showing the
// new state: messages (OK only) in the order they are to be shown, and
// whether the box that was left keeps the focus (a refused value).
struct CalcFeedback
{
    std::vector<CalcMessage> messages;
    bool keepFocus = false;
};

} // namespace tarvik
