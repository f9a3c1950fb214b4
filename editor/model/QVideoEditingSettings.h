#pragma once

#include "VelPlayerManager.h"

#include <QObject>
#include <QSize>
#include <QStringList>

// The edit record of the one segment the editing dialog works on. Panels read
// copies of its parts and write them back; every part the preview shows is
// passed on to the preview player at once. Lives on the GUI thread: a whole
// record loaded from another thread is handed over to it first.
class QVideoEditingSettings : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(QVideoEditingSettings)

public:
    explicit QVideoEditingSettings(QObject* parent = nullptr);
    ~QVideoEditingSettings() override;

    void setPlayerManager(VelPlayerManager* player);
    VelPlayerManager* getPlayerManager() const;
    void releasePlayerManager();

    // Stores the record and pushes all of it in a fixed order. Called from a
    // worker it blocks until the GUI thread has done both, so the player is
    // never driven from two threads.
    void setEditConfig(const VEEditConfig& cfg);
    void setConfigSettings(const VEEditConfig& cfg);
    void getEditConfig(VEEditConfig& cfg) const;
    VEEditConfig& getEditConfig();
    void getConfigSettings(VEEditConfig& cfg) const;

    void setTrimTimeNoSeekPlayer(uint64_t start, uint64_t end);
    void setTrimTime(uint64_t start, uint64_t end);
    uint64_t getTrimStartTime() const;
    uint64_t getTrimEndTime() const;
    uint64_t getTrimTimeLength() const;

    void setEffectSettings(const VEVideoEffectSettings& settings);
    void getEffectSettings(VEVideoEffectSettings& settings) const;
    void setCropSettings(const VECropSettings& settings);
    void getCropSettings(VECropSettings& settings) const;
    void setPanScanMode(PanScanMode mode);
    void setWatermarkSettings(const VEWatermarkSettings& settings, bool refresh, bool withFiles);
    void getWatermarkSettings(VEWatermarkSettings& settings) const;
    void setVideoEffectWkSettings(const VEWatermarkSettings& settings);
    void getVideoEffectWkSettings(VEWatermarkSettings& settings) const;
    void setFrameWkSettings(const VEWatermarkSettings& settings);
    void getFrameWkSettings(VEWatermarkSettings& settings) const;
    void setSubtitleSettings(const VESubtitleSettings& settings);
    void getSubtitleSettings(VESubtitleSettings& settings) const;
    void setSubtitleInfo(const VESubtitleValue_Info& info);
    void getSubtitleInfo(VESubtitleValue_Info& info) const;
    void setSubltItemInfoList(const QList<VESubltItemInfo>& list);
    void getSubltItemInfoList(QList<VESubltItemInfo>& list) const;
    void setProgramValueInfo(const VEProgramValueInfo& info);
    void getProgramValueInfo(VEProgramValueInfo& info) const;
    void setSubtitleTrackList(const QList<EVSubtitleTrack>& list);
    void getSubtitleTrackList(QList<EVSubtitleTrack>& list) const;
    void setAudioBackgroundSettings(const VEAudioBackgroundSettings& settings, bool withFile);
    void getAudioBackgroundSettings(VEAudioBackgroundSettings& settings) const;
    void setAudioSettings(const VEAudioSettings& settings);
    void getAudioSettings(VEAudioSettings& settings) const;
    void setAudiolist(const QStringList& list);
    void getAudiolist(QStringList& list) const;
    void setAudioTagInfo(const VEAudioTagInfo& info);
    void getAudioTagInfo(VEAudioTagInfo& info) const;
    void setResolutionSize(int width, int height);
    QSize getResolutionSize() const;
    void setIsWatermarkAudioStartTime(bool follows);
    bool getIsWatermarkAudioStartTime() const;

    // Answered by the player; zero without one.
    QSize getVideoSize() const;
    QSize getCropMinSize() const;
    uint64_t getDuration() const;
    uint64_t getPlaylength() const;

    // One part back to the record's defaults; nothing is pushed.
    void setDefaultEffectSettings();
    void setDefaultCropSettings();
    void setDefaultWatermarkSettings();
    void setVideoEffectWkSettings();
    void setFrameWkSettings();
    void setDefaultSubtitleSettings();
    void setDefaultSubtitleInfo();
    void setDefaultAudioBackgroundSettings();
    void setDefaultAudioSettings();

signals:
    void emitWatermarkSettingsChange(VEWatermarkSettings settings);

public slots:
    void trimTimeChange(uint64_t startTime, uint64_t endTime);
    void playerChange();
    void cropAreaChange(VECropSettings settings);
    void watermarkRectChange(VEWatermarkSettings settings, int index);

private:
    void setPlayerManagerSettings();
    void takeWatermark(const VEWatermarkSettings& settings);

    VelPlayerManager* m_player = nullptr;
    VEEditConfig m_config;
    bool m_overlayStartFollowsTrim = false;
};
