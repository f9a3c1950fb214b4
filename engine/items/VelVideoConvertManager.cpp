#include "VelVideoConvertManager.h"

#include "VelVideoConvertItem.h"

VelVideoConvertManager *VelVideoConvertManager::m_myConvertManager = nullptr;

VelVideoConvertManager::VelVideoConvertManager(QObject *parent)
    : QObject(parent)
{
}

VelVideoConvertManager::~VelVideoConvertManager()
{
    qDeleteAll(m_items);
    m_items.clear();
    if (m_myConvertManager == this)
        m_myConvertManager = nullptr;
}

VelVideoConvertManager *VelVideoConvertManager::getConvertManagerObject(QObject *parent)
{
    if (!m_myConvertManager)
        m_myConvertManager = new VelVideoConvertManager(parent);
    return m_myConvertManager;
}

void VelVideoConvertManager::renumberFrom(int position)
{
    for (int i = qMax(position, 0); i < m_items.size(); ++i)
        m_items.at(i)->setIndex(i);
}

int VelVideoConvertManager::addConverItem(VelVideoConvertItem *item, int position)
{
    if (!item)
        return -1;
    if (position < 0 || position >= m_items.size()) {
        item->setIndex(m_items.size());
        m_items.append(item);
        return m_items.size() - 1;
    }
    m_items.insert(position, item);
    renumberFrom(position);
    return position;
}

void VelVideoConvertManager::DeleteItemAt(int index)
{
    if (!IsValid(index))
        return;
    delete m_items.takeAt(index);
    renumberFrom(index);
}

void VelVideoConvertManager::ClearItems()
{
    qDeleteAll(m_items);
    m_items.clear();
}

VelVideoConvertItem *VelVideoConvertManager::GetItem(int index) const
{
    return IsValid(index) ? m_items.at(index) : nullptr;
}

bool VelVideoConvertManager::swapItem(int first, int second)
{
    if (!IsValid(first) || !IsValid(second))
        return false;
    m_items.swapItemsAt(first, second);
    return true;
}

VelVideoConvertItem *VelVideoConvertManager::CreateConvertItemInfo(const QString &path, int programIndex, bool disc)
{
    auto *item = new VelVideoConvertItem;
    if (!item->setVideoPath(path, programIndex, disc)) {
        delete item;
        return nullptr;
    }
    item->setIndex(m_items.size());
    m_items.append(item);
    return item;
}

VelVideoConvertItem *VelVideoConvertManager::CreateConvertItemInfoEx(const QString &path, ZvInfo *info,
                                                                   int programIndex, bool disc)
{
    auto *item = new VelVideoConvertItem;
    if (!item->setVideoPathAndInfo(path, info, programIndex, disc)) {
        delete item;
        return nullptr;
    }
    item->setIndex(m_items.size());
    m_items.append(item);
    return item;
}

void VelVideoConvertManager::RemoveOne(VelVideoConvertItem *item)
{
    const int position = m_items.indexOf(item);
    if (position < 0)
        return;
    delete m_items.takeAt(position);
    renumberFrom(position);
}

void VelVideoConvertManager::OrginalItemInsert(int from, int to)
{
    if (!IsValid(from) || !IsValid(to))
        return;
    m_items.move(from, to);
    renumberFrom(0);
}

namespace {

bool sameVideo(const VideoTrackInfo &a, const VideoTrackInfo &b)
{
    return a.m_numbers[0] == b.m_numbers[0] && a.m_numbers[3] == b.m_numbers[3]
        && a.m_numbers[4] == b.m_numbers[4] && a.m_privateData == b.m_privateData;
}

} // namespace

bool VelVideoConvertManager::IsLosslessMerger() const
{
    if (m_items.isEmpty())
        return false;
    if (m_items.size() == 1)
        return true;

    const VelVideoConvertItem *first = m_items.first();
    const VEProgramValueInfo &firstChoice = first->m_editConfig.m_programValue;
    for (int i = 1; i < m_items.size(); ++i) {
        const VelVideoConvertItem *other = m_items.at(i);
        const VEProgramValueInfo &otherChoice = other->m_editConfig.m_programValue;
        if (first->m_bHasVideo && firstChoice.subtlType == -3)
            return false;
        if (first->m_bHasVideo != other->m_bHasVideo || first->m_bHasAudio != other->m_bHasAudio)
            return false;
        if (first->m_bHasVideo) {
            if (otherChoice.subtlType == -3)
                return false;
            if (first->m_videoTracks.isEmpty() || other->m_videoTracks.isEmpty()
                || !sameVideo(first->m_videoTracks.first(), other->m_videoTracks.first()))
                return false;
            if (firstChoice.subtlType >= 0 && otherChoice.subtlType >= 0) {
                if (firstChoice.subtlType >= first->m_subtitleTracks.size()
                    || otherChoice.subtlType >= other->m_subtitleTracks.size())
                    return false;
                const SubtitleTrackInfo &a = first->m_subtitleTracks.at(firstChoice.subtlType);
                const SubtitleTrackInfo &b = other->m_subtitleTracks.at(otherChoice.subtlType);
                if (a.m_codecTag != b.m_codecTag || a.m_privateData != b.m_privateData)
                    return false;
            }
        }
        if (first->m_bHasAudio && firstChoice.audioType >= 0 && otherChoice.audioType >= 0) {
            if (firstChoice.audioType >= first->m_audioTracks.size()
                || otherChoice.audioType >= other->m_audioTracks.size())
                return false;
            const AudioTrackInfo &a = first->m_audioTracks.at(firstChoice.audioType);
            const AudioTrackInfo &b = other->m_audioTracks.at(otherChoice.audioType);
            if (a.m_numbers != b.m_numbers || a.m_privateData != b.m_privateData)
                return false;
        }
    }
    return true;
}
