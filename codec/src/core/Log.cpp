#include "core/Log.h"

extern "C" {
#include <libavutil/log.h>
}

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <sys/time.h>

namespace zv {
namespace {

struct LogState {
    std::mutex mutex;
    bool enabled = false;
    std::string folder;
    FILE *file = nullptr;
    ~LogState()
    {
        if (file)
            fclose(file);
    }
};

LogState &state()
{
    static LogState s;
    return s;
}

// Caller holds the mutex. Opens lazily so that set-up order does not matter.
FILE *openFileLocked(LogState &s)
{
    if (!s.enabled || s.folder.empty())
        return nullptr;
    if (!s.file)
        s.file = fopen((s.folder + "/zv.log").c_str(), "a");
    return s.file;
}

void writeLine(const char *text)
{
    LogState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    FILE *f = openFileLocked(s);
    if (!f)
        return;
    timeval tv;
    gettimeofday(&tv, nullptr);
    tm parts;
    localtime_r(&tv.tv_sec, &parts);
    char stamp[32];
    strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &parts);
    fprintf(f, "%s.%03ld %s\n", stamp, long(tv.tv_usec / 1000), text);
    fflush(f);
}

void ffmpegLogCallback(void *avcl, int level, const char *fmt, va_list vl)
{
    if (level > AV_LOG_WARNING)
        return;
    char line[1024];
    int printPrefix = 1;
    av_log_format_line2(avcl, level, fmt, vl, line, sizeof line, &printPrefix);
    std::string text = std::string("ffmpeg: ") + line;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    writeLine(text.c_str());
}

} // namespace

void zvLog(const char *fmt, ...)
{
    char line[2048];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(line, sizeof line, fmt, ap);
    va_end(ap);
    writeLine(line);
}

void setLogFileEnabled(bool on)
{
    LogState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.enabled = on;
    if (!on && s.file) {
        fclose(s.file);
        s.file = nullptr;
    }
}

void setLogFolder(const std::string &folder)
{
    LogState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (folder == s.folder)
        return;
    s.folder = folder;
    if (s.file) {
        fclose(s.file);
        s.file = nullptr;
    }
}

void installFfmpegLogCallback()
{
    av_log_set_level(AV_LOG_WARNING);
    av_log_set_callback(&ffmpegLogCallback);
}

} // namespace zv
