#pragma once

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

// Base of the worker threads: runs the derived class's OnExecute on a thread
// of its own. Every thread is joined, never detached: starting again first
// stops and joins the previous worker, and destruction joins, so a worker never
// outlives its object. A worker that starts its successor from OnExecute
// cannot join itself; it is joined by the next stop, join or start made on
// another thread. Starts come from the owner's thread or from the worker.
class QUtilThread
{
public:
    QUtilThread();
    virtual ~QUtilThread();

    QUtilThread(const QUtilThread &) = delete;
    QUtilThread &operator=(const QUtilThread &) = delete;

    // Entry point of the worker thread; arg is the thread object.
    static void *ThreadProc(void *arg);

    // Raises the stop flag and waits for the running workers, if any. Called on
    // a worker it only raises the flag. Returns true.
    bool StopThread();
    // Waits for the running workers without raising the stop flag.
    void JoinThread();
    bool isRunning() const { return m_running.load(); }

protected:
    // The start idiom of every worker: stop and join the previous one, clear
    // the stop flag and start OnExecute on a new thread.
    void StartThread();
    // True once StopThread was called for the current worker.
    bool isStopRequested() const { return m_stop.load(); }

    virtual void OnExecute() = 0;

private:
    void joinWorkers();

    std::mutex m_mutex;               // guards m_threads (never held while joining)
    std::vector<std::thread> m_threads; // the newest last
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
    std::atomic<unsigned> m_generation{0}; // of the newest worker
};
