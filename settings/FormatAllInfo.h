#pragma once

#include <string>
#include <vector>

// One preset's choice lists and the values selected in them. Bit rates carry
// " kbps", frame rates " fps", sample rates " HZ"; a list item "0" reads "Auto".
struct FormatAllInfo
{
    bool onlyAudio = false;

    std::vector<std::string> videoEncoderList;
    std::vector<std::string> resolutionList;
    std::vector<std::string> frameRateList;
    std::vector<std::string> videoBitRateList;
    std::vector<std::string> audioEncoderList;
    std::vector<std::string> channelList;
    std::vector<std::string> sampleRateList;
    std::vector<std::string> audioBitRateList;

    std::string ext;
    std::string category;
    std::string id;
    std::string videoEncoder;
    std::string resolution;
    std::string videoBitRateLow;
    std::string videoBitRateHigh;
    std::string videoBitRateDefault;
    std::string frameRate;
    std::string audioEncoder;
    std::string channel;
    std::string audioBitRateLow;
    std::string audioBitRateHigh;
    std::string audioBitRateDefault;
    std::string sampleRate;

    bool isAuto = false;
};
