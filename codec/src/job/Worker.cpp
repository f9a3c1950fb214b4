#include "job/Worker.h"

#include "job/JobSupport.h"

#include <chrono>

namespace zv::job {

Worker::~Worker()
{
    abort = true;
    join();
}

void Worker::start(std::function<int()> body)
{
    join();
    m_state = Running;
    m_thread = std::thread([this, body = std::move(body)] {
        int err = 0;
        try {
            err = body();
        } catch (...) {
            err = AVERROR_BUG;
            setErrorText("internal error in the conversion worker");
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        if (err == 0) {
            m_state = Done;
        } else if (abort.load() && !scope.lost.load()) {
            m_error = AVERROR_EXIT;
            m_errorText = "stopped";
            m_state = Stopped;
        } else {
            m_error = err;
            m_state = Failed;
        }
        m_cond.notify_all();
    });
}

bool Worker::finished(int waitMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    auto notRunning = [this] { return m_state.load() != Running; };
    if (notRunning())
        return true;
    return m_cond.wait_for(lock, std::chrono::milliseconds(waitMs), notRunning);
}

void Worker::stop(int waitMs)
{
    abort = true;
    finished(waitMs);
}

void Worker::join()
{
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
}

std::string Worker::errorTextCopy() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_errorText;
}

void Worker::setErrorText(const std::string &text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_errorText = text;
}

void Worker::reset()
{
    join();
    std::lock_guard<std::mutex> lock(m_mutex);
    abort = false;
    scope.lost = false;
    doneUs = 0;
    totalUs = 0;
    m_error = 0;
    m_errorText.clear();
    m_state = Idle;
}

} // namespace zv::job
