// Stand-ins the table tests share: an engine whose numbers are known
// functions of the dive and roll texts it is given, so every cell can be
// checked by hand, and table dialogs that replay scripted answers.
#pragma once

#include "core/geometry/engine.h"
#include "core/layout/specrecord.h"
#include "core/table/baseline.h"
#include "core/table/tabledialogs.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvik::test {

// Right camber = offset + 10 x dive + roll, left = -(right); the moved roll
// centre at height 4 - dive and lateral roll / 2 (toward the car's left for
// positive roll).
inline EngineOutput linearEngine(const EngineInput &in, double offset = 0)
{
    const double d = std::stod(in.entries[kDiveEntry]);
    const double r = std::stod(in.entries[kRollEntry]);
    EngineOutput out;
    out.camber = { offset + 10 * d + r, -(offset + 10 * d + r) };
    out.movedPass = PassSolution {};
    out.movedPass->rollCenter = { static_cast<float>(r / 2), static_cast<float>(4 - d) };
    return out;
}

// Every baseline cell of both sides reads cellText.
inline BaselineState filledBaseline(const TableSpec &spec, const char *cellText, bool shown = true)
{
    BaselineState b;
    b.BaselineSpec = spec;
    b.ShowBaseline = shown ? 1 : 0;
    for (BaselineSide &side : b.BaselineData) {
        for (auto &row : side) {
            row.fill(cellText);
        }
    }
    return b;
}

// Replays answers in order and logs "note:" + text, "ask:" + title and
// title + ":" + default text; an unscripted question fails the test.
class ScriptedDialogs : public TableDialogs
{
public:
    std::deque<bool> yesNo;
    std::deque<std::optional<std::string>> texts;
    std::vector<std::string> log;

    void note(const std::string &text) override { log.push_back("note:" + text); }
    bool askYesNo(const std::string &title, const std::string &) override
    {
        log.push_back("ask:" + title);
        return next(yesNo, false);
    }
    std::optional<std::string> askText(
        const std::string &title, const std::string &, const std::string &defaultText) override
    {
        log.push_back(title + ":" + defaultText);
        return next(texts, std::optional<std::string>());
    }

private:
    template <typename T> static T next(std::deque<T> &answers, T fallback)
    {
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted question";
            return fallback;
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace tarvik::test
