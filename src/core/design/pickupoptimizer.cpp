// The pick-up point optimizer: the run's owner, its stop rules and progress
// (the search itself is OptimizerRun, optimizerrun.h).
#include "core/design/pickupoptimizer.h"

#include "core/design/optimizerrun.h"

namespace tarvik {

PickupOptimizer::PickupOptimizer(DesignProblem problem, OptimizerOptions options)
    : m_problem(std::move(problem))
    , m_options(std::move(options))
{
}

OptimizerResult PickupOptimizer::run()
{
    m_started = std::chrono::steady_clock::now();
    m_lastCallback = m_started;
    OptimizerResult refused;
    refused.refusal = designProblemRefusal(m_problem);
    if (!refused.refusal.empty()) {
        return refused;
    }
    OptimizerRun search(*this);
    return search.run();
}

bool PickupOptimizer::stopRequested() const
{
    if (m_cancel.load(std::memory_order_relaxed) || m_timedOut.load(std::memory_order_relaxed)) {
        return true;
    }
    if (m_options.timeLimitS > 0
        && std::chrono::duration<double>(std::chrono::steady_clock::now() - m_started).count()
            > m_options.timeLimitS) {
        m_timedOut.store(true);
        return true;
    }
    return false;
}

OptimizerProgress PickupOptimizer::progress() const
{
    const std::lock_guard lock(m_progressMutex);
    OptimizerProgress p = m_progress;
    p.evaluations = m_evaluations.load();
    return p;
}

void PickupOptimizer::publish(OptimizerProgress snapshot, bool force)
{
    const auto now = std::chrono::steady_clock::now();
    snapshot.elapsedS = std::chrono::duration<double>(now - m_started).count();
    snapshot.evaluations = m_evaluations.load();
    {
        const std::lock_guard lock(m_progressMutex);
        m_progress = snapshot;
    }
    if (!m_options.onProgress) {
        return;
    }
    if (force
        || std::chrono::duration<double>(now - m_lastCallback).count()
            >= m_options.progressIntervalS) {
        m_lastCallback = now;
        m_options.onProgress(snapshot);
    }
}

} // namespace tarvik
