// Placeholders for the Job calls until their real implementation lands:
// each returns the failure value the header promises.
#include "zovAruzIvivu.h"

extern "C" {

ZvJob* ZV_CreateCopy_Job(int32_t flags)
{
    (void)flags;
    return nullptr;
}

ZvJob* ZV_CreateEncode_Job(int32_t flags)
{
    (void)flags;
    return nullptr;
}

int ZV_Open_Job(ZvJob* j, const char* src, const char* dst, const char* container, ZvConfig* cfg)
{
    (void)j; (void)src; (void)dst; (void)container; (void)cfg;
    return 0;
}

int ZV_OpenDVD_Job(ZvJob* j, const char* src, const char* dst, const char* container, ZvConfig* cfg)
{
    (void)j; (void)src; (void)dst; (void)container; (void)cfg;
    return 0;
}

int ZV_SetRange_Job(ZvJob* j, uint64_t start, uint64_t duration)
{
    (void)j; (void)start; (void)duration;
    return 0;
}

int ZV_Begin_Job(ZvJob* j)
{
    (void)j;
    return 0;
}

int ZV_IsFinished_Job(ZvJob* j)
{
    (void)j;
    return 1;
}

int ZV_IsStopped_Job(ZvJob* j)
{
    (void)j;
    return 0;
}

uint64_t ZV_GetTotal_Job(ZvJob* j)
{
    (void)j;
    return 0;
}

uint64_t ZV_GetDone_Job(ZvJob* j)
{
    (void)j;
    return 0;
}

int ZV_GetError_Job(ZvJob* j)
{
    (void)j;
    return 0;
}

const char* ZV_GetErrorText_Job(ZvJob* j)
{
    (void)j;
    return nullptr;
}

int ZV_Stop_Job(ZvJob* j)
{
    (void)j;
    return 0;
}

int ZV_Close_Job(ZvJob* j)
{
    (void)j;
    return 0;
}

void ZV_Destroy_Job(ZvJob* j)
{
    (void)j;
}

void* ZV_CreateTrack_Job(ZvJob* j, uint32_t type, uint32_t format, const uint32_t* params, uint32_t count, const void* data, uint32_t size)
{
    (void)j; (void)type; (void)format; (void)params; (void)count; (void)data; (void)size;
    return nullptr;
}

} // extern "C"
