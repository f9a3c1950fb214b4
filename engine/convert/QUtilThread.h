#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A worker thread owned as a member by the object whose work it runs. Every
// thread is joined, never detached: starting again first stops and joins the
// previous one, and destruction stops and joins, so a worker never outlives
// its owner. Declared as the owner's last member, it is destroyed - and its
// worker joined - before any other member and before the owner's bases.
// A worker that starts its successor cannot join itself; it is joined by the
// next stop, join or start made on another thread. Starts come from the
// owner's thread or from the worker.
class QUtilThread final
{
public:
    // work runs on the worker thread at every start.
    explicit QUtilThread(std::function<void()> work);
    ~QUtilThread();

    QUtilThread(const QUtilThread &) = delete;
    QUtilThread &operator=(const QUtilThread &) = delete;

    // Entry point of the worker thread; arg is the thread object.
    static void *ThreadProc(void *arg);

    // Stops and joins the previous worker, clears the stop flag and runs the
    // work on a new thread.
    void StartThread();
    // Raises the stop flag and waits for the running workers, if any. Called on
    // a worker it only raises the flag. Returns true.
    bool StopThread();
    // Waits for the running workers without raising the stop flag.
    void JoinThread();
    bool isRunning() const { return m_running.load(); }
    // True once StopThread was called for the current worker.
    bool isStopRequested() const { return m_stop.load(); }

private:
    void joinWorkers();

    const std::function<void()> m_work;
    std::mutex m_mutex;               // guards m_threads (never held while joining)
    std::vector<std::thread> m_threads; // the newest last
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
    std::atomic<unsigned> m_generation{0}; // of the newest worker
};
