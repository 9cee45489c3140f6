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
    for (std::size_t q = 0; q < m_baselines.size(); ++q) {
        m_baselines[q] = &m_ownBaselines[q];
    }
    m_baselines[static_cast<std::size_t>(quantityIndex(TableQuantity::Camber))] = &baseline;
}

void CamberTableSession::checkBaselineSpec()
{
    if (m_baseline->shown() && !baselineMatches(*m_baseline, m_specCopy)) {
        m_dialogs->note(baselineMismatchMessage(*m_baseline));
        m_baseline->ShowBaseline = 0;
    }
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
    checkBaselineSpec();
    m_menuCaption = baselineMenuCaption(*m_baseline);
    m_table = m_sweep(m_specCopy, *m_baseline);
    if (m_table.quantity != m_quantity) {
        m_table = tableForQuantity(m_table, m_quantity, *m_baseline);
    }
    m_filled = true;
    m_needsRefill = false;
    if (!m_table.refusal.empty()) {
        m_dialogs->note(m_table.refusal);
    }
}

void CamberTableSession::unload()
{
    if (!m_filled) {
        return;
    }
    for (const TableQuantity q : kTableQuantities) {
        BaselineState &baseline = *m_baselines[static_cast<std::size_t>(quantityIndex(q))];
        if (baseline.BaselineIsSaved != 0) {
            continue;
        }
        if (q == m_table.quantity) {
            copyTableToBaseline(m_table, m_specCopy, baseline);
        } else {
            copyTableToBaseline(tableForQuantity(m_table, q, baseline), m_specCopy, baseline);
        }
    }
}

void CamberTableSession::setQuantityBaseline(TableQuantity quantity, BaselineState &baseline)
{
    const int index = quantityIndex(quantity);
    if (index < 0 || index >= kTableQuantityCount) {
        return;
    }
    m_baselines[static_cast<std::size_t>(index)] = &baseline;
    if (quantity == m_quantity) {
        m_baseline = &baseline;
        m_menuCaption = baselineMenuCaption(baseline);
    }
}

void CamberTableSession::showQuantity(TableQuantity quantity)
{
    const int index = quantityIndex(quantity);
    if (index < 0 || index >= kTableQuantityCount) {
        return;
    }
    m_quantity = quantity;
    m_baseline = m_baselines[static_cast<std::size_t>(index)];
    if (m_filled) {
        checkBaselineSpec();
        m_table = tableForQuantity(m_table, quantity, *m_baseline);
    }
    m_menuCaption = baselineMenuCaption(*m_baseline);
}

} // namespace tarvik
