// How the Camber Table's core logic talks to the user.
//
// Questions come back as values: a command that needs an answer returns a
// TableQuestion, the window asks it and calls the command again with every
// answer so far (TableAnswers); the command changes nothing until it has all
// the answers it needs. Notes, which take no answer, go to TableDialogs,
// which the window implements with its platform dialogs and tests with a log.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarvik {

struct TableQuestion
{
    enum class Kind {
        YesNo, // a Yes/No question with its own title
        Text // a one-line input box with a prompt and a starting text
    };
    Kind kind = Kind::YesNo;
    std::string title;
    std::string text; // the question, or the input's prompt
    std::string defaultText; // Text: what the input starts with

    friend bool operator==(const TableQuestion &, const TableQuestion &) = default;
};

struct TableAnswer
{
    bool yes = false; // YesNo: true for Yes
    // Text: std::nullopt when the user cancelled; the typed text, possibly
    // empty, when the user pressed OK. The two must stay apart: cancelling a
    // comment keeps the old one, an empty OK empties it.
    std::optional<std::string> text;

    static TableAnswer yesNo(bool yes) { return TableAnswer { yes, std::nullopt }; }
    static TableAnswer typed(std::optional<std::string> text)
    {
        return TableAnswer { false, std::move(text) };
    }
};

// The answers got so far, in the order the questions came.
using TableAnswers = std::vector<TableAnswer>;

class TableDialogs
{
public:
    virtual ~TableDialogs() = default;

    // A message with an OK button, under the program's default title.
    virtual void note(const std::string &text) = 0;
};

} // namespace tarvik
