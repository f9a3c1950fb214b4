#pragma once
// The library's own numbering, translated by explicit tables (never by
// arithmetic): caller codec ids <-> FFmpeg 5.1 AVCodecID (with the codec tag
// and encoder a caller id stands for), frame-format codes <-> AVPixelFormat,
// and the container names callers pass -> muxer.

#include <cstdint>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixfmt.h>
}

namespace zv {

// Ids that never collide with a table id: FFmpeg's own id with this bit set.
constexpr uint32_t kForeignIdBit = 0x40000000u;
// Reserved caller ids.
constexpr uint32_t kNoStreamId = 0xFFFFFFFFu;
constexpr uint32_t kKeepCodecId = 0;

struct CodecEntry {
    uint32_t legacyId;      // what callers pass and probing reports
    AVCodecID codec;        // FFmpeg 5.1
    uint32_t codecTag;      // forced four-character tag (XVID, DX50), else 0
    const char *encoder;    // encoder in Debian's build; nullptr when there is none
    const char *codecName;  // FFmpeg's short name, for error texts
};

// The table row for a caller id; nullptr when the id is not in the table.
const CodecEntry *codecEntryForLegacyId(uint32_t legacyId);

// Caller id -> FFmpeg codec: a table id, or a foreign id (bit 0x40000000) or a
// subtitle id passed through. AV_CODEC_ID_NONE when unknown.
AVCodecID codecFromLegacyId(uint32_t legacyId);

// What probing reports for an FFmpeg codec: the table id for a table codec,
// the 5.1 id for subtitles, otherwise the 5.1 id | 0x40000000.
uint32_t legacyIdFromCodec(AVCodecID codec);

// Frame-format codes (0 = yuv420p, 30 = bgra). pixelFormatFromCode gives
// AV_PIX_FMT_NONE and frameCodeFromPixelFormat -1 for anything else.
constexpr int kFrameCodeYuv420p = 0;
constexpr int kFrameCodeBgra = 30;
AVPixelFormat pixelFormatFromCode(int code);
int frameCodeFromPixelFormat(AVPixelFormat format);
// Probing value 3: 0 / 30, else the 5.1 id | 0x40000000 (0 for none/unknown).
uint64_t probeCodeFromPixelFormat(AVPixelFormat format);

// Container name as callers pass it (lower case) -> muxer. On failure returns
// nullptr and sets error to "no muxer for container '<name>'".
const AVOutputFormat *resolveContainer(const std::string &name, std::string &error);

} // namespace zv
