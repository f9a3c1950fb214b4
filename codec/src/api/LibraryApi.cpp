// The process-wide calls: set-up, data path, frame formats, interrupt, lock.
#include "zovAruzIvivu.h"

#include "core/Global.h"
#include "core/Guard.h"
#include "core/Log.h"

#include <vector>

using namespace zv;

extern "C" {

int ZV_Initialize_Library(int threads, int logFile)
{
    return guarded("ZV_Initialize_Library", 0, [&] {
        setDecoderThreadsAllowed(threads != 0);
        setLogFileEnabled(logFile != 0);
        installFfmpegLogCallback();
        return 1;
    });
}

int ZV_SetDataPath_Library(const char *folder)
{
    if (!folder)
        return 0;
    return guarded("ZV_SetDataPath_Library", 0, [&] {
        setDataPath(folder);
        setLogFolder(folder);
        return 1;
    });
}

int ZV_SetFrameFormats_Library(const int32_t *codes, int count)
{
    return guarded("ZV_SetFrameFormats_Library", 0, [&] {
        std::vector<int> list;
        if (codes) {
            for (int i = 0; i < count; ++i)
                list.push_back(codes[i]);
        }
        setFrameFormats(list);
        return 1;
    });
}

int ZV_SetInterrupt_Library(int on)
{
    setGlobalInterrupt(on != 0);
    return 1;
}

int ZV_Lock_Library(int on)
{
    return guarded("ZV_Lock_Library", 0, [&] {
        if (on)
            libraryLock().lock();
        else
            libraryLock().unlock();
        return 1;
    });
}

} // extern "C"
