#pragma once

#include <atomic>
#include <mutex>
#include <thread>

// Base of the worker threads: runs the derived class's OnExecute on a thread
// of its own. The thread is joinable: starting again first stops and joins the
// previous worker, and destruction joins, so a worker never outlives its object.
class QUtilThread
{
public:
    QUtilThread();
    virtual ~QUtilThread();

    QUtilThread(const QUtilThread &) = delete;
    QUtilThread &operator=(const QUtilThread &) = delete;

    // Entry point of the worker thread; arg is the thread object.
    static void *ThreadProc(void *arg);

    // Raises the stop flag and waits for the running worker, if any. Called on
    // the worker itself it only raises the flag. Returns true.
    bool StopThread();
    // Waits for the running worker without raising the stop flag.
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
    void joinLocked();

    std::mutex m_mutex;            // guards m_thread
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
};
