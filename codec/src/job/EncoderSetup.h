#pragma once

#include "job/JobConfig.h"
#include "job/JobSupport.h"

namespace zv::job {

// An opened encoder and the output stream it feeds.
struct EncodedStream {
    CodecContextPtr enc;
    AVStream *stream = nullptr;
    int64_t nextPts = 0;        // encoder time base: where the next frame goes at least
};

// Finds the encoder for a configured codec id (0: the container's default).
// Fails, naming the codec, when this FFmpeg build has none.
int findEncoder(uint32_t id, AVMediaType type, const AVOutputFormat *format, const AVCodec **codec,
                uint32_t *tag, std::string *error);

struct VideoTarget {
    int width = 0, height = 0;
    AVRational rate{25, 1};
    // The pictures keep the source's own times (a variable rate); `rate` is
    // then only the nominal one.
    bool keepTimes = false;
};
// The output size and rate: the configured ones or the source's, adapted to
// what the encoder can take. The source's own size with non-square pixels
// becomes square pixels of the same display aspect. Without a configured rate
// the source's pictures all stay: with their own times where the container
// and encoder take any, else at the source's nominal rate.
// `rotation` is the source's clockwise display rotation; the output is upright.
VideoTarget videoTarget(const JobConfig &cfg, const AVStream *source, int rotation, const AVCodec *codec,
                        const AVOutputFormat *format);

// Opens a video or audio encoder for the output and adds its stream.
int openVideoEncoder(AVFormatContext *oc, const AVCodec *codec, uint32_t tag, const JobConfig &cfg,
                     const VideoTarget &target, EncodedStream *out, std::string *error);
int openAudioEncoder(AVFormatContext *oc, const AVCodec *codec, uint32_t tag, const JobConfig &cfg,
                     EncodedStream *out, std::string *error);

} // namespace zv::job
