// Placeholders for the Picture calls until their real implementation lands:
// each returns the failure value the header promises.
#include "zovAruzIvivu.h"

extern "C" {

ZvPicture* ZV_Create_Picture(const void* data, uint32_t size)
{
    (void)data; (void)size;
    return nullptr;
}

void ZV_Release_Picture(ZvPicture* p)
{
    (void)p;
}

} // extern "C"
