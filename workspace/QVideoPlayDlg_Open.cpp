// Opening a file on the player panel, the empty state and the thumbnails.
#include "QVideoPlayDlg.h"

#include "QAudioDataWidget.h"
#include "VelInfoClass.h"
#include "VelPlayerClass.h"
#include "VideoImageWindow.h"

#include <QFile>
#include <QImage>
#include <QTimer>

namespace {
unsigned int VideoFrameLoop(void *userData, void *frame)
{
    return static_cast<QVideoPlayDlg *>(userData)->DrawVideoFrame(frame);
}
constexpr uint64_t kTimeIntervalUs = 50000;
} // namespace

bool QVideoPlayDlg::SetVideoPlay(QString path, ZvPlayer *player)
{
    releaseInfo();
    // Taking the new player lets the previous one go first, so its decoding
    // threads stop calling back before the surface they draw on is replaced.
    // The panel holds its own reference: the owner may drop its handle while
    // the panel still shows the file.
    if (player)
        m_hPlayer->Reference_Player(player);
    else
        m_hPlayer->Release_Player();
    m_bReferencePlayer = true;

    delete m_videoPlayWidget;
    m_videoPlayWidget = new VideoImageWindow(this);
    m_videoPlayWidget->setObjectName(QStringLiteral("m_videoPlayWidget"));
    m_videoPlayWidget->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    m_videoPlayWidget->setWindowFlags(Qt::FramelessWindowHint);
    m_videoPlayWidget->hide();
    m_videoPlayWidget->move(5, 10);
    m_videoPlayWidget->lower();

    emit emitTrimDSliderEnable(true);
    if (!m_hPlayer->IsCreatePlayer()) {
        emptySteps();
        return false;
    }
    openingSteps(path);
    return true;
}

bool QVideoPlayDlg::SetVideoFile(QString path, unsigned int width, unsigned int height)
{
    m_bReferencePlayer = false;
    if (!m_hPlayer->Create_Player(true))
        return false;
    if (!m_hPlayer->IsCompleted_Player())
        m_hPlayer->Stop_Player();
    emit emitTrimDSliderEnable(true);
    if (!m_hPlayer->OpenEx_Player(QFile::encodeName(path).constData(), width, height, 0, 0, 0)) {
        emptySteps();
        return false;
    }
    openingSteps(path);
    return true;
}

void QVideoPlayDlg::openingSteps(const QString &path)
{
    m_hPlayer->SetTimeInterval_Player(kTimeIntervalUs);
    m_strVideoPath = path;
    ResizeVideoWindow();
    m_hPlayer->SetAudioVolume_Player(uint64_t(m_fVolume));
    ShowTime(0);
    m_bUpdateScreen = true;
    m_pScreenTimer->start(50);
    m_hPlayer->SetVideoFrameHandle_Player(&VideoFrameLoop, this);
    m_videoPlayWidget->resetOpenGl();
    setTransportEnabled(true);
    IsNoVideoSet();
    m_trimEndTime = 0;
    m_trimStartTime = 0;
    leaveTrimPlay();
    OnPlayVideo();
    m_labDrag->hide();
}

void QVideoPlayDlg::emptySteps()
{
    m_bUpdateScreen = false;
    m_pTimeTimer->stop();
    m_pScreenTimer->stop();
    m_pAudioTimer->stop();
    showPlayButton(true);
    ShowTime(0);
    m_videoPlayWidget->hide();
    emit emitPlayProValue(0.0);
    emit emitTrimDSliderEnable(false);
    m_labDrag->show();
}

void QVideoPlayDlg::resetPlayDlg()
{
    m_bUpdateScreen = false;
    m_pTimeTimer->stop();
    m_pScreenTimer->stop();
    m_pAudioTimer->stop();
    m_bPlayTrim = false;
    m_trimEndTime = 0;
    m_trimStartTime = 0;
    setTransportEnabled(false);
    m_labDrag->show();
    ResetPlay();
    showPlayButton(true);
    ShowTime(0);
    m_videoPlayWidget->hide();
    m_pAudioDataWidget->hide();
    m_bAudioOnly = false;
    emit emitPlayProValue(0.0);
    emit emitTrimDSliderEnable(false);
}

void QVideoPlayDlg::ResetPlay()
{
    if (m_bReferencePlayer)
        m_hPlayer->Release_Player();
    else
        m_hPlayer->Create_Player(true);
}

void QVideoPlayDlg::InitPayerView()
{
    m_hPlayer->SetVideoFrameHandle_Player(&VideoFrameLoop, this);
    m_videoPlayWidget->resetOpenGl();
}

void QVideoPlayDlg::releaseInfo()
{
    if (!m_hInfo)
        return;
    m_hInfo->Release_Info();
    delete m_hInfo;
    m_hInfo = nullptr;
}

bool QVideoPlayDlg::hasVideo(QString path)
{
    if (!m_hInfo)
        m_hInfo = new VelInfoClass(this);
    m_hInfo->Create_Info();
    return m_hInfo->Open_Info(QFile::encodeName(path).constData()) && m_hInfo->HasVideo_Info();
}

QImage *QVideoPlayDlg::thumbnailAt(quint64 time, QSize size)
{
    const uint32_t width = uint32_t(size.width()), height = uint32_t(size.height());
    // Where the source cannot seek, its first picture stands for the segment.
    const uint64_t at = m_hInfo->CanSeek_Info() ? time : 0;
    uint8_t *buffer = m_hInfo->GetVideoImage_Info(at, 1, width, height, 0);
    QImage *result = nullptr;
    if (buffer) {
        QImage picture;
        picture.loadFromData(buffer, int(m_hInfo->GetVideoImageSize_Info(buffer)));
        // Large and smooth enough for a row thumbnail on a high-density screen.
        if (!picture.isNull())
            result = new QImage(picture.scaled(240, 240, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    m_hInfo->FreeVideoImage_Info(buffer);
    return result;
}

QImage *QVideoPlayDlg::getVideoImage(quint64 time)
{
    if (!m_hInfo) {
        m_hInfo = new VelInfoClass(this);
        m_hInfo->Create_Info();
        m_hInfo->Open_Info(QFile::encodeName(m_strVideoPath).constData());
    }
    return thumbnailAt(time, displaySize());
}

QImage *QVideoPlayDlg::getVideoImage(quint64 time, QString path)
{
    releaseInfo();
    m_hInfo = new VelInfoClass(this);
    m_hInfo->Create_Info();
    if (!m_hInfo->Open_Info(QFile::encodeName(path).constData()))
        return nullptr;
    return thumbnailAt(time, displaySize());
}

// The coded size with one side shrunk to the display aspect, so a picture with
// non-square samples is not drawn squeezed.
QSize QVideoPlayDlg::displaySize() const
{
    uint32_t w = m_hInfo->GetVideoWidth_Info();
    uint32_t h = m_hInfo->GetVideoHeight_Info();
    const uint32_t x = m_hInfo->GetVideoAspectRatioX_Info();
    const uint32_t y = m_hInfo->GetVideoAspectRatioY_Info();
    if (x != 0 && y != 0) {
        if (uint64_t(h) * x <= uint64_t(w) * y)
            w = uint32_t(uint64_t(h) * x / y);
        else
            h = uint32_t(uint64_t(w) * y / x);
    }
    return QSize(int(w), int(h));
}
