// The "Baseline" menu items (see baselinemenu.h).
#include "core/table/baselinemenu.h"

#include "core/table/baseline.h"
#include "core/table/cambertablesession.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace tarvik {

namespace {

TableQuestion yesNo(std::string title, std::string text)
{
    return TableQuestion { TableQuestion::Kind::YesNo, std::move(title), std::move(text), {} };
}

TableQuestion commentInput(const BaselineState &baseline)
{
    return TableQuestion { TableQuestion::Kind::Text, kBaselineCommentTitle, kBaselineCommentPrompt,
        baseline.BaselineComment };
}

} // namespace

// The changes an item makes once it has its answers, in the order applied.
struct BaselineMenu::Plan
{
    std::optional<std::string> comment;
    std::optional<int> saved; // BaselineIsSaved
    bool copyTable = false; // the shown table becomes the baseline
    std::optional<int> show; // ShowBaseline
    bool refill = false;
};

// Replays the answers got so far. Notes and the question after the last
// answer make the step; the notes before an answered question were shown
// already. Finishing, a question without an answer counts as No or Cancel.
class BaselineMenu::Walk
{
public:
    Walk(const TableAnswers &answers, bool finishing)
        : m_answers(answers)
        , m_finishing(finishing)
    {
    }

    void note(std::string text)
    {
        if (!m_step.question) {
            m_step.notes.push_back(std::move(text));
        }
    }

    // The answer to question; std::nullopt when it is still to be asked, and
    // the item stops there.
    std::optional<TableAnswer> ask(TableQuestion question)
    {
        if (m_step.question) {
            return std::nullopt; // stopped at an earlier question
        }
        if (m_next < m_answers.size()) {
            m_step.notes.clear();
            return m_answers[m_next++];
        }
        if (m_finishing) {
            m_step.notes.clear();
            return TableAnswer {};
        }
        m_step.question = std::move(question);
        return std::nullopt;
    }

    BaselineStep step() const { return m_step; }

private:
    const TableAnswers &m_answers;
    bool m_finishing;
    std::size_t m_next = 0;
    BaselineStep m_step;
};

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

BaselineStep BaselineMenu::next(BaselineItem item, const TableAnswers &answers) const
{
    Walk walk(answers, false);
    Plan plan;
    this->walk(item, walk, plan);
    return walk.step();
}

void BaselineMenu::finish(BaselineItem item, const TableAnswers &answers)
{
    Walk walk(answers, true);
    Plan plan;
    this->walk(item, walk, plan);
    BaselineState &baseline = m_session->baseline();
    if (plan.comment) {
        baseline.BaselineComment = *plan.comment;
    }
    if (plan.saved) {
        baseline.BaselineIsSaved = *plan.saved;
    }
    if (plan.copyTable) {
        // The table's own spec, not the program-wide one: the cells were
        // swept with it, and the spec check at the next fill relies on the pair.
        copyTableToBaseline(m_session->table(), m_session->tableSpecCopy(), baseline);
    }
    if (plan.show) {
        baseline.ShowBaseline = *plan.show;
    }
    if (plan.refill) {
        m_session->fill();
    }
}

void BaselineMenu::walk(BaselineItem item, Walk &walk, Plan &plan) const
{
    const BaselineState &baseline = m_session->baseline();
    switch (item) {
    case BaselineItem::ShowBaselineData:
    case BaselineItem::HideBaselineData:
        plan.show = item == BaselineItem::ShowBaselineData ? 1 : 0;
        plan.refill = true;
        return;
    case BaselineItem::BaselineComment:
        if (baseline.BaselineIsSaved != 1) {
            walk.note(kCommentOnlyWhenSaved);
        } else if (const std::optional<TableAnswer> answer = walk.ask(commentInput(baseline))) {
            plan.comment = answer->text; // Cancel keeps the comment
        }
        return;
    case BaselineItem::PreviousTableIsBaseline:
        if (baseline.BaselineIsSaved != 0) {
            const std::optional<TableAnswer> answer
                = walk.ask(yesNo(kAbandonSavedBaselineTitle, abandonSavedBaselineQuestion()));
            if (!answer || !answer->yes) {
                return;
            }
            plan.saved = 0;
            // No refill for this: the new baseline shows from the next fill on.
            plan.copyTable = true;
        } else {
            walk.note(kAlreadyPreviousMode);
        }
        offerToShow(walk, plan);
        return;
    case BaselineItem::SavedTableIsBaseline:
        // At most two questions in a row: the comment and the show question
        // for a first save; "Save New Baseline?" and the comment for a save
        // over the saved one, whose baseline the user can still show from
        // the menu.
        if (baseline.BaselineIsSaved != 1) {
            save(true, walk, plan);
        } else if (const std::optional<TableAnswer> answer
                   = walk.ask(yesNo(kSaveNewBaselineTitle, saveNewBaselineQuestion()));
                   answer && answer->yes) {
            save(false, walk, plan);
        }
        return;
    case BaselineItem::SaveThisDataAsBaseline:
        save(true, walk, plan);
        return;
    }
}

void BaselineMenu::save(bool offer, Walk &walk, Plan &plan) const
{
    const BaselineState &baseline = m_session->baseline();
    walk.note(saveBaselineNote(baseline));
    const std::optional<TableAnswer> answer = walk.ask(commentInput(baseline));
    if (!answer || !answer->text) {
        return; // a cancelled comment abandons the save
    }
    plan.comment = answer->text;
    plan.saved = 1;
    plan.copyTable = true;
    if (baseline.ShowBaseline != 0) {
        plan.refill = true;
    } else if (offer) {
        offerToShow(walk, plan);
    }
}

void BaselineMenu::offerToShow(Walk &walk, Plan &plan) const
{
    // Asked only while the baseline is hidden; Yes shows it and refills.
    if (m_session->baseline().ShowBaseline != 0) {
        return;
    }
    const std::optional<TableAnswer> answer
        = walk.ask(yesNo(kShowBaselineTitle, showBaselineQuestion()));
    if (answer && answer->yes) {
        plan.show = 1;
        plan.refill = true;
    }
}

} // namespace tarvik
