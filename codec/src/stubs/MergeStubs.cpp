// Placeholders for the Merge calls until their real implementation lands:
// each returns the failure value the header promises.
#include "zovAruzIvivu.h"

extern "C" {

ZvMerge* ZV_CreateCopy_Merge(int32_t flags)
{
    (void)flags;
    return nullptr;
}

ZvMerge* ZV_CreateEncode_Merge(int32_t flags)
{
    (void)flags;
    return nullptr;
}

int ZV_OpenOutput_Merge(ZvMerge* m, const char* dst, const char* container, ZvConfig* cfg)
{
    (void)m; (void)dst; (void)container; (void)cfg;
    return 0;
}

int ZV_Begin_Merge(ZvMerge* m)
{
    (void)m;
    return 0;
}

int ZV_AddTask_Merge(ZvMerge* m, const char* src, uint64_t start, uint64_t duration, ZvConfig* cfg)
{
    (void)m; (void)src; (void)start; (void)duration; (void)cfg;
    return 0;
}

int ZV_AddTaskDVD_Merge(ZvMerge* m, const char* src, uint64_t start, uint64_t duration, ZvConfig* cfg)
{
    (void)m; (void)src; (void)start; (void)duration; (void)cfg;
    return 0;
}

int ZV_IsTaskFinished_Merge(ZvMerge* m)
{
    (void)m;
    return 1;
}

int ZV_IsStopped_Merge(ZvMerge* m)
{
    (void)m;
    return 0;
}

uint64_t ZV_GetTotal_Merge(ZvMerge* m)
{
    (void)m;
    return 0;
}

uint64_t ZV_GetDone_Merge(ZvMerge* m)
{
    (void)m;
    return 0;
}

int ZV_GetError_Merge(ZvMerge* m)
{
    (void)m;
    return 0;
}

const char* ZV_GetErrorText_Merge(ZvMerge* m)
{
    (void)m;
    return nullptr;
}

int ZV_Stop_Merge(ZvMerge* m, int wait)
{
    (void)m; (void)wait;
    return 0;
}

int ZV_Close_Merge(ZvMerge* m)
{
    (void)m;
    return 0;
}

void ZV_Destroy_Merge(ZvMerge* m)
{
    (void)m;
}

} // extern "C"
