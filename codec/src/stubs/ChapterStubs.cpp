// Placeholders for the Chapter calls until their real implementation lands:
// each returns the failure value the header promises.
#include "zovAruzIvivu.h"

extern "C" {

ZvChapter* ZV_Create_Chapter(int32_t flags)
{
    (void)flags;
    return nullptr;
}

int ZV_Open_Chapter(ZvChapter* c, const char* path)
{
    (void)c; (void)path;
    return 0;
}

int ZV_OpenDVD_Chapter(ZvChapter* c, const char* path, uint32_t program)
{
    (void)c; (void)path; (void)program;
    return 0;
}

uint32_t ZV_GetCount_Chapter(ZvChapter* c)
{
    (void)c;
    return 0;
}

uint64_t ZV_GetStartTime_Chapter(ZvChapter* c, uint32_t i)
{
    (void)c; (void)i;
    return 0;
}

uint64_t ZV_GetDuration_Chapter(ZvChapter* c, uint32_t i)
{
    (void)c; (void)i;
    return 0;
}

const char* ZV_GetTitle_Chapter(ZvChapter* c, uint32_t i)
{
    (void)c; (void)i;
    return nullptr;
}

int ZV_Abort_Chapter(ZvChapter* c)
{
    (void)c;
    return 0;
}

void ZV_Close_Chapter(ZvChapter* c)
{
    (void)c;
}

void ZV_Release_Chapter(ZvChapter* c)
{
    (void)c;
}

} // extern "C"
