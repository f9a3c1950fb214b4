#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

class QObject;

// Runs a worker's calls on the thread of a context object and waits for each,
// like a blocking queued call, except that the wait gives up once the owner
// closes the hand-over: the owner may then join the worker without serving its
// own event queue. A call not yet run when the hand-over closes never runs.
class QBlockingHandOver
{
public:
    explicit QBlockingHandOver(QObject* context);

    QBlockingHandOver(const QBlockingHandOver&) = delete;
    QBlockingHandOver& operator=(const QBlockingHandOver&) = delete;

    // Any thread. True when call ran on the context's thread; false when the
    // hand-over was closed first.
    bool run(const std::function<void()>& call);
    // The context's thread: ends every wait and refuses later calls.
    void close();
    bool isClosed() const;

private:
    void serve(const std::function<void()>& call, std::uint64_t ticket);

    QObject* m_context;
    mutable std::mutex m_mutex;
    std::condition_variable m_served;
    std::uint64_t m_lastPosted = 0;
    std::uint64_t m_lastServed = 0;
    bool m_closed = false;
};
