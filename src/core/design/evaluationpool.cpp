// The optimizer's worker threads (see evaluationpool.h).
#include "core/design/evaluationpool.h"

namespace tarvik {

EvaluationPool::EvaluationPool(int threads)
{
    if (threads <= 0) {
        threads = static_cast<int>(std::thread::hardware_concurrency());
    }
    for (int worker = 1; worker < threads; ++worker) {
        m_threads.emplace_back([this, worker] { workerLoop(worker); });
    }
}

EvaluationPool::~EvaluationPool()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    for (std::thread &t : m_threads) {
        t.join();
    }
}

void EvaluationPool::forEach(std::size_t count, const Task &task)
{
    if (m_threads.empty() || count <= 1) {
        for (std::size_t i = 0; i < count; ++i) {
            task(i, 0);
        }
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_task = &task;
        m_count = count;
        m_next.store(0);
        m_busy = m_threads.size();
        ++m_batch;
    }
    m_wake.notify_all();
    drain(task, count, 0);
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return m_busy == 0; });
    m_task = nullptr;
}

void EvaluationPool::drain(const Task &task, std::size_t count, int worker)
{
    for (;;) {
        const std::size_t index = m_next.fetch_add(1);
        if (index >= count) {
            return;
        }
        task(index, worker);
    }
}

void EvaluationPool::workerLoop(int worker)
{
    std::uint64_t seen = 0;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [&] { return m_stop || m_batch != seen; });
        if (m_stop) {
            return;
        }
        seen = m_batch;
        const Task *task = m_task;
        const std::size_t count = m_count;
        lock.unlock();
        drain(*task, count, worker);
        lock.lock();
        if (--m_busy == 0) {
            m_done.notify_one();
        }
    }
}

} // namespace tarvik
