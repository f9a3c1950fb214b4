#include "VelInfoManager.h"

#include "VEHelper.h"
#include "VelInfoClass.h"
#include "zovAruzIvivu.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <memory>

namespace {

QByteArray metaText(VelInfoClass *info, const char *key)
{
    const void *value = info->GetMetaData_Info(key);
    if (!value)
        return QByteArray();
    const uint8_t *data = ZV_GetMetaDataData_Info(info->handle(), value);
    if (!data)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(data), int(ZV_GetMetaDataSize_Info(info->handle(), value)));
}

struct TagWriterDeleter
{
    void operator()(ZvTagWriter *writer) const { ZV_Destroy_TagWriter(writer); }
};

} // namespace

VelInfoManager::VelInfoManager(QObject *parent)
    : QObject(parent)
{
}

VelInfoManager::~VelInfoManager()
{
    delete m_infoClass;
}

bool VelInfoManager::hasHandle() const
{
    return m_infoClass && m_infoClass->IsCreateInfo();
}

void VelInfoManager::createrPlayer()
{
    if (!m_infoClass)
        m_infoClass = new VelInfoClass(this);
    m_infoClass->Create_Info();
}

bool VelInfoManager::setMediaFile(const QString &path, unsigned int programIndex, bool dvd)
{
    m_mediaPath = path;
    if (!QFileInfo::exists(path) || !hasHandle())
        return false;
    const QByteArray utf8 = QFile::encodeName(path);
    if (dvd)
        m_infoClass->OpenDVD_Info(utf8.constData());
    else
        m_infoClass->Open_Info(utf8.constData());
    return m_infoClass->SetProgrIndex_Info(programIndex);
}

bool VelInfoManager::setPlayer(ZvPlayer *player)
{
    return hasHandle() && m_infoClass->OpenWithPlayer_Info(player);
}

QImage VelInfoManager::getThumbnail(int size, int)
{
    if (!hasHandle())
        return QImage();
    QImage thumbnail;
    if (const void *cover = m_infoClass->GetMetaData_Info("cover_image"))
        thumbnail = scaleImageFromChar(cover, size);
    if (thumbnail.isNull() && m_infoClass->HasVideo_Info()) {
        uint8_t *bmp = m_infoClass->GetVideoImage_Info(0, 0, 0, 0, 0);
        if (bmp) {
            thumbnail = scaleImageFromUChar(bmp, size);
            m_infoClass->FreeVideoImage_Info(bmp);
        }
    }
    return thumbnail;
}

QImage VelInfoManager::scaleImageFromChar(const void *cover, int size)
{
    if (!cover)
        return QImage();
    const ZvMetaBlob *blob = static_cast<const ZvMetaBlob *>(cover);
    QImage image;
    if (blob->data && blob->size)
        image.loadFromData(blob->data, int(blob->size));
    return scaleImage(image, size);
}

QImage VelInfoManager::scaleImageFromUChar(const uint8_t *bmp, int size)
{
    if (!bmp)
        return QImage();
    // A BMP file carries its own length at byte 2, little-endian.
    const uint32_t length = uint32_t(bmp[2]) | uint32_t(bmp[3]) << 8 | uint32_t(bmp[4]) << 16
                            | uint32_t(bmp[5]) << 24;
    QImage image;
    image.loadFromData(bmp, int(length), "BMP");
    return scaleImage(image, size);
}

QImage VelInfoManager::scaleImage(const QImage &image, int size)
{
    if (image.isNull() || size <= 0)
        return image;
    const bool landscape = image.width() > image.height();
    const int shortSide = landscape ? image.height() : image.width();
    const int longSide = landscape ? image.width() : image.height();
    if (shortSide <= size)
        return image;
    const int scaledLong = int(double(size) * longSide / shortSide);
    const QSize target = landscape ? QSize(scaledLong, size) : QSize(size, scaledLong);
    QImage source = image;
    if (shortSide > 4 * size)
        source = image.scaled(target * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return source.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString VelInfoManager::timeToString(uint64_t microseconds)
{
    const uint64_t ms = uint64_t(microseconds / 1000.0);
    const QLatin1Char zero('0');
    return QStringLiteral("%1:%2:%3")
        .arg(ms / 3600000, 2, 10, zero)
        .arg((ms / 60000) % 60, 2, 10, zero)
        .arg((ms / 1000) % 60, 2, 10, zero);
}

QList<ChapterItemInfo> VelInfoManager::getChapterInfo()
{
    QList<ChapterItemInfo> chapters;
    if (!hasHandle())
        return chapters;
    const uint32_t count = m_infoClass->GetChapterCount_Info();
    if (count == 0)
        return chapters;

    ChapterItemInfo whole;
    whole.index = 0;
    whole.duration = whole.endTime = m_infoClass->GetDuration_Info();
    whole.title = tr("Current").toUtf8();
    whole.text = QStringLiteral("%1, %2-%3")
                     .arg(QString::fromUtf8(whole.title), timeToString(0), timeToString(whole.endTime))
                     .toUtf8();
    chapters.append(whole);

    for (uint32_t i = 0; i < count; ++i) {
        ChapterItemInfo chapter;
        chapter.index = int32_t(i + 1);
        chapter.startTime = m_infoClass->GetChapterStartTime_Info(i);
        chapter.duration = m_infoClass->GetChapterDuration_Info(i);
        chapter.endTime = chapter.startTime + chapter.duration;
        chapter.title = QByteArray(m_infoClass->GetChapterTitle_Info(i));
        const QString number = chapter.index < 10 ? QStringLiteral("  %1").arg(chapter.index)
                                                  : QStringLiteral("%1").arg(chapter.index);
        chapter.text = QStringLiteral("%1, %2-%3 (%4)")
                           .arg(number, timeToString(chapter.startTime), timeToString(chapter.endTime),
                                QString::fromUtf8(chapter.title))
                           .toUtf8();
        chapters.append(chapter);
    }
    return chapters;
}

VEAudioTagInfo VelInfoManager::getAudioTagInfo()
{
    VEAudioTagInfo tags;
    if (!hasHandle())
        return tags;
    const struct { const char *key; QByteArray VEAudioTagInfo::*field; } keys[] = {
        {"title", &VEAudioTagInfo::m_title}, {"artist", &VEAudioTagInfo::m_artist},
        {"album_artist", &VEAudioTagInfo::m_albumArtist}, {"composer", &VEAudioTagInfo::m_composer},
        {"album", &VEAudioTagInfo::m_album}, {"genre", &VEAudioTagInfo::m_genre},
        {"disc", &VEAudioTagInfo::m_disc}, {"track", &VEAudioTagInfo::m_track},
        {"year", &VEAudioTagInfo::m_year}, {"date", &VEAudioTagInfo::m_date},
        {"grouping", &VEAudioTagInfo::m_grouping}, {"comment", &VEAudioTagInfo::m_comment},
        {"copyright", &VEAudioTagInfo::m_copyright},
    };
    for (const auto &entry : keys) {
        const QByteArray value = metaText(m_infoClass, entry.key);
        if (!value.isNull())
            tags.*(entry.field) = value;
    }
    if (const void *cover = m_infoClass->GetMetaData_Info("cover_image")) {
        const ZvMetaBlob *blob = static_cast<const ZvMetaBlob *>(cover);
        if (blob->data && blob->size)
            tags.m_cover = QByteArray(reinterpret_cast<const char *>(blob->data), int(blob->size));
        tags.m_coverSize = uint32_t(tags.m_cover.size());
    }
    if (tags.m_year.isEmpty())
        tags.m_year = tags.m_date;
    if (tags.m_date.isEmpty())
        tags.m_date = tags.m_year;
    return tags;
}

bool VelInfoManager::setAudioTag(const VEAudioTagInfo &tags)
{
    return setAudioTag(tags, m_mediaPath);
}

bool VelInfoManager::setAudioTag(const VEAudioTagInfo &tags, const QString &outputPath)
{
    std::unique_ptr<ZvTagWriter, TagWriterDeleter> writer(ZV_Create_TagWriter());
    if (!writer)
        return false;
    const QVector<uint32_t> path = VEHelper::ConvertCharToUtft32(outputPath.toUtf8().constData());
    if (path.isEmpty() || ZV_Open_TagWriter(writer.get(), path.constData()) != 0)
        return false;
    ZV_Prepare_TagWriter(writer.get());

    const QByteArray *texts[14] = {&tags.m_title, &tags.m_artist, &tags.m_album, &tags.m_genre,
                                   &tags.m_year, &tags.m_track, &tags.m_comment, &tags.m_copyright,
                                   nullptr, nullptr, &tags.m_albumArtist, &tags.m_composer,
                                   &tags.m_grouping, &tags.m_disc};
    for (uint32_t id = 0; id < 14; ++id) {
        if (id == 9) {
            if (tags.m_coverSize != 0 && !tags.m_cover.isEmpty())
                ZV_AddItem_TagWriter(writer.get(), -1, id, 1, uint32_t(tags.m_cover.size()), tags.m_cover.constData());
            continue;
        }
        if (!texts[id] || texts[id]->isEmpty())
            continue;
        const QVector<uint32_t> utf32 = VEHelper::ConvertCharToUtft32(texts[id]->constData());
        if (utf32.size() < 2)
            continue;
        ZV_AddItem_TagWriter(writer.get(), -1, id, 0, uint32_t(utf32.size() - 1) * 4, utf32.constData());
    }
    ZV_Save_TagWriter(writer.get());
    ZV_Close_TagWriter(writer.get());
    return true;
}
