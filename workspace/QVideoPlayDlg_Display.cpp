// The picture side of the player panel: frames from the decoding thread,
// fitting the surface, the audio-only level display and the panel's layout.
#include "QVideoPlayDlg.h"

#include "QAudioDataWidget.h"
#include "QIAnyUtil.h"
#include "QImagaeRatioDraw.h"
#include "QSkinPicture.h"
#include "VelFrameClass.h"
#include "VelPlayerClass.h"
#include "VideoImageWindow.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kFormatYuv420 = 0;
constexpr int kFormatBgra = 30;
}

unsigned int QVideoPlayDlg::DrawVideoFrame(void *frame)
{
    VelFrameClass handle;
    if (!handle.Reference_Frame(frame))
        return 0;
    const int format = handle.GetVideoFormat_Frame();
    const int width = int(handle.GetVideoWidth_Frame());
    const int height = int(handle.GetVideoHeight_Frame());
    if (format == kFormatYuv420) {
        int lineSizes[3];
        unsigned char *planes[3];
        for (uint32_t i = 0; i < 3; ++i) {
            lineSizes[i] = handle.GetVideoStride_Frame(i);
            planes[i] = handle.GetVideoData_Frame(i);
        }
        m_videoPlayWidget->showYUVImage(planes, width, height, lineSizes);
        return 1;
    }
    if (format == kFormatBgra) {
        m_videoPlayWidget->showImage(handle.GetVideoData_Frame(0), unsigned(width), unsigned(height),
                                     unsigned(handle.GetVideoStride_Frame(0)));
        return 1;
    }
    return 0;
}

void QVideoPlayDlg::ResizeVideoWindow()
{
    if (!m_hPlayer->IsCreatePlayer())
        return;
    const uint64_t size = m_hPlayer->GetVideoSize_Player();
    const uint64_t aspect = m_hPlayer->GetVideoAspectRatio_Player();
    const int x = int(aspect & 0xFFFFFFFFu);
    const int y = int(aspect >> 32);
    if (x != 0 && y != 0)
        m_videoPlayWidget->setVideoSize(x, y);
    else
        m_videoPlayWidget->setVideoSize(int(size & 0xFFFFFFFFu), int(size >> 32));
}

void QVideoPlayDlg::IsNoVideoSet()
{
    if (!m_hPlayer->IsCreatePlayer())
        return;
    if (m_hPlayer->HasVideo_Player()) {
        m_hPlayer->EnableAudioWaveData_Player(0);
        m_bAudioOnly = false;
        m_pAudioDataWidget->hide();
        m_videoPlayWidget->show();
    } else if (m_hPlayer->HasAudio_Player()) {
        m_hPlayer->EnableAudioWaveData_Player(1);
        m_bAudioOnly = true;
        m_pAudioDataWidget->show();
        m_videoPlayWidget->hide();
    }
}

void QVideoPlayDlg::showAudioDataDlg(bool on)
{
    m_bAudioOnly = on;
    m_pAudioDataWidget->setVisible(on);
    m_videoPlayWidget->setVisible(!on);
}

void QVideoPlayDlg::OnAudioDataTime()
{
    if (!m_hPlayer->IsCreatePlayer())
        return;
    uint8_t *block = m_hPlayer->GetAudioWaveData_Player(1);
    if (block) {
        const int rate = int(m_hPlayer->GetAudioWaveRate_Player() >> 1);
        m_pAudioDataWidget->setAudioData(block, rate);
    }
    m_hPlayer->FreeAudioWaveData_Player(block);
}

void QVideoPlayDlg::paintEvent(QPaintEvent *event)
{
    QImageWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const int W = width();
    const int H = height();
    painter.fillRect(QRect(5, 10, W - 10, H - 50), QColor(0, 0, 0));

    const QRectF bar(QPointF((W - 200) / 2, H - 34), QPointF((W - 200) / 2 + 199, H - 7));
    QPainterPath path;
    const qreal r = 5;
    path.moveTo(bar.left() + r, bar.top());
    path.lineTo(bar.right() - r, bar.top());
    path.quadTo(bar.topRight(), QPointF(bar.right(), bar.top() + r));
    path.lineTo(bar.right(), bar.bottom() - r);
    path.quadTo(bar.bottomRight(), QPointF(bar.right() - r, bar.bottom()));
    path.lineTo(bar.left() + r, bar.bottom());
    path.quadTo(bar.bottomLeft(), QPointF(bar.left(), bar.bottom() - r));
    path.lineTo(bar.left(), bar.top() + r);
    path.quadTo(bar.topLeft(), QPointF(bar.left() + r, bar.top()));
    painter.fillPath(path, QColor(34, 34, 34));

    if (m_pAudioDataWidget->isHidden()) {
        static const QPixmap noFile =
            QSkinPicture::pixmap(QIAnyUtil::getResourcePath() + "/image/bg_noFile.png");
        if (!noFile.isNull()) {
            const int pw = noFile.width() / 2;
            const int ph = noFile.height() / 2;
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawPixmap(QRect((W - pw) / 2, (H - 40 - ph) / 2 - 20, pw, ph), noFile);
        }
    }
    layoutChildren();
    if (m_bUpdateScreen && playerShowsFrames())
        m_hPlayer->ShowVideoFrame_Player();
}

void QVideoPlayDlg::layoutChildren()
{
    const int W = width();
    const int H = height();
    const auto row = [H](QWidget *w) { return H - (w->height() + 40) / 2; };
    m_labDrag->move((W - m_labDrag->width()) / 2, (H - m_labDrag->height()) / 2 + 40);
    m_labPlayTime->move(10, row(m_labPlayTime));
    m_btnPlay->move(W / 2 - 7 - m_btnPlay->width(), row(m_btnPlay));
    m_btnPause->move(W / 2 - 7 - m_btnPause->width(), row(m_btnPause));
    m_btnPrevious->move(m_btnPlay->x() - 15 - m_btnPrevious->width(), row(m_btnPrevious));
    m_btnPreviousKey->move(m_btnPrevious->x() - 15 - m_btnPreviousKey->width(), row(m_btnPreviousKey));
    m_btnStop->move(W / 2 + 7, row(m_btnStop));
    m_btnNext->move(m_btnStop->x() + m_btnStop->width() - 1 + 15, row(m_btnNext));
    m_btnNextKey->move(m_btnNext->x() + m_btnNext->width() - 1 + 15, row(m_btnNextKey));
    m_soundSlider->move(W - 10 - m_soundSlider->width(), row(m_soundSlider));
    m_btnSoundOpen->move(m_soundSlider->x() - 5 - m_btnSoundOpen->width(), row(m_btnSoundOpen));
    m_btnSoundClose->move(m_soundSlider->x() - 5 - m_btnSoundClose->width(), row(m_btnSoundClose));
    m_pAudioDataWidget->move((W - m_pAudioDataWidget->width()) / 2, (H - 40 - m_pAudioDataWidget->height()) / 2);
    m_videoPlayWidget->setGeometry(5, 10, W - 10, H - 50);
    ResizeVideoWindow();
}
