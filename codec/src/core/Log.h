#pragma once
// The library's log: zvLog() appends a time-stamped line to zv.log in the
// data-path folder (once ZV_Initialize_Library asked for a log file and the
// folder is known). installFfmpegLogCallback() routes FFmpeg's own messages
// of level warning and above into the same file.

#include <string>

namespace zv {

// printf-style; thread-safe; silently dropped while there is no log file.
void zvLog(const char *fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Called by the set-up calls: whether a file is wanted, and its folder.
void setLogFileEnabled(bool on);
void setLogFolder(const std::string &folder);

// Idempotent.
void installFfmpegLogCallback();

} // namespace zv
