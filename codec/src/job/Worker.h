#pragma once

#include "core/Global.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace zv::job {

// The one worker thread of a job or merge task, with the progress and outcome
// the converter polls from another thread.
class Worker {
public:
    enum State { Idle, Running, Done, Failed, Stopped };

    ~Worker();

    // Runs `body` on a new thread; its result (0 or an AVERROR) decides the end
    // state. A previous run must have been joined.
    void start(std::function<int()> body);
    // True when no run is active. Waits up to `waitMs` for a running one.
    bool finished(int waitMs);
    // Raises the abort flag and waits up to `waitMs` for the end.
    void stop(int waitMs);
    // Waits for the thread without a limit.
    void join();

    bool started() const { return m_thread.joinable(); }
    State state() const { return m_state.load(); }
    int error() const { return m_error.load(); }
    std::string errorTextCopy() const;
    void setErrorText(const std::string &text);
    // Clears progress, outcome and the abort flag for a new run.
    void reset();

    // The job's own abort flag, which its FFmpeg contexts also watch; running
    // jobs ignore the library-wide interrupt.
    InterruptScope scope{false};
    std::atomic<bool> &abort = scope.abort;
    std::atomic<int64_t> doneUs{0};
    std::atomic<int64_t> totalUs{0};

private:
    std::thread m_thread;
    std::atomic<State> m_state{Idle};
    std::atomic<int> m_error{0};
    mutable std::mutex m_mutex;
    std::condition_variable m_cond;
    std::string m_errorText;
};

} // namespace zv::job
