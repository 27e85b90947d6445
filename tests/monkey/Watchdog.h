// Ends the monkey's run, saying where, when one action takes longer than any player would wait:
// a hang fails in seconds, whatever the number of actions.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace kvardelon::monkey {

class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit) : limit_(limit), thread_([this] { watch(); }) {}

    ~Watchdog()
    {
        {
            const std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // An action begins; `where` says how to find it again should it never end.
    void starting(std::string where)
    {
        const std::lock_guard lock(mutex_);
        where_ = std::move(where);
        since_ = std::chrono::steady_clock::now();
    }

private:
    void watch()
    {
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, std::chrono::milliseconds(200), [this] { return stopped_; })) {
            if (!where_.empty() && std::chrono::steady_clock::now() - since_ > limit_) {
                std::fprintf(stderr, "FAIL! an action has not ended after %lld s, the windows hang: %s\n",
                             static_cast<long long>(limit_.count()), where_.c_str());
                std::fflush(stderr);
                // The hung action holds the main thread: nothing else can end the process.
                std::_Exit(EXIT_FAILURE);
            }
        }
    }

    const std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopped_ = false;
    std::string where_;
    std::chrono::steady_clock::time_point since_;
    std::thread thread_;
};

}  // namespace kvardelon::monkey
