#include "QUtilThread.h"

#include <QDebug>

QUtilThread::QUtilThread() = default;

QUtilThread::~QUtilThread()
{
    // A derived class must have joined already (its OnExecute is gone by now);
    // this only covers a worker that was never waited for.
    StopThread();
}

void *QUtilThread::ThreadProc(void *arg)
{
    if (auto *self = static_cast<QUtilThread *>(arg)) {
        self->OnExecute();
        self->m_running = false;
    }
    return nullptr;
}

bool QUtilThread::StopThread()
{
    qDebug() << "stop-----1";
    m_stop = true;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        joinLocked();
    }
    qDebug() << "stop-----2";
    return true;
}

void QUtilThread::JoinThread()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    joinLocked();
}

void QUtilThread::joinLocked()
{
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
}

void QUtilThread::StartThread()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stop = true;
    joinLocked();
    if (m_thread.joinable())   // started again from its own worker: let that one finish alone
        m_thread.detach();
    m_stop = false;
    m_running = true;
    m_thread = std::thread(&QUtilThread::ThreadProc, this);
}
