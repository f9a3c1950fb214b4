#pragma once

#include "core/EditConfig.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Every value a conversion job or merge may be configured with: the edit
// settings and what only an output needs. A job takes a copy at open time,
// so later changes by the caller (its retry chain) never reach a running job.
namespace zv {

struct ConfigChapter {
    uint64_t start = 0, length = 0;
    std::string title;
};

struct JobConfig : EditConfig {
    // Encode parameters.
    uint32_t enableVideo = 1, enableAudio = 1;
    uint32_t videoCodec = 0, audioCodec = 0;
    uint32_t videoEncoderOption = 0, videoProfile = 0;
    uint32_t width = 0, height = 0;
    uint32_t rateNum = 0, rateDen = 0;
    uint32_t videoBitRate = 0, audioBitRate = 0;
    uint32_t channels = 0, sampleRate = 0;
    uint32_t videoQuality = 90, audioQuality = 90;
    std::string textOption;
    std::vector<ConfigChapter> chapters;

    // Tracks an output copies besides the chosen ones, an external sound
    // file, and the codec its subtitles are written in.
    uint64_t audioMask = 0;
    std::string audioFile;
    uint64_t subtitleMask = 0;
    uint32_t subtitleCodec = 0;

    // How many overlay layers an output draws.
    uint32_t overlayCount = 0;

    // Output metadata that overrides the source's.
    std::map<std::string, std::string> metadata;
    std::vector<uint8_t> cover;
    // Tags the tag writer puts into a finished output (TagLib property names),
    // and its cover picture.
    std::map<std::string, std::string> tags;
    std::vector<uint8_t> tagPicture;
};

} // namespace zv

struct ZvConfig {
    zv::JobConfig value;
};

struct ZvPicture {
    std::vector<uint8_t> bytes;
};
