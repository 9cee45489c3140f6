// The questions the Camber Table window asks the user, as the core's table
// logic needs them answered.
//
// The baseline commands and the fill run in the core and call these at the
// points where the window shows a message box or an input box; the window
// implements them with its platform dialogs and the logic carries on with the
// answer. Tests implement them with scripted answers.
#pragma once

#include <optional>
#include <string>

namespace tarvik {

class TableDialogs
{
public:
    virtual ~TableDialogs() = default;

    // A message with an OK button, under the program's default title.
    virtual void note(const std::string &text) = 0;
    // A Yes/No question with its own title; true for Yes.
    virtual bool askYesNo(const std::string &title, const std::string &text) = 0;
    // A one-line input box. std::nullopt when the user cancelled; the typed
    // text, possibly empty, when the user pressed OK. The two must stay apart:
    // cancelling a comment keeps the old one, an empty OK empties it.
    virtual std::optional<std::string> askText(
        const std::string &title, const std::string &prompt, const std::string &defaultText)
        = 0;
};

} // namespace tarvik
