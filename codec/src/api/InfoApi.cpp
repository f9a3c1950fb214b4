// Media information handles: programs, streams, values, metadata, chapters
// and the picture at a time, over the state in info/InfoHandle.
#include "zovAruzIvivu.h"

#include "core/BmpImage.h"
#include "core/CodecTables.h"
#include "core/Guard.h"
#include "core/PlayerMedia.h"
#include "info/InfoHandle.h"

#include <cstdlib>

using namespace zv;

namespace {

const char kEmpty[] = "";

const char *streamText(const AVStream *st, const char *key)
{
    if (!st)
        return kEmpty;
    const AVDictionaryEntry *e = av_dict_get(st->metadata, key, nullptr, 0);
    return e ? e->value : kEmpty;
}

const char *codecName(const AVStream *st)
{
    return st ? avcodec_get_name(st->codecpar->codec_id) : kEmpty;
}

const uint8_t *codecData(const AVStream *st)
{
    return st && st->codecpar->extradata_size > 0 ? st->codecpar->extradata : nullptr;
}

uint32_t codecDataSize(const AVStream *st)
{
    return st && st->codecpar->extradata && st->codecpar->extradata_size > 0
        ? uint32_t(st->codecpar->extradata_size)
        : 0;
}

uint64_t nonNegative(int64_t v)
{
    return v > 0 ? uint64_t(v) : 0;
}

uint64_t videoValue(ZvInfo *h, uint32_t n)
{
    const AVStream *st = h->selected(StreamKind::Video);
    if (!st)
        return 0;
    const AVCodecParameters *par = st->codecpar;
    const AVRational rate = st->avg_frame_rate.num > 0 && st->avg_frame_rate.den > 0 ? st->avg_frame_rate
                                                                                     : st->r_frame_rate;
    switch (n) {
    case 1: return legacyIdFromCodec(par->codec_id);
    case 2: return nonNegative(par->profile);
    case 3: return probeCodeFromPixelFormat(AVPixelFormat(par->format));
    case 4: return nonNegative(par->bit_rate);
    case 5: return nonNegative(rate.num);
    case 6: return rate.num > 0 ? nonNegative(rate.den) : 0;
    case 7: return uint64_t(h->rotation());
    default: return 0;
    }
}

uint64_t audioValue(ZvInfo *h, uint32_t n)
{
    const AVStream *st = h->selected(StreamKind::Audio);
    if (!st)
        return 0;
    const AVCodecParameters *par = st->codecpar;
    switch (n) {
    case 1: return legacyIdFromCodec(par->codec_id);
    case 2: return nonNegative(par->sample_rate);
    case 3: return nonNegative(par->ch_layout.nb_channels);
    case 4:
        if (par->bits_per_raw_sample > 0)
            return uint64_t(par->bits_per_raw_sample);
        if (par->bits_per_coded_sample > 0)
            return uint64_t(par->bits_per_coded_sample);
        return uint64_t(av_get_bytes_per_sample(AVSampleFormat(par->format))) * 8;
    case 5: return nonNegative(par->profile);
    case 6: return nonNegative(par->bit_rate);
    default: return 0;
    }
}

const ChapterEntry *chapterAt(ZvInfo *h, uint32_t i)
{
    if (!h)
        return nullptr;
    return guarded("info chapters", static_cast<const ChapterEntry *>(nullptr), [&] {
        const auto &list = h->chapters();
        return i < list.size() ? &list[i] : nullptr;
    });
}

template <typename R, typename F>
R withInfo(const char *call, ZvInfo *h, R failure, F &&body)
{
    if (!h)
        return failure;
    return guarded(call, failure, [&] { return body(h); });
}

// Open and picture calls keep why they failed as the handle's error text,
// a fault inside them included.
template <typename R, typename F>
R withInfoText(const char *call, ZvInfo *h, R failure, F &&body)
{
    if (!h)
        return failure;
    return guardedText(call, failure, h->lastError, [&] { return body(h); });
}

uint32_t streamCount(const char *call, ZvInfo *h, StreamKind kind)
{
    return withInfo(call, h, 0u, [&](ZvInfo *info) { return uint32_t(info->streams(kind).size()); });
}

int selectStream(const char *call, ZvInfo *h, StreamKind kind, uint32_t index)
{
    return withInfo(call, h, 0, [&](ZvInfo *info) { return int(info->selectStream(kind, index)); });
}

const char *selectedText(const char *call, ZvInfo *h, StreamKind kind, const char *key)
{
    return withInfo(call, h, static_cast<const char *>(nullptr),
                    [&](ZvInfo *info) { return streamText(info->selected(kind), key); });
}

const char *selectedCodecName(const char *call, ZvInfo *h, StreamKind kind)
{
    return withInfo(call, h, static_cast<const char *>(nullptr),
                    [&](ZvInfo *info) { return codecName(info->selected(kind)); });
}

const uint8_t *selectedCodecData(const char *call, ZvInfo *h, StreamKind kind)
{
    return withInfo(call, h, static_cast<const uint8_t *>(nullptr),
                    [&](ZvInfo *info) { return codecData(info->selected(kind)); });
}

uint32_t selectedCodecDataSize(const char *call, ZvInfo *h, StreamKind kind)
{
    return withInfo(call, h, 0u, [&](ZvInfo *info) { return codecDataSize(info->selected(kind)); });
}

} // namespace

extern "C" {

// ---- lifecycle ----

ZvInfo *ZV_Create_Info(uint32_t flags)
{
    (void)flags;
    return guarded("ZV_Create_Info", static_cast<ZvInfo *>(nullptr), [] { return new ZvInfo; });
}

int ZV_Open_Info(ZvInfo *h, const char *path)
{
    return withInfoText("ZV_Open_Info", h, 0, [&](ZvInfo *info) {
        if (!path || !*path)
            return int(info->fail("no path given"));
        MediaLocation where;
        where.path = path;
        return int(info->open(where));
    });
}

int ZV_OpenDVD_Info(ZvInfo *h, const char *path)
{
    (void)path;
    return withInfoText("ZV_OpenDVD_Info", h, 0, [&](ZvInfo *info) {
        info->close();
        return int(info->fail("disc sources are not supported"));
    });
}

int ZV_OpenStream_Info(ZvInfo *h, ZvSource *s)
{
    return withInfoText("ZV_OpenStream_Info", h, 0, [&](ZvInfo *info) {
        if (!s || !s->data)
            return int(info->fail("no source given"));
        MediaLocation where;
        where.source = s->data;
        return int(info->open(where));
    });
}

int ZV_OpenWithPlayer_Info(ZvInfo *h, ZvPlayer *p)
{
    return withInfoText("ZV_OpenWithPlayer_Info", h, 0, [&](ZvInfo *info) {
        MediaLocation where;
        if (!p || !playerMedia(p, where))
            return int(info->fail("the player has no media open"));
        return int(info->open(where));
    });
}

const char *ZV_GetLastErrorText_Info(ZvInfo *h)
{
    return h ? h->lastError.c_str() : nullptr;
}

void ZV_Close_Info(ZvInfo *h)
{
    if (h)
        guardedVoid("ZV_Close_Info", [&] { h->close(); });
}

int ZV_Abort_Info(ZvInfo *h)
{
    // Only an atomic store: safe beside a read running on another thread.
    if (!h)
        return 0;
    h->scope.abort.store(true);
    return 1;
}

void ZV_Destroy_Info(ZvInfo *h)
{
    guardedVoid("ZV_Destroy_Info", [&] { delete h; });
}

// ---- programs and streams ----
// Every getter runs inside the exception fence too: what it reads is the
// handle's state, but a fault there must not cross the C surface.

uint32_t ZV_GetProgrCount_Info(ZvInfo *h)
{
    return withInfo(__func__, h, 0u, [](ZvInfo *info) { return info->programCount(); });
}

int ZV_SetProgrIndex_Info(ZvInfo *h, uint32_t index)
{
    return withInfo(__func__, h, 0, [&](ZvInfo *info) { return int(info->selectProgram(index)); });
}

const char *ZV_GetProgrName_Info(ZvInfo *h)
{
    return withInfo(__func__, h, static_cast<const char *>(nullptr), [](ZvInfo *info) { return info->programName(); });
}

uint32_t ZV_GetVideoCount_Info(ZvInfo *h) { return streamCount(__func__, h, StreamKind::Video); }
uint32_t ZV_GetAudioCount_Info(ZvInfo *h) { return streamCount(__func__, h, StreamKind::Audio); }
uint32_t ZV_GetSubtlCount_Info(ZvInfo *h) { return streamCount(__func__, h, StreamKind::Subtl); }

int ZV_SetVideoIndex_Info(ZvInfo *h, uint32_t index) { return selectStream(__func__, h, StreamKind::Video, index); }
int ZV_SetAudioIndex_Info(ZvInfo *h, uint32_t index) { return selectStream(__func__, h, StreamKind::Audio, index); }
int ZV_SetSubtlIndex_Info(ZvInfo *h, uint32_t index) { return selectStream(__func__, h, StreamKind::Subtl, index); }

int ZV_EnableClosedCaption_Info(ZvInfo *h, uint32_t on)
{
    return withInfo(__func__, h, 0, [&](ZvInfo *info) {
        if (!on)
            return 1;
        if (const AVStream *v = info->selected(StreamKind::Video)) {
            const AVCodecID id = v->codecpar->codec_id;
            if (id == AV_CODEC_ID_H264 || id == AV_CODEC_ID_HEVC || id == AV_CODEC_ID_MPEG2VIDEO)
                return 1;
        }
        for (int index : info->streams(StreamKind::Subtl)) {
            if (info->media->format()->streams[index]->codecpar->codec_id == AV_CODEC_ID_EIA_608)
                return 1;
        }
        return 0;
    });
}

int ZV_SetSubtlFile_Info(ZvInfo *h, const char *path)
{
    return ZV_SetSubtlFileEx_Info(h, path, 0, 0);
}

int ZV_SetSubtlStream_Info(ZvInfo *h, ZvSource *s)
{
    return ZV_SetSubtlStreamEx_Info(h, s, 0, 0);
}

int ZV_SetSubtlFileEx_Info(ZvInfo *h, const char *path, uint32_t a, uint32_t b)
{
    (void)a; (void)b;
    return withInfoText("ZV_SetSubtlFileEx_Info", h, 0, [&](ZvInfo *info) {
        if (!path || !*path)
            return 0;
        MediaLocation where;
        where.path = path;
        return int(info->openSubtitleInput(where));
    });
}

int ZV_SetSubtlStreamEx_Info(ZvInfo *h, ZvSource *s, uint32_t a, uint32_t b)
{
    (void)a; (void)b;
    return withInfoText("ZV_SetSubtlStreamEx_Info", h, 0, [&](ZvInfo *info) {
        if (!s || !s->data)
            return 0;
        MediaLocation where;
        where.source = s->data;
        return int(info->openSubtitleInput(where));
    });
}

int ZV_HasVideo_Info(ZvInfo *h) { return streamCount(__func__, h, StreamKind::Video) > 0 ? 1 : 0; }
int ZV_HasAudio_Info(ZvInfo *h) { return streamCount(__func__, h, StreamKind::Audio) > 0 ? 1 : 0; }

// ---- whole media ----

uint32_t ZV_GetVideoWidth_Info(ZvInfo *h)
{
    return withInfo(__func__, h, 0u, [](ZvInfo *info) { return info->videoWidth(); });
}

uint32_t ZV_GetVideoHeight_Info(ZvInfo *h)
{
    return withInfo(__func__, h, 0u, [](ZvInfo *info) { return info->videoHeight(); });
}

uint32_t ZV_GetVideoAspectRatioX_Info(ZvInfo *h)
{
    return withInfo(__func__, h, 0u, [](ZvInfo *info) { return uint32_t(info->displayAspect().num); });
}

uint32_t ZV_GetVideoAspectRatioY_Info(ZvInfo *h)
{
    return withInfo(__func__, h, 0u, [](ZvInfo *info) {
        const AVRational aspect = info->displayAspect();
        return aspect.num > 0 ? uint32_t(aspect.den) : 0u;
    });
}

uint64_t ZV_GetDuration_Info(ZvInfo *h)
{
    return withInfo(__func__, h, uint64_t(0), [](ZvInfo *info) { return info->media ? info->media->durationUs() : 0; });
}

int ZV_CanSeek_Info(ZvInfo *h)
{
    return withInfo(__func__, h, 0, [](ZvInfo *info) { return info->canSeek() ? 1 : 0; });
}

const char *ZV_GetFormatName_Info(ZvInfo *h)
{
    return withInfo(__func__, h, static_cast<const char *>(nullptr), [](ZvInfo *info) {
        return info->media ? info->media->format()->iformat->name : nullptr;
    });
}

// ---- metadata ----

const void *ZV_GetMetaData_Info(ZvInfo *h, const char *key)
{
    return withInfo(__func__, h, static_cast<const void *>(nullptr),
                    [&](ZvInfo *info) { return info->metaData(key); });
}

const uint8_t *ZV_GetMetaDataData_Info(ZvInfo *h, const void *value)
{
    return withInfo(__func__, h, static_cast<const uint8_t *>(nullptr), [&](ZvInfo *info) {
        uint32_t size = 0;
        return info->metaDataBytes(value, size);
    });
}

uint32_t ZV_GetMetaDataSize_Info(ZvInfo *h, const void *value)
{
    return withInfo(__func__, h, 0u, [&](ZvInfo *info) {
        uint32_t size = 0;
        info->metaDataBytes(value, size);
        return size;
    });
}

// ---- selected streams ----

const char *ZV_GetVideoTitle_Info(ZvInfo *h) { return selectedText(__func__, h, StreamKind::Video, "title"); }
const char *ZV_GetVideoCodecName_Info(ZvInfo *h) { return selectedCodecName(__func__, h, StreamKind::Video); }
const char *ZV_GetVideoLanguage_Info(ZvInfo *h) { return selectedText(__func__, h, StreamKind::Video, "language"); }
const uint8_t *ZV_GetVideoCodecData_Info(ZvInfo *h) { return selectedCodecData(__func__, h, StreamKind::Video); }
uint32_t ZV_GetVideoCodecDataSize_Info(ZvInfo *h) { return selectedCodecDataSize(__func__, h, StreamKind::Video); }
uint64_t ZV_GetVideoValue_Info(ZvInfo *h, uint32_t n)
{
    return withInfo(__func__, h, uint64_t(0), [&](ZvInfo *info) { return videoValue(info, n); });
}

const char *ZV_GetAudioTitle_Info(ZvInfo *h) { return selectedText(__func__, h, StreamKind::Audio, "title"); }
const char *ZV_GetAudioCodecName_Info(ZvInfo *h) { return selectedCodecName(__func__, h, StreamKind::Audio); }
const char *ZV_GetAudioLanguage_Info(ZvInfo *h) { return selectedText(__func__, h, StreamKind::Audio, "language"); }
const uint8_t *ZV_GetAudioCodecData_Info(ZvInfo *h) { return selectedCodecData(__func__, h, StreamKind::Audio); }
uint32_t ZV_GetAudioCodecDataSize_Info(ZvInfo *h) { return selectedCodecDataSize(__func__, h, StreamKind::Audio); }
uint64_t ZV_GetAudioValue_Info(ZvInfo *h, uint32_t n)
{
    return withInfo(__func__, h, uint64_t(0), [&](ZvInfo *info) { return audioValue(info, n); });
}

const char *ZV_GetSubtlTitle_Info(ZvInfo *h) { return selectedText(__func__, h, StreamKind::Subtl, "title"); }
const char *ZV_GetSubtlCodecName_Info(ZvInfo *h) { return selectedCodecName(__func__, h, StreamKind::Subtl); }
const char *ZV_GetSubtlLanguage_Info(ZvInfo *h) { return selectedText(__func__, h, StreamKind::Subtl, "language"); }
const uint8_t *ZV_GetSubtlCodecData_Info(ZvInfo *h) { return selectedCodecData(__func__, h, StreamKind::Subtl); }
uint32_t ZV_GetSubtlCodecDataSize_Info(ZvInfo *h) { return selectedCodecDataSize(__func__, h, StreamKind::Subtl); }

uint64_t ZV_GetSubtlValue_Info(ZvInfo *h, uint32_t n)
{
    return withInfo(__func__, h, uint64_t(0), [&](ZvInfo *info) -> uint64_t {
        const AVStream *st = info->selected(StreamKind::Subtl);
        return st && n == 1 ? legacyIdFromCodec(st->codecpar->codec_id) : 0;
    });
}

uint32_t ZV_GetSubtlCodecTag_Info(ZvInfo *h)
{
    return withInfo(__func__, h, 0u, [](ZvInfo *info) -> uint32_t {
        const AVStream *st = info->selected(StreamKind::Subtl);
        if (!st)
            return 0;
        if (st->codecpar->codec_id == AV_CODEC_ID_EIA_608)
            return 0x43432020u;
        return st->codecpar->codec_tag;
    });
}

// ---- chapters ----

uint32_t ZV_GetChapterCount_Info(ZvInfo *h)
{
    return withInfo(__func__, h, 0u, [](ZvInfo *info) { return uint32_t(info->chapters().size()); });
}

uint64_t ZV_GetChapterStartTime_Info(ZvInfo *h, uint32_t i)
{
    const ChapterEntry *e = chapterAt(h, i);
    return e ? e->startUs : 0;
}

uint64_t ZV_GetChapterDuration_Info(ZvInfo *h, uint32_t i)
{
    const ChapterEntry *e = chapterAt(h, i);
    return e ? e->durationUs : 0;
}

const char *ZV_GetChapterTitle_Info(ZvInfo *h, uint32_t i)
{
    const ChapterEntry *e = chapterAt(h, i);
    return e && e->hasTitle ? e->title.c_str() : nullptr;
}

// ---- picture at a time ----

uint8_t *ZV_GetVideoImage_Info(ZvInfo *h, uint64_t time, uint32_t mode, uint32_t width, uint32_t height,
                               uint32_t reserved)
{
    (void)mode; (void)reserved;
    return withInfoText("ZV_GetVideoImage_Info", h, static_cast<uint8_t *>(nullptr),
                    [&](ZvInfo *info) { return info->picture(time, width, height); });
}

uint32_t ZV_GetVideoImageSize_Info(ZvInfo *h, const uint8_t *image)
{
    (void)h;
    return bmpLength(image);
}

int ZV_FreeVideoImage_Info(ZvInfo *h, uint8_t *image)
{
    (void)h;
    if (!image)
        return 0;
    free(image);
    return 1;
}

} // extern "C"
