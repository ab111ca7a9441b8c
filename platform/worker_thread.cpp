// WorkerThread: one background procedure at the lowest scheduling priority.
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/platform.h"

namespace platform {

namespace {

// What the running thread touches; shared so that the thread may outlive its
// WorkerThread when the procedure itself ends up destroying that object.
struct Job {
    std::function<void()> procedure;
    std::atomic<bool> finished{false};
};

}  // namespace

struct WorkerThread::State {
    std::shared_ptr<Job> job = std::make_shared<Job>();
    std::mutex mutex;  // guards starting and joining
    std::thread thread;
    bool started = false;
};

namespace {

// The weakest nice value of the ordinary class. Not the idle class: a thread there runs only
// while a processor has nothing else to do, so a busy frame loop or other programs can hold it
// off for many seconds, past the time-outs that bound the score submission's network wait.
void LowerPriority()
{
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
}

}  // namespace

WorkerThread::WorkerThread(std::function<void()> procedure) : state_(new State)
{
    state_->job->procedure = std::move(procedure);
}

WorkerThread::~WorkerThread()
{
    Join();
    delete state_;
}

void WorkerThread::Resume()
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (state_->started) {
        return;
    }
    state_->started = true;
    state_->thread = std::thread([job = state_->job] {
        LowerPriority();
        if (job->procedure) {
            job->procedure();
        }
        job->finished = true;
    });
}

bool WorkerThread::Finished() const
{
    return state_->job->finished;
}

void WorkerThread::Join()
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!state_->thread.joinable()) {
        return;
    }
    if (state_->thread.get_id() == std::this_thread::get_id()) {
        // Called from the procedure itself: the thread cannot wait for itself, so it runs on unowned.
        state_->thread.detach();
        return;
    }
    state_->thread.join();
}

}  // namespace platform
