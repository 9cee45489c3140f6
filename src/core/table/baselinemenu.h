// The Camber Table window's "Baseline" menu: one call per menu item, the
// show-baseline question and the check marks.
//
// Every item works on the program-wide baseline state and the table of the
// session, and refills the table through the session when the item changes
// what the table shows. An item asks by handing its question back: the
// window calls next() with the answers so far, shows the step's notes, asks
// the step's question and calls next() again with the answer added; when a
// step has no question the window calls finish() with the same answers.
// Nothing changes before finish(), which applies the item's changes in the
// order the item makes them: the comment, the saved/previous mode, the copy
// of the table into the baseline, ShowBaseline, the refill.
//
// Three choices differ from the old program, which lost the user's data on a
// cancelled input box and asked up to four questions in a row:
//   - cancelling the "Baseline Comment" input keeps the old comment (OK with
//     an empty text still empties it);
//   - cancelling the comment input of "Save This Data as Baseline" abandons
//     the save: the saved baseline, its spec, its comment and the mode stay as
//     they were, and the item that started the save asks nothing further;
//   - an item asks at most two questions in a row: the show-baseline
//     question comes once, and not after "Save New Baseline?" and the comment
//     (the baseline can be shown from the menu); the notes that introduce a
//     step stay.
#pragma once

#include "core/table/tabledialogs.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvik {

class CamberTableSession;
struct BaselineState;

// Which items carry a check mark; set each time the menu opens.
struct BaselineMenuChecks
{
    bool showBaseline = false; // "Show Baseline Data"
    bool hideBaseline = false; // "Hide Baseline Data"
    bool previousIsBaseline = false; // "Previous Table is Baseline Data"
    bool savedIsBaseline = false; // "Saved Table is Baseline Data"

    friend bool operator==(const BaselineMenuChecks &, const BaselineMenuChecks &) = default;
};

BaselineMenuChecks baselineMenuChecks(const BaselineState &baseline);

enum class BaselineItem {
    ShowBaselineData, // "Show Baseline Data"
    HideBaselineData, // "Hide Baseline Data"
    BaselineComment, // "Baseline Comment"
    PreviousTableIsBaseline, // "Previous Table is Baseline Data"
    SavedTableIsBaseline, // "Saved Table is Baseline Data"
    SaveThisDataAsBaseline // "Save This Data as Baseline"
};

// What an item shows next: its notes (each in an OK box), then its question
// when it has one.
struct BaselineStep
{
    std::vector<std::string> notes;
    std::optional<TableQuestion> question;

    friend bool operator==(const BaselineStep &, const BaselineStep &) = default;
};

class BaselineMenu
{
public:
    explicit BaselineMenu(CamberTableSession &session)
        : m_session(&session)
    {
    }

    // What item shows after the given answers; changes nothing.
    BaselineStep next(BaselineItem item, const TableAnswers &answers) const;
    // Applies item for the given answers, all of them in (next() has no
    // question left); a missing answer counts as No or Cancel.
    void finish(BaselineItem item, const TableAnswers &answers);

    BaselineMenuChecks checks() const;

private:
    struct Plan;
    class Walk;

    // Runs item over answers: fills step with what comes after the last
    // answer, and plan with the changes once every question is answered.
    void walk(BaselineItem item, Walk &walk, Plan &plan) const;
    void save(bool offerToShow, Walk &walk, Plan &plan) const;
    void offerToShow(Walk &walk, Plan &plan) const;

    CamberTableSession *m_session;
};

} // namespace tarvik
