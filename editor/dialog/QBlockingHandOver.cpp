#include "QBlockingHandOver.h"

#include <QObject>
#include <QThread>

QBlockingHandOver::QBlockingHandOver(QObject* context) : m_context(context) {}

bool QBlockingHandOver::run(const std::function<void()>& call)
{
    if (QThread::currentThread() == m_context->thread()) {
        if (isClosed())
            return false;
        call();
        return true;
    }
    std::uint64_t ticket = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_closed)
            return false;
        ticket = ++m_lastPosted;
    }
    // Posted to the context, so a call still queued when the context is
    // destroyed is dropped with it.
    QMetaObject::invokeMethod(
        m_context, [this, &call, ticket] { serve(call, ticket); }, Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(m_mutex);
    m_served.wait(lock, [&] { return m_closed || m_lastServed >= ticket; });
    return m_lastServed >= ticket;
}

// Context thread. close() runs on this thread too, so a hand-over open here
// stays open while the call runs, and the waiting worker (and its call) is
// still there.
void QBlockingHandOver::serve(const std::function<void()>& call, std::uint64_t ticket)
{
    if (isClosed())
        return;
    call();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lastServed = ticket;
    m_served.notify_all();
}

void QBlockingHandOver::close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_closed = true;
    m_served.notify_all();
}

bool QBlockingHandOver::isClosed() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_closed;
}
