#include "CAVConverter.h"

#include "CAVEncodeParam.h"
#include "VelConfigManager.h"

#include "zovAruzIvivu.h"

#include "EngineLog.h"

#include <algorithm>
#include <climits>

namespace {

constexpr uint32_t kH264 = 28;
constexpr uint32_t kHevc = 0x48323635;

bool isMp4Family(const QByteArray &format)
{
    return format == "mp4" || format == "m4a" || format == "3gp" || format == "3g2";
}

} // namespace

IAVConverter *CreateAVConverter()
{
    return new CAVConverter;
}

void DestroyAVConverter(IAVConverter *converter)
{
    if (!converter)
        return;
    if (auto *c = dynamic_cast<CAVConverter *>(converter))
        c->ReleaseResources();
    delete converter;
}

CAVConverter::CAVConverter() = default;

CAVConverter::~CAVConverter()
{
    StopConvert();
    // The worker uses this object: it must end before anything is freed.
    if (m_merge)
        ZV_Stop_Merge(m_merge, 1);
    m_stopRequested = true;
    m_worker.JoinThread();
    for (TrackEntry &t : m_tracks)
        ZV_Release_Track(t.stream);
    m_tracks.clear();
    destroyJob();
    if (m_merge) {
        ZV_Destroy_Merge(m_merge);
        m_merge = nullptr;
    }
    if (m_config) {
        ZV_Release_Config(m_config);
        m_config = nullptr;
    }
}

void CAVConverter::ReleaseResources()
{
    m_stopRequested = true;
    {
        std::lock_guard<std::mutex> lock(m_jobMutex);
        if (m_job)
            ZV_Stop_Job(m_job);
    }
    if (m_merge)
        ZV_Stop_Merge(m_merge, 0);
    m_worker.JoinThread();
    destroyJob();
    if (m_merge) {
        ZV_Destroy_Merge(m_merge);
        m_merge = nullptr;
    }
    if (m_config) {
        ZV_Release_Config(m_config);
        m_config = nullptr;
    }
    m_param.reset();
}

void CAVConverter::destroyJob()
{
    std::lock_guard<std::mutex> lock(m_jobMutex);
    if (m_job) {
        ZV_Close_Job(m_job);
        ZV_Destroy_Job(m_job);
        m_job = nullptr;
    }
}

void CAVConverter::report(unsigned int progress, convertState state)
{
    ConvertProgressCallback callback = m_mergeMode ? m_mergeCallback : m_convertCallback;
    if (callback)
        callback(progress, m_user, state);
}

void CAVConverter::setError(const char *what, const char *text)
{
    const QString line = QString::fromUtf8(what) + QStringLiteral(": ")
        + (text && *text ? QString::fromUtf8(text) : QStringLiteral("no reason given"));
    qCDebug(lcEngine).noquote() << line;
    std::lock_guard<std::mutex> lock(m_errorMutex);
    m_errorText = line;
}

void CAVConverter::clearError()
{
    std::lock_guard<std::mutex> lock(m_errorMutex);
    m_errorText.clear();
}

QString CAVConverter::lastErrorText() const
{
    std::lock_guard<std::mutex> lock(m_errorMutex);
    return m_errorText;
}

void CAVConverter::SetConvertConfig(ZvConfig *config, const CAVEncodeParam *param)
{
    if (!config || !param)
        return;
    const uint32_t video = uint32_t(param->m_videoCodec);
    const uint32_t audio = uint32_t(param->m_audioCodec);
    if (param->m_bLossless) {
        ZV_SetVideoCodec_Config(config, video);
        ZV_SetAudioCodec_Config(config, audio);
        return;
    }
    ZV_EnableVideo_Config(config, 1);
    ZV_EnableAudio_Config(config, 1);
    ZV_SetVideoCodec_Config(config, video);
    ZV_SetAudioCodec_Config(config, audio);
    if (video == kH264) {
        ZV_SetVideoEncoderOption_Config(config, 2);
        ZV_SetVideoProfile_Config(config, 66);
    } else if (video == kHevc) {
        ZV_SetVideoEncoderOption_Config(config, 2);
        ZV_SetVideoProfile_Config(config, 1);
    }
    if (param->m_width && param->m_height)
        ZV_SetVideoSize_Config(config, param->m_width, param->m_height);
    if (param->m_frameRate100)
        ZV_SetVideoFrameRate_Config(config, param->m_frameRate100, 100);
    else if (param->m_frameRate)
        ZV_SetVideoFrameRate_Config(config, param->m_frameRate, param->m_frameRateScale);
    if (param->m_videoBitRate)
        ZV_SetVideoBitRate_Config(config, param->m_videoBitRate * 1000);
    ZV_SetAudioChannels_Config(config, param->m_channels ? param->m_channels : 2);
    ZV_SetAudioSampleRate_Config(config, param->m_sampleRate ? param->m_sampleRate : 44100);
    if (param->m_audioBitRate)
        ZV_SetAudioBitRate_Config(config, param->m_audioBitRate * 1000);
    ZV_SetVideoQuality_Config(config, param->m_videoOption);
    ZV_SetAudioQuality_Config(config, param->m_audioOption);
    if (!param->textOption().isEmpty())
        ZV_SetTextOption_Config(config, param->textOption().constData());
}

ZvConfig *CAVConverter::makeConfig(const CAVEncodeParam *param)
{
    ZvConfig *config = ZV_Create_Config();
    if (!config)
        return nullptr;
    SetConvertConfig(config, param);
    VelConfigManager::setEditConfig(config, param->m_editConfig);
    qCDebug(lcEngine, "video: 0x%0x, %u*%u, %u fps, %u kbps %u\nAudio: 0x%0x, %u Hz, %u bps, %u",
                uint32_t(param->m_videoCodec), param->m_width, param->m_height, param->m_frameRate100,
                param->m_videoBitRate, param->m_videoOption, uint32_t(param->m_audioCodec), param->m_sampleRate,
                param->m_audioBitRate, param->m_channels);
    return config;
}

bool CAVConverter::openJob(ZvConfig *config)
{
    return openJobAs(config, m_param->m_format);
}

bool CAVConverter::openJobAs(ZvConfig *config, const QByteArray &container)
{
    const bool disc = m_param->m_sourceKind != 0;
    const int opened = disc ? ZV_OpenDVD_Job(m_job, m_source.constData(), m_target.constData(),
                                             container.constData(), config)
                            : ZV_Open_Job(m_job, m_source.constData(), m_target.constData(),
                                          container.constData(), config);
    if (opened != 1) {
        setError("conversion refused", ZV_GetErrorText_Job(m_job));
        return false;
    }
    ZV_SetRange_Job(m_job, m_param->m_trimStart, m_param->m_duration);
    if (ZV_Begin_Job(m_job) != 1) {
        setError("conversion could not begin", ZV_GetErrorText_Job(m_job));
        return false;
    }
    return true;
}

bool CAVConverter::openJobWithRetries(ZvConfig *config)
{
    const bool disc = m_param->m_sourceKind != 0;
    const int opened = disc ? ZV_OpenDVD_Job(m_job, m_source.constData(), m_target.constData(),
                                             m_param->m_format.constData(), config)
                            : ZV_Open_Job(m_job, m_source.constData(), m_target.constData(),
                                          m_param->m_format.constData(), config);
    if (opened != 1) {
        setError("conversion refused", ZV_GetErrorText_Job(m_job));
        return false;   // an open failure is not retried
    }
    ZV_SetRange_Job(m_job, m_param->m_trimStart, m_param->m_duration);
    if (ZV_Begin_Job(m_job) == 1)
        return true;
    setError("conversion could not begin", ZV_GetErrorText_Job(m_job));
    if (!m_param->m_bLossless || !config)
        return false;
    // The container refused a stream: drop the kept subtitles, then every
    // subtitle, then try mov in place of an mp4-family container.
    ZV_SetSubtlTrackMask_Config(config, 0);
    ZV_EnableClosedCaption_Config(config, 0);
    ZV_SetSubtlFile_Config(config, nullptr);
    if (openJob(config))
        return true;
    ZV_SetSubtlIndex_Config(config, 0xFFFFFFFF);
    ZV_EnableClosedCaption_Config(config, 0);
    ZV_SetSubtlFile_Config(config, nullptr);
    if (openJob(config))
        return true;
    if (isMp4Family(m_param->m_format))
        return openJobAs(config, "mov");
    return false;
}

bool CAVConverter::StartConvert(const char *source, const char *target, const CAVEncodeParam *param, void *user,
                                ConvertProgressCallback callback, bool deferred)
{
    if (!source || !target || !param)
        return false;
    m_worker.JoinThread();
    clearError();
    m_deferred = deferred;
    destroyJob();
    ZvJob *job = param->m_bLossless ? ZV_CreateCopy_Job(-1) : ZV_CreateEncode_Job(-1);
    if (!job)
        return false;
    {
        std::lock_guard<std::mutex> lock(m_jobMutex);
        m_job = job;
    }
    m_user = user;
    m_convertCallback = callback;
    if (m_config)
        ZV_Release_Config(m_config);
    m_config = makeConfig(param);
    if (m_config)
        setAudioTag(m_config, param);
    m_param = std::make_unique<CAVEncodeParam>(*param);
    m_source = QByteArray(source);
    m_target = QByteArray(target);

    if (m_deferred) {
        m_mergeMode = false;
        m_stopRequested = false;
        m_worker.StartThread();
        return true;
    }
    const bool begun = openJobWithRetries(m_config);
    if (begun) {
        m_mergeMode = false;
        m_stopRequested = false;
        m_worker.StartThread();
    }
    if (m_config) {
        ZV_Release_Config(m_config);
        m_config = nullptr;
    }
    m_stopRequested = false;
    return begun;
}

void CAVConverter::StopConvert()
{
    if (!m_job)
        return;
    if (m_busy) {
        ZV_Lock_Library(1);
        m_stopRequested = true;
        if (m_chapter)
            ZV_Abort_Chapter(m_chapter);
        ZV_Lock_Library(0);
    }
    // Raised before the job stops, so the worker never takes the stop for a failure.
    m_stopRequested = true;
    {
        std::lock_guard<std::mutex> lock(m_jobMutex);
        if (m_job && !ZV_Stop_Job(m_job))
            qCDebug(lcEngine, "stop convert failed!");
    }
    m_worker.JoinThread();
    destroyJob();
    m_user = nullptr;
    m_convertCallback = nullptr;
    if (m_config) {
        ZV_Release_Config(m_config);
        m_config = nullptr;
    }
}

bool CAVConverter::StartMerger(const char *target, const CAVEncodeParam *param)
{
    if (!target || !param)
        return false;
    clearError();
    m_target = QByteArray(target);
    if (m_merge)
        StopMerger(true);
    m_merge = param->m_bLossless ? ZV_CreateCopy_Merge(-1) : ZV_CreateEncode_Merge(-1);
    if (!m_merge)
        return false;
    m_param = std::make_unique<CAVEncodeParam>(*param);
    ZvConfig *config = makeConfig(param);
    bool ok = ZV_OpenOutput_Merge(m_merge, m_target.constData(), param->m_format.constData(), config) == 1;
    ok = ok && ZV_Begin_Merge(m_merge) == 1;
    if (!ok)
        setError("merge output refused", ZV_GetErrorText_Merge(m_merge));
    if (config)
        ZV_Release_Config(config);
    m_mergeTasks = 0;
    return ok;
}

bool CAVConverter::addMergeTask(const char *source, const CAVEncodeParam *param, ZvConfig *config)
{
    const int added = param->m_sourceKind
        ? ZV_AddTaskDVD_Merge(m_merge, source, param->m_trimStart, param->m_duration, config)
        : ZV_AddTask_Merge(m_merge, source, param->m_trimStart, param->m_duration, config);
    if (added != 1)
        setError("merge task refused", ZV_GetErrorText_Merge(m_merge));
    return added == 1;
}

bool CAVConverter::reopenMerge(ZvConfig *config, const QByteArray &container)
{
    if (ZV_OpenOutput_Merge(m_merge, m_target.constData(), container.constData(), config) != 1
        || ZV_Begin_Merge(m_merge) != 1) {
        setError("merge output refused", ZV_GetErrorText_Merge(m_merge));
        return false;
    }
    return true;
}

bool CAVConverter::AddMergerTask(const char *source, const CAVEncodeParam *param, void *user,
                                 ConvertProgressCallback callback)
{
    if (!source || !m_merge || !param)
        return false;
    // The previous task's worker has reported; wait for it to return.
    m_worker.JoinThread();
    clearError();
    ZvConfig *config = makeConfig(param);
    m_user = user;
    m_mergeCallback = callback;
    bool added = addMergeTask(source, param, config);
    // Reopening the output drops what was merged, so the retries are only for
    // the first task, whose refusal means the container refused its streams.
    if (!added && config && param->m_bLossless && m_mergeTasks == 0) {
        ZV_SetSubtlTrackMask_Config(config, 0);
        ZV_EnableClosedCaption_Config(config, 0);
        ZV_SetSubtlFile_Config(config, nullptr);
        if (!reopenMerge(config, m_param->m_format)) {
            ZV_Release_Config(config);
            return false;
        }
        added = addMergeTask(source, param, config);
        if (!added) {
            ZV_SetSubtlIndex_Config(config, 0xFFFFFFFF);
            ZV_EnableClosedCaption_Config(config, 0);
            ZV_SetSubtlFile_Config(config, nullptr);
            if (!reopenMerge(config, m_param->m_format)) {
                ZV_Release_Config(config);
                return false;
            }
            added = addMergeTask(source, param, config);
        }
        if (!added && isMp4Family(m_param->m_format)) {
            if (!reopenMerge(config, "mov")) {
                ZV_Release_Config(config);
                return false;
            }
            added = addMergeTask(source, param, config);
        }
    }
    if (added) {
        ++m_mergeTasks;
        m_mergeMode = true;
        m_stopRequested = false;
        m_worker.StartThread();
    }
    if (config)
        ZV_Release_Config(config);
    return added;
}

void CAVConverter::StopMerger(bool wait)
{
    if (!m_merge)
        return;
    if (wait)
        m_stopRequested = true;
    if (!ZV_Stop_Merge(m_merge, wait ? 1 : 0))
        qCDebug(lcEngine, "stop Merger failed!");
    // Always wait for our own worker: the merge handle must not be closed under it.
    m_worker.JoinThread();
    ZV_Close_Merge(m_merge);
    ZV_Destroy_Merge(m_merge);
    m_merge = nullptr;
    m_mergeCallback = nullptr;
}

void CAVConverter::SetChapter(ZvConfig *config)
{
    ZvChapter *chapter = ZV_Create_Chapter(-1);
    if (!chapter)
        return;
    ZV_Lock_Library(1);
    m_chapter = chapter;
    ZV_Lock_Library(0);
    const int opened = m_param->m_sourceKind ? ZV_OpenDVD_Chapter(chapter, m_source.constData(), 0)
                                             : ZV_Open_Chapter(chapter, m_source.constData());
    if (!m_stopRequested && opened) {
        const uint64_t R = m_param->m_trimStart;
        const uint64_t E = m_param->m_duration ? R + m_param->m_duration : 0;
        const uint32_t count = ZV_GetCount_Chapter(chapter);
        for (uint32_t i = 0; i < count; ++i) {
            const uint64_t s = ZV_GetStartTime_Chapter(chapter, i);
            const uint64_t l = ZV_GetDuration_Chapter(chapter, i);
            const char *t = ZV_GetTitle_Chapter(chapter, i);
            const QByteArray title = t ? QByteArray(t) : QByteArray("Chapter ") + QByteArray::number(i + 1);
            const uint64_t e = s + l;
            uint64_t start = 0, length = 0;
            if (s < R) {
                if (e < R)
                    continue;
                start = 0;
                length = (E != 0 && e > E) ? E - R : e - R;
            } else {
                if (E != 0 && E < s)
                    continue;
                start = s - R;
                length = (E != 0 && e > E) ? E - s : l;
            }
            if (length == 0)
                continue;
            ZV_AddChapter_Config(config, start, length, title.constData());
        }
    }
    ZV_Lock_Library(1);
    m_chapter = nullptr;
    ZV_Lock_Library(0);
    ZV_Close_Chapter(chapter);
    ZV_Release_Chapter(chapter);
}

void CAVConverter::setAudioTag(ZvConfig *config, const CAVEncodeParam *param)
{
    VelConfigManager::setTagWriterSettings(config, param->m_editConfig.m_audioTagInfo);
}

void CAVConverter::OnExecute()
{
    if (m_deferred && !m_mergeMode) {
        m_busy = true;
        report(1, convertPreparing);
        SetChapter(m_config);
        m_busy = false;
        if (m_stopRequested) {
            report(100, convertStopped);
            m_user = nullptr;
            m_convertCallback = nullptr;
            return;
        }
        bool begun;
        {
            std::lock_guard<std::mutex> lock(m_jobMutex);
            begun = openJobWithRetries(m_config);
        }
        if (m_config) {
            ZV_Release_Config(m_config);
            m_config = nullptr;
        }
        if (!begun || m_stopRequested) {
            report(m_stopRequested ? 100 : 0, m_stopRequested ? convertStopped : convertOpenFailed);
            destroyJob();
            m_user = nullptr;
            m_convertCallback = nullptr;
            return;
        }
    }
    if (m_mergeMode)
        runMerge();
    else
        runConversion();
}

// The calls that watch one kind of task: a conversion job or a merge.
template <class Task>
struct CAVConverter::TaskCalls {
    int (*finished)(Task *);   // waits up to 20 ms itself
    int (*stopped)(Task *);
    uint64_t (*total)(Task *);
    uint64_t (*done)(Task *);
    int (*error)(Task *);
    const char *(*errorText)(Task *);
};

template <class Task>
CAVConverter::TaskEnd CAVConverter::followTask(Task *task, const TaskCalls<Task> &calls,
                                               const ConvertProgressCallback &listener, unsigned int ceiling,
                                               const char *failure)
{
    unsigned int last = 0;
    while (!calls.finished(task)) {
        if (calls.stopped(task) && m_stopRequested)
            break;
        if (listener) {
            const uint64_t total = calls.total(task);
            const uint64_t done = calls.done(task);
            // Whole percent steps: a fraction more is not news for the queue.
            unsigned int p = total ? unsigned(100.0f * float(done) / float(total)) : 0;
            p = std::min(p, ceiling);
            if (p > last) {
                report(p, convertRunning);
                last = p;
            }
        }
    }
    if (m_stopRequested)
        return TaskEnd::Stopped;
    if (calls.stopped(task) || calls.error(task) < 0) {
        setError(failure, calls.errorText(task));
        return TaskEnd::Failed;
    }
    return TaskEnd::Finished;
}

void CAVConverter::runConversion()
{
    static const TaskCalls<ZvJob> job{ZV_IsFinished_Job, ZV_IsStopped_Job,  ZV_GetTotal_Job,
                                      ZV_GetDone_Job,    ZV_GetError_Job,   ZV_GetErrorText_Job};
    // A conversion's last percent waits for its end.
    const TaskEnd end = followTask(m_job, job, m_convertCallback, 99, "conversion failed");
    if (end == TaskEnd::Stopped) {
        // The job is left for StopConvert, which waits for this worker.
        report(0, convertStopped);
        return;
    }
    destroyJob();
    if (end == TaskEnd::Failed)
        report(0, convertOpenFailed);
    else
        report(100, convertFinished);
    m_user = nullptr;
    m_convertCallback = nullptr;
}

void CAVConverter::runMerge()
{
    static const TaskCalls<ZvMerge> merge{ZV_IsTaskFinished_Merge, ZV_IsStopped_Merge, ZV_GetTotal_Merge,
                                          ZV_GetDone_Merge,        ZV_GetError_Merge,  ZV_GetErrorText_Merge};
    switch (followTask(m_merge, merge, m_mergeCallback, UINT_MAX, "merge task failed")) {
    case TaskEnd::Stopped:
        report(0, convertStopped);
        break;
    case TaskEnd::Failed:
        report(0, convertOpenFailed);
        break;
    case TaskEnd::Finished:
        report(100, convertFinished);
        break;
    }
}

// ---- track-mux mode: the library offers no track muxing, so these fail cleanly ----

const CAVConverter::TrackEntry *CAVConverter::GetTracksInfoOfType(uint32_t type) const
{
    for (const TrackEntry &t : m_tracks) {
        if (t.type == type)
            return &t;
    }
    return nullptr;
}

bool CAVConverter::StartWithTrack(const char *target, const CAVEncodeParam *param, void *user,
                                  ConvertProgressCallback progress, ConvertTimeCallback time)
{
    (void)target;
    if (!m_job || !param)
        return false;
    ZvConfig *config = ZV_Create_Config();
    if (!config)
        return false;
    ZV_EnableVideo_Config(config, 1);
    ZV_EnableAudio_Config(config, 1);
    ZV_SetSubtlIndex_Config(config, 0);
    qCDebug(lcEngine, "[Start]: video(0x%0x, %u*%u, %u fps, %u kbps %u) Audio(0x%0x, %u Hz, %u bps, %u)",
                uint32_t(param->m_videoCodec), param->m_width, param->m_height, param->m_frameRate100,
                param->m_videoBitRate, param->m_videoOption, uint32_t(param->m_audioCodec), param->m_sampleRate,
                param->m_audioBitRate, param->m_channels);
    const TrackEntry *first = GetTracksInfoOfType(1);
    if (!first)
        first = GetTracksInfoOfType(2);
    if (!first)
        first = GetTracksInfoOfType(8);
    bool ok = false;
    {
        std::lock_guard<std::mutex> lock(m_jobMutex);
        ok = ZV_Begin_Job(m_job) == 1;
    }
    if (ok) {
        while (!ZV_IsFinished_Job(m_job) && !m_stopRequested) {
            if (progress)
                progress(unsigned(ZV_GetDone_Job(m_job) / 1000), user, convertRunning);
            if (time && first)
                time(unsigned(ZV_GetTime_Track(first->stream) / 1000000), user);
        }
    }
    destroyJob();
    for (TrackEntry &t : m_tracks)
        ZV_Release_Track(t.stream);
    m_tracks.clear();
    m_stopRequested = false;
    ZV_Release_Config(config);
    return ok;
}

void CAVConverter::AddTrack(uint32_t type, unsigned int id, const CTrackDesc *desc)
{
    AddTrack(type, id, desc ? desc->format : 0, desc);
}

void CAVConverter::AddTrack(uint32_t type, unsigned int id, unsigned int format, const CTrackDesc *desc)
{
    if (!desc)
        return;
    uint32_t params[6] = {0, 0, 0, 0, 0, 0};
    uint32_t count = 0;
    if (type == 8) {
        params[0] = 1000;
        params[1] = 1;
        count = 2;
        qCDebug(lcEngine, "[AddTrack]: subtitle format = 0x%0x", format);
    } else if (type == 2) {
        params[0] = desc->sampleRate;
        params[1] = desc->channels;
        count = 2;
        qCDebug(lcEngine, "[AddTrack]: audio format = 0x%0x", format);
    } else if (type == 1) {
        params[0] = desc->width;
        params[1] = desc->height;
        params[2] = desc->frameRate;
        params[3] = desc->frameRateScale;
        params[4] = desc->width * desc->sampleAspectX / std::max(1u, desc->sampleAspectY);
        params[5] = desc->height;
        count = 6;
        qCDebug(lcEngine, "[AddTrack]: video format = 0x%0x, width = %u, height = %u, frameRate = %u, "
                    "frameRateScale = %u,esDataLength = %u",
                    format, desc->width, desc->height, desc->frameRate, desc->frameRateScale,
                    desc->privateDataLength);
    } else {
        return;
    }
    void *stream = ZV_CreateTrack_Job(m_job, type, format, params, count, desc->privateData,
                                      desc->privateDataLength);
    m_tracks.push_back({type, id, stream});
}

void CAVConverter::AddPacketToTrack(unsigned int id, const CTrackPacket *packet)
{
    if (!packet)
        return;
    for (const TrackEntry &t : m_tracks) {
        if (t.id == id) {
            ZV_AddPacket_Track(t.stream, packet->data, packet->size, packet->pts, packet->dts, packet->flags);
            return;
        }
    }
}

void CAVConverter::StopWithTrack()
{
    for (const TrackEntry &t : m_tracks)
        ZV_AddPacket_Track(t.stream, nullptr, 0, 0, 0, 0);
}
