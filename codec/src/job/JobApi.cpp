// Conversion jobs: one source range into one output file, on a worker thread.
#include "job/CopyPipeline.h"
#include "job/EncodePipeline.h"
#include "job/OutputMetadata.h"

#include "zovAruzIvivu.h"

#include <memory>

using namespace zv::job;

struct ZvJob {
    explicit ZvJob(bool copyKind) : copy(copyKind) {}

    const bool copy;
    zv::JobConfig cfg;
    std::string source;
    InputSource in;
    OutputFile out;
    std::unique_ptr<Pipeline> pipeline;
    int64_t startUs = 0;
    int64_t durationUs = 0;
    bool opened = false;
    Worker worker;
    std::string text;       // the text handed out by ZV_GetErrorText_Job

    int refuse(const std::string &why)
    {
        text = why;
        logLine(why);
        return 0;
    }
};

namespace {

// Drops whatever an earlier attempt left: a refused Begin may be followed by Open.
void resetJob(ZvJob *j)
{
    j->worker.stop(2000);
    j->worker.join();
    j->worker.reset();
    j->pipeline.reset();
    j->out.discard();
    j->opened = false;
    j->text.clear();
}

int runJob(ZvJob *j)
{
    std::string error;
    int err = j->pipeline->run(j->in, j->out, 0, j->worker, &error);
    if (err == 0)
        err = j->pipeline->flush(j->out, &error);
    if (err == 0)
        err = j->out.writeTrailer(&error);
    if (err < 0) {
        if (j->worker.abort)
            err = AVERROR_EXIT;
        else
            logLine(error);
        j->worker.setErrorText(error);
        j->out.discard();
    }
    return err;
}

} // namespace

extern "C" {

ZvJob* ZV_CreateCopy_Job(int32_t flags)
{
    (void)flags;
    try {
        return new ZvJob(true);
    } catch (...) {
        return nullptr;
    }
}

ZvJob* ZV_CreateEncode_Job(int32_t flags)
{
    (void)flags;
    try {
        return new ZvJob(false);
    } catch (...) {
        return nullptr;
    }
}

int ZV_Open_Job(ZvJob* j, const char* src, const char* dst, const char* container, ZvConfig* cfg)
{
    if (!j)
        return 0;
    try {
        resetJob(j);
        if (!src || !dst || !container || !cfg)
            return j->refuse("open needs a source, a target, a container and a configuration");
        j->cfg = cfg->value;
        if (!j->cfg.audioFile.empty())
            return j->refuse("external audio files are not supported");
        std::string error;
        const AVOutputFormat *format = zv::resolveContainer(container, error);
        if (!format)
            return j->refuse(error);
        if (j->in.open(src, j->cfg, j->copy, &j->worker.scope, &error) < 0)
            return j->refuse(error);
        if (j->out.prepare(dst, format, &j->worker.scope, &error) < 0)
            return j->refuse(error);
        j->pipeline = j->copy ? std::unique_ptr<Pipeline>(new CopyPipeline)
                              : std::unique_ptr<Pipeline>(new EncodePipeline);
        if (j->pipeline->attach(j->in, j->out, j->cfg, &error) < 0) {
            j->out.discard();
            return j->refuse(error);
        }
        j->source = src;
        j->opened = true;
        return 1;
    } catch (...) {
        return j->refuse("internal error opening the job");
    }
}

int ZV_OpenDVD_Job(ZvJob* j, const char* src, const char* dst, const char* container, ZvConfig* cfg)
{
    (void)src; (void)dst; (void)container; (void)cfg;
    if (j)
        j->text = "DVD sources are not supported";
    return 0;
}

int ZV_SetRange_Job(ZvJob* j, uint64_t start, uint64_t duration)
{
    if (!j)
        return 0;
    j->startUs = int64_t(start);
    j->durationUs = int64_t(duration);
    return 1;
}

int ZV_Begin_Job(ZvJob* j)
{
    if (!j)
        return 0;
    try {
        if (!j->opened)
            return j->refuse("the job was not opened");
        if (j->worker.started())
            return j->refuse("the job was already begun");
        std::string error;
        int err = j->pipeline->findStart(j->in, j->startUs, j->durationUs, &error);
        if (err >= 0)
            err = writeChapters(j->out, j->in, j->cfg, j->pipeline->originUs(), j->pipeline->endUs());
        if (err >= 0) {
            applyMetadata(j->out, j->cfg);
            err = j->out.writeHeader(j->cfg.textOption, &error);
        }
        if (err < 0) {
            j->out.discard();
            j->opened = false;
            return j->refuse(error.empty() ? errorText(err, "cannot begin the job") : error);
        }
        j->text.clear();
        j->worker.start([j] { return runJob(j); });
        return 1;
    } catch (...) {
        j->out.discard();
        return j->refuse("internal error beginning the job");
    }
}

int ZV_IsFinished_Job(ZvJob* j)
{
    return !j || j->worker.finished(20) ? 1 : 0;
}

int ZV_IsStopped_Job(ZvJob* j)
{
    return j && j->worker.state() == Worker::Stopped ? 1 : 0;
}

uint64_t ZV_GetTotal_Job(ZvJob* j)
{
    return j ? uint64_t(std::max<int64_t>(0, j->worker.totalUs)) : 0;
}

uint64_t ZV_GetDone_Job(ZvJob* j)
{
    return j ? uint64_t(std::max<int64_t>(0, j->worker.doneUs)) : 0;
}

int ZV_GetError_Job(ZvJob* j)
{
    return j ? j->worker.error() : 0;
}

const char* ZV_GetErrorText_Job(ZvJob* j)
{
    if (!j)
        return "";
    try {
        const Worker::State s = j->worker.state();
        if (s == Worker::Failed || s == Worker::Stopped)
            j->text = j->worker.errorTextCopy();
        return j->text.c_str();
    } catch (...) {
        return "";
    }
}

int ZV_Stop_Job(ZvJob* j)
{
    if (!j || !j->worker.started())
        return 0;
    j->worker.stop(2000);
    return 1;
}

int ZV_Close_Job(ZvJob* j)
{
    if (!j)
        return 0;
    if (j->worker.started() && j->worker.state() == Worker::Running)
        j->worker.abort = true;
    j->worker.join();
    j->pipeline.reset();
    j->out.discard();
    j->opened = false;
    return 1;
}

void ZV_Destroy_Job(ZvJob* j)
{
    if (!j)
        return;
    ZV_Close_Job(j);
    delete j;
}

void* ZV_CreateTrack_Job(ZvJob* j, uint32_t type, uint32_t format, const uint32_t* params, uint32_t count,
                         const void* data, uint32_t size)
{
    // Track muxing is not offered: the converter's track mode has no caller.
    (void)j; (void)type; (void)format; (void)params; (void)count; (void)data; (void)size;
    return nullptr;
}

} // extern "C"
