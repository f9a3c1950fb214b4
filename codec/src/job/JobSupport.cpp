#include "job/JobSupport.h"

#include <cstdio>

#include <sys/stat.h>

namespace zv::job {

std::string errorText(int err, const std::string &context)
{
    return context + ": " + avErrorText(err);
}

void logLine(const std::string &text)
{
    zvLog("%s", text.c_str());
}

bool codecForId(uint32_t id, CodecChoice *out)
{
    const CodecEntry *e = codecEntryForLegacyId(id);
    if (!e)
        return false;
    *out = {e->codec, e->encoder, e->codecTag, e->codecName};
    return true;
}

void removeFile(const std::string &path)
{
    // An output named after a device (/dev/full in a full-disk check) must never be unlinked.
    struct stat st;
    if (!path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        std::remove(path.c_str());
}

} // namespace zv::job
