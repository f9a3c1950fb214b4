#include "VelAVCodecAnalysis.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

namespace {

struct CodeId {
    const char *code;
    uint32_t id;
};

// In lookup order. Codes sharing an id are aliases the codec library treats
// alike (OGG/VBIS Vorbis, PCM/APE 16-bit PCM, DV50/DV60 DV video).
constexpr CodeId kCodecIds[] = {
    {"AC3", 0x15003},  {"in24", 0x1000D}, {"mp43", 0x11},    {"wma3", 0x15026},
    {"wma2", 0x15008}, {"wma1", 0x15007}, {"MP3", 0x15001},  {"VP8", 0x8D},
    {"VP9", 0xA9},     {"AAC", 0x15002},  {"MJPG", 0x8},     {"MP4V", 0xD},
    {"OGG", 0x15005},  {"WMV1", 0x12},    {"WMV2", 0x13},    {"VBIS", 0x15005},
    {"mpg1", 0x1},     {"HMP2", 0x2},     {"mp2v", 0x2},     {"mp1v", 0x1},
    {"H263", 0x5},     {"H264", 0x1C},    {"H265", 0x48323635},
    {"Xvid", 0x44495658}, {"DIVX", 0x30355844},
    {"MP2A", 0x15000}, {"PCM", 0x10000},  {"APE", 0x10000},  {"caf", 0x11000},
    {"DV60", 0x19},    {"flac", 0x1500C}, {"AMRN", 0x12000}, {"flv1", 0x16},
    {"fmp3", 0x1100D}, {"DV50", 0x19},    {"WMV3", 0x48},    {"vc-1", 0x47},
    {"pcmb", 0x10001}, {"alac", 0x15010}, {"OGV", 0x1F},
};

struct ExtContainer {
    const char *ext;
    const char *container;
};

constexpr ExtContainer kContainers[] = {
    {"m4v", "mp4"},  {"m4a", "mp4"},      {"m4b", "mp4"},      {"m4r", "mp4"},
    {"wmv", "asf"},  {"wma", "asf"},      {"mkv", "matroska"}, {"mka", "matroska"},
    {"mpg", "mpeg"}, {"ts", "mpegts"},    {"trp", "mpegts"},   {"DivX", "avi"},
    {"ogv", "ogg"},  {"WebM", "webm"},    {"aac", "adts"},     {"alac", "mov"},
};

const char kMovDemuxer[] = "mov,mp4,m4a,3gp,3g2,mj2";
const char kMatroskaDemuxer[] = "matroska,webm";

bool startsWith(const std::string &text, const char *prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// Smallest-denominator fraction equal to rate (to the precision a decimal
// frame-rate text carries), from the continued-fraction convergents of rate.
std::pair<uint64_t, uint64_t> exactFraction(double rate)
{
    constexpr uint64_t kLimit = std::numeric_limits<uint32_t>::max();
    const double tolerance = rate * 1e-9;
    uint64_t p0 = 0, q0 = 1, p1 = 1, q1 = 0;
    double x = rate;
    std::pair<uint64_t, uint64_t> best{static_cast<uint64_t>(std::llround(rate)), 1};
    for (int step = 0; step < 64; ++step) {
        const double whole = std::floor(x);
        if (whole > static_cast<double>(kLimit))
            break;
        const auto a = static_cast<uint64_t>(whole);
        const uint64_t p2 = a * p1 + p0;
        const uint64_t q2 = a * q1 + q0;
        if (p2 > kLimit || q2 > kLimit)
            break;
        best = {p2, q2};
        if (std::fabs(static_cast<double>(p2) / static_cast<double>(q2) - rate) <= tolerance)
            break;
        p0 = p1;
        q0 = q1;
        p1 = p2;
        q1 = q2;
        const double rest = x - whole;
        if (rest <= 0)
            break;
        x = 1.0 / rest;
    }
    return best;
}

} // namespace

uint32_t VelAVCodecAnalysis::codecIDOfFourcc(const std::string &code)
{
    for (const CodeId &entry : kCodecIds) {
        if (code == entry.code)
            return entry.id;
    }
    return 0;
}

std::string VelAVCodecAnalysis::formatOfFourCC(const std::string &extension)
{
    for (const ExtContainer &entry : kContainers) {
        if (extension == entry.ext)
            return entry.container;
    }
    return extension;
}

std::string VelAVCodecAnalysis::formatForFormatName(const std::string &demuxerName,
                                                    const std::string &brand)
{
    if (demuxerName == kMovDemuxer) {
        if (brand == "qt  ")
            return "mov";
        if (brand == "f4v ")
            return "f4v";
        if (startsWith(brand, "3gp"))
            return "3gp";
        if (startsWith(brand, "3g2"))
            return "3g2";
        return "mp4";
    }
    if (demuxerName == kMatroskaDemuxer) {
        // A Matroska source stays Matroska: writing its streams into MP4 would
        // refuse many codecs Matroska carries.
        return brand == "webm" ? "webm" : "matroska";
    }
    if (demuxerName == "DVD")
        return "vob";
    if (demuxerName == "Bluray")
        return "mpegts";
    if (demuxerName == "ACD")
        return "wav";
    return demuxerName;
}

std::string VelAVCodecAnalysis::formatOfCodecID(uint32_t codecId, std::string &extension)
{
    switch (codecId) {
    case 0x15002:
        extension = "m4a";
        return "mp4";
    case 0x1502A:
        extension = "asf";
        return "asf";
    default:
        extension = "mp3";
        return "mp3";
    }
}

void VelAVCodecAnalysis::GetVideoFrameRate(double fps, unsigned int &num, unsigned int &den)
{
    num = 0;
    den = 1;
    if (!(fps > 0) || !std::isfinite(fps) || fps >= std::numeric_limits<uint32_t>::max())
        return;
    if (fps > 23.5 && fps < 23.99) {
        num = 24000;
        den = 1001;
        return;
    }
    if (fps > 29.5 && fps < 29.99) {
        num = 30000;
        den = 1001;
        return;
    }
    if (fps > 59.5 && fps < 59.99) {
        num = 60000;
        den = 1001;
        return;
    }
    // Rates within 0.01 of a whole number are that number (24.995 is 25).
    const double whole = std::trunc(fps + 0.01);
    if (std::fabs(fps - whole) <= 0.01 + 1e-9) {
        num = static_cast<unsigned int>(whole);
        return;
    }
    const auto fraction = exactFraction(fps);
    num = static_cast<unsigned int>(fraction.first);
    den = static_cast<unsigned int>(fraction.second);
}
