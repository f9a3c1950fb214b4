#pragma once
// The picture shown at a media time, for one video stream of an opened input:
// seeks back to a key frame <= t, decodes until a frame lies beyond t and
// keeps the last frame at or before t. Requests a little ahead read on
// without seeking; packets are read ahead of the decoder so that decoding
// starts at the last key frame before t and skips frames nobody refers to
// that are shown before t's frame. A thumbnail strip costs about one GOP per
// picture.

#include "core/InputMedia.h"
#include "core/PacketDecoder.h"
#include "info/PacketLookahead.h"

#include <map>
#include <string>

namespace zv {

class PictureDecoder {
public:
    // atStart: nothing has been read from media since it was opened.
    PictureDecoder(InputMedia &media, int stream, bool atStart);

    // The frame shown at t (µs of media time); null with error set on failure.
    // The frame stays valid until the next call.
    const AVFrame *frameAt(uint64_t t, std::string &error);

private:
    bool openDecoder(std::string &error);
    bool canContinueTo(int64_t target) const;
    bool seekAndDecode(int64_t target, std::string &error);
    bool seekBefore(int64_t target);
    // Inputs without an index (MPEG-TS, PS): the key frame at or before
    // target is found by reading from a byte position estimated from the
    // times known so far, and reading starts there.
    bool seekKeyByBytes(int64_t target);
    bool findsKeysByBytes() const;
    int64_t estimatePosition(int64_t target) const;
    bool scanForKey(int64_t target, int64_t &keyPos);
    void forgetDecoded();
    void restartDecoding(); // the decoder and frames, not the packets read ahead
    bool decodeTo(int64_t target, std::string &error);
    bool interrupted(std::string &error) const; // the handle was aborted
    // Moves a received frame into the state; true once a frame lies beyond target.
    bool take(int64_t target);

    InputMedia &m_media;
    AVStream *m_stream;
    CodecContextPtr m_decoder;
    PacketDecoder m_decoding;   // feeds m_decoder
    PacketLookahead m_ahead;    // read, not yet sent to m_decoder
    PacketPtr m_packet;
    FramePtr m_received;
    FramePtr m_current;   // last frame with pts <= the last target
    FramePtr m_next;      // first frame beyond the last target
    int64_t m_currentPts = AV_NOPTS_VALUE;
    int64_t m_nextPts = AV_NOPTS_VALUE;
    int64_t m_lastPts = AV_NOPTS_VALUE;
    int64_t m_firstPts = AV_NOPTS_VALUE; // first frame decoded since the last seek
    bool m_fresh = true;  // nothing read since the open: the demuxer is at the start
    std::map<int64_t, int64_t> m_keyPositions; // key frames read so far: pts -> byte position
};

} // namespace zv
