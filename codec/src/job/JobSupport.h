#pragma once

// What the job and merge code adds to the library core: readable errors with
// their context, the encoder a caller's codec id stands for, and safe removal
// of a partial output.
#include "core/CodecTables.h"
#include "core/FfPtr.h"
#include "core/Log.h"

#include <string>

namespace zv::job {

// "context: <av_strerror text>".
std::string errorText(int err, const std::string &context);
// One line in the library's log.
void logLine(const std::string &text);

// The FFmpeg codec behind one of the callers' codec ids, and how it is encoded.
struct CodecChoice {
    AVCodecID id = AV_CODEC_ID_NONE;
    const char *encoder = nullptr;  // encoder name; null when this build has none
    uint32_t tag = 0;               // forced codec tag (XVID, DX50), 0 = the muxer's
    const char *label = nullptr;    // name for error texts
};
// False for an id the tables do not know.
bool codecForId(uint32_t id, CodecChoice *out);

// Removes a regular file; anything else (a device such as /dev/full) is left alone.
void removeFile(const std::string &path);

} // namespace zv::job
