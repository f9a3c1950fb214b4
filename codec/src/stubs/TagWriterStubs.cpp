// Placeholders for the TagWriter calls until their real implementation lands:
// each returns the failure value the header promises.
#include "zovAruzIvivu.h"

extern "C" {

ZvTagWriter* ZV_Create_TagWriter(void)
{
    return nullptr;
}

int ZV_Open_TagWriter(ZvTagWriter* w, const uint32_t* utf32Path)
{
    (void)w; (void)utf32Path;
    return -1;
}

int ZV_Prepare_TagWriter(ZvTagWriter* w)
{
    (void)w;
    return 0;
}

int ZV_SetField_TagWriter(ZvTagWriter* w, uint32_t field, const uint32_t* text, uint32_t byteLength)
{
    (void)w; (void)field; (void)text; (void)byteLength;
    return 0;
}

int ZV_SetPicture_TagWriter(ZvTagWriter* w, uint32_t field, const void* data, uint32_t size)
{
    (void)w; (void)field; (void)data; (void)size;
    return 0;
}

int ZV_AddItem_TagWriter(ZvTagWriter* w, int32_t value, uint32_t id, uint32_t kind, uint32_t length, const void* data)
{
    (void)w; (void)value; (void)id; (void)kind; (void)length; (void)data;
    return 0;
}

int ZV_Save_TagWriter(ZvTagWriter* w)
{
    (void)w;
    return 0;
}

void ZV_Close_TagWriter(ZvTagWriter* w)
{
    (void)w;
}

void ZV_Destroy_TagWriter(ZvTagWriter* w)
{
    (void)w;
}

} // extern "C"
