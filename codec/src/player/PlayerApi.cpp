// The player's C surface: lifecycle, state, transport, delivery, capture and
// wave data. The edit setters are in PlayerSettingsApi.cpp.
#include "player/Player.h"

#include "core/BmpImage.h"
#include "core/Guard.h"
#include "core/Log.h"

#include <cstdlib>

using zv::guarded;
using zv::guardedVoid;

namespace {

// Runs body on an open handle; failure for a null handle.
template <typename R, typename F>
R onPlayer(ZvPlayer *p, const char *call, R failure, F &&body)
{
    if (!p)
        return failure;
    return guarded(call, failure, [&] { return body(p->player); });
}

int yes(bool b) { return b ? 1 : 0; }

} // namespace

extern "C" {

ZvPlayer *ZV_Create_Player(uint32_t flags)
{
    return guarded("ZV_Create_Player", static_cast<ZvPlayer *>(nullptr), [&] { return new ZvPlayer(flags); });
}

ZvPlayer *ZV_Reference_Player(ZvPlayer *p)
{
    if (!p)
        return nullptr;
    p->refs++;
    return p;
}

int ZV_Open_Player(ZvPlayer *p, const char *path, uint32_t width, uint32_t height, uint32_t, uint32_t)
{
    if (!path)
        return 0;
    return onPlayer(p, "ZV_Open_Player", 0, [&](zv::Player &pl) {
        zv::MediaLocation where;
        where.path = path;
        return yes(pl.open(where, width, height));
    });
}

int ZV_OpenStream_Player(ZvPlayer *p, ZvSource *s, uint32_t width, uint32_t height, uint32_t, uint32_t)
{
    if (!s)
        return 0;
    return onPlayer(p, "ZV_OpenStream_Player", 0, [&](zv::Player &pl) {
        zv::MediaLocation where;
        where.source = s->data;
        return yes(pl.open(where, width, height));
    });
}

int ZV_OpenDVD_Player(ZvPlayer *p, const char *, uint32_t, uint32_t, uint32_t, uint32_t)
{
    return onPlayer(p, __func__, 0, [](zv::Player &) {
        zv::zvLog("player: disc sources are not supported");
        return 0;
    });
}

int ZV_Close_Player(ZvPlayer *p)
{
    return onPlayer(p, "ZV_Close_Player", 0, [](zv::Player &pl) {
        pl.close();
        return 1;
    });
}

void ZV_Destroy_Player(ZvPlayer *p)
{
    if (!p)
        return;
    guardedVoid("ZV_Destroy_Player", [&] {
        if (--p->refs == 0)
            delete p;
    });
}

int ZV_IsAudioRendererOpenFailed_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0, [](zv::Player &pl) { return yes(pl.audioRendererFailed()); });
}

// ---- state ----

int ZV_IsCompleted_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0, [](zv::Player &pl) { return yes(pl.isOpen() && pl.completed()); });
}

int ZV_IsStop_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0,
                    [](zv::Player &pl) { return yes(pl.isOpen() && pl.state() == zv::Player::State::Stopped); });
}

int ZV_IsPause_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0,
                    [](zv::Player &pl) { return yes(pl.isOpen() && pl.state() == zv::Player::State::Paused); });
}

int ZV_IsRunning_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0,
                    [](zv::Player &pl) { return yes(pl.isOpen() && pl.state() == zv::Player::State::Running); });
}

int ZV_HasVideo_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0, [](zv::Player &pl) { return yes(pl.isOpen() && pl.hasVideo()); });
}

int ZV_HasAudio_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0, [](zv::Player &pl) { return yes(pl.isOpen() && pl.hasAudio()); });
}

int ZV_CanSeek_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0, [](zv::Player &pl) { return yes(pl.canSeek()); });
}

uint64_t ZV_GetDuration_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, uint64_t(0), [](zv::Player &pl) { return pl.isOpen() ? pl.durationUs() : 0; });
}

uint64_t ZV_GetPlayTime_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, uint64_t(0), [](zv::Player &pl) { return pl.isOpen() ? pl.playTimeUs() : 0; });
}

uint64_t ZV_GetVideoTime_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, uint64_t(0), [](zv::Player &pl) { return pl.isOpen() ? pl.videoTimeUs() : 0; });
}

uint64_t ZV_GetVideoSize_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, uint64_t(0), [](zv::Player &pl) { return pl.isOpen() ? pl.packedVideoSize() : 0; });
}

uint64_t ZV_GetVideoAspectRatio_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, uint64_t(0), [](zv::Player &pl) { return pl.isOpen() ? pl.packedAspect() : 0; });
}

uint32_t ZV_GetAudioWaveRate_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, uint32_t(0), [](zv::Player &pl) { return pl.waveRate(); });
}

// ---- transport ----

int ZV_Play_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0, [](zv::Player &pl) { return yes(pl.play()); });
}

int ZV_Pause_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0, [](zv::Player &pl) { return yes(pl.pause()); });
}

int ZV_Stop_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0, [](zv::Player &pl) { return yes(pl.stop()); });
}

int ZV_Seek_Player(ZvPlayer *p, uint64_t time)
{
    return onPlayer(p, __func__, 0, [&](zv::Player &pl) { return yes(pl.seek(time)); });
}

int ZV_BeginAsyncSeek_Player(ZvPlayer *p, uint64_t window)
{
    return onPlayer(p, __func__, 0, [&](zv::Player &pl) { return yes(pl.beginAsyncSeek(window)); });
}

int ZV_EndAsyncSeek_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0, [](zv::Player &pl) { return yes(pl.endAsyncSeek()); });
}

int ZV_FastSeek_Player(ZvPlayer *p, uint64_t time, int mode)
{
    return onPlayer(p, __func__, 0, [&](zv::Player &pl) { return yes(pl.fastSeek(time, mode)); });
}

int ZV_FrameStep_Player(ZvPlayer *p, int count)
{
    return onPlayer(p, __func__, 0, [&](zv::Player &pl) { return yes(pl.frameStep(count)); });
}

int ZV_KeyFrameStep_Player(ZvPlayer *p, int count)
{
    return onPlayer(p, __func__, 0, [&](zv::Player &pl) { return yes(pl.keyFrameStep(count)); });
}

int ZV_EnableLoop_Player(ZvPlayer *p, int on)
{
    return onPlayer(p, __func__, 0, [&](zv::Player &pl) {
        pl.setLoop(on != 0);
        return 1;
    });
}

// ---- delivery ----

int ZV_SetVideoView_Player(ZvPlayer *, void *) { return 0; }
int ZV_SetOriginalVideoView_Player(ZvPlayer *, void *) { return 0; }

int ZV_SetVideoFrameHandle_Player(ZvPlayer *p, ZvFrameProc proc, void *user)
{
    return onPlayer(p, __func__, 0, [&](zv::Player &pl) {
        pl.setCallback(false, proc, user);
        return 1;
    });
}

int ZV_SetOriginalVideoFrameHandle_Player(ZvPlayer *p, ZvFrameProc proc, void *user)
{
    return onPlayer(p, __func__, 0, [&](zv::Player &pl) {
        pl.setCallback(true, proc, user);
        return 1;
    });
}

int ZV_SetTimeInterval_Player(ZvPlayer *p, uint64_t us)
{
    return onPlayer(p, __func__, 0, [&](zv::Player &pl) {
        pl.setTimeInterval(us);
        return 1;
    });
}

int ZV_ShowVideoFrame_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0, [](zv::Player &pl) { return yes(pl.showVideoFrame()); });
}

int ZV_UpdateVideoFrame_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0, [](zv::Player &pl) { return yes(pl.updateVideoFrame()); });
}

int ZV_RefreshVideoFrame_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, 0, [](zv::Player &pl) { return yes(pl.refreshVideoFrame()); });
}

// ---- capture and wave data ----

uint8_t *ZV_CaptureVideoImage_Player(ZvPlayer *p, uint32_t width, uint32_t height, uint32_t)
{
    return onPlayer(p, __func__, static_cast<uint8_t *>(nullptr),
                    [&](zv::Player &pl) { return pl.capture(width, height); });
}

int ZV_FreeVideoImage_Player(ZvPlayer *, uint8_t *image)
{
    std::free(image);
    return 1;
}

int ZV_EnableAudioWaveData_Player(ZvPlayer *p, uint32_t on)
{
    return onPlayer(p, __func__, 0, [&](zv::Player &pl) {
        pl.enableWave(on != 0);
        return 1;
    });
}

uint8_t *ZV_GetAudioWaveData_Player(ZvPlayer *p, uint32_t)
{
    return onPlayer(p, __func__, static_cast<uint8_t *>(nullptr), [](zv::Player &pl) { return pl.takeWaveBlock(); });
}

int ZV_FreeAudioWaveData_Player(ZvPlayer *, uint8_t *block)
{
    std::free(block);
    return 1;
}

} // extern "C"
