// Stand-ins the table tests share: an engine whose numbers are known
// functions of the dive and roll texts it is given, so every cell can be
// checked by hand, and table dialogs that replay scripted answers.
#pragma once

#include "core/geometry/engine.h"
#include "core/layout/specrecord.h"
#include "core/table/baseline.h"
#include "core/table/baselinemenu.h"
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
    const double d = std::stod(in.entries[Entry::dive()]);
    const double r = std::stod(in.entries[Entry::roll()]);
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

// Logs "note:" + text for each note, "ask:" + title for a Yes/No question and
// title + ":" + default text for an input, and replays the scripted answers
// in order; an unscripted question fails the test.
class ScriptedDialogs : public TableDialogs
{
public:
    std::deque<bool> yesNo;
    std::deque<std::optional<std::string>> texts;
    std::vector<std::string> log;

    void note(const std::string &text) override { log.push_back("note:" + text); }
    TableAnswer ask(const TableQuestion &question)
    {
        if (question.kind == TableQuestion::Kind::YesNo) {
            log.push_back("ask:" + question.title);
            return TableAnswer::yesNo(next(yesNo, false));
        }
        log.push_back(question.title + ":" + question.defaultText);
        return TableAnswer::typed(next(texts, std::optional<std::string>()));
    }

    // Runs a "Baseline" item as the window does: each step's notes, its
    // question, the next step with the answer added; then the changes.
    // Checks that nothing changes before the last answer is in.
    void run(BaselineMenu &menu, BaselineItem item, const BaselineState &state)
    {
        TableAnswers answers;
        const BaselineState before = state;
        for (;;) {
            const BaselineStep step = menu.next(item, answers);
            for (const std::string &text : step.notes) {
                note(text);
            }
            if (!step.question) {
                break;
            }
            answers.push_back(ask(*step.question));
            EXPECT_EQ(state, before) << "changed before its last answer";
        }
        menu.finish(item, answers);
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
