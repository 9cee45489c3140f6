// The Camber Table window's "Baseline" menu: one call per menu item, the
// show-baseline question and the check marks.
//
// Every item works on the program-wide baseline state and the table of the
// session, asks its questions through the session's TableDialogs and refills
// the table through the session when the item changes what the table shows.
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

class BaselineMenu
{
public:
    explicit BaselineMenu(CamberTableSession &session)
        : m_session(&session)
    {
    }

    void showBaselineData(); // "Show Baseline Data"
    void hideBaselineData(); // "Hide Baseline Data"
    void baselineComment(); // "Baseline Comment"
    void previousTableIsBaseline(); // "Previous Table is Baseline Data"
    void savedTableIsBaseline(); // "Saved Table is Baseline Data"
    // "Save This Data as Baseline"; false when the comment input was
    // cancelled and nothing was saved.
    bool saveThisDataAsBaseline();

    // The show-baseline question: asked only while the baseline is hidden;
    // Yes shows it and refills the table.
    void askShowBaseline();

    BaselineMenuChecks checks() const;

private:
    // The save; offerToShow asks the show-baseline question when hidden.
    bool save(bool offerToShow);

    CamberTableSession *m_session;
};

} // namespace tarvik
