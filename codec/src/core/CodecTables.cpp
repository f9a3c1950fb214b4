#include "core/CodecTables.h"

#include <cstring>
#include <iterator>

namespace zv {

// The 5.1 values this numbering was written against; a different FFmpeg
// must fail to build rather than report wrong ids.
static_assert(AV_CODEC_ID_H263 == 4 && AV_CODEC_ID_MJPEG == 7 && AV_CODEC_ID_MPEG4 == 12);
static_assert(AV_CODEC_ID_H264 == 27 && AV_CODEC_ID_VC1 == 70 && AV_CODEC_ID_WMV3 == 71);
static_assert(AV_CODEC_ID_VP8 == 139 && AV_CODEC_ID_VP9 == 167 && AV_CODEC_ID_HEVC == 173);
static_assert(AV_CODEC_ID_THEORA == 30 && AV_CODEC_ID_FLV1 == 21 && AV_CODEC_ID_DVVIDEO == 24);
static_assert(AV_CODEC_ID_WMAPRO == 0x15025 && AV_CODEC_ID_PCM_S24BE == 0x1000D);
static_assert(AV_CODEC_ID_ADPCM_SWF == 0x1100D && AV_CODEC_ID_AMR_NB == 0x12000);
static_assert(AV_PIX_FMT_YUV420P == 0 && AV_PIX_FMT_BGRA == 28);

namespace {

constexpr uint32_t fourcc(char a, char b, char c, char d)
{
    return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16
        | uint32_t(uint8_t(d)) << 24;
}

// First row for a codec is the one probing reports (mpeg4 -> 13, not Xvid).
const CodecEntry kCodecs[] = {
    {28, AV_CODEC_ID_H264, 0, "libx264", "h264"},
    {0x48323635, AV_CODEC_ID_HEVC, 0, "libx265", "hevc"},
    {13, AV_CODEC_ID_MPEG4, 0, "mpeg4", "mpeg4"},
    {0x44495658, AV_CODEC_ID_MPEG4, fourcc('X', 'V', 'I', 'D'), "libxvid", "mpeg4"},
    {0x30355844, AV_CODEC_ID_MPEG4, fourcc('D', 'X', '5', '0'), "mpeg4", "mpeg4"},
    {17, AV_CODEC_ID_MSMPEG4V3, 0, "msmpeg4", "msmpeg4v3"},
    {18, AV_CODEC_ID_WMV1, 0, "wmv1", "wmv1"},
    {19, AV_CODEC_ID_WMV2, 0, "wmv2", "wmv2"},
    {72, AV_CODEC_ID_WMV3, 0, nullptr, "wmv3"},
    {71, AV_CODEC_ID_VC1, 0, nullptr, "vc1"},
    {8, AV_CODEC_ID_MJPEG, 0, "mjpeg", "mjpeg"},
    {5, AV_CODEC_ID_H263, 0, "h263", "h263"},
    {22, AV_CODEC_ID_FLV1, 0, "flv", "flv1"},
    {25, AV_CODEC_ID_DVVIDEO, 0, "dvvideo", "dvvideo"},
    {1, AV_CODEC_ID_MPEG1VIDEO, 0, "mpeg1video", "mpeg1video"},
    {2, AV_CODEC_ID_MPEG2VIDEO, 0, "mpeg2video", "mpeg2video"},
    {141, AV_CODEC_ID_VP8, 0, "libvpx", "vp8"},
    {169, AV_CODEC_ID_VP9, 0, "libvpx-vp9", "vp9"},
    {31, AV_CODEC_ID_THEORA, 0, "libtheora", "theora"},
    {0x15000, AV_CODEC_ID_MP2, 0, "mp2", "mp2"},
    {0x15001, AV_CODEC_ID_MP3, 0, "libmp3lame", "mp3"},
    {0x15002, AV_CODEC_ID_AAC, 0, "aac", "aac"},
    {0x15003, AV_CODEC_ID_AC3, 0, "ac3", "ac3"},
    {0x15005, AV_CODEC_ID_VORBIS, 0, "libvorbis", "vorbis"},
    {0x15007, AV_CODEC_ID_WMAV1, 0, "wmav1", "wmav1"},
    {0x15008, AV_CODEC_ID_WMAV2, 0, "wmav2", "wmav2"},
    {0x15026, AV_CODEC_ID_WMAPRO, 0, nullptr, "wmapro"},
    {0x1500C, AV_CODEC_ID_FLAC, 0, "flac", "flac"},
    {0x15010, AV_CODEC_ID_ALAC, 0, "alac", "alac"},
    {0x10000, AV_CODEC_ID_PCM_S16LE, 0, "pcm_s16le", "pcm_s16le"},
    {0x10001, AV_CODEC_ID_PCM_S16BE, 0, "pcm_s16be", "pcm_s16be"},
    {0x1000D, AV_CODEC_ID_PCM_S24BE, 0, "pcm_s24be", "pcm_s24be"},
    {0x11000, AV_CODEC_ID_ADPCM_IMA_QT, 0, "adpcm_ima_qt", "adpcm_ima_qt"},
    {0x1100D, AV_CODEC_ID_ADPCM_SWF, 0, "adpcm_swf", "adpcm_swf"},
    {0x12000, AV_CODEC_ID_AMR_NB, 0, nullptr, "amr_nb"},
};

struct Alias {
    const char *name;
    const char *muxer;
};
const Alias kContainerAliases[] = {
    {"aac", "adts"},
    {"m4a", "ipod"},
    {"mpegvideo", "mpeg2video"},
};

bool isSubtitleCodec(AVCodecID codec)
{
    return avcodec_get_type(codec) == AVMEDIA_TYPE_SUBTITLE;
}

} // namespace

const CodecEntry *codecEntryForLegacyId(uint32_t legacyId)
{
    for (const CodecEntry &e : kCodecs) {
        if (e.legacyId == legacyId)
            return &e;
    }
    return nullptr;
}

AVCodecID codecFromLegacyId(uint32_t legacyId)
{
    if (const CodecEntry *e = codecEntryForLegacyId(legacyId))
        return e->codec;
    if (legacyId == kNoStreamId || legacyId == kKeepCodecId)
        return AV_CODEC_ID_NONE;
    if (legacyId & kForeignIdBit) {
        const auto id = AVCodecID(legacyId & ~kForeignIdBit);
        return avcodec_descriptor_get(id) ? id : AV_CODEC_ID_NONE;
    }
    const auto id = AVCodecID(legacyId);
    if (avcodec_descriptor_get(id) && isSubtitleCodec(id))
        return id;
    return AV_CODEC_ID_NONE;
}

uint32_t legacyIdFromCodec(AVCodecID codec)
{
    if (codec == AV_CODEC_ID_NONE)
        return 0;
    for (const CodecEntry &e : kCodecs) {
        if (e.codec == codec)
            return e.legacyId;
    }
    if (isSubtitleCodec(codec))
        return uint32_t(codec);
    return uint32_t(codec) | kForeignIdBit;
}

AVPixelFormat pixelFormatFromCode(int code)
{
    switch (code) {
    case kFrameCodeYuv420p: return AV_PIX_FMT_YUV420P;
    case kFrameCodeBgra: return AV_PIX_FMT_BGRA;
    default: return AV_PIX_FMT_NONE;
    }
}

int frameCodeFromPixelFormat(AVPixelFormat format)
{
    switch (format) {
    case AV_PIX_FMT_YUV420P: return kFrameCodeYuv420p;
    case AV_PIX_FMT_BGRA: return kFrameCodeBgra;
    default: return -1;
    }
}

uint64_t probeCodeFromPixelFormat(AVPixelFormat format)
{
    if (format == AV_PIX_FMT_NONE)
        return 0;
    const int code = frameCodeFromPixelFormat(format);
    if (code >= 0)
        return uint64_t(code);
    return uint64_t(uint32_t(format) | kForeignIdBit);
}

const AVOutputFormat *resolveContainer(const std::string &name, std::string &error)
{
    std::string muxer = name;
    for (const Alias &a : kContainerAliases) {
        if (name == a.name)
            muxer = a.muxer;
    }
    const AVOutputFormat *format = nullptr;
    if (!muxer.empty()) {
        format = av_guess_format(muxer.c_str(), nullptr, nullptr);
        if (!format)
            format = av_guess_format(nullptr, ("x." + muxer).c_str(), nullptr);
    }
    if (!format)
        error = "no muxer for container '" + name + "'";
    return format;
}

} // namespace zv
