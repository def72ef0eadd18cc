#include "tools/chart/worker_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace {

// Each run gives every worker below its count the job once, the caller the
// first, and returns only when all are done; a run for fewer workers leaves
// the rest idle; the threads end with the pool, each saying so.
TEST(WorkerPool, EachRunGivesEveryWorkerItsJobOnceAndWaitsForAll) {
    std::atomic<int> ended{0};
    {
        WorkerPool pool(3, [&ended] { ++ended; });
        ASSERT_EQ(pool.size(), 3U);
        const auto caller = std::this_thread::get_id();
        for (const std::size_t count : {3U, 1U, 2U, 3U, 0U, 3U}) {
            std::vector<std::atomic<int>> runs(pool.size());
            std::thread::id first;
            pool.run(count, [&](std::size_t w) {
                if (w == 0) {
                    first = std::this_thread::get_id();
                }
                ++runs[w];
            });
            for (std::size_t w = 0; w < pool.size(); ++w) {
                EXPECT_EQ(runs[w].load(), w < count ? 1 : 0) << "worker " << w << " of " << count;
            }
            if (count > 0) {
                EXPECT_EQ(first, caller);
            }
        }
        EXPECT_EQ(ended.load(), 0);
    }
    EXPECT_EQ(ended.load(), 2);
}

} // namespace
