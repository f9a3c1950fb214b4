#pragma once
// The upper panel of the main window: plays the one open file through a codec
// player, with transport, stepping, volume and the time text. It reports the
// position as a percentage of the duration and takes seeks as fractions or
// microseconds; the main window relays between it and the other panels.

#include "QImageWidget.h"
#include "ui_QVideoPlayDlg.h"

#include <QString>
#include <QStringList>

#include <cstdint>

class QAudioDataWidget;
class QImage;
class QTimer;
class VelInfoClass;
class VelPlayerClass;
struct ZvPlayer;

class QVideoPlayDlg : public QImageWidget, public Ui::QVideoPlayDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QVideoPlayDlg)

public:
    explicit QVideoPlayDlg(QWidget *parent = nullptr);
    ~QVideoPlayDlg() override;

    bool SetVideoPlay(QString path, ZvPlayer *player);
    bool SetVideoFile(QString path, unsigned int width, unsigned int height);
    void resetPlayDlg();
    void ResetPlay();
    void InitPayerView();
    void SetTrimTime(quint64 start, quint64 end);
    bool IsPlayTrim() const { return m_bPlayTrim; }
    void PlaySection();
    void StopPlaySection();
    void setPlaySeekStart();
    quint64 GetStartTime() const { return m_trimStartTime; }
    quint64 GetEndTime();
    quint64 getPlayLength();
    QImage *getVideoImage(quint64 time);
    QImage *getVideoImage(quint64 time, QString path);
    bool hasVideo(QString path);
    void IsStartConverterSet(bool converting);
    void retranslateUi();

    // Part of the video display: frame hand-over, fitting and the audio-only mode.
    unsigned int DrawVideoFrame(void *frame);
    void ResizeVideoWindow();
    void IsNoVideoSet();
    void showAudioDataDlg(bool on);

    // The position as the panel reports it: percent of the duration, 0 when
    // the duration is unknown.
    static double percentOf(uint64_t time, uint64_t duration);
    // "h:mm:ss.hh" of a time in microseconds.
    static QString timeText(uint64_t micros);
    QAudioDataWidget *audioDataWidget() const { return m_pAudioDataWidget; }
    VelPlayerClass *player() const { return m_hPlayer; }
    bool isAudioOnly() const { return m_bAudioOnly; }

signals:
    void emitPlayProValue(double percent);
    void emitTrimDSliderEnable(bool enable);
    void emitStopPlayTrim();
    void emitPausePlayTrim();
    void emitAddFileName(QString path);
    void emitAddFileNames(QStringList paths);

public slots:
    void OnBtnPlay();
    void OnBtnPause();
    void OnBtnStop();
    void OnBtnPrevious();
    void OnBtnNext();
    void OnBtnPreKey();
    void OnBtnNextKet();
    void OnPlayVideo();
    void OnPauseVideo();
    void PlayProValueChange(double fraction);
    void PlaySeek(uint64_t time);
    void BeginAsyncSeek();
    void EndAsyncSeek();
    void ShowTime(uint64_t time);
    void UpdateTime();
    void UpdataScreen();
    void OnAudioDataTime();
    void OnBtnSoundOpen();
    void OnBtnSoundClose();
    void SoundValueChange(double fraction);
    void refreshProTime();
    void VideoFinished();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void initDlg();
    void initPlayer();
    void initBtn();
    void openingSteps(const QString &path);
    void emptySteps();
    void leaveTrimPlay();
    void step(bool keyFrame, int direction);
    void setTransportEnabled(bool on);
    void showPlayButton(bool play);
    void layoutChildren();
    bool playerShowsFrames();
    void releaseInfo();
    QImage *thumbnailAt(quint64 time, QSize size);
    QSize displaySize() const;
    uint64_t duration();

    QString m_strVideoPath;
    bool m_bReferencePlayer = true;
    VelPlayerClass *m_hPlayer = nullptr;
    VelInfoClass *m_hInfo = nullptr;
    bool m_bUpdateScreen = false;
    QTimer *m_pTimeTimer = nullptr;
    QTimer *m_pScreenTimer = nullptr;
    QTimer *m_pAudioTimer = nullptr;
    float m_fVolume = 100.0f;
    bool m_bPlayTrim = false;
    quint64 m_trimStartTime = 0;
    quint64 m_trimEndTime = 0;
    QAudioDataWidget *m_pAudioDataWidget = nullptr;
    bool m_bAudioOnly = false;
};
