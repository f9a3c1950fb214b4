#pragma once

#include "core/InputMedia.h"
#include "job/JobConfig.h"
#include "job/JobSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace zv::job {

// One opened source and the streams the configuration chose from it. Reads give
// up as soon as the owner's abort flag is raised.
class InputSource {
public:
    // Opens and probes the source and chooses its streams: a copy job takes audio
    // by mask and the masked subtitles, an encode job one audio stream by index.
    // 0 or an AVERROR, with the reason in *error.
    int open(const std::string &path, const JobConfig &cfg, bool copyKind, const InterruptScope *scope,
             std::string *error);

    // Opens the source again, so reading starts at its first packet. The
    // streams and their choice stay as they are. For demuxers whose seek
    // fails and leaves the reader elsewhere (Matroska without an index).
    int reopen(std::string *error);

    AVFormatContext *ctx() const { return m_media ? m_media->format() : nullptr; }
    // Media time origin in µs (the container's start time, or 0).
    int64_t originUs() const { return m_media ? m_media->startTime() : 0; }
    // Media duration in µs (0 when unknown).
    int64_t durationUs() const { return m_media ? int64_t(m_media->durationUs()) : 0; }
    // Clockwise display rotation of a stream: 0, 90, 180 or 270.
    int rotation(int stream) const { return m_media ? m_media->rotation(stream) : 0; }

    int videoStream = -1;             // -1: none chosen
    std::vector<int> audioStreams;    // in the order they go out
    std::vector<int> subtitleStreams;

private:
    int chooseStreams(const JobConfig &cfg, bool copyKind, std::string *error);

    std::unique_ptr<InputMedia> m_media;
    std::string m_path;
    const InterruptScope *m_scope = nullptr;
};

} // namespace zv::job
