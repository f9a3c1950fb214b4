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

const AVStream *sel(ZvInfo *h, StreamKind kind)
{
    return h ? h->selected(kind) : nullptr;
}

uint64_t videoValue(ZvInfo *h, uint32_t n)
{
    const AVStream *st = sel(h, StreamKind::Video);
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
    const AVStream *st = sel(h, StreamKind::Audio);
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
    return withInfo("ZV_Open_Info", h, 0, [&](ZvInfo *info) {
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
    return withInfo("ZV_OpenDVD_Info", h, 0, [&](ZvInfo *info) {
        info->close();
        return int(info->fail("disc sources are not supported"));
    });
}

int ZV_OpenStream_Info(ZvInfo *h, ZvSource *s)
{
    return withInfo("ZV_OpenStream_Info", h, 0, [&](ZvInfo *info) {
        if (!s || !s->data)
            return int(info->fail("no source given"));
        MediaLocation where;
        where.source = s->data;
        return int(info->open(where));
    });
}

int ZV_OpenWithPlayer_Info(ZvInfo *h, ZvPlayer *p)
{
    return withInfo("ZV_OpenWithPlayer_Info", h, 0, [&](ZvInfo *info) {
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

uint32_t ZV_GetProgrCount_Info(ZvInfo *h)
{
    return h ? h->programCount() : 0;
}

int ZV_SetProgrIndex_Info(ZvInfo *h, uint32_t index)
{
    return withInfo("ZV_SetProgrIndex_Info", h, 0, [&](ZvInfo *info) { return int(info->selectProgram(index)); });
}

const char *ZV_GetProgrName_Info(ZvInfo *h)
{
    return h ? h->programName() : nullptr;
}

uint32_t ZV_GetVideoCount_Info(ZvInfo *h)
{
    return h ? uint32_t(h->streams(StreamKind::Video).size()) : 0;
}

uint32_t ZV_GetAudioCount_Info(ZvInfo *h)
{
    return h ? uint32_t(h->streams(StreamKind::Audio).size()) : 0;
}

uint32_t ZV_GetSubtlCount_Info(ZvInfo *h)
{
    return h ? uint32_t(h->streams(StreamKind::Subtl).size()) : 0;
}

int ZV_SetVideoIndex_Info(ZvInfo *h, uint32_t index)
{
    return h ? int(h->selectStream(StreamKind::Video, index)) : 0;
}

int ZV_SetAudioIndex_Info(ZvInfo *h, uint32_t index)
{
    return h ? int(h->selectStream(StreamKind::Audio, index)) : 0;
}

int ZV_SetSubtlIndex_Info(ZvInfo *h, uint32_t index)
{
    return h ? int(h->selectStream(StreamKind::Subtl, index)) : 0;
}

int ZV_EnableClosedCaption_Info(ZvInfo *h, uint32_t on)
{
    if (!h)
        return 0;
    if (!on)
        return 1;
    if (const AVStream *v = h->selected(StreamKind::Video)) {
        const AVCodecID id = v->codecpar->codec_id;
        if (id == AV_CODEC_ID_H264 || id == AV_CODEC_ID_HEVC || id == AV_CODEC_ID_MPEG2VIDEO)
            return 1;
    }
    for (int index : h->streams(StreamKind::Subtl)) {
        if (h->media->format()->streams[index]->codecpar->codec_id == AV_CODEC_ID_EIA_608)
            return 1;
    }
    return 0;
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
    return withInfo("ZV_SetSubtlFileEx_Info", h, 0, [&](ZvInfo *info) {
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
    return withInfo("ZV_SetSubtlStreamEx_Info", h, 0, [&](ZvInfo *info) {
        if (!s || !s->data)
            return 0;
        MediaLocation where;
        where.source = s->data;
        return int(info->openSubtitleInput(where));
    });
}

int ZV_HasVideo_Info(ZvInfo *h)
{
    return h && !h->streams(StreamKind::Video).empty() ? 1 : 0;
}

int ZV_HasAudio_Info(ZvInfo *h)
{
    return h && !h->streams(StreamKind::Audio).empty() ? 1 : 0;
}

// ---- whole media ----

uint32_t ZV_GetVideoWidth_Info(ZvInfo *h)
{
    return h ? h->videoWidth() : 0;
}

uint32_t ZV_GetVideoHeight_Info(ZvInfo *h)
{
    return h ? h->videoHeight() : 0;
}

uint32_t ZV_GetVideoAspectRatioX_Info(ZvInfo *h)
{
    return h ? uint32_t(h->displayAspect().num) : 0;
}

uint32_t ZV_GetVideoAspectRatioY_Info(ZvInfo *h)
{
    return h && h->displayAspect().num > 0 ? uint32_t(h->displayAspect().den) : 0;
}

uint64_t ZV_GetDuration_Info(ZvInfo *h)
{
    return h && h->media ? h->media->durationUs() : 0;
}

int ZV_CanSeek_Info(ZvInfo *h)
{
    return h && h->canSeek() ? 1 : 0;
}

const char *ZV_GetFormatName_Info(ZvInfo *h)
{
    return h && h->media ? h->media->format()->iformat->name : nullptr;
}

// ---- metadata ----

const void *ZV_GetMetaData_Info(ZvInfo *h, const char *key)
{
    return withInfo("ZV_GetMetaData_Info", h, static_cast<const void *>(nullptr),
                    [&](ZvInfo *info) { return info->metaData(key); });
}

const uint8_t *ZV_GetMetaDataData_Info(ZvInfo *h, const void *value)
{
    uint32_t size = 0;
    return h ? h->metaDataBytes(value, size) : nullptr;
}

uint32_t ZV_GetMetaDataSize_Info(ZvInfo *h, const void *value)
{
    uint32_t size = 0;
    if (h)
        h->metaDataBytes(value, size);
    return size;
}

// ---- selected streams ----

const char *ZV_GetVideoTitle_Info(ZvInfo *h) { return h ? streamText(sel(h, StreamKind::Video), "title") : nullptr; }
const char *ZV_GetVideoCodecName_Info(ZvInfo *h) { return h ? codecName(sel(h, StreamKind::Video)) : nullptr; }
const char *ZV_GetVideoLanguage_Info(ZvInfo *h) { return h ? streamText(sel(h, StreamKind::Video), "language") : nullptr; }
const uint8_t *ZV_GetVideoCodecData_Info(ZvInfo *h) { return codecData(sel(h, StreamKind::Video)); }
uint32_t ZV_GetVideoCodecDataSize_Info(ZvInfo *h) { return codecDataSize(sel(h, StreamKind::Video)); }
uint64_t ZV_GetVideoValue_Info(ZvInfo *h, uint32_t n) { return videoValue(h, n); }

const char *ZV_GetAudioTitle_Info(ZvInfo *h) { return h ? streamText(sel(h, StreamKind::Audio), "title") : nullptr; }
const char *ZV_GetAudioCodecName_Info(ZvInfo *h) { return h ? codecName(sel(h, StreamKind::Audio)) : nullptr; }
const char *ZV_GetAudioLanguage_Info(ZvInfo *h) { return h ? streamText(sel(h, StreamKind::Audio), "language") : nullptr; }
const uint8_t *ZV_GetAudioCodecData_Info(ZvInfo *h) { return codecData(sel(h, StreamKind::Audio)); }
uint32_t ZV_GetAudioCodecDataSize_Info(ZvInfo *h) { return codecDataSize(sel(h, StreamKind::Audio)); }
uint64_t ZV_GetAudioValue_Info(ZvInfo *h, uint32_t n) { return audioValue(h, n); }

const char *ZV_GetSubtlTitle_Info(ZvInfo *h) { return h ? streamText(sel(h, StreamKind::Subtl), "title") : nullptr; }
const char *ZV_GetSubtlCodecName_Info(ZvInfo *h) { return h ? codecName(sel(h, StreamKind::Subtl)) : nullptr; }
const char *ZV_GetSubtlLanguage_Info(ZvInfo *h) { return h ? streamText(sel(h, StreamKind::Subtl), "language") : nullptr; }
const uint8_t *ZV_GetSubtlCodecData_Info(ZvInfo *h) { return codecData(sel(h, StreamKind::Subtl)); }
uint32_t ZV_GetSubtlCodecDataSize_Info(ZvInfo *h) { return codecDataSize(sel(h, StreamKind::Subtl)); }

uint64_t ZV_GetSubtlValue_Info(ZvInfo *h, uint32_t n)
{
    const AVStream *st = sel(h, StreamKind::Subtl);
    return st && n == 1 ? legacyIdFromCodec(st->codecpar->codec_id) : 0;
}

uint32_t ZV_GetSubtlCodecTag_Info(ZvInfo *h)
{
    const AVStream *st = sel(h, StreamKind::Subtl);
    if (!st)
        return 0;
    if (st->codecpar->codec_id == AV_CODEC_ID_EIA_608)
        return 0x43432020u;
    return st->codecpar->codec_tag;
}

// ---- chapters ----

uint32_t ZV_GetChapterCount_Info(ZvInfo *h)
{
    return withInfo("ZV_GetChapterCount_Info", h, 0u,
                    [](ZvInfo *info) { return uint32_t(info->chapters().size()); });
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
    return withInfo("ZV_GetVideoImage_Info", h, static_cast<uint8_t *>(nullptr),
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
