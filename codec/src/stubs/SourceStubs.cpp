// Placeholders for the Source calls until their real implementation lands:
// each returns the failure value the header promises.
#include "zovAruzIvivu.h"

extern "C" {

ZvSource* ZV_CreateMemory_Source(const void* data, uint32_t size, uint32_t flags)
{
    (void)data; (void)size; (void)flags;
    return nullptr;
}

ZvSource* ZV_CreateFile_Source(const char* path, uint32_t flags)
{
    (void)path; (void)flags;
    return nullptr;
}

int ZV_SetOption_Source(ZvSource* s, uint32_t option)
{
    (void)s; (void)option;
    return 0;
}

void ZV_Release_Source(ZvSource* s)
{
    (void)s;
}

} // extern "C"
