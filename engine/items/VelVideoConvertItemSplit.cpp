// Split requests: every N minutes or hours, N equal parts, or one piece per chapter.
#include "VelVideoConvertItem.h"

#include "zovAruzIvivu.h"

#include "EngineLog.h"

#include <QFile>

void VelVideoConvertItem::SetDefaultSplitInfo()
{
    const int32_t chapters = m_splitInfo.m_chapterCount;
    m_splitInfo = Split_Info();
    m_splitInfo.m_chapterCount = chapters;
}

void VelVideoConvertItem::setSplitInfo(Split_Info info)
{
    // A step of zero would never advance: refuse it and keep the current request.
    if (info.m_mode == Split_Info::EveryUnits && info.m_everyCount < 1) {
        m_lastError = tr("A segment length of %1 is not possible; it must be at least 1.")
                          .arg(info.m_everyCount);
        return;
    }
    if (info.m_mode != Split_Info::ByChapters || m_splitInfo.m_chapterCount > 0)
        m_splitInfo.m_mode = info.m_mode;
    m_splitInfo.m_everyCount = info.m_everyCount;
    m_splitInfo.m_bMinutes = info.m_bMinutes;
    m_splitInfo.m_partCount = info.m_partCount;
    RefreshSplitSet();
}

void VelVideoConvertItem::RefreshSplitSet()
{
    m_splitSegments.clear();
    switch (m_splitInfo.m_mode) {
    case Split_Info::EveryUnits:
        EverySplit();
        break;
    case Split_Info::IntoParts:
        IntoSplit();
        break;
    case Split_Info::ByChapters:
        ChaptersSplit();
        break;
    default:
        break;
    }
}

void VelVideoConvertItem::EverySplit()
{
    if (m_duration == 0 || m_splitInfo.m_everyCount < 1)
        return;
    const uint64_t step = uint64_t(m_splitInfo.m_everyCount) * m_splitInfo.unitMicroseconds();
    for (uint64_t t = 0; t < m_duration; t += step) {
        const uint64_t end = t + step < m_duration ? t + step : 0;
        m_splitSegments.append(SplitSegment{t, end});
    }
}

void VelVideoConvertItem::IntoSplit()
{
    const int32_t parts = m_splitInfo.m_partCount;
    if (parts <= 1)
        return;
    const uint64_t part = m_duration / uint64_t(parts);
    qCDebug(lcEngine) << "split into" << parts;
    for (int32_t i = 0; i < parts; ++i) {
        const uint64_t start = uint64_t(i) * part;
        const uint64_t end = i + 1 < parts ? uint64_t(i + 1) * part : 0;
        qCDebug(lcEngine) << start << "----" << end << "---len---" << qint64(end - start);
        m_splitSegments.append(SplitSegment{start, end});
    }
}

void VelVideoConvertItem::ChaptersSplit()
{
    ZvInfo *info = ZV_Create_Info(0xFFFFFFFF);
    if (!info)
        return;
    ZV_SetInterrupt_Library(0);
    const QByteArray path = QFile::encodeName(m_sourcePath);
    int opened = 0;
    if (m_bDiscSource) {
        opened = ZV_OpenDVD_Info(info, path.constData());
        if (opened == 1)
            ZV_SetProgrIndex_Info(info, uint32_t(m_programIndex));
    } else {
        opened = ZV_Open_Info(info, path.constData());
    }
    if (opened == 1) {
        for (int32_t i = 0; i < m_splitInfo.m_chapterCount; ++i) {
            const uint64_t start = ZV_GetChapterStartTime_Info(info, uint32_t(i));
            m_splitSegments.append(SplitSegment{start, start + ZV_GetChapterDuration_Info(info, uint32_t(i))});
        }
        ZV_Close_Info(info);
    }
    ZV_Destroy_Info(info);
}
