#include "tools/chart/worker_pool.h"

#include <utility>

WorkerPool::WorkerPool(std::size_t workers, std::function<void()> atEnd)
    : atEnd_(std::move(atEnd)) {
    for (std::size_t w = 1; w < workers; ++w) {
        threads_.emplace_back([this, w] { loop(w); });
    }
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    started_.notify_all();
    for (std::thread& thread : threads_) {
        thread.join();
    }
}

void WorkerPool::run(std::size_t count, const std::function<void(std::size_t)>& job) {
    if (count == 0) {
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        job_ = &job;
        count_ = count;
        busy_ = count - 1;
        ++generation_;
    }
    started_.notify_all();
    job(0);
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return busy_ == 0; });
    job_ = nullptr;
}

void WorkerPool::loop(std::size_t w) {
    unsigned long seen = 0;
    for (;;) {
        const std::function<void(std::size_t)>* job = nullptr;
        {
            std::unique_lock lock(mutex_);
            started_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_) {
                break;
            }
            seen = generation_;
            if (w < count_) {
                job = job_;
            }
        }
        if (job == nullptr) {
            continue;
        }
        (*job)(w);
        {
            const std::lock_guard lock(mutex_);
            --busy_;
        }
        finished_.notify_one();
    }
    atEnd_();
}
