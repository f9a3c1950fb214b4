#pragma once

#include "QAttributeSettingHolder.h"
#include "TestMedia.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include <cstdint>

// Segments without a file behind them: what the rows and the list need of an
// item is its length, its range, its selection and its edit record.
namespace SegmentFixtures {

constexpr uint64_t kSecond = 1000000ULL;

inline VelVideoConvertItem* makeItem(uint64_t length, uint64_t start, uint64_t end, bool selected = false,
                                     int audioTracks = 2)
{
    auto* item = new VelVideoConvertItem;
    item->m_duration = length;
    item->m_trimStart = start;
    item->m_trimEnd = end;
    item->m_bSelected = selected;
    item->m_sourcePath = QStringLiteral("/nowhere/clip.mp4");
    for (int i = 0; i < audioTracks; ++i)
        item->m_editConfig.m_audioTracks.append(EVAudioTrack());
    return item;
}

// An item appended to the process-wide item manager, which owns it.
inline VelVideoConvertItem* addItem(uint64_t length, uint64_t start, uint64_t end, bool selected = false)
{
    VelVideoConvertItem* item = makeItem(length, start, end, selected);
    VelVideoConvertManager::getConvertManagerObject()->addConverItem(item, -1);
    return item;
}

inline void useProfile(bool lossless)
{
    AttributeSetting* profile = QAttributeSettingHolder::attributeSetting();
    profile->bLossless = lossless;
    profile->fileFormat = QStringLiteral("MP4");
    profile->fileExtend = QStringLiteral("mp4");
}

// The selected marks of the item's audio tracks, as a string of 0 and 1.
inline QString trackMarks(const VelVideoConvertItem* item)
{
    QString marks;
    for (const EVAudioTrack& track : item->m_editConfig.m_audioTracks)
        marks += track.m_bSelected ? '1' : '0';
    return marks;
}

// 30 s, 320x240, 25 fps H.264 with a key frame every second, and AAC.
inline QString gopClip()
{
    return TestMedia::make("segments_gop1s.mp4",
                           {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=30", "-f", "lavfi", "-i",
                            "sine=frequency=440:duration=30", "-c:v", "libx264", "-g", "25", "-preset", "ultrafast",
                            "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"});
}

// 40 s of a noisy 640x360 picture: an encode of it takes a while.
inline QString noisyClip()
{
    return TestMedia::make("segments_noisy.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25:duration=40,noise=alls=60:allf=t",
                            "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"});
}

} // namespace SegmentFixtures
