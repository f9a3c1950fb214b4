// Conversion jobs: one source range into one output file, on a worker thread.
#include "job/CopyPipeline.h"
#include "job/EncodePipeline.h"
#include "job/OutputMetadata.h"
#include "job/PartialFiles.h"

#include "core/Guard.h"
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
        // A vanished output raises the abort flag too, to end the run at once.
        if (j->out.vanished()) {
            err = AVERROR(ENOENT);
            error = j->out.vanishedText();
            logLine(error);
        } else if (j->worker.abort) {
            err = AVERROR_EXIT;
        } else {
            logLine(error);
        }
        j->worker.setErrorText(error);
        j->out.discard();
    }
    return err;
}

// Every call on a job runs inside the library's exception fence; a job keeps
// the reason of a failure as its error text.
template <typename R, typename F>
R onJob(const char *call, ZvJob *j, R failure, F &&body)
{
    if (!j)
        return failure;
    return zv::guardedText(call, failure, j->text, [&] { return body(*j); });
}

} // namespace

extern "C" {

ZvJob* ZV_CreateCopy_Job(int32_t flags)
{
    (void)flags;
    return zv::guarded("ZV_CreateCopy_Job", static_cast<ZvJob *>(nullptr), [] { return new ZvJob(true); });
}

ZvJob* ZV_CreateEncode_Job(int32_t flags)
{
    (void)flags;
    return zv::guarded("ZV_CreateEncode_Job", static_cast<ZvJob *>(nullptr), [] { return new ZvJob(false); });
}

int ZV_Open_Job(ZvJob* j, const char* src, const char* dst, const char* container, ZvConfig* cfg)
{
    return onJob("ZV_Open_Job", j, 0, [&](ZvJob &job) {
        resetJob(&job);
        if (!src || !dst || !container || !cfg)
            return job.refuse("open needs a source, a target, a container and a configuration");
        job.cfg = cfg->value;
        if (!job.cfg.audioFile.empty())
            return job.refuse("external audio files are not supported");
        std::string error;
        const AVOutputFormat *format = zv::resolveContainer(container, error);
        if (!format)
            return job.refuse(error);
        if (job.in.open(src, job.cfg, job.copy, &job.worker.scope, &error) < 0)
            return job.refuse(error);
        if (job.out.prepare(dst, format, &job.worker.scope, &error) < 0)
            return job.refuse(error);
        job.out.setTags(job.cfg.tags, job.cfg.tagPicture);
        job.pipeline = job.copy ? std::unique_ptr<Pipeline>(new CopyPipeline)
                                : std::unique_ptr<Pipeline>(new EncodePipeline);
        if (job.pipeline->attach(job.in, job.out, job.cfg, &error) < 0) {
            job.out.discard();
            return job.refuse(error);
        }
        job.source = src;
        job.opened = true;
        return 1;
    });
}

int ZV_OpenDVD_Job(ZvJob* j, const char* src, const char* dst, const char* container, ZvConfig* cfg)
{
    (void)src; (void)dst; (void)container; (void)cfg;
    return onJob("ZV_OpenDVD_Job", j, 0, [](ZvJob &job) { return job.refuse("DVD sources are not supported"); });
}

int ZV_SetRange_Job(ZvJob* j, uint64_t start, uint64_t duration)
{
    return onJob("ZV_SetRange_Job", j, 0, [&](ZvJob &job) {
        job.startUs = int64_t(start);
        job.durationUs = int64_t(duration);
        return 1;
    });
}

int ZV_Begin_Job(ZvJob* j)
{
    const int begun = onJob("ZV_Begin_Job", j, 0, [](ZvJob &job) {
        if (!job.opened)
            return job.refuse("the job was not opened");
        if (job.worker.started())
            return job.refuse("the job was already begun");
        std::string error;
        int err = job.pipeline->findStart(job.in, job.startUs, job.durationUs, &error);
        if (err >= 0)
            err = writeChapters(job.out, job.in, job.cfg, job.pipeline->originUs(), job.pipeline->endUs());
        if (err >= 0 && (err = applyMetadata(job.out, job.cfg)) < 0)
            error = errorText(err, "cannot set the output's metadata");
        if (err >= 0)
            err = job.out.writeHeader(job.cfg.textOption, &error);
        if (err < 0) {
            job.out.discard();
            job.opened = false;
            return job.refuse(error.empty() ? errorText(err, "cannot begin the job") : error);
        }
        job.text.clear();
        job.worker.start([&job] { return runJob(&job); });
        return 1;
    });
    // A refused or failed Begin leaves no file.
    if (!begun && j && !j->worker.started())
        zv::guardedVoid("ZV_Begin_Job", [j] { j->out.discard(); });
    return begun;
}

int ZV_IsFinished_Job(ZvJob* j)
{
    // Nothing runs on a null handle: finished.
    return onJob("ZV_IsFinished_Job", j, 1, [](ZvJob &job) { return job.worker.finished(20) ? 1 : 0; });
}

int ZV_IsStopped_Job(ZvJob* j)
{
    return onJob("ZV_IsStopped_Job", j, 0,
                 [](ZvJob &job) { return job.worker.state() == Worker::Stopped ? 1 : 0; });
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
    static const char kNone[] = "";
    return onJob("ZV_GetErrorText_Job", j, kNone, [](ZvJob &job) {
        const Worker::State s = job.worker.state();
        if (s == Worker::Failed || s == Worker::Stopped)
            job.text = job.worker.errorTextCopy();
        return job.text.c_str();
    });
}

int ZV_Stop_Job(ZvJob* j)
{
    return onJob("ZV_Stop_Job", j, 0, [](ZvJob &job) {
        if (!job.worker.started())
            return 0;
        job.worker.stop(2000);
        return 1;
    });
}

int ZV_Close_Job(ZvJob* j)
{
    return onJob("ZV_Close_Job", j, 0, [](ZvJob &job) {
        if (job.worker.started() && job.worker.state() == Worker::Running)
            job.worker.abort = true;
        job.worker.join();
        job.pipeline.reset();
        job.out.discard();
        job.opened = false;
        return 1;
    });
}

void ZV_Destroy_Job(ZvJob* j)
{
    if (!j)
        return;
    ZV_Close_Job(j);
    zv::guardedVoid("ZV_Destroy_Job", [j] { delete j; });
}

int ZV_RemovePartials_Output(const char* folder)
{
    if (!folder)
        return 0;
    return zv::guarded("ZV_RemovePartials_Output", 0, [folder] { return removePartials(folder); });
}

void* ZV_CreateTrack_Job(ZvJob* j, uint32_t type, uint32_t format, const uint32_t* params, uint32_t count,
                         const void* data, uint32_t size)
{
    // Track muxing is not offered: the converter's track mode has no caller.
    (void)j; (void)type; (void)format; (void)params; (void)count; (void)data; (void)size;
    return nullptr;
}

} // extern "C"
