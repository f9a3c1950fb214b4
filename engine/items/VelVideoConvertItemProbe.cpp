// Media probing: fills an item from the codec library's description of a file.
#include "VelVideoConvertItem.h"

#include "VelAVCodecAnalysis.h"
#include "VelLanguageTable.h"
#include "zovAruzIvivu.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

namespace {

struct InfoDeleter
{
    void operator()(ZvInfo *info) const { ZV_Destroy_Info(info); }
};
using InfoPtr = std::unique_ptr<ZvInfo, InfoDeleter>;

struct SourceDeleter
{
    void operator()(ZvSource *source) const { ZV_Release_Source(source); }
};
using SourcePtr = std::unique_ptr<ZvSource, SourceDeleter>;

const uint32_t kInfoFlags = 0xFFFFFFFF;

// Subtitle files that may sit beside the source, in the order they are offered.
struct SubtitleFileKind
{
    const char *format;
    const char *extension;
};
const SubtitleFileKind kSubtitleFiles[] = {
    {"ASS", "ass"}, {"SSA", "ssa"}, {"SRT", "srt"}, {"VOBSUB", "idx"}, {"SUB", "sub"},
    {"SMI", "smi"}, {"SAMI", "sami"}, {"SUP", "sup"}, {"WEBVTT", "vtt"}, {"LRC", "lrc"},
};

QByteArray text(const char *value)
{
    return value ? QByteArray(value) : QByteArray();
}

// A metadata text as bytes; null when the key is absent.
QByteArray metaText(ZvInfo *info, const char *key)
{
    const void *value = ZV_GetMetaData_Info(info, key);
    if (!value)
        return QByteArray();
    const uint8_t *data = ZV_GetMetaDataData_Info(info, value);
    const uint32_t size = ZV_GetMetaDataSize_Info(info, value);
    if (!data)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

QByteArray codecBytes(const uint8_t *data, uint32_t size)
{
    if (!data || !size)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

// The language as shown to the user: the table's name, else the code itself.
QString languageText(const QByteArray &code)
{
    const QString name = VelLanguageTable::englishName(code);
    return name.isEmpty() ? QString::fromUtf8(code) : name;
}

// Display text of an embedded subtitle stream; with bareCodec the codec name
// stands alone when there is neither a language nor a title.
QString subtitleDisplayText(const QByteArray &language, const QByteArray &title,
                            const QByteArray &codec, bool bareCodec, QString *languagePart)
{
    QString lang;
    if (!language.isEmpty()) {
        QString name = languageText(language);
        if (name.isEmpty())
            name = QStringLiteral("Undefined");
        lang = QStringLiteral("%1 ").arg(name);
    }
    if (languagePart)
        *languagePart = lang;
    QString result = lang;
    if (!title.isEmpty())
        result += QLatin1Char('(') + QString::fromUtf8(title) + QLatin1Char(')');
    if (!codec.isEmpty()) {
        if (bareCodec && lang.isEmpty() && title.isEmpty())
            result += QString::fromUtf8(codec);
        else
            result += QLatin1Char('(') + QString::fromUtf8(codec) + QLatin1Char(')');
    }
    return result;
}

// Candidate subtitle files share the source's own base name, in its folder.
QString subtitleCandidate(const QString &sourcePath, const char *extension)
{
    const QFileInfo source(sourcePath);
    return source.dir().filePath(source.completeBaseName() + QLatin1Char('.')
                                 + QLatin1String(extension));
}

} // namespace

QString VelVideoConvertItem::languageName(const QByteArray &code)
{
    return VelLanguageTable::englishName(code);
}

bool VelVideoConvertItem::setVideoPath(const QString &path, int programIndex, bool disc)
{
    InfoPtr info(ZV_Create_Info(kInfoFlags));
    if (!info) {
        m_lastError = tr("The media library could not be started.");
        return false;
    }
    const QByteArray utf8 = QFile::encodeName(path);
    const int opened = disc ? ZV_OpenDVD_Info(info.get(), utf8.constData())
                            : ZV_Open_Info(info.get(), utf8.constData());
    if (opened != 1) {
        const QString reason = QString::fromUtf8(ZV_GetLastErrorText_Info(info.get()));
        m_lastError = reason.isEmpty() ? tr("Cannot open \"%1\".").arg(path) : reason;
        return false;
    }
    const bool filled = setVideoPathAndInfo(path, info.get(), programIndex, disc);
    if (filled)
        ZV_Close_Info(info.get());
    return filled;
}

bool VelVideoConvertItem::chooseProgram(ZvInfo *info, int programIndex)
{
    if (programIndex != -1) {
        if (ZV_SetProgrIndex_Info(info, uint32_t(programIndex)) != 1) {
            m_lastError = tr("The file has no program %1.").arg(programIndex);
            return false;
        }
        m_programIndex = programIndex;
        return true;
    }

    const uint32_t count = ZV_GetProgrCount_Info(info);
    if (count == 0) {
        m_lastError = tr("The file holds no program.");
        return false;
    }
    uint32_t chosen = count;
    for (uint32_t i = 0; i < count; ++i) {
        ZV_SetProgrIndex_Info(info, i);
        if (ZV_GetVideoCount_Info(info) || ZV_GetAudioCount_Info(info)) {
            chosen = i;
            break;
        }
    }
    if (chosen == count) {
        m_lastError = tr("The file holds neither video nor audio.");
        return false;
    }
    // A program may list streams and still offer nothing playable: go on to
    // the next one until one has video or audio.
    for (;;) {
        if (ZV_SetProgrIndex_Info(info, chosen) == 1) {
            if (ZV_GetVideoCount_Info(info))
                ZV_SetVideoIndex_Info(info, 0);
            if (ZV_GetAudioCount_Info(info))
                ZV_SetAudioIndex_Info(info, 0);
        }
        if (ZV_HasVideo_Info(info) || ZV_HasAudio_Info(info))
            break;
        if (++chosen >= count) {
            m_lastError = tr("The file holds neither video nor audio.");
            return false;
        }
    }
    m_programIndex = int(chosen);
    return true;
}

int VelVideoConvertItem::setProgramIndex(ZvInfo *info, int index)
{
    int answer = ZV_SetProgrIndex_Info(info, uint32_t(index));
    if (answer != 1)
        return answer;
    if (ZV_GetVideoCount_Info(info))
        answer = ZV_SetVideoIndex_Info(info, 0);
    if (ZV_GetAudioCount_Info(info))
        answer = ZV_SetAudioIndex_Info(info, 0);
    return answer;
}

bool VelVideoConvertItem::setVideoPathAndInfo(const QString &path, ZvInfo *info, int programIndex, bool disc)
{
    if (!info) {
        m_lastError = tr("No media description to read.");
        return false;
    }
    if (!chooseProgram(info, programIndex))
        return false;

    m_bDiscSource = disc;
    m_sourcePath = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    m_bHasVideo = ZV_HasVideo_Info(info) != 0;
    m_bHasAudio = ZV_HasAudio_Info(info) != 0;
    if (!m_bHasVideo && !m_bHasAudio) {
        m_lastError = tr("The file holds neither video nor audio.");
        return false;
    }

    const QByteArray majorBrand = metaText(info, "major_brand");
    QString brand = QString::fromUtf8(majorBrand);
    if (brand.isEmpty())
        brand = QString::fromUtf8(text(ZV_GetFormatName_Info(info)));
    brand = brand.toLower();
    if (brand == QLatin1String("aa") || brand == QLatin1String("aax ")) {
        m_lastError = tr("Audible audio books are not supported.");
        return false;
    }

    const QString fileName = m_sourcePath.mid(m_sourcePath.lastIndexOf(QLatin1Char('/')) + 1);
    if (disc) {
        m_displayName = GetProgramNameEx_Info(info, uint32_t(m_programIndex));
        if (brand.compare(QLatin1String("Bluray"), Qt::CaseInsensitive) == 0)
            m_sourceExtension = QStringLiteral("m2ts");
        else if (brand.compare(QLatin1String("DVD"), Qt::CaseInsensitive) == 0)
            m_sourceExtension = QStringLiteral("vob");
        else if (brand.compare(QLatin1String("ACD"), Qt::CaseInsensitive) == 0)
            m_sourceExtension = QStringLiteral("wav");
    } else {
        if (ZV_GetProgrCount_Info(info) > 1)
            m_displayName = QString::fromUtf8(text(ZV_GetProgrName_Info(info)));
        if (m_displayName.isEmpty())
            m_displayName = fileName;
        // The extension belongs to the file, whatever the program is called.
        const int dot = fileName.lastIndexOf(QLatin1Char('.'));
        m_sourceExtension = dot < 0 ? QStringLiteral("mp4") : fileName.mid(dot + 1);
    }

    m_sourceFormatName = QString::fromStdString(VelAVCodecAnalysis::formatForFormatName(
        metaText(info, "ffmpeg_format").toStdString(), majorBrand.toStdString()));

    m_duration = ZV_GetDuration_Info(info);
    m_videoWidth = int(ZV_GetVideoWidth_Info(info));
    m_videoHeight = int(ZV_GetVideoHeight_Info(info));

    const void *cover = ZV_GetMetaData_Info(info, "cover_image");
    if (m_videoWidth && m_videoHeight && m_bHasVideo) {
        updateCoverInfo(cover, info);
        if (!m_picture || m_picture->isNull())
            setCoverInfo(info);
    } else if (m_bHasAudio && !m_bHasVideo) {
        updateCoverInfo(cover, info);
    }

    SetDefaultSplitInfo();
    m_splitInfo.m_chapterCount = int32_t(ZV_GetChapterCount_Info(info));

    getAudioList(info, m_audioList);
    getSubltList(info, m_subtitleList, m_sourcePath);
    fillEditRecordFromSource(info);
    readAudioTags(info);
    m_lastError.clear();
    return true;
}

void VelVideoConvertItem::fillEditRecordFromSource(ZvInfo *info)
{
    VEEditConfig &edit = m_editConfig;
    edit.m_discSource = m_bDiscSource ? 1 : 0;
    edit.m_audioList.clear();
    for (const QString &entry : m_audioList)
        edit.m_audioList.append(entry.toUtf8());

    const int32_t subtitleStreams = int32_t(ZV_GetSubtlCount_Info(info));
    edit.m_subtitleValue.m_audioIndex = 0;
    edit.m_subtitleValue.m_subtitleNumber = 0;
    edit.m_subtitleValue.m_subtitleCount = subtitleStreams;
    for (const subltItemInfo &entry : m_subtitleList)
        edit.m_subtitleItems.append(VESubltItemInfo{entry.m_displayText, entry.m_filePath});
    edit.m_programValue.ProgramIndex = m_programIndex;
    edit.m_programValue.m_subtitleCount = subtitleStreams;

    m_splitSegments.clear();
    getMediaTrackInfo(info);

    for (const SubtitleTrackInfo &track : m_subtitleTracks)
        edit.m_subtitleTracks.append(EVSubtitleTrack{0, track});
    for (const AudioTrackInfo &track : m_audioTracks)
        edit.m_audioTracks.append(EVAudioTrack{0, track});

    const QList<SubtitleTrackInfo> besides = getOutSubtitleInfo(m_sourcePath);
    for (int k = 0; k < besides.size(); ++k) {
        SubtitleTrackInfo track = besides.at(k);
        track.m_trackId = m_subtitleTracks.size() + k;
        edit.m_subtitleTracks.append(EVSubtitleTrack{0, track});
    }
}

void VelVideoConvertItem::readAudioTags(ZvInfo *info)
{
    VEAudioTagInfo &tags = m_editConfig.m_audioTagInfo;
    tags.clear();
    const struct { const char *key; QByteArray VEAudioTagInfo::*field; } keys[] = {
        {"title", &VEAudioTagInfo::m_title}, {"artist", &VEAudioTagInfo::m_artist},
        {"album_artist", &VEAudioTagInfo::m_albumArtist}, {"composer", &VEAudioTagInfo::m_composer},
        {"album", &VEAudioTagInfo::m_album}, {"genre", &VEAudioTagInfo::m_genre},
        {"track", &VEAudioTagInfo::m_track}, {"year", &VEAudioTagInfo::m_year},
        {"date", &VEAudioTagInfo::m_date}, {"comment", &VEAudioTagInfo::m_comment},
        {"copyright", &VEAudioTagInfo::m_copyright},
    };
    for (const auto &entry : keys) {
        const QByteArray value = metaText(info, entry.key);
        if (!value.isNull())
            tags.*(entry.field) = value;
    }
    const void *cover = ZV_GetMetaData_Info(info, "cover_image");
    if (cover) {
        tags.m_cover = codecBytes(ZV_GetMetaDataData_Info(info, cover),
                                  ZV_GetMetaDataSize_Info(info, cover));
        tags.m_coverSize = uint32_t(tags.m_cover.size());
    }
}

QString VelVideoConvertItem::GetProgramNameEx_Info(ZvInfo *info, unsigned int index)
{
    if (!info)
        return QString();
    ZV_SetProgrIndex_Info(info, index);
    const QString name = QString::fromUtf8(text(ZV_GetProgrName_Info(info)));
    const QString format = QString::fromUtf8(text(ZV_GetFormatName_Info(info)));
    if (format == QLatin1String("Bluray")) {
        const QByteArray clip = metaText(info, "dvd_clip");
        const QList<QByteArray> parts = clip.split(',');
        if (clip.isNull() || parts.size() < 2)
            return name;
        return name + QStringLiteral("_title_%1_%2")
                          .arg(parts.at(0).trimmed().toInt() + 1, 3, 10, QLatin1Char('0'))
                          .arg(parts.at(1).trimmed().toInt() + 1, 3, 10, QLatin1Char('0'));
    }
    if (format == QLatin1String("DVD") || format == QLatin1String("ACD"))
        return name + QStringLiteral("_title_%1").arg(index + 1, 3, 10, QLatin1Char('0'));
    return name;
}

void VelVideoConvertItem::setPictureFromBytes(const QByteArray &bytes)
{
    if (!m_picture)
        m_picture.reset(new QImage);
    if (m_picture->loadFromData(bytes)) {
        m_pictureBytes = bytes;
        m_pictureByteCount = uint32_t(bytes.size());
    }
}

void VelVideoConvertItem::updateCoverInfo(const void *cover, ZvInfo *owner)
{
    if (!cover || !owner)
        return;
    const QByteArray bytes = codecBytes(ZV_GetMetaDataData_Info(owner, cover),
                                        ZV_GetMetaDataSize_Info(owner, cover));
    if (!m_picture)
        m_picture.reset(new QImage);
    if (m_picture->loadFromData(bytes)) {
        m_pictureBytes = bytes;
        m_pictureByteCount = uint32_t(bytes.size());
        return;
    }
    // A cover that Qt cannot read may still be decodable by the media library.
    InfoPtr coverInfo(ZV_Create_Info(kInfoFlags));
    SourcePtr source(ZV_CreateMemory_Source(bytes.constData(), uint32_t(bytes.size()), 0));
    if (coverInfo && source && ZV_OpenStream_Info(coverInfo.get(), source.get()) == 1)
        setCoverInfo(coverInfo.get());
}

int VelVideoConvertItem::setCoverInfo(ZvInfo *info)
{
    uint8_t *image = ZV_GetVideoImage_Info(info, m_duration / 3, 1, 0, 0, 0);
    if (image) {
        const uint32_t size = ZV_GetVideoImageSize_Info(info, image);
        setPictureFromBytes(QByteArray(reinterpret_cast<const char *>(image), int(size)));
    }
    return ZV_FreeVideoImage_Info(info, image);
}

void VelVideoConvertItem::getAudioList(ZvInfo *info, QStringList &list)
{
    if (!info)
        return;
    const uint32_t count = ZV_GetAudioCount_Info(info);
    for (uint32_t i = 0; i < count; ++i) {
        ZV_SetAudioIndex_Info(info, i);
        const QByteArray title = text(ZV_GetAudioTitle_Info(info));
        const QByteArray codec = text(ZV_GetAudioCodecName_Info(info));
        const QByteArray code = text(ZV_GetAudioLanguage_Info(info));
        QString language = code.isEmpty() ? QString() : languageText(code);
        if (language.isEmpty())
            language = QStringLiteral("Undefined");
        list.append(language + QStringLiteral("(%1)").arg(QString::fromUtf8(title.isEmpty() ? codec : title)));
    }
}

void VelVideoConvertItem::getSubltList(ZvInfo *info, QList<subltItemInfo> &list, const QString &path)
{
    if (!info)
        return;
    list.append(subltItemInfo{QStringLiteral("%1").arg(tr("No Subtitle")).toUtf8(), QByteArray()});
    const uint32_t count = ZV_GetSubtlCount_Info(info);
    for (uint32_t i = 0; i < count; ++i) {
        ZV_SetSubtlIndex_Info(info, i);
        const QString display = subtitleDisplayText(text(ZV_GetSubtlLanguage_Info(info)),
                                                    text(ZV_GetSubtlTitle_Info(info)),
                                                    text(ZV_GetSubtlCodecName_Info(info)),
                                                    false, nullptr);
        list.append(subltItemInfo{display.toUtf8(), QByteArray()});
    }
    list.append(subltItemInfo{QByteArrayLiteral("Video Internal CC"), QByteArray()});
    for (const SubtitleFileKind &kind : kSubtitleFiles) {
        const QString candidate = subtitleCandidate(path, kind.extension);
        const QFileInfo file(candidate);
        if (!file.isFile())
            continue;
        const QString display = QStringLiteral("(") + file.completeBaseName() + QStringLiteral(")")
                                + QStringLiteral("[") + QLatin1String(kind.format) + QStringLiteral("]");
        list.append(subltItemInfo{display.toUtf8(), QFile::encodeName(candidate)});
    }
}

QList<SubtitleTrackInfo> VelVideoConvertItem::getOutSubtitleInfo(const QString &path)
{
    QList<SubtitleTrackInfo> tracks;
    const int kinds = int(sizeof(kSubtitleFiles) / sizeof(kSubtitleFiles[0]));
    for (int k = 0; k < kinds; ++k) {
        const QString candidate = subtitleCandidate(path, kSubtitleFiles[k].extension);
        const QFileInfo file(candidate);
        if (!file.isFile())
            continue;
        SubtitleTrackInfo track;
        track.m_firstId = 1;
        track.m_trackId = k;
        const QString format = QLatin1String(kSubtitleFiles[k].format);
        const QString base = file.completeBaseName();
        track.m_displayText = (base.isEmpty() ? format : base + QLatin1Char('(') + format + QLatin1Char(')')).toUtf8();
        track.m_filePath = QFile::encodeName(candidate);
        tracks.append(track);
    }
    return tracks;
}

void VelVideoConvertItem::getMediaTrackInfo(ZvInfo *info)
{
    if (!info || (!ZV_HasVideo_Info(info) && !ZV_HasAudio_Info(info)))
        return;

    m_videoTracks.clear();
    const uint32_t videoCount = ZV_GetVideoCount_Info(info);
    for (uint32_t i = 0; i < videoCount; ++i) {
        ZV_SetVideoIndex_Info(info, i);
        VideoTrackInfo track;
        track.m_trackIndex = int32_t(i);
        const QByteArray title = text(ZV_GetVideoTitle_Info(info));
        const QByteArray codec = text(ZV_GetVideoCodecName_Info(info));
        const QByteArray code = text(ZV_GetVideoLanguage_Info(info));
        const QString language = code.isEmpty() ? QString() : languageText(code);
        QString display = QString::fromUtf8(title.isEmpty() ? codec : title) + QLatin1Char(' ');
        if (!code.isEmpty())
            display += QLatin1Char('(') + language + QLatin1Char(')');
        track.m_displayText = display.toUtf8();
        track.m_title = title;
        track.m_codecName = codec;
        track.m_numbers = {uint32_t(ZV_GetVideoValue_Info(info, 1)), ZV_GetVideoWidth_Info(info),
                           ZV_GetVideoHeight_Info(info), uint32_t(ZV_GetVideoValue_Info(info, 2)),
                           uint32_t(ZV_GetVideoValue_Info(info, 3))};
        track.m_value = ZV_GetVideoValue_Info(info, 4);
        track.m_numbers2 = {ZV_GetVideoAspectRatioX_Info(info), ZV_GetVideoAspectRatioY_Info(info),
                            uint32_t(ZV_GetVideoValue_Info(info, 5)), uint32_t(ZV_GetVideoValue_Info(info, 6)),
                            uint32_t(ZV_GetVideoValue_Info(info, 7))};
        track.m_language = language.toUtf8();
        track.m_privateData = codecBytes(ZV_GetVideoCodecData_Info(info), ZV_GetVideoCodecDataSize_Info(info));
        m_videoTracks.append(track);
    }

    m_audioTracks.clear();
    const uint32_t audioCount = ZV_GetAudioCount_Info(info);
    for (uint32_t i = 0; i < audioCount; ++i) {
        ZV_SetAudioIndex_Info(info, i);
        AudioTrackInfo track;
        track.m_trackIndex = int32_t(i);
        track.m_secondId = 0;
        const QByteArray title = text(ZV_GetAudioTitle_Info(info));
        const QByteArray codec = text(ZV_GetAudioCodecName_Info(info));
        const QString name = VelLanguageTable::englishName(text(ZV_GetAudioLanguage_Info(info)));
        QString display = QString::fromUtf8(title.isEmpty() ? codec : title) + QLatin1Char(' ');
        if (title.isEmpty() && !name.isEmpty())
            display = name + QStringLiteral(" (") + QString::fromUtf8(codec).remove(QLatin1Char(' ')) + QLatin1Char(')');
        track.m_displayText = display.toUtf8();
        track.m_title = title;
        track.m_codecName = codec;
        track.m_numbers = {0, uint32_t(ZV_GetAudioValue_Info(info, 1)), uint32_t(ZV_GetAudioValue_Info(info, 2)),
                           uint32_t(ZV_GetAudioValue_Info(info, 3))};
        track.m_numbers2 = {uint32_t(ZV_GetAudioValue_Info(info, 4)), uint32_t(ZV_GetAudioValue_Info(info, 5))};
        track.m_value = ZV_GetAudioValue_Info(info, 6);
        track.m_language = name.toUtf8();
        track.m_privateData = codecBytes(ZV_GetAudioCodecData_Info(info), ZV_GetAudioCodecDataSize_Info(info));
        m_audioTracks.append(track);
    }

    m_subtitleTracks.clear();
    const uint32_t subtitleCount = ZV_GetSubtlCount_Info(info);
    for (uint32_t i = 0; i < subtitleCount; ++i) {
        ZV_SetSubtlIndex_Info(info, i);
        SubtitleTrackInfo track;
        track.m_firstId = 0;
        track.m_trackId = int32_t(i);
        const QByteArray title = text(ZV_GetSubtlTitle_Info(info));
        const QByteArray codec = text(ZV_GetSubtlCodecName_Info(info));
        QString languagePart;
        track.m_displayText = subtitleDisplayText(text(ZV_GetSubtlLanguage_Info(info)), title, codec,
                                                  true, &languagePart).toUtf8();
        track.m_title = title;
        track.m_codecName = codec;
        track.m_codecTag = ZV_GetSubtlCodecTag_Info(info);
        track.m_language = languagePart.remove(QLatin1Char(' ')).toUtf8();
        track.m_value = ZV_GetSubtlValue_Info(info, 1);
        track.m_privateData = codecBytes(ZV_GetSubtlCodecData_Info(info), ZV_GetSubtlCodecDataSize_Info(info));
        m_subtitleTracks.append(track);
    }
}
