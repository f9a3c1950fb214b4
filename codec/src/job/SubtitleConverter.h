#pragma once

#include "job/JobSupport.h"

#include <vector>

namespace zv::job {

// Converts one text subtitle stream into the text codec an output container
// takes (subrip into mp4 becomes mov_text). The only decoding a stream copy does.
class SubtitleConverter {
public:
    // The codec a text subtitle stream goes out as: `asked` when the container
    // takes it, else the container's own text codec, else the stream's codec.
    static AVCodecID targetCodec(const AVCodecParameters *source, AVCodecID asked, const AVOutputFormat *format);

    int open(const AVStream *source, AVCodecID target, AVStream *out, std::string *error);
    // Converts one packet (timestamps already in the output time base) and
    // writes the result. A cue that cannot be converted is skipped, not fatal.
    int write(AVPacket *pkt, AVFormatContext *oc, std::string *error);

private:
    CodecContextPtr m_dec;
    CodecContextPtr m_enc;
    std::vector<uint8_t> m_buffer;
    AVRational m_outTimeBase{1, 1000};
};

} // namespace zv::job
