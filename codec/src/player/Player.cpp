#include "player/Player.h"

#include "core/CodecTables.h"
#include "core/Log.h"
#include "core/BmpImage.h"
#include "core/PlayerMedia.h"

#include <algorithm>

namespace zv {

CodecContextPtr openStreamDecoder(AVStream *st, std::string &error, PictureMemory *pictures)
{
    const AVCodec *codec = avcodec_find_decoder(st->codecpar->codec_id);
    if (!codec) {
        error = std::string("no decoder for ") + avcodec_get_name(st->codecpar->codec_id);
        return nullptr;
    }
    CodecContextPtr ctx(avcodec_alloc_context3(codec));
    if (!ctx) {
        error = "out of memory";
        return nullptr;
    }
    int err = avcodec_parameters_to_context(ctx.get(), st->codecpar);
    if (err >= 0) {
        ctx->pkt_timebase = st->time_base;
        ctx->thread_count = decoderThreadCount();
        if (st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO)
            ctx->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
        if (pictures)
            pictures->attach(ctx.get());
        err = avcodec_open2(ctx.get(), codec, nullptr);
    }
    if (err < 0) {
        error = std::string("decoder ") + codec->name + " refused the stream: " + avErrorText(err);
        return nullptr;
    }
    return ctx;
}

namespace {
uint64_t packPair(uint64_t low, uint64_t high) { return (low & 0xFFFFFFFFu) | (high << 32); }
} // namespace

Player::Player(uint32_t flags, const void *key) : m_flags(flags), m_key(key)
{
    m_scope.watchGlobal = false;
}

Player::~Player() { close(); }

// The selected program's first real video stream (not cover art) and its
// audio stream by the audio choice (0xFFFFFFFF: none).
void Player::chooseStreams(const InputMedia &media, int &videoIndex, int &audioIndex)
{
    uint32_t program = 0, audioChoice = 0;
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        program = m_settings.edit.program;
        audioChoice = m_settings.edit.audioIndex;
    }
    const AVFormatContext *fmt = media.format();
    const auto &programs = media.programs();
    const MediaProgram &prog = programs[program < programs.size() ? program : 0];
    uint32_t audioSeen = 0;
    for (int i : prog.streams) {
        const AVStream *st = fmt->streams[i];
        const auto type = st->codecpar->codec_type;
        if (type == AVMEDIA_TYPE_VIDEO && videoIndex < 0 && !(st->disposition & AV_DISPOSITION_ATTACHED_PIC))
            videoIndex = i;
        else if (type == AVMEDIA_TYPE_AUDIO && audioSeen++ == audioChoice)
            audioIndex = i;
    }
}

// Upright source size, display aspect, the edited size (the default one:
// the display size rounded down to even) and the picture paths.
void Player::configureVideo(uint32_t width, uint32_t height)
{
    AVFormatContext *fmt = m_media->format();
    AVStream *st = fmt->streams[m_videoIndex];
    m_rotation = m_media->rotation(m_videoIndex);
    const bool turned = m_rotation == 90 || m_rotation == 270;
    const int w = st->codecpar->width, h = st->codecpar->height;
    m_srcWidth = turned ? h : w;
    m_srcHeight = turned ? w : h;
    AVRational sar = av_guess_sample_aspect_ratio(fmt, st, nullptr);
    if (sar.num <= 0 || sar.den <= 0)
        sar = {1, 1};
    m_uprightSar = turned ? AVRational{sar.den, sar.num} : sar;
    int64_t ax = int64_t(w) * sar.num, ay = int64_t(h) * sar.den;
    if (ax > 0 && ay > 0) {
        int rx = 0, ry = 0;
        av_reduce(&rx, &ry, ax, ay, INT32_MAX);
        m_aspect = turned ? packPair(ry, rx) : packPair(rx, ry);
    }
    // Default edited size: the display size, upright, rounded down to even.
    int dw = int(int64_t(w) * sar.num / sar.den), dh = h;
    if (turned)
        std::swap(dw, dh);
    m_outWidth = int(width ? width : uint32_t(dw)) & ~1;
    m_outHeight = int(height ? height : uint32_t(dh)) & ~1;
    AVRational rate = st->avg_frame_rate.num > 0 ? st->avg_frame_rate : st->r_frame_rate;
    m_frameDurationUs = rate.num > 0 ? av_rescale(1000000, rate.den, rate.num) : 40000;
    m_rotationPath.setDescription(turnFilter(m_rotation));
    // 55 pictures at 1080p, so that with the decoders' own pictures a paused
    // player holds less than 64; at least 16 and at most 256 pictures.
    const int64_t area = std::max<int64_t>(int64_t(w) * h, 1);
    m_windowCap = size_t(std::clamp<int64_t>(55 * 1920 * 1080 / area, 16, 256));
    const bool seekable = !fmt->pb || (fmt->pb->seekable & AVIO_SEEKABLE_NORMAL);
    m_fillPossible = seekable && !(fmt->iformat->flags & AVFMT_NOTIMESTAMPS) && !m_media->location().source;
    std::lock_guard<std::mutex> lock(m_chainMutex);
    m_chainVersion = ~uint64_t(0); // a new source or open size: configure the chain afresh
}

bool Player::open(const MediaLocation &where, uint32_t width, uint32_t height)
{
    std::lock_guard<std::mutex> cmd(m_cmdMutex);
    stopThreads();
    releaseMedia();
    m_scope.abort = false;
    std::string error;
    auto media = InputMedia::open(where, &m_scope, error);
    if (!media) {
        zvLog("player: %s", error.c_str());
        return false;
    }
    AVFormatContext *fmt = media->format();
    int videoIndex = -1, audioIndex = -1;
    chooseStreams(*media, videoIndex, audioIndex);
    CodecContextPtr vdec, adec;
    m_pictureMemory.renew();
    if (videoIndex >= 0 && !(vdec = openStreamDecoder(fmt->streams[videoIndex], error, &m_pictureMemory))) {
        zvLog("player: '%s': %s", where.describe().c_str(), error.c_str());
        videoIndex = -1;
    }
    if (audioIndex >= 0 && !(adec = openStreamDecoder(fmt->streams[audioIndex], error))) {
        zvLog("player: '%s': %s", where.describe().c_str(), error.c_str());
        audioIndex = -1;
    }
    for (unsigned i = 0; i < fmt->nb_streams; ++i)
        if (int(i) != videoIndex && int(i) != audioIndex)
            fmt->streams[i]->discard = AVDISCARD_ALL;

    m_media = std::move(media);
    m_subtitles.close(); // read again from the new media
    m_subtitleVersion = ~uint64_t(0);
    m_videoDec = std::move(vdec);
    m_audioDec = std::move(adec);
    m_videoIndex = videoIndex;
    m_audioIndex = audioIndex;
    m_durationUs = m_media->durationUs();
    m_srcWidth = m_srcHeight = m_outWidth = m_outHeight = 0;
    m_aspect = 0;
    m_rotation = 0;
    m_frameDurationUs = 40000;
    m_fillPossible = false;
    m_openWidth = width;
    m_openHeight = height;
    if (videoIndex >= 0)
        configureVideo(width, height);
    const auto formats = frameFormats();
    m_deliveryFormat = formats.empty() ? AV_PIX_FMT_YUV420P : pixelFormatFromCode(formats.front());
    if (m_deliveryFormat == AV_PIX_FMT_NONE)
        m_deliveryFormat = AV_PIX_FMT_YUV420P;

    if (m_audioIndex >= 0)
        m_audio.open(m_audioDec->sample_rate, m_audioDec->ch_layout.nb_channels, (m_flags & 0x2) != 0);

    {
        std::lock_guard<std::mutex> lock(m_presMutex);
        m_state = State::Stopped;
        m_completed = false;
        m_current.reset();
        clearHistoryLocked();
        m_parked = false;
        m_currentSerial = 0;
        m_historySerial = 0;
        m_showSerial = 0;
        m_videoEndSerial = -1;
        m_holdClock = false;
        m_deliverPending = false;
        m_positionUs = 0;
        m_async = false;
    }
    m_videoTimeUs = 0;
    m_clock.setRunning(false);
    m_clock.set(0);
    m_delivered = 0;
    m_dropped = 0;
    m_audioFloorUs = -1;
    m_quit = false;
    m_videoPackets.reset();
    m_audioPackets.reset();
    m_frames.reset();
    // The first read starts where the demuxer stands; posted before the
    // threads start so that no packet is read without a serial.
    PlayerRequest first;
    first.seekFile = false;
    postRequest(first, false);
    startThreads();
    m_open = true;
    setPlayerMedia(m_key, where);
    return true;
}

void Player::reselectStreams()
{
    MediaLocation where;
    uint32_t width, height;
    {
        std::lock_guard<std::mutex> cmd(m_cmdMutex);
        if (!m_open || !m_media)
            return;
        where = m_media->location();
        width = m_openWidth;
        height = m_openHeight;
    }
    const uint64_t position = playTimeUs();
    const State was = state();
    if (!open(where, width, height))
        return;
    if (position > 0 || was != State::Stopped)
        seek(position);
    if (was == State::Running)
        play();
    else if (was == State::Paused)
        pause();
}

void Player::startThreads()
{
    m_demuxThread = std::thread(&Player::demuxLoop, this);
    if (m_videoIndex >= 0)
        m_videoThread = std::thread(&Player::videoLoop, this);
    if (m_audioIndex >= 0)
        m_audioThread = std::thread(&Player::audioLoop, this);
    m_presentThread = std::thread(&Player::presentLoop, this);
    if (m_videoIndex >= 0 && m_fillPossible)
        m_fillThread = std::thread(&Player::backFillLoop, this);
}

void Player::stopThreads()
{
    m_quit = true;
    m_scope.abort = true;
    m_reqCv.notify_all();
    m_videoPackets.abort();
    m_audioPackets.abort();
    m_frames.abort();
    m_audio.abort();
    m_presCv.notify_all();
    m_fillCv.notify_all();
    for (std::thread *t : {&m_demuxThread, &m_videoThread, &m_audioThread, &m_presentThread, &m_fillThread})
        if (t->joinable())
            t->join();
    m_audio.close();
    {
        std::lock_guard<std::mutex> lock(m_reqMutex);
        m_hasPending = false;
        m_served.clear();
    }
    m_open = false;
}

void Player::close()
{
    std::lock_guard<std::mutex> cmd(m_cmdMutex);
    stopThreads();
    releaseMedia();
}

// Threads stopped: forget the media and every picture of it.
void Player::releaseMedia()
{
    if (m_media && m_delivered > 0)
        zvLog("player: '%s' closed after %llu pictures, %llu dropped late", m_media->location().describe().c_str(),
              (unsigned long long)m_delivered.load(), (unsigned long long)m_dropped.load());
    clearPlayerMedia(m_key);
    {
        std::lock_guard<std::mutex> lock(m_presMutex);
        m_current.reset();
        clearHistoryLocked();
        m_parked = false;
        m_state = State::Stopped;
        m_completed = false;
    }
    m_videoDec.reset();
    m_audioDec.reset();
    m_media.reset();
    m_videoIndex = m_audioIndex = -1;
    m_durationUs = 0;
    m_videoTimeUs = 0;
}

bool Player::audioRendererFailed() const
{
    std::lock_guard<std::mutex> cmd(m_cmdMutex);
    return m_open && m_audioIndex >= 0 && m_audio.deviceFailed();
}

// ---------------------------------------------------------------- requests

int Player::postRequest(PlayerRequest req, bool show, bool keepHistory)
{
    int serial;
    {
        std::lock_guard<std::mutex> lock(m_reqMutex);
        serial = ++m_serialCounter;
        req.serial = serial;
        m_pending = req;
        m_hasPending = true;
        m_latestSerial = serial;
    }
    m_frames.setSerial(serial);
    m_audio.flush(serial);
    m_audioFloorUs = -1; // the new request's own target decides; Play sets it again
    {
        std::lock_guard<std::mutex> lock(m_presMutex);
        if (show)
            m_showSerial = serial;
        m_deliverPending = false;
        m_parked = false; // any request decodes on from its own position
        if (!keepHistory)
            clearHistoryLocked(); // and a back-fill for the old position stops
    }
    m_reqCv.notify_all();
    m_presCv.notify_all();
    return serial;
}

bool Player::requestFor(int serial, PlayerRequest &out)
{
    std::lock_guard<std::mutex> lock(m_reqMutex);
    auto it = m_served.find(serial);
    if (it == m_served.end())
        return false;
    out = it->second;
    return true;
}

// ---------------------------------------------------------------- state

bool Player::completed() const
{
    std::lock_guard<std::mutex> lock(m_presMutex);
    return m_completed;
}

Player::State Player::state() const
{
    std::lock_guard<std::mutex> lock(m_presMutex);
    return m_state;
}

bool Player::canSeek() const
{
    std::lock_guard<std::mutex> cmd(m_cmdMutex);
    if (!m_open || !m_media)
        return false;
    const AVFormatContext *fmt = m_media->format();
    const bool seekable = !fmt->pb || (fmt->pb->seekable & AVIO_SEEKABLE_NORMAL);
    return seekable && m_durationUs > uint64_t(m_frameDurationUs);
}

uint64_t Player::playTimeUs() const
{
    std::lock_guard<std::mutex> lock(m_presMutex);
    if (m_state == State::Running)
        return uint64_t(std::clamp<int64_t>(m_clock.now(), 0, int64_t(m_durationUs)));
    return uint64_t(std::max<int64_t>(m_positionUs, 0));
}

uint64_t Player::videoTimeUs() const { return m_videoTimeUs; }

uint64_t Player::packedVideoSize() const
{
    return m_videoIndex >= 0 ? packPair(uint64_t(m_srcWidth), uint64_t(m_srcHeight)) : 0;
}

uint64_t Player::packedAspect() const { return m_videoIndex >= 0 ? m_aspect : 0; }

uint32_t Player::waveRate() const
{
    return m_open && m_audioIndex >= 0 ? uint32_t(m_audio.rate()) * 2 : 0;
}

uint8_t *Player::takeWaveBlock()
{
    if (!m_open || m_audioIndex < 0)
        return nullptr;
    return m_audio.takeWaveBlock();
}

void Player::setVolume(int percent) { m_audio.setVolume(std::clamp(percent, 0, 200)); }
void Player::setRendererVolume(int percent) { m_audio.setRendererVolume(std::max(percent, 0)); }

// ---------------------------------------------------------------- delivery

void Player::setCallback(bool original, ZvFrameProc proc, void *user)
{
    (original ? m_originalSlot : m_editedSlot).set(proc, user);
}

void Player::setTimeInterval(uint64_t us)
{
    m_intervalUs = int64_t(std::clamp<uint64_t>(us, 1000, 1000000));
    m_presCv.notify_all();
}

bool Player::showVideoFrame()
{
    if (!m_open)
        return false;
    std::lock_guard<std::mutex> lock(m_presMutex);
    if (m_state == State::Running)
        return true;
    if (m_current && m_currentSerial == m_latestSerial)
        m_deliverPending = true;
    else
        m_showSerial = m_latestSerial; // the first picture once it is decoded
    m_presCv.notify_all();
    return true;
}

bool Player::updateVideoFrame()
{
    int64_t target;
    {
        std::lock_guard<std::mutex> lock(m_presMutex);
        target = m_seekTargetUs;
    }
    return seek(uint64_t(target));
}

void Player::applyTempo(int ratePercent, int speedPercent)
{
    m_ratePercent = ratePercent;
    m_speedPercent = speedPercent;
    m_clock.setTempo(ratePercent / 100.0 * speedPercent / 100.0);
}

void Player::beginSettings()
{
    std::lock_guard<std::mutex> lock(m_settingsMutex);
    m_batchDepth++;
}

void Player::endSettings()
{
    bool show = false;
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        if (m_batchDepth > 0)
            m_batchDepth--;
        m_settingsVersion++;
        show = m_settings.showWhenSetting && m_batchDepth == 0;
    }
    if (show)
        showVideoFrame();
}

} // namespace zv

namespace zv {

uint8_t *Player::capture(uint32_t width, uint32_t height)
{
    EntryPtr e;
    {
        std::lock_guard<std::mutex> lock(m_presMutex);
        e = m_current;
    }
    if (!e)
        return nullptr;
    e = refreshEdited(e); // the picture as the current settings make it
    const AVFrame *f = e->edited ? e->edited.get() : e->original.get();
    const int w = width && height ? int(width) : f->width;
    const int h = width && height ? int(height) : f->height;
    BmpMaker maker;
    std::string error;
    uint8_t *bmp = maker.make(f, 0, w, h, error);
    if (!bmp)
        zvLog("player: capture failed: %s", error.c_str());
    return bmp;
}

} // namespace zv
