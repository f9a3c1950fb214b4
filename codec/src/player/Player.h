#pragma once
// The player behind a ZvPlayer handle. Four threads of its own:
//  - demux: reads packets into the video and audio queues and serves seeks;
//  - video: decodes, applies the display rotation and the edit chain, and
//    queues pictures in the delivery format;
//  - audio: decodes and resamples into the audio output;
//  - presentation: the only caller of the frame callbacks, at each picture's
//    time on the master clock.
// Commands come from any thread and are serialised by one command mutex.

#include "core/Global.h"
#include "core/InputMedia.h"
#include "core/PictureMemory.h"
#include "edit/SubtitleBurner.h"
#include "player/AudioOutput.h"
#include "player/CallbackSlot.h"
#include "player/FilterPath.h"
#include "player/FrameQueue.h"
#include "player/MediaClock.h"
#include "player/PacketQueue.h"
#include "player/PlayerRequest.h"
#include "player/PlayerSettings.h"
#include "edit/VideoEditChain.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace zv {

// A decoder for one stream of an opened input, with the library's threading;
// a video decoder takes its pictures from `pictures` when given.
CodecContextPtr openStreamDecoder(AVStream *st, std::string &error, PictureMemory *pictures = nullptr);

class Player {
public:
    // key names this player to the rest of the library (its handle).
    Player(uint32_t flags, const void *key);
    ~Player();
    Player(const Player &) = delete;
    Player &operator=(const Player &) = delete;

    // ---- lifecycle ----
    bool open(const MediaLocation &where, uint32_t width, uint32_t height);
    void close();
    bool audioRendererFailed() const;

    // ---- state ----
    bool isOpen() const { return m_open; }
    bool completed() const;
    enum class State { Stopped, Paused, Running };
    State state() const;
    bool hasVideo() const { return m_videoIndex >= 0; }
    bool hasAudio() const { return m_audioIndex >= 0; }
    bool canSeek() const;
    uint64_t durationUs() const { return m_durationUs; }
    uint64_t playTimeUs() const;
    uint64_t videoTimeUs() const;
    uint64_t packedVideoSize() const;
    uint64_t packedAspect() const;
    uint32_t waveRate() const;

    // ---- transport ----
    bool play();
    bool pause();
    bool stop();
    bool seek(uint64_t us);
    bool fastSeek(uint64_t us, int mode);
    bool beginAsyncSeek(uint64_t windowUs);
    bool endAsyncSeek();
    bool frameStep(int count);
    bool keyFrameStep(int count);
    void setLoop(bool on);

    // ---- delivery ----
    void setCallback(bool original, ZvFrameProc proc, void *user);
    void setTimeInterval(uint64_t us);
    bool showVideoFrame();
    bool updateVideoFrame();
    uint8_t *capture(uint32_t width, uint32_t height);
    // Lays the overlays out for the current settings now, then re-delivers.
    bool refreshVideoFrame();
    ElementBox overlayBox(bool text);

    // ---- audio ----
    void setVolume(int percent);
    void setRendererVolume(int percent);
    void enableWave(bool on) { m_audio.enableWave(on); }
    uint8_t *takeWaveBlock();

    // ---- settings ----
    template <typename F>
    void changeSettings(F &&apply)
    {
        bool show = false;
        {
            std::lock_guard<std::mutex> lock(m_settingsMutex);
            apply(m_settings);
            m_settingsVersion++;
            show = m_settings.showWhenSetting && m_batchDepth == 0;
        }
        if (show)
            showVideoFrame();
    }
    template <typename F>
    void readSettings(F &&read)
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        read(m_settings);
    }
    void beginSettings();
    void endSettings();
    // The program or audio choice changed: reopen the media with it, keeping
    // the position and the play state.
    void reselectStreams();

    // Rate (tape speed) and speed (tempo) in percent: sound and pictures follow.
    void applyTempo(int ratePercent, int speedPercent);


private:
    // threads
    void demuxLoop();
    void videoLoop();
    void audioLoop();
    void presentLoop();

    // demux helpers
    bool serveRequest(PlayerRequest &req);
    // The seek helpers work on the player's media or on the back-fill's own.
    bool seekFile(InputMedia &media, int64_t us);
    bool seekRaw(InputMedia &media, int64_t us);
    bool peekVideoPacket(InputMedia &media, bool &key, int64_t &us);
    bool scanForKeyFrame(InputMedia &media, int64_t limitUs, int64_t &pos, int64_t &at);
    bool findKeyFrame(int64_t fromUs, int direction, int64_t &foundUs);
    bool queuesFull() const;

    // video helpers
    void videoFrameDecoded(AVFrame *frame, int serial, const PlayerRequest &req, struct VideoRun &run);
    void videoEndOfStream(int serial, const PlayerRequest &req, struct VideoRun &run);
    // captions: the picture is shown in playing order (not a back-fill).
    EntryPtr makeEntry(AVFrame *frame, int serial, bool captions = true);
    void stampUntimedFrame(AVFrame *frame, VideoRun &run);
    bool dropsBeforeTarget(const PlayerRequest &req) const;
    bool droppable(const AVPacket *packet, const VideoRun &run) const;
    int64_t keptSpanUs(const PlayerRequest &req) const;
    // Chain work, m_chainMutex held: bring the chain to the current settings
    // (not inside a batch), then render one picture through it.
    void updateChainLocked(const SourcePicture &upright);
    void renderEditedLocked(VideoEntry &e);
    EntryPtr refreshEdited(const EntryPtr &e);
    // subtitles (video thread, m_chainMutex held)
    bool syncSubtitles();
    FramePtr burnSubtitles(FramePtr picture, int64_t ptsUs);
    bool pushEntry(EntryPtr e);

    // back-fill (PlayerBackFill.cpp): pictures before the history, decoded
    // from a second reading of the media so that steps back never wait for
    // a GOP. m_presMutex held for the ...Locked ones.
    struct FillReader;
    struct FillJob {
        uint64_t generation = 0;
        int64_t beforeUs = 0;
        int count = 0;
        std::chrono::steady_clock::time_point notBefore;
    };
    void backFillLoop();
    bool fillOnce(FillReader &reader, const FillJob &job, std::deque<EntryPtr> &out, bool &atStart);
    size_t historyLimitLocked() const;
    size_t aheadLimit() const;
    size_t fillLimitLocked() const;
    void requestFillLocked(bool urgent);
    bool fillInFlightLocked() const;
    void takeFillLocked(const FillJob &job, std::deque<EntryPtr> &got, bool atStart);
    void clearHistoryLocked();
    // Pictures put back ahead of the current one are capped: the rest is
    // dropped and decoding parks until a forward step or Play needs them.
    void trimAheadLocked(std::unique_lock<std::mutex> &lock);
    void resumeParkedLocked(std::unique_lock<std::mutex> &lock);
    void postKeepingLocked(std::unique_lock<std::mutex> &lock, const PlayerRequest &req);

    // audio helpers
    void audioFrameDecoded(AVFrame *frame, int serial, const PlayerRequest &req, struct AudioRun &run);

    // requests
    // keepHistory: the pictures before the current one stay valid (parking).
    int postRequest(PlayerRequest req, bool show, bool keepHistory = false);
    bool requestFor(int serial, PlayerRequest &out);

    uint64_t clampToDuration(uint64_t us) const;

    // presentation helpers (m_presMutex held)
    void takeEntryLocked(const EntryPtr &e, bool deliver);
    bool waitSettledLocked(std::unique_lock<std::mutex> &lock);
    void setRunningLocked(bool on);
    void checkCompletionLocked();
    void deliver(const EntryPtr &e);

    void chooseStreams(const InputMedia &media, int &videoIndex, int &audioIndex);
    void configureVideo(uint32_t width, uint32_t height);
    void stopThreads();
    void releaseMedia();
    void startThreads();

    const uint32_t m_flags;
    const void *const m_key;
    mutable std::mutex m_cmdMutex; // one command at a time

    // media (fixed while open)
    std::unique_ptr<InputMedia> m_media;
    InterruptScope m_scope;
    PictureMemory m_pictureMemory; // the decoders' pictures, shared by the back-fill's decoder
    CodecContextPtr m_videoDec, m_audioDec;
    int m_videoIndex = -1, m_audioIndex = -1;
    int m_rotation = 0;
    int m_srcWidth = 0, m_srcHeight = 0; // rotated
    AVRational m_uprightSar{0, 1};
    uint64_t m_aspect = 0;
    int m_outWidth = 0, m_outHeight = 0;
    uint32_t m_openWidth = 0, m_openHeight = 0; // as the caller asked
    int64_t m_frameDurationUs = 40000;
    size_t m_windowCap = 55;  // pictures kept around the current one while paused
    bool m_fillPossible = false; // the media can be read again by time
    uint64_t m_durationUs = 0;
    AVPixelFormat m_deliveryFormat = AV_PIX_FMT_YUV420P;
    std::atomic<bool> m_open{false};

    // threads
    std::thread m_demuxThread, m_videoThread, m_audioThread, m_presentThread, m_fillThread;
    std::atomic<bool> m_quit{false};

    // requests
    std::mutex m_reqMutex;
    std::condition_variable m_reqCv;
    bool m_hasPending = false;
    PlayerRequest m_pending;
    std::map<int, PlayerRequest> m_served; // by serial, for the decoder threads
    std::atomic<int> m_latestSerial{0};
    int m_serialCounter = 0;

    PacketQueue m_videoPackets, m_audioPackets;
    FrameQueue m_frames{4};
    MediaClock m_clock;
    AudioOutput m_audio{m_clock};
    std::atomic<int64_t> m_audioFloorUs{-1};
    std::atomic<int> m_ratePercent{100}, m_speedPercent{100};

    // video-thread filters
    std::mutex m_chainMutex;
    FilterPath m_rotationPath;
    FrameConverter m_originalConverter, m_editConverter, m_subtitleConverter;
    VideoEditChain m_editChain;
    uint64_t m_chainVersion = ~uint64_t(0); // the settings the chain was configured with
    SourcePicture m_chainSource;
    SubtitleBurner m_subtitles;
    uint64_t m_subtitleVersion = ~uint64_t(0); // settings version the subtitles follow

    // presentation (m_presMutex)
    mutable std::mutex m_presMutex;
    std::condition_variable m_presCv;
    State m_state = State::Stopped;
    bool m_completed = false;
    bool m_loop = false;
    EntryPtr m_current;
    std::deque<EntryPtr> m_history; // contiguous pictures up to the current one
    std::atomic<uint64_t> m_historyGeneration{0}; // raised whenever the history starts afresh
    bool m_historyAtStart = false;  // its first picture is the first of the media
    std::condition_variable m_fillCv;
    FillJob m_fillJob;
    bool m_fillPending = false, m_fillBusy = false, m_fillFailed = false;
    bool m_parked = false;    // pictures after the ahead cap were dropped
    int64_t m_resumeUs = 0;   // parked: the first picture to decode again
    int m_currentSerial = 0;
    int m_historySerial = 0;
    int m_showSerial = 0;     // first picture of this serial is shown even when not running
    int m_videoEndSerial = -1;
    bool m_holdClock = false; // running seek: the clock waits for its first picture
    bool m_deliverPending = false;
    int64_t m_positionUs = 0; // seek target, or the time of the picture shown
    int64_t m_seekTargetUs = 0; // the last seek's target
    std::atomic<uint64_t> m_videoTimeUs{0};
    std::atomic<int64_t> m_intervalUs{50000};
    bool m_async = false;
    int64_t m_asyncWindowUs = 0;

    CallbackSlot m_originalSlot, m_editedSlot;
    // Logged when the media closes: pictures shown and pictures dropped late.
    std::atomic<uint64_t> m_delivered{0}, m_dropped{0};

    // settings
    std::mutex m_settingsMutex;
    PlayerSettings m_settings;
    // Raised by every change; the edit chain compares it with the version
    // it last rendered to know when to rebuild.
    std::atomic<uint64_t> m_settingsVersion{0};
    int m_batchDepth = 0;
};

} // namespace zv

// The opaque handle: ZV_Reference_Player hands out the same pointer with one
// more reference; the last ZV_Destroy_Player closes and frees.
struct ZvPlayer {
    explicit ZvPlayer(uint32_t flags) : player(flags, this) {}
    std::atomic<int> refs{1};
    zv::Player player;
};
