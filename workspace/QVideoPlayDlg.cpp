#include "QVideoPlayDlg.h"
#include "WorkspaceLog.h"

#include "AudioDataAttribute.h"
#include "QAudioDataWidget.h"
#include "QIAnyUtil.h"
#include "VelInfoClass.h"
#include "VelPlayerClass.h"

#include <QCursor>
#include <QDebug>
#include <QTimer>
#include <QLabel>
#include <QToolTip>

namespace {
QString res(const char *name) { return QIAnyUtil::getResourcePath() + QLatin1String(name); }
constexpr int kTimeInterval = 100;
constexpr int kScreenInterval = 50;
constexpr int kAudioInterval = 50;

void setLabelLook(QLabel *label, int pixelSize, QColor colour)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixelSize);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}
} // namespace

QVideoPlayDlg::QVideoPlayDlg(QWidget *parent) : QImageWidget(parent)
{
    setupUi(this);
    setBackgroundImage(res("/image/PlayDlg/bg_play.png"), true);
    setMouseTracking(true);
    m_hPlayer = new VelPlayerClass(this);
    initDlg();
    initPlayer();
    initBtn();
}

QVideoPlayDlg::~QVideoPlayDlg()
{
    // Unhooks the frame callback before the panel's surface goes away; a
    // borrowed player is only let go, its owner closes it for good.
    m_hPlayer->Release_Player();
    for (QTimer *timer : {m_pScreenTimer, m_pTimeTimer, m_pAudioTimer})
        timer->stop();
    releaseInfo();
}

void QVideoPlayDlg::initDlg()
{
    m_videoPlayWidget->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    m_videoPlayWidget->setWindowFlags(Qt::FramelessWindowHint);
    m_videoPlayWidget->hide();
    m_videoPlayWidget->move(5, 10);

    AudioDataAttribute attr;
    attr.barWidth = 11;
    attr.blockHeight = 3;
    attr.barSpace = 2;
    attr.blockSpace = 2;
    attr.showPeak = 1;
    attr.peakFalling = 1;
    attr.radius = 1.3;
    attr.barColor = QColor(243, 228, 142);
    attr.peakColor = QColor(243, 228, 142);
    attr.drawMode = 0;
    m_pAudioDataWidget = new QAudioDataWidget(this, &attr);
    m_pAudioDataWidget->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    m_pAudioDataWidget->setGeometry(5, 5, 390, 230);
    m_pAudioDataWidget->setAudioLogo(res("/image/PlayDlg/bg_audio.png"));
    m_pAudioDataWidget->hide();
}

void QVideoPlayDlg::initPlayer()
{
    m_pTimeTimer = new QTimer(this);
    m_pScreenTimer = new QTimer(this);
    m_pAudioTimer = new QTimer(this);
    m_fVolume = 100.0f;
    // The slider still has its default range 0..100 here, so 50 is the middle.
    m_soundSlider->setValue(50);
    m_btnSoundOpen->setToolTip(QStringLiteral("%1%").arg(m_fVolume));
    connect(m_pTimeTimer, &QTimer::timeout, this, &QVideoPlayDlg::UpdateTime);
    connect(m_pScreenTimer, &QTimer::timeout, this, &QVideoPlayDlg::UpdataScreen);
    connect(m_pAudioTimer, &QTimer::timeout, this, &QVideoPlayDlg::OnAudioDataTime);
}

void QVideoPlayDlg::initBtn()
{
    setLabelLook(m_labDrag, 18, QColor(34, 34, 34));

    m_btnPlay->setBtnImage(res("/image/PlayDlg/btn_play.png"));
    m_btnPause->setBtnImage(res("/image/PlayDlg/btn_pause.png"));
    m_btnStop->setBtnImage(res("/image/PlayDlg/btn_stop.png"));
    m_btnPrevious->setBtnImage(res("/image/PlayDlg/btn_previous_frame.png"));
    m_btnNext->setBtnImage(res("/image/PlayDlg/btn_next_frame.png"));
    m_btnPreviousKey->setBtnImage(res("/image/PlayDlg/btn_previous_key_frame.png"));
    m_btnNextKey->setBtnImage(res("/image/PlayDlg/btn_next_key_frame.png"));
    m_btnSoundOpen->setBtnImage(res("/image/PlayDlg/btn_sound_open.png"));
    m_btnSoundClose->setBtnImage(res("/image/PlayDlg/btn_sound_close.png"));
    m_btnPause->hide();
    setTransportEnabled(false);
    m_btnSoundClose->hide();

    setLabelLook(m_labPlayTime, 12, QColor(255, 255, 255));
    m_labPlayTime->adjustSize();

    m_soundSlider->setBottomImage(res("/image/PlayDlg/play_sound_trake_slider.png"));
    m_soundSlider->setTopImage(res("/image/PlayDlg/play_sound_trake_rate.png"));
    m_soundSlider->setCircle(true);
    m_soundSlider->setCircleLenght(3);
    m_soundSlider->setValueRange(0, 200);
    connect(m_soundSlider, &qSliderCtrl::sendProgressValue, this, &QVideoPlayDlg::SoundValueChange);
    retranslateUi();

    connect(m_btnPlay, &QPushButton::clicked, this, &QVideoPlayDlg::OnBtnPlay);
    connect(m_btnPause, &QPushButton::clicked, this, &QVideoPlayDlg::OnBtnPause);
    connect(m_btnStop, &QPushButton::clicked, this, &QVideoPlayDlg::OnBtnStop);
    connect(m_btnPrevious, &QPushButton::clicked, this, &QVideoPlayDlg::OnBtnPrevious);
    connect(m_btnNext, &QPushButton::clicked, this, &QVideoPlayDlg::OnBtnNext);
    connect(m_btnPreviousKey, &QPushButton::clicked, this, &QVideoPlayDlg::OnBtnPreKey);
    connect(m_btnNextKey, &QPushButton::clicked, this, &QVideoPlayDlg::OnBtnNextKet);
    connect(m_btnSoundOpen, &QPushButton::clicked, this, &QVideoPlayDlg::OnBtnSoundOpen);
    connect(m_btnSoundClose, &QPushButton::clicked, this, &QVideoPlayDlg::OnBtnSoundClose);
}

void QVideoPlayDlg::retranslateUi()
{
    m_labDrag->setText(QObject::tr("Drag media files here to start"));
    m_labDrag->adjustSize();
    m_btnPlay->setToolTip(QObject::tr("Play"));
    m_btnPause->setToolTip(QObject::tr("Pause"));
    m_btnStop->setToolTip(QObject::tr("Stop"));
    m_btnPrevious->setToolTip(QObject::tr("Previous Frame"));
    m_btnNext->setToolTip(QObject::tr("Next Frame"));
    m_btnPreviousKey->setToolTip(QObject::tr("Previous Key Frame"));
    m_btnNextKey->setToolTip(QObject::tr("Next Key Frame"));
}

void QVideoPlayDlg::setTransportEnabled(bool on)
{
    for (QWidget *button : {static_cast<QWidget *>(m_btnPrevious), static_cast<QWidget *>(m_btnPreviousKey),
                            static_cast<QWidget *>(m_btnPlay), static_cast<QWidget *>(m_btnPause),
                            static_cast<QWidget *>(m_btnStop), static_cast<QWidget *>(m_btnNext),
                            static_cast<QWidget *>(m_btnNextKey)})
        button->setEnabled(on);
}

void QVideoPlayDlg::showPlayButton(bool play)
{
    m_btnPlay->setVisible(play);
    m_btnPause->setVisible(!play);
}

uint64_t QVideoPlayDlg::duration() { return m_hPlayer->GetDuration_Player(); }

double QVideoPlayDlg::percentOf(uint64_t time, uint64_t total)
{
    return total == 0 ? 0.0 : double(time) * 100.0 / double(total);
}

QString QVideoPlayDlg::timeText(uint64_t micros)
{
    const qint64 ms = qint64(double(micros) / 1000.0);
    return QStringLiteral("%1:%2:%3.%4")
        .arg(ms / 3600000)
        .arg((ms / 60000) % 60, 2, 10, QLatin1Char('0'))
        .arg((ms / 1000) % 60, 2, 10, QLatin1Char('0'))
        .arg((ms % 1000) / 10, 2, 10, QLatin1Char('0'));
}

void QVideoPlayDlg::ShowTime(uint64_t time)
{
    m_labPlayTime->setText(QStringLiteral("%1 / %2").arg(timeText(time), timeText(duration())));
    m_labPlayTime->adjustSize();
}

void QVideoPlayDlg::leaveTrimPlay()
{
    if (!m_bPlayTrim)
        return;
    m_bPlayTrim = false;
    emit emitStopPlayTrim();
}

// ---- transport ----

void QVideoPlayDlg::OnBtnPlay()
{
    leaveTrimPlay();
    OnPlayVideo();
}

void QVideoPlayDlg::OnBtnPause()
{
    leaveTrimPlay();
    OnPauseVideo();
}

void QVideoPlayDlg::OnPlayVideo()
{
    if (!m_hPlayer->IsCreatePlayer())
        return;
    if (!m_hPlayer->HasVideo_Player() && !m_hPlayer->HasAudio_Player()) {
        showPlayButton(true);
        ShowTime(0);
        return;
    }
    if (!m_hPlayer->Play_Player())
        return;
    if (m_bAudioOnly)
        m_pAudioTimer->start(kAudioInterval);
    else
        m_videoPlayWidget->show();
    showPlayButton(false);
    m_bUpdateScreen = false;
    m_pScreenTimer->stop();
    m_pTimeTimer->start(kTimeInterval);
    // A stream without a known length cannot be cut by fractions of it.
    emit emitTrimDSliderEnable(duration() > 0);
}

void QVideoPlayDlg::OnPauseVideo()
{
    if (!m_hPlayer->IsCreatePlayer())
        return;
    if (!m_hPlayer->Pause_Player()) {
        qCDebug(lcWorkspace) << "error :---------Pause Fail--------";
        return;
    }
    m_bUpdateScreen = true;
    m_pScreenTimer->start(kScreenInterval);
    m_pTimeTimer->stop();
    m_pAudioTimer->stop();
    m_pAudioDataWidget->setAudioData(nullptr, 0);
    showPlayButton(true);
}

void QVideoPlayDlg::OnBtnStop()
{
    leaveTrimPlay();
    if (!m_hPlayer->IsCreatePlayer())
        return;
    m_hPlayer->Stop_Player();
    m_bUpdateScreen = true;
    m_pScreenTimer->start(kScreenInterval);
    m_pTimeTimer->stop();
    m_pAudioTimer->stop();
    m_pAudioDataWidget->setAudioData(nullptr, 0);
    showPlayButton(true);
    ShowTime(0);
    emit emitPlayProValue(0.0);
}

void QVideoPlayDlg::UpdateTime()
{
    const uint64_t d = duration();
    const uint64_t t = m_hPlayer->GetPlayTime_Player();
    if (m_bPlayTrim && m_trimEndTime != 0 && t > m_trimEndTime) {
        m_hPlayer->Seek_Player(m_trimEndTime);
        ShowTime(m_trimEndTime);
        emit emitPlayProValue(percentOf(m_trimEndTime, d));
        leaveTrimPlay();
        OnPauseVideo();
        return;
    }
    if (m_hPlayer->IsCompleted_Player()) {
        qCDebug(lcWorkspace) << "paly__finish---";
        m_hPlayer->Stop_Player();
        m_pTimeTimer->stop();
        showPlayButton(true);
        ShowTime(0);
        m_bUpdateScreen = true;
        m_pScreenTimer->start(kScreenInterval);
        emit emitPlayProValue(0.0);
        return;
    }
    if (t != 0) {
        emit emitPlayProValue(percentOf(t, d));
        ShowTime(t);
        m_videoPlayWidget->update();
    }
}

void QVideoPlayDlg::UpdataScreen()
{
    if (playerShowsFrames())
        m_hPlayer->ShowVideoFrame_Player();
}

bool QVideoPlayDlg::playerShowsFrames()
{
    return m_hPlayer->IsCreatePlayer() && m_hPlayer->HasVideo_Player() && !m_hPlayer->IsCompleted_Player();
}

void QVideoPlayDlg::step(bool keyFrame, int direction)
{
    if (!m_hPlayer->IsCreatePlayer())
        return;
    leaveTrimPlay();
    OnPauseVideo();
    if (keyFrame)
        m_hPlayer->KeyFrameStep_Player(direction);
    else
        m_hPlayer->FrameStep_Player(direction);
    // The first picture is at time 0 too: the text and the handle follow every step.
    const uint64_t t = m_hPlayer->GetPlayTime_Player();
    emit emitPlayProValue(percentOf(t, duration()));
    ShowTime(t);
}

void QVideoPlayDlg::OnBtnPrevious() { step(false, -1); }
void QVideoPlayDlg::OnBtnNext() { step(false, 1); }
void QVideoPlayDlg::OnBtnPreKey() { step(true, -1); }
void QVideoPlayDlg::OnBtnNextKet() { step(true, 1); }

// ---- seeking and segment play ----

void QVideoPlayDlg::SetTrimTime(quint64 start, quint64 end)
{
    m_trimStartTime = start;
    m_trimEndTime = end;
}

void QVideoPlayDlg::PlaySection()
{
    m_bPlayTrim = true;
    if (m_hPlayer->IsCreatePlayer())
        m_hPlayer->Seek_Player(m_trimStartTime);
    OnPlayVideo();
}

void QVideoPlayDlg::StopPlaySection()
{
    m_bPlayTrim = false;
    emit emitStopPlayTrim();
}

void QVideoPlayDlg::setPlaySeekStart()
{
    if (m_hPlayer->IsCreatePlayer()) {
        m_hPlayer->Seek_Player(m_trimStartTime);
        emit emitPlayProValue(percentOf(m_trimStartTime, duration()));
    }
    ShowTime(m_trimStartTime);
}

quint64 QVideoPlayDlg::GetEndTime()
{
    if (m_trimEndTime != 0)
        return m_trimEndTime;
    return duration();
}

quint64 QVideoPlayDlg::getPlayLength() { return duration(); }

void QVideoPlayDlg::PlayProValueChange(double fraction)
{
    if (!m_hPlayer->IsCreatePlayer())
        return;
    const uint64_t d = duration();
    const uint64_t t = uint64_t(double(d) * fraction);
    const uint64_t end = m_trimEndTime != 0 ? m_trimEndTime : d;
    if (m_bPlayTrim && (t < m_trimStartTime || t > end))
        leaveTrimPlay();
    m_hPlayer->Seek_Player(t);
    ShowTime(t);
}

void QVideoPlayDlg::PlaySeek(uint64_t time)
{
    if (!m_hPlayer->IsCreatePlayer())
        return;
    m_hPlayer->Seek_Player(time);
    emit emitPlayProValue(percentOf(time, duration()));
}

void QVideoPlayDlg::BeginAsyncSeek()
{
    if (m_hPlayer->IsCreatePlayer())
        m_hPlayer->BeginAsyncSeek_Player(2000000);
}

void QVideoPlayDlg::EndAsyncSeek()
{
    if (!m_hPlayer->IsCreatePlayer())
        return;
    m_hPlayer->EndAsyncSeek_Player();
    m_hPlayer->ShowVideoFrame_Player();
}

void QVideoPlayDlg::refreshProTime()
{
    if (!m_hPlayer->IsCreatePlayer())
        return;
    const uint64_t t = m_hPlayer->GetPlayTime_Player();
    if (t == 0)
        return;
    emit emitPlayProValue(percentOf(t, duration()));
    ShowTime(t);
}

void QVideoPlayDlg::VideoFinished()
{
    showPlayButton(true);
    ShowTime(0);
}

void QVideoPlayDlg::IsStartConverterSet(bool converting)
{
    if (converting)
        OnBtnStop();
    setTransportEnabled(!converting);
}

// ---- volume ----

void QVideoPlayDlg::SoundValueChange(double fraction)
{
    m_fVolume = float(200.0 * fraction);
    const QString text = QStringLiteral("%1%").arg(int(m_fVolume));
    const bool muted = fraction <= 0;
    m_btnSoundOpen->setVisible(!muted);
    m_btnSoundClose->setVisible(muted);
    (muted ? m_btnSoundClose : m_btnSoundOpen)->setToolTip(text);
    QToolTip::hideText();
    QToolTip::showText(QCursor::pos(), text);
    if (m_hPlayer->IsCreatePlayer())
        m_hPlayer->SetAudioVolume_Player(uint64_t(m_fVolume));
}

void QVideoPlayDlg::OnBtnSoundOpen()
{
    m_btnSoundOpen->hide();
    m_btnSoundClose->show();
    m_fVolume = m_soundSlider->getValue() * 200.0f / 100.0f;
    if (m_fVolume == 0)
        m_fVolume = 200.0f;
    m_soundSlider->setValue(0);
    if (m_hPlayer->IsCreatePlayer())
        m_hPlayer->SetAudioVolume_Player(0);
}

void QVideoPlayDlg::OnBtnSoundClose()
{
    m_btnSoundOpen->show();
    m_btnSoundClose->hide();
    if (m_fVolume == 0)
        m_fVolume = 200.0f;
    m_soundSlider->setValue(m_fVolume);
    if (m_hPlayer->IsCreatePlayer())
        m_hPlayer->SetAudioVolume_Player(uint64_t(m_fVolume));
}

void QVideoPlayDlg::resizeEvent(QResizeEvent *) {}

void QVideoPlayDlg::mouseMoveEvent(QMouseEvent *) { setCursor(Qt::ArrowCursor); }
