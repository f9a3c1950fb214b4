#include "core/Log.h"

extern "C" {
#include <libavutil/log.h>
}

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

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

bool isPlainFile(const std::string &path)
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// Appends to path only when it is a plain file (or new). The open never waits,
// so a FIFO or a device in the log's place cannot hang whoever logs.
FILE *openPlainForAppend(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
    if (fd < 0)
        return nullptr;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FILE *file = ::fdopen(fd, "a");
    if (!file)
        ::close(fd);
    return file;
}

// Whatever else stands in the log's place is moved aside as "zv.log.bad"
// (".bad.1", ... when taken), the way an unusable settings file is.
void setAside(const std::string &path)
{
    std::string copy = path + ".bad";
    struct stat status;
    for (int n = 1; ::lstat(copy.c_str(), &status) == 0; ++n)
        copy = path + ".bad." + std::to_string(n);
    ::rename(path.c_str(), copy.c_str());
}

// Caller holds the mutex. Opens lazily so that set-up order does not matter.
FILE *openFileLocked(LogState &s)
{
    if (!s.enabled || s.folder.empty())
        return nullptr;
    if (!s.file) {
        const std::string path = s.folder + "/zv.log";
        s.file = openPlainForAppend(path);
        struct stat status;
        if (!s.file && ::stat(path.c_str(), &status) == 0 && !isPlainFile(path)) {
            setAside(path);
            s.file = openPlainForAppend(path);
        }
    }
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
