#pragma once

#include "VEEditConfig.h"

#include <QMetaType>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>

#include <atomic>
#include <cstdint>

class QMediaElementWindow;
class QMouseEvent;
class QTimer;
class QWidget;
class VelInfoClass;
class VelPlayerClass;
struct ZvPlayer;
struct ZvSource;

// Placement of the pan-scan window inside the crop: 0 centred, 1 full crop
// width, 2 full crop height.
typedef int PanScanMode;

Q_DECLARE_METATYPE(VECropSettings)
Q_DECLARE_METATYPE(VEWatermarkSettings)

// The preview player of the editing dialog: one codec player showing the
// unedited picture in the original surface and the edited one in the preview
// surface. Play commands come in as slots; position, time texts, state, trim,
// crop and overlay changes go out as signals. Lives on the GUI thread; only the
// two frame callbacks run on the codec library's threads.
//
// The record setters the editing model pushes through are virtual so that a
// test can watch the order and the thread of every push.
class VelPlayerManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(VelPlayerManager)

public:
    explicit VelPlayerManager(QObject* parent = nullptr);
    ~VelPlayerManager() override;

    // Opening.
    bool createrPlayer(bool audio);
    // May be called from a worker: it then runs on the manager's thread while
    // the caller waits, so the player is only ever driven from one thread.
    bool setPlayFile(const QString& path, const VEEditConfig& cfg, unsigned int maxOverlays,
                     unsigned int openFlag);
    bool setPlayFile(const QString& path, unsigned int width, unsigned int height, unsigned int maxOverlays);
    bool setPlayFile(ZvSource* stream, const VEEditConfig& cfg, unsigned int maxOverlays, unsigned int openFlag);
    bool setPlayer(ZvPlayer* handle, unsigned int width, unsigned int height, unsigned int maxOverlays);

    void setIsM4VPlayer(bool isM4V);
    virtual void setIsTrim(bool isTrim);
    bool getIsTrim() const;
    virtual void setTrimTime(uint64_t start, uint64_t end);
    uint64_t getPlaylength() const;
    void setWaveFreq(unsigned int request);
    void playFinished();

    // Surfaces, frames and snapshots.
    void setMediaOriginalWindow(QMediaElementWindow* window);
    void setMediaPreviewWindow(QMediaElementWindow* window);
    void resizeVideoWindow();
    static unsigned int VideoEditFrameLoop(void* user, void* frame);
    static unsigned int OrignalVideEditoFrameLoop(void* user, void* frame);
    unsigned int DrawVideoFrame(void* frame);
    unsigned int DrawOrignalVideoFrame(void* frame);
    unsigned int DrawVideo(void* frame, QMediaElementWindow* window);
    bool captureImage(const QString& path, const QString& format);
    uint64_t getVideoSize() const;
    uint64_t getResolutionSize() const;
    uint64_t getDuration() const;
    VelPlayerClass* getPlayerClass() const;

    // Records carried to the player.
    virtual void setEqualizeSettings(const VEEqualizeSettings& settings);
    virtual void setAudioEffectSettings(const VEAudioEffectSetting& settings);
    virtual void setVideoEffectSettings(const VEVideoEffectSettings& settings);
    virtual void setAudioBackgroundSettingsSource(const VEAudioBackgroundSettings& settings, int index);
    virtual void setAudioBackgroundSettingsNotSource(const VEAudioBackgroundSettings& settings, int index);
    virtual void setProgramValueInfo(const VEProgramValueInfo& info);
    virtual void setSubtitleValueInfo(const VESubtitleValue_Info& info);
    virtual void setSubtitleSettings(const VESubtitleSettings& settings);
    void setEditConfig(const VEEditConfig& cfg);

    // Crop and pan-scan.
    virtual void setCropSettings(const VECropSettings& settings);
    void cropSettings(const VECropSettings& settings);
    void getCropSettings(VECropSettings& settings) const;
    virtual void setPanScanMode(PanScanMode mode);
    void CalcCropPanScan(VECropSettings& settings);
    void CalcCropPanScan();
    void MoveCropPanScan();
    uint64_t getCropMinSize() const;
    uint64_t getCropVCMinSize() const;

    // Overlay layers.
    virtual void setWatermarkSettingsSource(const VEWatermarkSettings& settings, int index);
    virtual void setWatermarkSettingsNotSource(const VEWatermarkSettings& settings, int index);
    virtual void setCurrentWatermarkSettings(const VEWatermarkSettings& settings, int index, bool refresh);
    virtual void setCurrentWatermarkSettingsNotSource(const VEWatermarkSettings& settings, int index,
                                                      bool refresh);
    void getCurrentWatermarkSettings(VEWatermarkSettings& settings, int& index) const;
    void setWatermarkSettingsList(const QList<VEWatermarkSettings>& list);

public slots:
    void onPlay();
    void onPause();
    void onStop();
    void progressValueChange(double value);
    void beginAsyncSeek();
    void endAsyncSeek();
    void onTrimPlay(float startPos, float endPos);
    void onTrimPause();
    void onPreviousStep(bool isSeek, float pos);
    void onNextStep(bool isSeek, float pos);
    void onTrim(uint64_t startTime, uint64_t endTime);
    void onTrimChapter(uint64_t startTime, uint64_t endTime);
    void onReset();
    void closePlay();
    void startPlay();
    void pausePlay();
    void videoPreviousStep();
    void videoNextStep();
    void setSoundVolume(int value);
    void setAudioRendererVolume(int value);

signals:
    void emitPlayProgress(double value);
    void emitStartEndProgressValue(float value);
    void emitPlayFinish();
    void emitPlayTime(QString time);
    void emitPlayTime2(QString time);
    void emitAudioData(unsigned char* data, int sps);
    void emitClosePlay();
    void emitPlayState(bool bPlay);
    void emitPlayState(bool bPlay, bool isTrim);
    void emitIsHaveVideo(bool bHave);
    void emitPlayerChange();
    void emitTrimPlayState(bool bPlay);
    void emitTrimTimeChange(uint64_t trimStartTime, uint64_t trimEndTime);
    void emitCropAreaChange(VECropSettings settings);
    void emitWatermarkRectChange(VEWatermarkSettings watermarkSettings, int currentWatermarkIndex);
    void emitWatermarkSettingChange(VEWatermarkSettings watermarkSettings, int currentWatermarkIndex);

private slots:
    void updateTime();
    void updataScreen();
    void audioDataChanged();
    void mousePressEvent(QMouseEvent* event);
    void mouseMoveEvent(QMouseEvent* event);
    void mouseReleaseEvent(QMouseEvent* event);
    void mouseWatermarkPressEvent(QMouseEvent* event);
    void mouseWatermarkMoveEvent(QMouseEvent* event);
    void mouseWatermarkReleaseEvent(QMouseEvent* event);

private:
    bool hasPlayer() const;
    bool openFile(const QString& path, const VEEditConfig& cfg, unsigned int maxOverlays, unsigned int openFlag);
    bool ensurePlayer();
    void prepareOpen(uint32_t width, uint32_t height);
    VelInfoClass* firstInfo();
    void commonSetup(unsigned int maxOverlays);
    bool openFailed(const char* what);
    void isNoVideoSet();
    void loadAudioBackground(const VEAudioBackgroundSettings& settings, int index, bool withFile);
    void basePause();
    void emitTimeTexts(uint64_t position);
    void emitPreciseTimeText(uint64_t position);
    uint64_t scaledTime(float pos) const;
    void pauseForStep();
    void afterStep();
    void stepFromFileStart(int direction);
    void installFrameCallbacks();

    // Crop.
    bool isPanScan(const VECropSettings& s) const;
    void applyCrop(VECropSettings& s, bool computePanScan);
    void cropDisplaySize(const VECropSettings& s, double& width, double& height) const;
    void panScanWindow(VECropSettings& s, int mode);
    QRect originalPictureRect() const;
    QRect boxOnSurface(const QRectF& box, const QRect& picture) const;
    QRectF cropBox() const;
    QPoint minimumBoxPixels(const QRect& picture) const;
    void dragCrop(QPoint pointer, const QRect& picture);

    // Overlays.
    void fullLoad(const VEWatermarkSettings& ws);
    void partialLoad(const VEWatermarkSettings& ws);
    void loadCurrent(const VEWatermarkSettings& ws, int index, bool refresh, bool source);
    bool WatermarkTextDown(QMouseEvent* event);
    bool WatermarkImageDown(QMouseEvent* event);
    bool WatermarkTextMove(QMouseEvent* event);
    bool WatermarkImageMove(QMouseEvent* event);
    void WatermarkTextUp();
    void WatermarkImageUp();
    bool overlayDown(QMouseEvent* event, bool text);
    bool overlayMove(QMouseEvent* event, bool text);
    void overlayUp(int& dragMode);
    int overlayZone(QMouseEvent* event, bool text, const QRect& picture, QRectF* box);
    QRect previewPictureRect() const;

    // Playback.
    bool m_isM4V = false;
    VelPlayerClass* m_player = nullptr;
    VelInfoClass* m_info = nullptr;
    QTimer* m_timeTimer = nullptr;
    QTimer* m_screenTimer = nullptr;
    QTimer* m_waveTimer = nullptr;
    std::atomic<QMediaElementWindow*> m_originalWindow{nullptr};
    std::atomic<QMediaElementWindow*> m_previewWindow{nullptr};
    bool m_audioOnly = true;
    uint32_t m_outputWidth = 0;
    uint32_t m_outputHeight = 0;
    int m_audioVolume = 100;
    int m_rendererVolume = 100;
    uint32_t m_waveRequest = 1;
    uint64_t m_trimStart = 0;
    uint64_t m_trimEnd = 0;
    uint64_t m_trimPlayStart = 0;
    uint64_t m_trimPlayEnd = 0;
    bool m_trimPlaying = false;
    bool m_trimActive = false;

    // Crop.
    VECropSettings m_cropSettings;
    PanScanMode m_panScanMode = 0;
    QRectF m_dragStartRect;
    QPoint m_pressPoint;
    int m_dragMode = 0;

    // Overlays.
    VEWatermarkSettings m_currentWatermark;
    int m_currentWatermarkIndex = -1;
    int m_selectedLayer = 0;
    int m_textDragMode = 0;
    int m_imageDragMode = 0;
    QRectF m_overlayDragStart;
    QPointF m_overlayDragScale;
};
