// Merge jobs: several source ranges appended, one task at a time, into one output.
#include "job/CopyPipeline.h"
#include "job/EncodePipeline.h"
#include "job/OutputMetadata.h"
#include "job/TaskConfig.h"

#include "core/Guard.h"
#include "zovAruzIvivu.h"

#include <atomic>
#include <climits>
#include <memory>

using namespace zv::job;

struct ZvMerge {
    explicit ZvMerge(bool copyKind) : copy(copyKind) {}

    const bool copy;
    zv::JobConfig cfg;
    OutputFile out;
    std::unique_ptr<Pipeline> pipeline;
    std::unique_ptr<InputSource> in;     // the current task's source
    Worker worker;
    bool opened = false;
    bool begun = false;
    std::atomic<bool> failed{false};     // a task failed or was stopped: the output is void
    int tasks = 0;
    std::string text;

    int refuse(const std::string &why)
    {
        text = why;
        logLine(why);
        return 0;
    }
};

namespace {

void dropOutput(ZvMerge *m)
{
    m->worker.stop(2000);
    m->worker.join();
    m->worker.reset();
    m->in.reset();
    m->pipeline.reset();
    m->out.discard();
    m->opened = m->begun = m->failed = false;
    m->tasks = 0;
}

int runTask(ZvMerge *m)
{
    std::string error;
    int err = m->pipeline->run(*m->in, m->out, m->pipeline->outputEndUs(), m->worker, &error);
    // A vanished output raises the abort flag too, to end the run at once.
    const bool stopped = m->worker.abort && !m->out.vanished();
    if (err < 0 && m->out.vanished()) {
        err = AVERROR(ENOENT);
        error = m->out.vanishedText();
    }
    if (err < 0) {
        if (!stopped)
            logLine(error);
        m->worker.setErrorText(stopped ? "stopped" : error);
        m->failed = true;
        m->out.discard();
    }
    return err;
}

// Every call on a merge runs inside the library's exception fence; a merge
// keeps the reason of a failure as its error text.
template <typename R, typename F>
R onMerge(const char *call, ZvMerge *m, R failure, F &&body)
{
    if (!m)
        return failure;
    return zv::guardedText(call, failure, m->text, [&] { return body(*m); });
}

} // namespace

extern "C" {

ZvMerge* ZV_CreateCopy_Merge(int32_t flags)
{
    (void)flags;
    return zv::guarded("ZV_CreateCopy_Merge", static_cast<ZvMerge *>(nullptr), [] { return new ZvMerge(true); });
}

ZvMerge* ZV_CreateEncode_Merge(int32_t flags)
{
    (void)flags;
    return zv::guarded("ZV_CreateEncode_Merge", static_cast<ZvMerge *>(nullptr), [] { return new ZvMerge(false); });
}

int ZV_OpenOutput_Merge(ZvMerge* m, const char* dst, const char* container, ZvConfig* cfg)
{
    return onMerge("ZV_OpenOutput_Merge", m, 0, [&](ZvMerge &merge) {
        dropOutput(&merge);
        merge.text.clear();
        if (!dst || !container || !cfg)
            return merge.refuse("the merge output needs a target, a container and a configuration");
        merge.cfg = cfg->value;
        std::string error;
        const AVOutputFormat *format = zv::resolveContainer(container, error);
        if (!format)
            return merge.refuse(error);
        if (!merge.copy) {
            // Refuse a missing encoder now, as a job's open does.
            const AVCodec *codec = nullptr;
            uint32_t tag = 0;
            if (merge.cfg.videoCodec != zv::kNone && merge.cfg.enableVideo
                && findEncoder(merge.cfg.videoCodec, AVMEDIA_TYPE_VIDEO, format, &codec, &tag, &error) < 0)
                return merge.refuse(error);
            if (merge.cfg.audioCodec != zv::kNone && merge.cfg.enableAudio
                && findEncoder(merge.cfg.audioCodec, AVMEDIA_TYPE_AUDIO, format, &codec, &tag, &error) < 0)
                return merge.refuse(error);
        }
        if (merge.out.prepare(dst, format, &merge.worker.scope, &error) < 0)
            return merge.refuse(error);
        merge.pipeline = merge.copy ? std::unique_ptr<Pipeline>(new CopyPipeline(false))
                                    : std::unique_ptr<Pipeline>(new EncodePipeline(true));
        merge.opened = true;
        return 1;
    });
}

int ZV_Begin_Merge(ZvMerge* m)
{
    return onMerge("ZV_Begin_Merge", m, 0, [](ZvMerge &merge) {
        if (!merge.opened)
            return merge.refuse("the merge output was not opened");
        std::string error;
        if (merge.out.create(&error) < 0) {
            merge.out.discard();
            merge.opened = false;
            return merge.refuse(error);
        }
        merge.begun = true;
        return 1;
    });
}

int ZV_AddTask_Merge(ZvMerge* m, const char* src, uint64_t start, uint64_t duration, ZvConfig* cfg)
{
    return onMerge("ZV_AddTask_Merge", m, 0, [&](ZvMerge &merge) {
        if (!src)
            return merge.refuse("a merge task needs a source");
        if (merge.worker.state() == Worker::Running)
            return merge.refuse("a merge task is still running");
        if (!merge.begun || !merge.out.ctx())
            return merge.refuse(merge.failed ? "an earlier task of this merge failed" : "the merge was not begun");
        merge.worker.reset();
        const zv::JobConfig &taskCfg = cfg ? cfg->value : merge.cfg;
        auto in = std::make_unique<InputSource>();
        std::string error;
        int err = in->open(src, taskCfg, merge.copy, &merge.worker.scope, &error);
        if (err >= 0)
            err = merge.pipeline->attach(*in, merge.out, merge.copy ? merge.cfg : taskConfig(taskCfg, merge.cfg),
                                         &error);
        if (err >= 0)
            err = merge.pipeline->findStart(*in, int64_t(start), int64_t(duration), &error);
        if (err >= 0 && !merge.out.headerWritten()) {
            if ((err = zv::job::applyMetadata(merge.out, merge.cfg)) < 0)
                error = errorText(err, "cannot set the output's metadata");
            else
                err = merge.out.writeHeader(merge.cfg.textOption, &error);
        }
        if (err < 0) {
            // A refused first task leaves the output to be opened again; later
            // ones void the merge.
            if (merge.out.headerWritten()) {
                merge.failed = true;
                merge.out.discard();
            }
            return merge.refuse(error);
        }
        merge.in = std::move(in);
        ++merge.tasks;
        merge.text.clear();
        merge.worker.start([&merge] { return runTask(&merge); });
        return 1;
    });
}

int ZV_AddTaskDVD_Merge(ZvMerge* m, const char* src, uint64_t start, uint64_t duration, ZvConfig* cfg)
{
    (void)src; (void)start; (void)duration; (void)cfg;
    return onMerge("ZV_AddTaskDVD_Merge", m, 0,
                   [](ZvMerge &merge) { return merge.refuse("DVD sources are not supported"); });
}

int ZV_IsTaskFinished_Merge(ZvMerge* m)
{
    // Nothing runs on a null handle: finished.
    return onMerge("ZV_IsTaskFinished_Merge", m, 1,
                   [](ZvMerge &merge) { return merge.worker.finished(20) ? 1 : 0; });
}

int ZV_IsStopped_Merge(ZvMerge* m)
{
    return onMerge("ZV_IsStopped_Merge", m, 0,
                   [](ZvMerge &merge) { return merge.worker.state() == Worker::Stopped ? 1 : 0; });
}

uint64_t ZV_GetTotal_Merge(ZvMerge* m)
{
    return m ? uint64_t(std::max<int64_t>(0, m->worker.totalUs)) : 0;
}

uint64_t ZV_GetDone_Merge(ZvMerge* m)
{
    return m ? uint64_t(std::max<int64_t>(0, m->worker.doneUs)) : 0;
}

int ZV_GetError_Merge(ZvMerge* m)
{
    return m ? m->worker.error() : 0;
}

const char* ZV_GetErrorText_Merge(ZvMerge* m)
{
    static const char kNone[] = "";
    return onMerge("ZV_GetErrorText_Merge", m, kNone, [](ZvMerge &merge) {
        const Worker::State s = merge.worker.state();
        if (s == Worker::Failed || s == Worker::Stopped)
            merge.text = merge.worker.errorTextCopy();
        return merge.text.c_str();
    });
}

int ZV_Stop_Merge(ZvMerge* m, int wait)
{
    return onMerge("ZV_Stop_Merge", m, 0, [&](ZvMerge &merge) {
        if (merge.worker.state() == Worker::Running) {
            merge.worker.abort = true;
            if (wait)
                merge.worker.join();
        }
        return 1;
    });
}

int ZV_Close_Merge(ZvMerge* m)
{
    if (!m)
        return 0;
    const int closed = onMerge("ZV_Close_Merge", m, 0, [](ZvMerge &merge) {
        if (merge.worker.state() == Worker::Running)
            merge.worker.abort = true;
        merge.worker.join();
        const bool complete = merge.opened && merge.tasks > 0 && !merge.failed && merge.out.headerWritten()
            && merge.worker.state() == Worker::Done;
        if (complete) {
            std::string error;
            int err = merge.pipeline->flush(merge.out, &error);
            if (err >= 0)
                err = merge.out.writeTrailer(&error);
            if (err < 0)
                merge.refuse(error);
        }
        merge.in.reset();
        merge.pipeline.reset();
        merge.out.discard();   // keeps a finished file, deletes anything else
        merge.opened = merge.begun = false;
        merge.tasks = 0;
        return 1;
    });
    // Even a failed close leaves no partial file behind.
    if (!closed)
        zv::guardedVoid("ZV_Close_Merge", [m] { m->out.discard(); });
    return 1;
}

void ZV_Destroy_Merge(ZvMerge* m)
{
    if (!m)
        return;
    ZV_Close_Merge(m);
    zv::guardedVoid("ZV_Destroy_Merge", [m] { delete m; });
}

} // extern "C"
