#pragma once
// The background sound's own reader: decodes the audio of another file and
// hands out the used part (its split range) as one continuous run of frames,
// starting over at the split start when it loops.

#include "core/FfPtr.h"
#include "core/Global.h"
#include "core/InputMedia.h"
#include "core/PacketDecoder.h"
#include "core/EditConfig.h"

#include <memory>
#include <string>

namespace zv {

class BackgroundReader {
public:
    // Opens the file and its decoder. Fails with a readable reason when the
    // file cannot be read or carries no decodable sound.
    int open(const BackgroundAudio &bg, std::string *error);
    // Positions `offsetUs` into the used part; a looping background wraps.
    int seek(int64_t offsetUs, std::string *error);
    // The next frame, its pts counting samples from the seek point.
    // AVERROR_EOF once the used part has been given (never while looping).
    int read(AVFrame *out, std::string *error);

    int sampleRate() const { return m_dec ? m_dec->sample_rate : 0; }
    AVSampleFormat sampleFormat() const { return m_dec ? m_dec->sample_fmt : AV_SAMPLE_FMT_NONE; }
    std::string layoutText() const;
    // Length of the used part in µs; 0 when unknown.
    int64_t partUs() const;

private:
    int rewind(int64_t targetUs, std::string *error);
    int decodeNext(std::string *error);
    int emit(AVFrame *out);

    InterruptScope m_scope;
    std::unique_ptr<InputMedia> m_media;
    CodecContextPtr m_dec;
    PacketDecoder m_decode; // feeds m_dec
    FramePtr m_frame;
    PacketPtr m_packet;
    int m_stream = -1;
    bool m_loop = false;
    int64_t m_splitStartUs = 0, m_splitEndUs = 0; // end 0: to the end of the file
    int64_t m_targetUs = 0;   // samples before this media time are skipped
    int64_t m_nextSample = 0; // pts of the next frame handed out
    bool m_gaveThisPass = false;
    bool m_ended = false;
};

} // namespace zv
