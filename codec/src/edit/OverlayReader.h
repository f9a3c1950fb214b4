#pragma once
// The pictures of one overlay file: a still (PNG, JPEG, still WebP...) or a
// clip (GIF, video). Its own demuxer and decoder; a clip is read forward and
// read again from its start when asked for an earlier time.

#include "core/FfPtr.h"
#include "core/PacketDecoder.h"

#include <string>

namespace zv {

class OverlayReader {
public:
    // Opens the file and decodes its first picture, and a second one to tell
    // a clip from a still. 0, or an AVERROR with `error` naming the file.
    int open(const std::string &path, std::string *error);

    bool isClip() const { return m_clip; }
    int64_t durationUs() const { return m_durationUs; }
    const AVFrame *first() const { return m_first.get(); }

    // The picture shown at `us` from the clip's start (the last one past its
    // end); `number` changes whenever the picture does.
    const AVFrame *frameAt(int64_t us, uint64_t *number);

private:
    int decodeNext(AVFrame *into);
    bool rewind();
    int64_t ptsUs(const AVFrame *f) const;

    std::string m_path;
    InputFormatPtr m_format;
    CodecContextPtr m_decoder;
    PacketDecoder m_decode; // feeds m_decoder
    int m_stream = -1;
    bool m_clip = false;
    bool m_ended = false;
    int64_t m_durationUs = 0;
    FramePtr m_first, m_current, m_next;
    uint64_t m_number = 0;
    PacketPtr m_packet;
};

} // namespace zv
