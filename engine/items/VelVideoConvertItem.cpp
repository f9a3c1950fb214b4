#include "VelVideoConvertItem.h"

#include "AttributeSetting.h"

#include <QTime>

QStringList VelVideoConvertItem::m_sOutputFileList;

VelVideoConvertItem::VelVideoConvertItem(QObject *parent)
    : QObject(parent)
{
    m_editConfig.setDefaults();
}

VelVideoConvertItem::~VelVideoConvertItem() = default;

bool VelVideoConvertItem::setVideoConvertItem(const VelVideoConvertItem *other, int)
{
    if (!other)
        return false;

    m_displayName = other->m_displayName;
    m_sourceExtension = other->m_sourceExtension;
    m_sourceFormatName = other->m_sourceFormatName;
    m_sourcePath = other->m_sourcePath;
    m_programIndex = other->m_programIndex;
    m_bHasVideo = other->m_bHasVideo;
    m_bHasAudio = other->m_bHasAudio;
    m_duration = other->m_duration;
    m_videoWidth = other->m_videoWidth;
    m_videoHeight = other->m_videoHeight;
    m_bSelected = true;

    SetDefaultSplitInfo();
    m_splitInfo.m_chapterCount = other->m_splitInfo.m_chapterCount;

    m_audioList = other->m_audioList;
    m_editConfig.m_audioList.clear();
    for (const QString &text : m_audioList)
        m_editConfig.m_audioList.append(text.toUtf8());

    for (const subltItemInfo &entry : other->m_subtitleList)
        m_subtitleList.append(entry);

    VESubtitleValue_Info &choice = m_editConfig.m_subtitleValue;
    choice.m_audioIndex = 0;
    choice.m_subtitleNumber = 0;
    choice.m_subtitleCount = other->m_editConfig.m_subtitleValue.m_subtitleCount;
    for (const subltItemInfo &entry : m_subtitleList)
        m_editConfig.m_subtitleItems.append(VESubltItemInfo{entry.m_displayText, entry.m_filePath});

    m_subtitleTracks = other->m_subtitleTracks;
    m_audioTracks = other->m_audioTracks;
    m_videoTracks = other->m_videoTracks;
    m_splitSegments.clear();

    m_editConfig.m_programValue.ProgramIndex = m_programIndex;
    m_editConfig.m_programValue.m_subtitleCount = other->m_editConfig.m_programValue.m_subtitleCount;
    m_editConfig.m_audioTracks = other->m_editConfig.m_audioTracks;
    m_editConfig.m_subtitleTracks = other->m_editConfig.m_subtitleTracks;
    return true;
}

void VelVideoConvertItem::setEditConfigBLossless(const AttributeSetting *profile)
{
    if (profile)
        m_editConfig.m_bLossless = profile->bLossless;
}

void VelVideoConvertItem::setEditConfigFormat(const AttributeSetting *profile)
{
    if (profile)
        m_editConfig.m_fileFormat = getOutFormat(profile).toLower();
}

void VelVideoConvertItem::resetTrackData()
{
    VEProgramValueInfo &program = m_editConfig.m_programValue;
    const bool lossless = m_editConfig.m_bLossless;
    for (int i = 0; i < m_editConfig.m_audioTracks.size(); ++i)
        m_editConfig.m_audioTracks[i].m_bSelected = (lossless || i == 0) ? 1 : 0;
    for (EVSubtitleTrack &track : m_editConfig.m_subtitleTracks)
        track.m_bSelected = lossless ? 1 : 0;
    program.audioType = 0;
    program.m_subtitleIndex = 0;
    program.subtlType = (lossless && program.m_subtitleCount > 0) ? 0 : -1;
}

QString VelVideoConvertItem::getValidOutputName()
{
    m_outputBaseName = m_displayName;
    return m_outputBaseName;
}

QString VelVideoConvertItem::converterTimer(uint64_t time)
{
    const int32_t seconds = int32_t(time / 1000000);
    const QTime clock(seconds / 3600, (seconds / 60) % 60, seconds % 60);
    return clock.toString(QStringLiteral("hh:mm:ss"));
}

QString VelVideoConvertItem::getConvertedTime() const
{
    const uint64_t end = m_trimEnd ? m_trimEnd : m_duration;
    uint64_t length = end > m_trimStart ? end - m_trimStart : 0;
    if (end == m_trimStart)
        length = m_duration;
    const uint32_t rate = m_editConfig.m_audioSettings.m_effect.m_rate;
    // A rate of 0 would divide by zero; it means "unchanged" here.
    return converterTimer(rate ? length * 100 / rate : length);
}
