// Track muxing (packets handed in one by one) is not offered: the converter's
// track mode has no caller. ZV_CreateTrack_Job gives no track, so these calls
// only ever see null and answer with their failure values.
#include "zovAruzIvivu.h"

extern "C" {

int ZV_AddPacket_Track(void* track, const void* data, uint32_t size, uint64_t pts, uint64_t dts, uint32_t flags)
{
    (void)track; (void)data; (void)size; (void)pts; (void)dts; (void)flags;
    return 0;
}

uint64_t ZV_GetTime_Track(void* track)
{
    (void)track;
    return 0;
}

void ZV_Release_Track(void* track)
{
    (void)track;
}

} // extern "C"
