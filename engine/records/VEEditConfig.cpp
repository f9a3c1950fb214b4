#include "VEEditConfig.h"

void VEEditConfig::applyLayerDefaults()
{
    m_videoEffectWk.m_imageSettings.m_mixMode = 1;
    m_videoEffectWk.m_imageSettings.m_width = 1.0;
    m_videoEffectWk.m_imageSettings.m_height = 1.0;
    m_frameWk.m_imageSettings.m_mixMode = 0;
    m_frameWk.m_imageSettings.m_width = 1.0;
    m_frameWk.m_imageSettings.m_height = 1.0;
    m_watermark.m_imageSettings.m_mixMode = 0;
    m_watermark.m_imageSettings.m_width = 0.0;
    m_watermark.m_imageSettings.m_height = 0.0;
}

void VEEditConfig::setDefaults()
{
    QList<VESubltItemInfo> subtitleItems = m_subtitleItems;
    QList<VEChapterInfo> chapterList = m_chapterList;
    QList<QByteArray> audioList = m_audioList;
    *this = VEEditConfig();
    m_subtitleItems = subtitleItems;
    m_chapterList = chapterList;
    m_audioList = audioList;
}

bool VEEditConfig::operator==(const VEEditConfig &o) const
{
    return m_trimStart == o.m_trimStart && m_trimEnd == o.m_trimEnd && m_bTrim == o.m_bTrim
        && m_cropSettings == o.m_cropSettings && m_videoEffect == o.m_videoEffect
        && m_videoEffectWk == o.m_videoEffectWk && m_frameWk == o.m_frameWk
        && m_watermark == o.m_watermark && m_subtitleValue == o.m_subtitleValue
        && m_subtitleItems == o.m_subtitleItems && m_chapterList == o.m_chapterList
        && m_subtitleSettings == o.m_subtitleSettings
        && m_audioBackground == o.m_audioBackground && m_audioSettings == o.m_audioSettings
        && m_audioList == o.m_audioList && m_audioTagInfo == o.m_audioTagInfo
        && m_outputWidth == o.m_outputWidth && m_outputHeight == o.m_outputHeight
        && m_bReserved == o.m_bReserved && m_bLossless == o.m_bLossless
        && m_fileFormat == o.m_fileFormat && m_discSource == o.m_discSource
        && m_programValue == o.m_programValue && m_subtitleTracks == o.m_subtitleTracks
        && m_audioTracks == o.m_audioTracks && m_bOverlayCountSet == o.m_bOverlayCountSet
        && m_overlayCount == o.m_overlayCount;
}
