#pragma once
// One frame callback. The slot's mutex is held during each call and by the
// setter, so once a setter returns the old callback is never called again.

#include "zovAruzIvivu.h"

#include <mutex>

namespace zv {

class CallbackSlot {
public:
    void set(ZvFrameProc proc, void *user)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_proc = proc;
        m_user = user;
    }

    // True when a callback ran and said it showed the picture.
    bool call(ZvFrame *frame)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_proc)
            return false;
        return m_proc(m_user, frame) != 0;
    }

private:
    std::mutex m_mutex;
    ZvFrameProc m_proc = nullptr;
    void *m_user = nullptr;
};

} // namespace zv
