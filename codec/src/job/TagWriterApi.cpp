// The tag-writer handle: UTF-32 texts and a cover into a finished output file.
#include "job/JobSupport.h"
#include "job/TagWriter.h"

#include "core/Guard.h"
#include "zovAruzIvivu.h"

struct ZvTagWriter {
    zv::job::TagWriter writer;
};

namespace {

constexpr uint32_t kPictureField = 9;

// Every call runs inside the library's exception fence.
template <typename R, typename F>
R onWriter(const char *call, ZvTagWriter *w, R failure, F &&body)
{
    if (!w)
        return failure;
    return zv::guarded(call, failure, [&] { return body(w->writer); });
}

} // namespace

extern "C" {

ZvTagWriter* ZV_Create_TagWriter(void)
{
    return zv::guarded("ZV_Create_TagWriter", static_cast<ZvTagWriter *>(nullptr), [] { return new ZvTagWriter; });
}

int ZV_Open_TagWriter(ZvTagWriter* w, const uint32_t* utf32Path)
{
    // 0 is success here; anything else a failure.
    if (!utf32Path)
        return 1;
    return onWriter("ZV_Open_TagWriter", w, 1, [&](zv::job::TagWriter &writer) {
        const std::string path = zv::job::utf32ToUtf8(utf32Path, 0);
        if (writer.open(path))
            return 0;
        zv::job::logLine("cannot write tags into " + path + ": not a format the tag writer knows");
        return 1;
    });
}

int ZV_Prepare_TagWriter(ZvTagWriter* w)
{
    return onWriter("ZV_Prepare_TagWriter", w, 0, [](zv::job::TagWriter &writer) {
        writer.clearExisting();
        return 1;
    });
}

int ZV_SetField_TagWriter(ZvTagWriter* w, uint32_t field, const uint32_t* text, uint32_t byteLength)
{
    const char *key = zv::job::tagPropertyForField(field);
    if (!key || !text || byteLength < 4)
        return 0;
    return onWriter("ZV_SetField_TagWriter", w, 0, [&](zv::job::TagWriter &writer) {
        writer.setText(key, zv::job::utf32ToUtf8(text, byteLength / 4));
        return 1;
    });
}

int ZV_SetPicture_TagWriter(ZvTagWriter* w, uint32_t field, const void* data, uint32_t size)
{
    if (field != kPictureField || !data || size == 0)
        return 0;
    return onWriter("ZV_SetPicture_TagWriter", w, 0, [&](zv::job::TagWriter &writer) {
        writer.setPicture(data, size);
        return 1;
    });
}

int ZV_AddItem_TagWriter(ZvTagWriter* w, int32_t value, uint32_t id, uint32_t kind, uint32_t length, const void* data)
{
    (void)value;
    if (kind == 1)
        return ZV_SetPicture_TagWriter(w, id, data, length);
    if (kind == 0)
        return ZV_SetField_TagWriter(w, id, static_cast<const uint32_t *>(data), length);
    return 0;
}

int ZV_Save_TagWriter(ZvTagWriter* w)
{
    return onWriter("ZV_Save_TagWriter", w, 0, [](zv::job::TagWriter &writer) {
        std::string error;
        if (writer.save(&error))
            return 1;
        zv::job::logLine(error);
        return 0;
    });
}

void ZV_Close_TagWriter(ZvTagWriter* w)
{
    if (w)
        zv::guardedVoid("ZV_Close_TagWriter", [w] { w->writer.close(); });
}

void ZV_Destroy_TagWriter(ZvTagWriter* w)
{
    zv::guardedVoid("ZV_Destroy_TagWriter", [w] { delete w; });
}

} // extern "C"
