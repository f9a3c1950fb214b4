#pragma once

#include "IAVConverter.h"
#include "QUtilThread.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

struct ZvChapter;
struct ZvConfig;
struct ZvJob;
struct ZvMerge;

// Runs one conversion job or one merge task of the codec library on its own
// worker thread and reports progress and the final state through a callback.
// The stop operations join the worker, so a job or merge handle is never
// closed under a running worker, and a merge's stop waits for the task that
// is running.
class CAVConverter : public IAVConverter
{
public:
    CAVConverter();
    ~CAVConverter() override;

    bool StartConvert(const char *source, const char *target, const CAVEncodeParam *param, void *user,
                      ConvertProgressCallback callback, bool deferred) override;
    void StopConvert() override;
    bool StartMerger(const char *target, const CAVEncodeParam *param) override;
    bool AddMergerTask(const char *source, const CAVEncodeParam *param, void *user,
                       ConvertProgressCallback callback) override;
    void StopMerger(bool wait) override;
    bool StartWithTrack(const char *target, const CAVEncodeParam *param, void *user,
                        ConvertProgressCallback progress, ConvertTimeCallback time) override;
    void AddTrack(uint32_t type, unsigned int id, const CTrackDesc *desc) override;
    void AddTrack(uint32_t type, unsigned int id, unsigned int format, const CTrackDesc *desc) override;
    void AddPacketToTrack(unsigned int id, const CTrackPacket *packet) override;
    void StopWithTrack() override;
    QString lastErrorText() const override;

    // Applies the encode parameters to a configuration handle.
    static void SetConvertConfig(ZvConfig *config, const CAVEncodeParam *param);

    // Used by DestroyAVConverter: ends the worker, then frees every codec handle.
    void ReleaseResources();

private:
    struct TrackEntry {
        uint32_t type = 0;
        unsigned int id = 0;
        void *stream = nullptr;
    };

    void report(unsigned int progress, convertState state);
    // Keeps the library's text of a refusal or failure for the queue's log.
    void setError(const char *what, const char *text);
    void clearError();
    ZvConfig *makeConfig(const CAVEncodeParam *param);
    bool openJob(ZvConfig *config);
    bool openJobAs(ZvConfig *config, const QByteArray &container);
    bool openJobWithRetries(ZvConfig *config);
    bool addMergeTask(const char *source, const CAVEncodeParam *param, ZvConfig *config);
    bool reopenMerge(ZvConfig *config, const QByteArray &container);
    void SetChapter(ZvConfig *config);
    // The tags go with the job, which writes them before its output takes its name.
    static void setAudioTag(ZvConfig *config, const CAVEncodeParam *param);
    void OnExecute();
    // How a watched task of the library ended.
    enum class TaskEnd { Stopped, Failed, Finished };
    template <class Task>
    struct TaskCalls;
    // Polls the task until it finishes or a stop was asked for, reporting whole
    // percent steps (at most `ceiling`) while `listener` is set; a failure keeps
    // the task's error text under `failure`.
    template <class Task>
    TaskEnd followTask(Task *task, const TaskCalls<Task> &calls, const ConvertProgressCallback &listener,
                       unsigned int ceiling, const char *failure);
    void runConversion();
    void runMerge();
    void destroyJob();
    const TrackEntry *GetTracksInfoOfType(uint32_t type) const;

    std::mutex m_jobMutex;                 // guards m_job against the worker closing it
    ZvJob *m_job = nullptr;
    ZvMerge *m_merge = nullptr;
    ZvConfig *m_config = nullptr;
    ZvChapter *m_chapter = nullptr;
    std::atomic<bool> m_stopRequested{false};
    bool m_mergeMode = false;
    int m_mergeTasks = 0;
    bool m_deferred = false;
    std::atomic<bool> m_busy{false};
    void *m_user = nullptr;
    ConvertProgressCallback m_convertCallback = nullptr;
    ConvertProgressCallback m_mergeCallback = nullptr;
    std::unique_ptr<CAVEncodeParam> m_param;
    QByteArray m_source;
    QByteArray m_target;
    std::vector<TrackEntry> m_tracks;
    mutable std::mutex m_errorMutex;
    QString m_errorText;
    QUtilThread m_worker{[this] { OnExecute(); }}; // last: joined before the members it uses go
};
