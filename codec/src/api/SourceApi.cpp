// Source objects: bytes copied into the library, or a readable file path.
#include "zovAruzIvivu.h"

#include "core/Guard.h"
#include "core/Source.h"

#include <fcntl.h>
#include <unistd.h>

using namespace zv;

extern "C" {

ZvSource *ZV_CreateMemory_Source(const void *data, uint32_t size, uint32_t flags)
{
    (void)flags;
    if (!data || size == 0)
        return nullptr;
    return guarded("ZV_CreateMemory_Source", static_cast<ZvSource *>(nullptr), [&] {
        auto source = std::make_shared<SourceData>();
        source->kind = SourceData::Kind::Memory;
        const auto *bytes = static_cast<const uint8_t *>(data);
        source->bytes.assign(bytes, bytes + size);
        auto *handle = new ZvSource;
        handle->data = std::move(source);
        return handle;
    });
}

ZvSource *ZV_CreateFile_Source(const char *path, uint32_t flags)
{
    (void)flags;
    if (!path || !*path)
        return nullptr;
    return guarded("ZV_CreateFile_Source", static_cast<ZvSource *>(nullptr), [&]() -> ZvSource * {
        const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            zvLog("cannot open '%s' as a source", path);
            return nullptr;
        }
        ::close(fd);
        auto source = std::make_shared<SourceData>();
        source->kind = SourceData::Kind::File;
        source->path = path;
        auto *handle = new ZvSource;
        handle->data = std::move(source);
        return handle;
    });
}

int ZV_SetOption_Source(ZvSource *s, uint32_t option)
{
    if (!s)
        return 0;
    s->option.store(option);
    return 1;
}

void ZV_Release_Source(ZvSource *s)
{
    guardedVoid("ZV_Release_Source", [&] { delete s; });
}

} // extern "C"
