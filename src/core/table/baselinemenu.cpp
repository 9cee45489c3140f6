// The "Baseline" menu items (see baselinemenu.h).
#include "core/table/baselinemenu.h"

#include "core/table/baseline.h"
#include "core/table/cambertablesession.h"
#include "core/table/tabledialogs.h"

#include <optional>
#include <string>

namespace tarvik {

BaselineMenuChecks baselineMenuChecks(const BaselineState &baseline)
{
    BaselineMenuChecks checks;
    checks.showBaseline = baseline.ShowBaseline == 1;
    checks.hideBaseline = !checks.showBaseline;
    checks.savedIsBaseline = baseline.BaselineIsSaved == 1;
    checks.previousIsBaseline = !checks.savedIsBaseline;
    return checks;
}

BaselineMenuChecks BaselineMenu::checks() const
{
    return baselineMenuChecks(m_session->baseline());
}

void BaselineMenu::showBaselineData()
{
    m_session->baseline().ShowBaseline = 1;
    m_session->fill();
}

void BaselineMenu::hideBaselineData()
{
    m_session->baseline().ShowBaseline = 0;
    m_session->fill();
}

void BaselineMenu::askShowBaseline()
{
    if (m_session->baseline().ShowBaseline != 0) {
        return;
    }
    if (m_session->dialogs().askYesNo(kShowBaselineTitle, showBaselineQuestion())) {
        m_session->baseline().ShowBaseline = 1;
        m_session->fill();
    }
}

void BaselineMenu::baselineComment()
{
    BaselineState &baseline = m_session->baseline();
    if (baseline.BaselineIsSaved != 1) {
        m_session->dialogs().note(kCommentOnlyWhenSaved);
        return;
    }
    const std::optional<std::string> comment = m_session->dialogs().askText(
        kBaselineCommentTitle, kBaselineCommentPrompt, baseline.BaselineComment);
    if (comment) {
        baseline.BaselineComment = *comment;
    }
}

bool BaselineMenu::saveThisDataAsBaseline()
{
    return save(true);
}

bool BaselineMenu::save(bool offerToShow)
{
    TableDialogs &dialogs = m_session->dialogs();
    dialogs.note(saveBaselineNote(m_session->baseline()));
    const std::optional<std::string> comment = dialogs.askText(
        kBaselineCommentTitle, kBaselineCommentPrompt, m_session->baseline().BaselineComment);
    if (!comment) {
        return false;
    }
    BaselineState &baseline = m_session->baseline();
    baseline.BaselineComment = *comment;
    baseline.BaselineIsSaved = 1;
    // The table's own spec, not the program-wide one: the cells were swept
    // with it, and the spec check at the next fill relies on the pair.
    copyTableToBaseline(m_session->table(), m_session->tableSpecCopy(), baseline);
    if (baseline.ShowBaseline != 0) {
        m_session->fill();
    } else if (offerToShow) {
        askShowBaseline();
    }
    return true;
}

void BaselineMenu::savedTableIsBaseline()
{
    // At most two questions in a row: the comment and the show question for
    // a first save; "Save New Baseline?" and the comment for a save over the
    // saved one, whose baseline the user can still show from the menu.
    if (m_session->baseline().BaselineIsSaved != 1) {
        save(true);
    } else if (m_session->dialogs().askYesNo(kSaveNewBaselineTitle, saveNewBaselineQuestion())) {
        save(false);
    }
}

void BaselineMenu::previousTableIsBaseline()
{
    BaselineState &baseline = m_session->baseline();
    if (baseline.BaselineIsSaved != 0) {
        if (!m_session->dialogs().askYesNo(
                kAbandonSavedBaselineTitle, abandonSavedBaselineQuestion())) {
            return;
        }
        baseline.BaselineIsSaved = 0;
        // No refill here: the new baseline shows from the next fill on.
        copyTableToBaseline(m_session->table(), m_session->tableSpecCopy(), baseline);
    } else {
        m_session->dialogs().note(kAlreadyPreviousMode);
    }
    askShowBaseline();
}

} // namespace tarvik
