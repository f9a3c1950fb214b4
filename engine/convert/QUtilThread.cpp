#include "QUtilThread.h"

#include "EngineLog.h"


QUtilThread::QUtilThread(std::function<void()> work) : m_work(std::move(work)) {}

QUtilThread::~QUtilThread()
{
    StopThread();
}

void *QUtilThread::ThreadProc(void *arg)
{
    if (auto *self = static_cast<QUtilThread *>(arg))
        self->m_work();
    return nullptr;
}

bool QUtilThread::StopThread()
{
    qCDebug(lcEngine) << "stop-----1";
    m_stop = true;
    joinWorkers();
    qCDebug(lcEngine) << "stop-----2";
    return true;
}

void QUtilThread::JoinThread()
{
    joinWorkers();
}

// Joins every worker but the calling one, which stays listed for a later
// join. The joins run outside the lock, so a worker may start its successor
// meanwhile; that one is joined in the next round.
void QUtilThread::joinWorkers()
{
    const std::thread::id self = std::this_thread::get_id();
    for (;;) {
        std::vector<std::thread> joining;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            for (auto it = m_threads.begin(); it != m_threads.end();) {
                if (it->get_id() == self) {
                    ++it;
                    continue;
                }
                joining.push_back(std::move(*it));
                it = m_threads.erase(it);
            }
        }
        if (joining.empty())
            return;
        for (std::thread &t : joining)
            t.join();
    }
}

void QUtilThread::StartThread()
{
    m_stop = true;
    joinWorkers();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stop = false;
    m_running = true;
    const unsigned generation = ++m_generation;
    m_threads.emplace_back([this, generation] {
        ThreadProc(this);
        // An older worker that started its successor must not clear the newer one's flag.
        if (m_generation.load() == generation)
            m_running = false;
    });
}
