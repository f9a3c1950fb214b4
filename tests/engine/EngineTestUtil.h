#pragma once

#include "VelVideoConvertItem.h"

// A source item as probing would leave it, without touching the codec library.
inline VelVideoConvertItem *makeSourceItem(int audioTracks, int subtitleTracks, QObject *parent = nullptr)
{
    auto *item = new VelVideoConvertItem(parent);
    item->m_sourcePath = QStringLiteral("/media/clip.mkv");
    item->m_displayName = QStringLiteral("clip.mkv");
    item->m_sourceExtension = QStringLiteral("mkv");
    item->m_sourceFormatName = QStringLiteral("mkv");
    item->m_programIndex = 1;
    item->m_duration = 70000000;
    item->m_videoWidth = 1920;
    item->m_videoHeight = 1080;
    item->m_bHasAudio = true;
    item->m_bHasVideo = true;
    item->m_trimStart = 5000000;
    item->m_trimEnd = 9000000;
    item->m_splitInfo.m_chapterCount = 4;
    item->m_splitInfo.m_mode = Split_Info::IntoParts;
    for (int i = 0; i < audioTracks; ++i) {
        AudioTrackInfo track;
        track.m_trackIndex = i;
        track.m_displayText = QByteArray("Audio ") + QByteArray::number(i);
        track.m_privateData = QByteArray(4, char('a' + i));
        item->m_audioTracks.append(track);
        item->m_audioList.append(QStringLiteral("English(aac)"));
        item->m_editConfig.m_audioTracks.append(EVAudioTrack{uint8_t(i == 1), track});
    }
    item->m_subtitleList.append(subltItemInfo{"No Subtitle", QByteArray()});
    for (int i = 0; i < subtitleTracks; ++i) {
        SubtitleTrackInfo track;
        track.m_trackId = i;
        track.m_codecName = "subrip";
        item->m_subtitleTracks.append(track);
        item->m_subtitleList.append(subltItemInfo{"English (subrip)", QByteArray()});
        item->m_editConfig.m_subtitleTracks.append(EVSubtitleTrack{0, track});
    }
    item->m_editConfig.m_subtitleValue.m_subtitleCount = subtitleTracks;
    item->m_editConfig.m_programValue.m_subtitleCount = subtitleTracks;
    item->m_editConfig.m_programValue.ProgramIndex = 1;
    VideoTrackInfo video;
    video.m_trackIndex = 0;
    video.m_numbers = {28, 1920, 1080, 100, 0};
    video.m_privateData = "avcC";
    item->m_videoTracks.append(video);
    return item;
}
