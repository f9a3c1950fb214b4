#pragma once

#include <cstdint>
#include <string>

// Translations between the codes of the preset lists, the codec library's
// codec ids and container names. Exact, case-sensitive comparisons.
class VelAVCodecAnalysis
{
public:
    // Codec id in the codec library's numbering; 0 for an unknown code.
    static uint32_t codecIDOfFourcc(const std::string &code);
    // Muxer name for an output file extension.
    static std::string formatOfFourCC(const std::string &extension);
    // Container name of a probed source from its demuxer name and major brand.
    static std::string formatForFormatName(const std::string &demuxerName,
                                           const std::string &brand);
    static std::string formatOfCodecID(uint32_t codecId, std::string &extension);
    // Frame rate as a rational. The NTSC bands give x000/1001; rates within
    // 0.01 of a whole number give that number; any other rate its exact
    // reduced fraction (12.5 gives 25/2). Zero, negative or not-a-number
    // rates give 0/1 (keep the source rate).
    static void GetVideoFrameRate(double fps, unsigned int &num, unsigned int &den);
};
