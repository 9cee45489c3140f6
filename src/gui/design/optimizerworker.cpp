// The search thread of the pick-up point window; see optimizerworker.h.
#include "gui/design/optimizerworker.h"

#include <QMetaObject>

namespace tarvik::gui {

OptimizerWorker::OptimizerWorker(QObject *parent)
    : QObject(parent)
{
}

OptimizerWorker::~OptimizerWorker()
{
    stop();
}

bool OptimizerWorker::start(DesignProblem problem, OptimizerOptions options)
{
    if (isRunning()) {
        return false;
    }
    m_optimizer = std::make_unique<PickupOptimizer>(std::move(problem), std::move(options));
    const unsigned run = ++m_run;
    PickupOptimizer *optimizer = m_optimizer.get();
    m_thread = std::thread([this, optimizer, run] {
        const OptimizerResult result = optimizer->run();
        // Handed to the worker's own thread; dropped if the worker is gone.
        QMetaObject::invokeMethod(
            this,
            [this, result, run] {
                if (run == m_run && m_thread.joinable()) {
                    done(result);
                }
            },
            Qt::QueuedConnection);
    });
    return true;
}

OptimizerProgress OptimizerWorker::progress() const
{
    return m_optimizer ? m_optimizer->progress() : OptimizerProgress {};
}

void OptimizerWorker::cancel()
{
    if (m_optimizer) {
        m_optimizer->cancel();
    }
}

void OptimizerWorker::stop()
{
    if (m_thread.joinable()) {
        m_optimizer->cancel();
        m_thread.join();
        ++m_run; // its queued answer, if any, is stale now
    }
}

void OptimizerWorker::done(const OptimizerResult &result)
{
    m_thread.join(); // it has handed over its answer and is ending
    emit finished(result);
}

} // namespace tarvik::gui
