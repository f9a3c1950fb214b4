// Playback, trim, steps, the three timers and the time texts of the preview player.
#include "VelPlayerManager.h"

#include "VelPlayerClass.h"

#include <QTimer>

namespace {

QString clockText(uint64_t us, bool precise)
{
    const uint64_t ms = uint64_t(double(us) / 1000.0);
    const QLatin1Char zero('0');
    // Hours are not wrapped: a long position keeps all its hour digits.
    if (!precise)
        return QStringLiteral("%1:%2:%3")
            .arg(ms / 3600000, 2, 10, zero)
            .arg((ms / 60000) % 60, 2, 10, zero)
            .arg((ms / 1000) % 60, 2, 10, zero);
    return QStringLiteral("%1:%2:%3.%4")
        .arg(ms / 3600000, 2, 10, zero)
        .arg((ms / 60000) % 60, 2, 10, zero)
        .arg((ms / 1000) % 60, 2, 10, zero)
        .arg(ms % 1000, 3, 10, zero);
}

// A fraction of a length that may not be known yet (0): no fraction then.
double fractionOf(uint64_t part, uint64_t whole)
{
    return whole == 0 ? 0.0 : double(part) / double(whole);
}

} // namespace

uint64_t VelPlayerManager::getPlaylength() const
{
    if (!hasPlayer())
        return 0;
    const uint64_t duration = m_player->GetDuration_Player();
    if (!m_trimActive)
        return duration;
    if (m_trimEnd != 0 && m_trimEnd > m_trimStart)
        return m_trimEnd - m_trimStart;
    return duration > m_trimStart ? duration - m_trimStart : 0;
}

void VelPlayerManager::emitTimeTexts(uint64_t position)
{
    const uint64_t length = getPlaylength();
    emit emitPlayTime(QStringLiteral("%1 / %2").arg(clockText(position, false), clockText(length, false)));
    emitPreciseTimeText(position);
}

void VelPlayerManager::emitPreciseTimeText(uint64_t position)
{
    const uint64_t length = getPlaylength();
    emit emitPlayTime2(QStringLiteral("%1 / %2").arg(clockText(position, true), clockText(length, true)));
}

void VelPlayerManager::playFinished()
{
    emitTimeTexts(0);
    emit emitPlayProgress(0.0);
    emit emitPlayFinish();
}

void VelPlayerManager::onPlay()
{
    if (!hasPlayer())
        return;
    if (!m_player->HasVideoAndAudio_Player()) {
        playFinished();
        return;
    }
    if (m_player->IsCompleted_Player())
        m_player->Stop_Player();
    if (!m_player->Play_Player()) {
        emit emitPlayState(false);
        return;
    }
    emit emitPlayState(true);
    if (m_audioOnly)
        m_waveTimer->start(50);
    m_screenTimer->stop();
    m_timeTimer->start(100);
}

void VelPlayerManager::basePause()
{
    if (!hasPlayer() || !m_player->Pause_Player())
        return;
    m_screenTimer->start(50);
    m_timeTimer->stop();
    m_waveTimer->stop();
    emit emitAudioData(nullptr, 0);
}

void VelPlayerManager::onPause()
{
    m_trimPlaying = false;
    basePause();
    emit emitPlayState(false);
}

void VelPlayerManager::onTrimPause()
{
    // The trim-play flag stays, so the next trim play resumes where it paused.
    basePause();
    emit emitPlayState(false);
    emit emitTrimPlayState(false);
}

void VelPlayerManager::onStop()
{
    m_trimPlaying = false;
    if (!hasPlayer() || !m_player->HasVideoAndAudio_Player() || !m_player->Stop_Player())
        return;
    m_player->Seek_Player(m_trimStart);
    playFinished();
    m_screenTimer->start(50);
    m_timeTimer->stop();
    m_waveTimer->stop();
    emit emitAudioData(nullptr, 0);
}

void VelPlayerManager::progressValueChange(double value)
{
    if (!hasPlayer())
        return;
    const uint64_t offset = uint64_t(double(getPlaylength()) * value);
    m_player->Seek_Player(m_trimStart + offset);
    emitTimeTexts(offset);
}

void VelPlayerManager::beginAsyncSeek()
{
    if (hasPlayer())
        m_player->BeginAsyncSeek_Player(2000000);
}

void VelPlayerManager::endAsyncSeek()
{
    if (hasPlayer())
        m_player->EndAsyncSeek_Player();
}

uint64_t VelPlayerManager::scaledTime(float pos) const
{
    return uint64_t(float(m_trimStart) + float(getPlaylength()) * pos);
}

void VelPlayerManager::onTrimPlay(float startPos, float endPos)
{
    if (!hasPlayer())
        return;
    m_trimPlayStart = scaledTime(startPos);
    m_trimPlayEnd = scaledTime(endPos);
    if (!m_trimPlaying) {
        m_trimPlaying = true;
        m_player->Seek_Player(m_trimPlayStart);
    }
    onPlay();
    emit emitPlayState(true);
    emit emitTrimPlayState(true);
}

void VelPlayerManager::onTrim(uint64_t startTime, uint64_t endTime)
{
    if (!hasPlayer())
        return;
    m_trimStart = startTime;
    m_trimEnd = endTime;
    m_trimActive = true;
    onStop();
    m_player->Seek_Player(m_trimStart);
    emitTimeTexts(0);
    emit emitTrimTimeChange(m_trimStart, m_trimEnd);
}

void VelPlayerManager::onTrimChapter(uint64_t startTime, uint64_t endTime)
{
    onTrim(startTime, endTime);
}

void VelPlayerManager::onReset()
{
    if (!hasPlayer())
        return;
    m_trimActive = false;
    m_trimStart = 0;
    m_trimEnd = 0;
    onStop();
    m_player->Seek_Player(0);
    emitTimeTexts(0);
    emit emitTrimTimeChange(0, 0);
}

void VelPlayerManager::setTrimTime(uint64_t start, uint64_t end)
{
    m_trimStart = m_trimPlayStart = start;
    m_trimEnd = m_trimPlayEnd = end;
    if (hasPlayer())
        m_player->Seek_Player(start);
}

void VelPlayerManager::onPreviousStep(bool isSeek, float pos)
{
    if (!hasPlayer())
        return;
    pauseForStep();
    const uint64_t target = scaledTime(pos);
    if (isSeek)
        m_player->Seek_Player(target);
    if (target > m_trimStart)
        m_player->FrameStep_Player(-1);
    else if (isSeek)
        m_player->UpdateVideoFrame_Player();
    afterStep();
}

void VelPlayerManager::onNextStep(bool isSeek, float pos)
{
    if (!hasPlayer())
        return;
    pauseForStep();
    const uint64_t target = uint64_t(float(m_trimStart) + float(getPlaylength()) * pos + 1.0f);
    if (isSeek)
        m_player->Seek_Player(target);
    if (m_trimEnd == 0 || target < m_trimEnd)
        m_player->FrameStep_Player(1);
    else if (isSeek)
        m_player->UpdateVideoFrame_Player();
    afterStep();
}

void VelPlayerManager::pauseForStep()
{
    if (m_player->IsPause_Player())
        return;
    m_trimPlaying = false;
    basePause();
    emit emitPlayState(false);
    emit emitTrimPlayState(false);
}

void VelPlayerManager::afterStep()
{
    const uint64_t t = m_player->GetVideoTime_Player();
    uint64_t rel = 0;
    float percent = 0.0f;
    if (t != 0) {
        rel = t > m_trimStart ? t - m_trimStart : 0;
        percent = float(100.0 * fractionOf(rel, getPlaylength()));
    }
    emit emitPlayProgress(percent / 100.0);
    emit emitStartEndProgressValue(percent);
    emitPreciseTimeText(rel);
}

void VelPlayerManager::videoPreviousStep()
{
    stepFromFileStart(-1);
}

void VelPlayerManager::videoNextStep()
{
    stepFromFileStart(1);
}

void VelPlayerManager::stepFromFileStart(int direction)
{
    if (!hasPlayer())
        return;
    basePause();
    emit emitPlayState(false);
    m_player->FrameStep_Player(direction);
    const uint64_t t = m_player->GetVideoTime_Player();
    emit emitPlayProgress(float(fractionOf(t, getPlaylength())));
    emitPreciseTimeText(t);
}

void VelPlayerManager::pausePlay()
{
    basePause();
    emit emitPlayState(false);
}

void VelPlayerManager::startPlay()
{
    onPlay();
    emit emitPlayState(true);
}

void VelPlayerManager::closePlay()
{
    if (!hasPlayer())
        return;
    onStop();
    m_player->Close_Player();
    playFinished();
    emit emitClosePlay();
    emit emitAudioData(nullptr, 0);
}

void VelPlayerManager::setSoundVolume(int value)
{
    m_audioVolume = value;
    if (hasPlayer())
        m_player->SetAudioVolume_Player(uint64_t(qMax(0, value)));
}

void VelPlayerManager::setAudioRendererVolume(int value)
{
    m_rendererVolume = value;
    if (hasPlayer())
        m_player->SetAudioRendererVolume_Player(uint64_t(qMax(0, value)));
}

void VelPlayerManager::updateTime()
{
    if (!hasPlayer())
        return;
    const uint64_t t = m_player->GetPlayTime_Player();
    if (m_trimPlaying && t > m_trimPlayEnd) {
        m_player->Seek_Player(m_trimPlayEnd);
        const uint64_t rel = m_trimPlayEnd > m_trimStart ? m_trimPlayEnd - m_trimStart : 0;
        emit emitPlayProgress(fractionOf(rel, getPlaylength()));
        emitTimeTexts(rel);
        m_trimPlaying = false;
        basePause();
        emit emitPlayState(false);
        emit emitTrimPlayState(false);
        return;
    }
    if (m_trimActive && m_trimEnd != 0 && t > m_trimEnd) {
        onStop();
        return;
    }
    if (m_player->IsCompleted_Player()) {
        onStop();
        return;
    }
    if (t == 0)
        return;
    uint64_t rel = t;
    if (m_trimActive)
        rel = t > m_trimStart ? t - m_trimStart : 0;
    emit emitPlayProgress(fractionOf(rel, getPlaylength()));
    emitTimeTexts(rel);
}

void VelPlayerManager::updataScreen()
{
    if (hasPlayer() && m_player->HasVideo_Player() && !m_player->IsCompleted_Player())
        m_player->ShowVideoFrame_Player();
}

void VelPlayerManager::audioDataChanged()
{
    if (!hasPlayer())
        return;
    unsigned char* block = m_player->GetAudioWaveData_Player(m_waveRequest);
    if (block) {
        const uint32_t count = uint32_t(block[24]) | uint32_t(block[25]) << 8 | uint32_t(block[26]) << 16
                               | uint32_t(block[27]) << 24;
        // Receivers are connected directly and use the block during the call.
        emit emitAudioData(block, int(count / 2));
    }
    m_player->FreeAudioWaveData_Player(block);
}
