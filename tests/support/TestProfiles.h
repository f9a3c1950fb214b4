#pragma once
// The output profile the settings panel builds from a shipped preset, for tests
// that convert without the format dialog. Header-only: the including test links
// the settings library.

#include "AttributeSetting.h"
#include "QAttributeSettingHolder.h"
#include "QPlistRead.h"
#include "VelAVCodecAnalysis.h"

#include <QString>

namespace TestProfiles {

inline int leadingNumber(const std::string& text)
{
    return QString::fromStdString(text).section(' ', 0, 0).toInt();
}

// Fills the process-wide profile from a preset of the encoding list at plistPath.
inline void usePreset(const std::string& plistPath, const char* category, const char* id)
{
    QPlistRead reader(plistPath);
    const FormatAllInfo info = *reader.GetFormatInfoForPlist(category, id, "", "", "", "");
    AttributeSetting& a = *QAttributeSettingHolder::attributeSetting();
    a = AttributeSetting();
    a.nQuality = 90;
    a.fileExtend = QString::fromStdString(info.ext);
    a.fileFormat = QString::fromStdString(VelAVCodecAnalysis::formatOfFourCC(info.ext));
    a.VEncoder = QString::fromStdString(info.videoEncoder);
    a.VCodecsId = int(VelAVCodecAnalysis::codecIDOfFourcc(info.videoEncoder));
    a.VBitRate = leadingNumber(info.videoBitRateDefault);
    a.AEncoder = QString::fromStdString(info.audioEncoder);
    a.ACodecsId = int(VelAVCodecAnalysis::codecIDOfFourcc(info.audioEncoder));
    a.AChannel = leadingNumber(info.channel);
    a.ASampleRate = leadingNumber(info.sampleRate);
    a.ABitRate = leadingNumber(info.audioBitRateDefault);
}

} // namespace TestProfiles
