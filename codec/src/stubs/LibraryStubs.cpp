// Placeholders for the Library calls until their real implementation lands:
// each returns the failure value the header promises.
#include "zovAruzIvivu.h"

extern "C" {

int ZV_Initialize_Library(int threads, int logFile)
{
    (void)threads; (void)logFile;
    return 0;
}

int ZV_SetDataPath_Library(const char* folder)
{
    (void)folder;
    return 0;
}

int ZV_SetFrameFormats_Library(const int32_t* codes, int count)
{
    (void)codes; (void)count;
    return 0;
}

int ZV_SetInterrupt_Library(int on)
{
    (void)on;
    return 0;
}

int ZV_Lock_Library(int on)
{
    (void)on;
    return 0;
}

} // extern "C"
