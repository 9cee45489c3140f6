// One pick-up point search at a time on a thread of its own, so the window
// that started it stays live: the window polls progress() from a timer on
// its own thread, cancel() asks the search to stop with the best so far, and
// finished() brings the answer back to the thread that owns the worker.
// Destroying the worker cancels a running search and waits for its thread,
// so closing a window or leaving the program never leaves a search behind.
#pragma once

#include "core/design/pickupoptimizer.h"

#include <QObject>
#include <memory>
#include <thread>

namespace tarvik::gui {

class OptimizerWorker : public QObject
{
    Q_OBJECT
public:
    explicit OptimizerWorker(QObject *parent = nullptr);
    ~OptimizerWorker() override;

    // Starts a search; false while one still runs.
    bool start(DesignProblem problem, OptimizerOptions options);
    bool isRunning() const { return m_thread.joinable(); }
    // The running search's latest progress, or the last search's.
    OptimizerProgress progress() const;
    void cancel();
    // Cancels a running search and waits for its thread; finished() is not
    // sent for it.
    void stop();

signals:
    void finished(const tarvik::OptimizerResult &result);

private:
    void done(const OptimizerResult &result);

    std::unique_ptr<PickupOptimizer> m_optimizer;
    std::thread m_thread;
    unsigned m_run = 0; // which search a queued answer belongs to
};

} // namespace tarvik::gui
