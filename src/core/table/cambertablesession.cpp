// The table window's fill and activation rules (see cambertablesession.h).
#include "core/table/cambertablesession.h"

#include "core/table/tabledialogs.h"

#include <utility>

namespace tarvik {

CamberTableSession::CamberTableSession(
    const TableSpec &tableSpec, BaselineState &baseline, Sweep sweep, TableDialogs &dialogs)
    : m_tableSpec(&tableSpec)
    , m_baseline(&baseline)
    , m_sweep(std::move(sweep))
    , m_dialogs(&dialogs)
    , m_menuCaption(baselineMenuCaption(baseline))
{
}

bool CamberTableSession::refillDueOnActivation()
{
    if (*m_tableSpec != m_specCopy) {
        m_needsRefill = true;
    }
    return m_needsRefill;
}

void CamberTableSession::fill()
{
    m_specCopy = *m_tableSpec;
    // The spec check comes before the sweep so the user reads why the base
    // rows are missing before the table grows without them.
    if (m_baseline->shown() && !baselineMatches(*m_baseline, m_specCopy)) {
        m_dialogs->note(baselineMismatchMessage(*m_baseline));
        m_baseline->ShowBaseline = 0;
    }
    m_menuCaption = baselineMenuCaption(*m_baseline);
    m_table = m_sweep(m_specCopy, *m_baseline);
    m_filled = true;
    m_needsRefill = false;
    if (!m_table.refusal.empty()) {
        m_dialogs->note(m_table.refusal);
    }
}

void CamberTableSession::unload()
{
    if (m_filled && m_baseline->BaselineIsSaved == 0) {
        copyTableToBaseline(m_table, m_specCopy, *m_baseline);
    }
}

} // namespace tarvik
