#pragma once

#include "core/PacketDecoder.h"
#include "job/JobSupport.h"

extern "C" {
#include <libavutil/md5.h>
}

#include <memory>
#include <vector>

namespace zv::job {

// FLAC's stream header states the stream's sample count and the MD5 of its
// decoded samples. A copied part has neither from the source, so players
// would show no duration: this counts and hashes the copied packets (cheap
// for audio) and hands both to the muxer with the last packet, which is how
// the muxer learns a new stream header to write at the end.
class FlacTotals {
public:
    // Whether the output keeps these totals: a FLAC stream in the flac container.
    static bool wanted(const AVCodecParameters *out, const AVOutputFormat *format);
    // Zeroes the source's totals ("unknown"): they describe the whole source,
    // and verifying decoders would call a part of it corrupt.
    static void forget(AVCodecParameters *p);

    int open(const AVCodecParameters *source, std::string *error);
    // Decodes one copied packet into the count and the hash, and keeps it:
    // `release` gets the packet kept before, which is now due for the muxer.
    int add(AVPacket *pkt, PacketPtr *release, std::string *error);
    // Drains the decoder; `last` gets the kept packet carrying `out`'s stream
    // header with the count and the hash (null when nothing was copied).
    int finish(const AVCodecParameters *out, PacketPtr *last, std::string *error);

private:
    struct Md5Free {
        void operator()(AVMD5 *m) const { av_free(m); }
    };

    int decode(const AVPacket *pkt, std::string *error);
    void hash(const AVFrame *frame);

    CodecContextPtr m_decoder;
    PacketDecoder m_decoding;   // feeds m_decoder
    FramePtr m_frame;
    PacketPtr m_held;
    std::unique_ptr<AVMD5, Md5Free> m_md5;
    std::vector<uint8_t> m_bytes;
    uint64_t m_samples = 0;
    int m_bitsPerSample = 16;
};

} // namespace zv::job
