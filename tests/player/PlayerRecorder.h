#pragma once
// Test-side frame callback: records an md5 of every delivered picture (the
// planes without padding, as ffmpeg's framemd5 of rawvideo hashes them).

#include "zovAruzIvivu.h"

#include <QCryptographicHash>
#include <QList>
#include <QString>

#include <mutex>

struct DeliveredFrame {
    QString md5;
    int format = -1;
    int width = 0, height = 0;
    int stride0 = 0;
};

class PlayerRecorder {
public:
    static unsigned int callback(void *user, void *frame)
    {
        auto *self = static_cast<PlayerRecorder *>(user);
        self->record(static_cast<ZvFrame *>(frame));
        return 1;
    }

    static QString md5Of(ZvFrame *f)
    {
        const int format = ZV_GetVideoFormat_Frame(f);
        const int w = int(ZV_GetVideoWidth_Frame(f)), h = int(ZV_GetVideoHeight_Frame(f));
        QCryptographicHash hash(QCryptographicHash::Md5);
        const int planes = format == 30 ? 1 : 3;
        for (int p = 0; p < planes; ++p) {
            const int pw = format == 30 ? w * 4 : (p ? (w + 1) / 2 : w);
            const int ph = format == 30 ? h : (p ? (h + 1) / 2 : h);
            const uint8_t *data = ZV_GetVideoData_Frame(f, uint32_t(p));
            const int stride = ZV_GetVideoStride_Frame(f, uint32_t(p));
            for (int y = 0; y < ph; ++y)
                hash.addData(reinterpret_cast<const char *>(data + qint64(y) * stride), pw);
        }
        return QString::fromLatin1(hash.result().toHex());
    }

    void record(ZvFrame *f)
    {
        DeliveredFrame d;
        d.md5 = md5Of(f);
        d.format = ZV_GetVideoFormat_Frame(f);
        d.width = int(ZV_GetVideoWidth_Frame(f));
        d.height = int(ZV_GetVideoHeight_Frame(f));
        d.stride0 = ZV_GetVideoStride_Frame(f, 0);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_frames.append(d);
    }

    QList<DeliveredFrame> frames() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_frames;
    }
    int count() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_frames.size();
    }
    DeliveredFrame last() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_frames.isEmpty() ? DeliveredFrame{} : m_frames.last();
    }
    void clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_frames.clear();
    }

private:
    // std::mutex rather than QMutex: ThreadSanitizer sees its locking.
    mutable std::mutex m_mutex;
    QList<DeliveredFrame> m_frames;
};
