#pragma once
// Closed captions of the video: the A53 side data of decoded pictures fed
// to FFmpeg's EIA-608 decoder, which gives ASS dialogue lines.

#include "core/FfPtr.h"
#include "edit/SubtitleEvent.h"

#include <string>
#include <vector>

namespace zv {

class CaptionDecoder {
public:
    int open(std::string *error);
    const std::string &header() const { return m_header; }
    // The caption bytes of one decoded picture; complete captions go to `out`.
    void feed(const AVFrame *picture, int64_t mediaUs, std::vector<SubtitleEvent> &out);

private:
    CodecContextPtr m_dec;
    PacketPtr m_packet;
    std::string m_header;
};

} // namespace zv
