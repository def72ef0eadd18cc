#pragma once

// Threads kept for a whole batch, one for each processor but the caller's,
// so that each keeps what it opened (the ephemeris files) from one block of
// lines to the next.

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class WorkerPool {
public:
    // atEnd runs on each thread before it ends.
    WorkerPool(std::size_t workers, std::function<void()> atEnd);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    std::size_t size() const { return threads_.size() + 1; }

    // Runs job(w) for every w below count (at most size()), the caller taking
    // 0; returns when all have finished.
    void run(std::size_t count, const std::function<void(std::size_t)>& job);

private:
    void loop(std::size_t w);

    std::function<void()> atEnd_;
    std::mutex mutex_;
    std::condition_variable started_;
    std::condition_variable finished_;
    const std::function<void(std::size_t)>* job_ = nullptr;
    std::size_t count_ = 0;
    std::size_t busy_ = 0;
    unsigned long generation_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};
