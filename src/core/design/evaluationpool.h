// A fixed set of worker threads that run one batch of numbered tasks at a
// time: the optimizer's layout evaluations and its local searches.
//
// Tasks claim their index from a shared counter, so which worker runs which
// task depends on timing; callers keep results deterministic by making each
// task depend only on its index and storing its result by index. The thread
// that calls forEach works too, as worker 0.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tarvik {

class EvaluationPool
{
public:
    using Task = std::function<void(std::size_t index, int worker)>;

    // threads: workers including the caller; 0 or less means one per core.
    explicit EvaluationPool(int threads);
    ~EvaluationPool();
    EvaluationPool(const EvaluationPool &) = delete;
    EvaluationPool &operator=(const EvaluationPool &) = delete;

    int size() const { return static_cast<int>(m_threads.size()) + 1; }

    // Runs task(index, worker) once for every index below count, worker in
    // [0, size()); returns when all have run. Not reentrant.
    void forEach(std::size_t count, const Task &task);

private:
    void workerLoop(int worker);
    void drain(const Task &task, std::size_t count, int worker);

    std::vector<std::thread> m_threads;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    const Task *m_task = nullptr;
    std::size_t m_count = 0;
    std::atomic<std::size_t> m_next { 0 };
    std::size_t m_busy = 0; // workers not yet through the current batch
    std::uint64_t m_batch = 0;
    bool m_stop = false;
};

} // namespace tarvik
