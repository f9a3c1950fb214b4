// Merge jobs: several source ranges appended, one task at a time, into one output.
#include "job/CopyPipeline.h"
#include "job/EncodePipeline.h"
#include "job/OutputMetadata.h"

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
    const int err = m->pipeline->run(*m->in, m->out, m->pipeline->outputEndUs(), m->worker, &error);
    if (err < 0) {
        if (!m->worker.abort)
            logLine(error);
        m->worker.setErrorText(m->worker.abort ? "stopped" : error);
        m->failed = true;
        m->out.discard();
    }
    return err;
}

} // namespace

extern "C" {

ZvMerge* ZV_CreateCopy_Merge(int32_t flags)
{
    (void)flags;
    try {
        return new ZvMerge(true);
    } catch (...) {
        return nullptr;
    }
}

ZvMerge* ZV_CreateEncode_Merge(int32_t flags)
{
    (void)flags;
    try {
        return new ZvMerge(false);
    } catch (...) {
        return nullptr;
    }
}

int ZV_OpenOutput_Merge(ZvMerge* m, const char* dst, const char* container, ZvConfig* cfg)
{
    if (!m)
        return 0;
    try {
        dropOutput(m);
        m->text.clear();
        if (!dst || !container || !cfg)
            return m->refuse("the merge output needs a target, a container and a configuration");
        m->cfg = cfg->value;
        std::string error;
        const AVOutputFormat *format = zv::resolveContainer(container, error);
        if (!format)
            return m->refuse(error);
        if (!m->copy) {
            // Refuse a missing encoder now, as a job's open does.
            const AVCodec *codec = nullptr;
            uint32_t tag = 0;
            if (m->cfg.videoCodec != zv::kNone && m->cfg.enableVideo
                && findEncoder(m->cfg.videoCodec, AVMEDIA_TYPE_VIDEO, format, &codec, &tag, &error) < 0)
                return m->refuse(error);
            if (m->cfg.audioCodec != zv::kNone && m->cfg.enableAudio
                && findEncoder(m->cfg.audioCodec, AVMEDIA_TYPE_AUDIO, format, &codec, &tag, &error) < 0)
                return m->refuse(error);
        }
        if (m->out.prepare(dst, format, &m->worker.scope, &error) < 0)
            return m->refuse(error);
        m->pipeline = m->copy ? std::unique_ptr<Pipeline>(new CopyPipeline(false))
                              : std::unique_ptr<Pipeline>(new EncodePipeline(true));
        m->opened = true;
        return 1;
    } catch (...) {
        return m->refuse("internal error opening the merge output");
    }
}

int ZV_Begin_Merge(ZvMerge* m)
{
    if (!m)
        return 0;
    if (!m->opened)
        return m->refuse("the merge output was not opened");
    std::string error;
    if (m->out.create(&error) < 0) {
        m->out.discard();
        m->opened = false;
        return m->refuse(error);
    }
    m->begun = true;
    return 1;
}

int ZV_AddTask_Merge(ZvMerge* m, const char* src, uint64_t start, uint64_t duration, ZvConfig* cfg)
{
    if (!m)
        return 0;
    try {
        if (!src)
            return m->refuse("a merge task needs a source");
        if (m->worker.state() == Worker::Running)
            return m->refuse("a merge task is still running");
        if (!m->begun || !m->out.ctx())
            return m->refuse(m->failed ? "an earlier task of this merge failed" : "the merge was not begun");
        m->worker.reset();
        const zv::JobConfig &taskCfg = cfg ? cfg->value : m->cfg;
        auto in = std::make_unique<InputSource>();
        std::string error;
        int err = in->open(src, taskCfg, m->copy, &m->worker.scope, &error);
        if (err >= 0)
            err = m->pipeline->attach(*in, m->out, m->cfg, &error);
        if (err >= 0)
            err = m->pipeline->findStart(*in, int64_t(start), int64_t(duration), &error);
        if (err >= 0 && !m->out.headerWritten()) {
            zv::job::applyMetadata(m->out, m->cfg);
            err = m->out.writeHeader(m->cfg.textOption, &error);
        }
        if (err < 0) {
            // A refused first task leaves the output to be opened again; later
            // ones void the merge.
            if (m->out.headerWritten()) {
                m->failed = true;
                m->out.discard();
            }
            return m->refuse(error);
        }
        m->in = std::move(in);
        ++m->tasks;
        m->text.clear();
        m->worker.start([m] { return runTask(m); });
        return 1;
    } catch (...) {
        return m->refuse("internal error adding a merge task");
    }
}

int ZV_AddTaskDVD_Merge(ZvMerge* m, const char* src, uint64_t start, uint64_t duration, ZvConfig* cfg)
{
    (void)src; (void)start; (void)duration; (void)cfg;
    if (m)
        m->text = "DVD sources are not supported";
    return 0;
}

int ZV_IsTaskFinished_Merge(ZvMerge* m)
{
    return !m || m->worker.finished(20) ? 1 : 0;
}

int ZV_IsStopped_Merge(ZvMerge* m)
{
    return m && m->worker.state() == Worker::Stopped ? 1 : 0;
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
    if (!m)
        return "";
    try {
        const Worker::State s = m->worker.state();
        if (s == Worker::Failed || s == Worker::Stopped)
            m->text = m->worker.errorTextCopy();
        return m->text.c_str();
    } catch (...) {
        return "";
    }
}

int ZV_Stop_Merge(ZvMerge* m, int wait)
{
    if (!m)
        return 0;
    if (m->worker.state() == Worker::Running) {
        m->worker.abort = true;
        if (wait)
            m->worker.join();
    }
    return 1;
}

int ZV_Close_Merge(ZvMerge* m)
{
    if (!m)
        return 0;
    try {
        if (m->worker.state() == Worker::Running)
            m->worker.abort = true;
        m->worker.join();
        const bool complete = m->opened && m->tasks > 0 && !m->failed && m->out.headerWritten()
            && m->worker.state() == Worker::Done;
        if (complete) {
            std::string error;
            int err = m->pipeline->flush(m->out, &error);
            if (err >= 0)
                err = m->out.writeTrailer(&error);
            if (err < 0)
                m->refuse(error);
        }
        m->in.reset();
        m->pipeline.reset();
        m->out.discard();   // keeps a finished file, deletes anything else
        m->opened = m->begun = false;
        m->tasks = 0;
        return 1;
    } catch (...) {
        m->out.discard();
        return 1;
    }
}

void ZV_Destroy_Merge(ZvMerge* m)
{
    if (!m)
        return;
    ZV_Close_Merge(m);
    delete m;
}

} // extern "C"
