// WorkerThread: suspended until Resume, runs once, at the lowest priority, joined on destruction.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <memory>

#include "platform/platform.h"

namespace {

TEST(WorkerThreadTest, NothingRunsWithoutResume)
{
    std::atomic<int> runs{0};
    {
        platform::WorkerThread worker([&] { ++runs; });
        EXPECT_FALSE(worker.Finished());
        worker.Join();
        EXPECT_FALSE(worker.Finished());
    }
    EXPECT_EQ(runs, 0);
}

TEST(WorkerThreadTest, ResumeRunsTheProcedureOnceAtTheLowestPriority)
{
    std::atomic<int> runs{0};
    std::atomic<int> policy{-1};
    std::atomic<int> niceness{0};
    platform::WorkerThread worker([&] {
        ++runs;
        policy = sched_getscheduler(0);
        niceness = getpriority(PRIO_PROCESS, 0);
    });
    worker.Resume();
    worker.Resume();
    worker.Join();
    EXPECT_TRUE(worker.Finished());
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(policy == SCHED_IDLE || niceness == 19) << "policy " << policy << " nice " << niceness;
}

TEST(WorkerThreadTest, DestructionWaitsForTheProcedure)
{
    std::atomic<bool> done{false};
    auto worker = std::make_unique<platform::WorkerThread>([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));  // still running when reset() begins
        done = true;
    });
    worker->Resume();
    worker.reset();
    EXPECT_TRUE(done);
}

}  // namespace
