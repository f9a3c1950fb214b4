#pragma once
// A preview player that writes down every record push it receives from outside
// (pushes it makes to itself are not counted) and the thread it came on, then
// does what the real player does.

#include "VelPlayerManager.h"

#include <QMutex>
#include <QStringList>
#include <QThread>

#include <atomic>

class RecordingPlayer : public VelPlayerManager
{
public:
    QStringList calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }
    QList<QThread*> threads() const
    {
        QMutexLocker lock(&m_mutex);
        return m_threads;
    }
    void clear()
    {
        QMutexLocker lock(&m_mutex);
        m_calls.clear();
        m_threads.clear();
    }

    void setIsTrim(bool isTrim) override
    {
        Call c(this, QStringLiteral("setIsTrim(%1)").arg(isTrim));
        VelPlayerManager::setIsTrim(isTrim);
    }
    void setTrimTime(uint64_t start, uint64_t end) override
    {
        Call c(this, QStringLiteral("setTrimTime(%1,%2)").arg(start).arg(end));
        VelPlayerManager::setTrimTime(start, end);
    }
    void setEqualizeSettings(const VEEqualizeSettings& s) override
    {
        Call c(this, QStringLiteral("setEqualizeSettings(%1)").arg(s.count()));
        VelPlayerManager::setEqualizeSettings(s);
    }
    void setAudioEffectSettings(const VEAudioEffectSetting& s) override
    {
        Call c(this, QStringLiteral("setAudioEffectSettings(%1,%2,%3)").arg(s.m_volume).arg(s.m_speed).arg(s.m_rate));
        VelPlayerManager::setAudioEffectSettings(s);
    }
    void setVideoEffectSettings(const VEVideoEffectSettings& s) override
    {
        Call c(this, QStringLiteral("setVideoEffectSettings(%1)").arg(s.brightness));
        VelPlayerManager::setVideoEffectSettings(s);
    }
    void setAudioBackgroundSettingsSource(const VEAudioBackgroundSettings& s, int index) override
    {
        Call c(this, QStringLiteral("setAudioBackgroundSettingsSource(%1,start %2)").arg(index).arg(s.m_showStart));
        VelPlayerManager::setAudioBackgroundSettingsSource(s, index);
    }
    void setAudioBackgroundSettingsNotSource(const VEAudioBackgroundSettings& s, int index) override
    {
        Call c(this,
               QStringLiteral("setAudioBackgroundSettingsNotSource(%1,start %2)").arg(index).arg(s.m_showStart));
        VelPlayerManager::setAudioBackgroundSettingsNotSource(s, index);
    }
    void setProgramValueInfo(const VEProgramValueInfo& info) override
    {
        Call c(this, QStringLiteral("setProgramValueInfo(%1)").arg(info.ProgramIndex));
        VelPlayerManager::setProgramValueInfo(info);
    }
    void setSubtitleValueInfo(const VESubtitleValue_Info& info) override
    {
        Call c(this, QStringLiteral("setSubtitleValueInfo(%1)").arg(info.m_subtitleNumber));
        VelPlayerManager::setSubtitleValueInfo(info);
    }
    void setSubtitleSettings(const VESubtitleSettings& s) override
    {
        Call c(this, QStringLiteral("setSubtitleSettings(%1)").arg(s.m_size));
        VelPlayerManager::setSubtitleSettings(s);
    }
    void setCropSettings(const VECropSettings& s) override
    {
        Call c(this, QStringLiteral("setCropSettings(%1)").arg(s.m_rotation));
        VelPlayerManager::setCropSettings(s);
    }
    void setPanScanMode(PanScanMode mode) override
    {
        Call c(this, QStringLiteral("setPanScanMode(%1)").arg(mode));
        VelPlayerManager::setPanScanMode(mode);
    }
    void setWatermarkSettingsSource(const VEWatermarkSettings& s, int index) override
    {
        Call c(this, QStringLiteral("setWatermarkSettingsSource(%1,%2)").arg(index).arg(starts(s)));
        VelPlayerManager::setWatermarkSettingsSource(s, index);
    }
    void setWatermarkSettingsNotSource(const VEWatermarkSettings& s, int index) override
    {
        Call c(this, QStringLiteral("setWatermarkSettingsNotSource(%1,%2)").arg(index).arg(starts(s)));
        VelPlayerManager::setWatermarkSettingsNotSource(s, index);
    }
    void setCurrentWatermarkSettings(const VEWatermarkSettings& s, int index, bool refresh) override
    {
        Call c(this,
               QStringLiteral("setCurrentWatermarkSettings(%1,%2,%3)").arg(index).arg(starts(s)).arg(refresh));
        VelPlayerManager::setCurrentWatermarkSettings(s, index, refresh);
    }
    void setCurrentWatermarkSettingsNotSource(const VEWatermarkSettings& s, int index, bool refresh) override
    {
        Call c(this, QStringLiteral("setCurrentWatermarkSettingsNotSource(%1,%2,%3)")
                         .arg(index)
                         .arg(starts(s))
                         .arg(refresh));
        VelPlayerManager::setCurrentWatermarkSettingsNotSource(s, index, refresh);
    }

private:
    static QString starts(const VEWatermarkSettings& s)
    {
        return QStringLiteral("text %1 image %2").arg(s.m_textSettings.m_showStart).arg(s.m_imageSettings.m_showStart);
    }

    // Counts only the outermost push: the player's own nested pushes are its business.
    struct Call {
        Call(RecordingPlayer* p, const QString& text) : m_p(p)
        {
            if (m_p->m_depth++ == 0) {
                QMutexLocker lock(&m_p->m_mutex);
                m_p->m_calls.append(text);
                m_p->m_threads.append(QThread::currentThread());
            }
        }
        ~Call() { --m_p->m_depth; }
        RecordingPlayer* m_p;
    };

    mutable QMutex m_mutex;
    QStringList m_calls;
    QList<QThread*> m_threads;
    std::atomic<int> m_depth{0};
};
