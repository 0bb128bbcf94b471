/* The commands the server's threads hand to the simulation's: bounded, so
 * that a page sending faster than the world takes them is told so, and a
 * push never waits longer than it takes to take the lock. */
#ifndef BRIMSTAR_RUNNER_LIVE_COMMAND_QUEUE_H
#define BRIMSTAR_RUNNER_LIVE_COMMAND_QUEUE_H

#include "live_request.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace live {

class CommandQueue {
public:
    static constexpr size_t capacity = 64;

    /* False when the queue is full: the command is not taken. */
    bool push(const LiveCommand& command)
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (commands_.size() >= capacity)
                return false;
            commands_.push_back(command);
        }
        ready_.notify_one();
        return true;
    }

    /* Every command queued, in order; waits up to `wait` for one. */
    std::deque<LiveCommand> takeAll(std::chrono::milliseconds wait)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        ready_.wait_for(lock, wait, [this] { return !commands_.empty(); });
        std::deque<LiveCommand> taken;
        taken.swap(commands_);
        return taken;
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<LiveCommand> commands_;
};

}  // namespace live

#endif
