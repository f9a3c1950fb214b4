// Encode parameters, output container and size, and the item's own output naming.
#include "VelVideoConvertItem.h"

#include "AttributeSetting.h"
#include "QAttributeSettingHolder.h"
#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "convertedInfo.h"

#include "EngineLog.h"
#include <QDir>
#include <QFileInfo>

namespace {

bool keepsSourceContainer(const AttributeSetting *profile)
{
    return profile->bLossless && profile->fileFormat == QLatin1String("Original");
}

QString withoutDoubleSlash(QString path)
{
    return path.replace(QLatin1String("//"), QLatin1String("/"));
}

} // namespace

QString VelVideoConvertItem::getOutFormat(const AttributeSetting *profile) const
{
    return keepsSourceContainer(profile) ? m_sourceFormatName : profile->fileFormat;
}

QString VelVideoConvertItem::getOutExtentName(const AttributeSetting *profile) const
{
    return keepsSourceContainer(profile) ? m_sourceExtension : profile->fileExtend;
}

int VelVideoConvertItem::getVideoWidth(const AttributeSetting &profile) const
{
    if (profile.bOnlyAudio)
        return 0;
    return profile.VWidth ? profile.VWidth : m_videoWidth;
}

int VelVideoConvertItem::getVideoHeight(const AttributeSetting &profile) const
{
    if (profile.bOnlyAudio)
        return 0;
    return profile.VHeight ? profile.VHeight : m_videoHeight;
}

int VelVideoConvertItem::getVideoWidth() const
{
    return getVideoWidth(*QAttributeSettingHolder::attributeSetting());
}

int VelVideoConvertItem::getVideoHeight() const
{
    return getVideoHeight(*QAttributeSettingHolder::attributeSetting());
}

bool VelVideoConvertItem::getEncodeParam(CAVEncodeParam *param)
{
    if (!param)
        return false;
    // Refuse ranges that unsigned arithmetic would turn into an enormous length.
    if (m_trimEnd != 0 && m_trimEnd < m_trimStart) {
        m_lastError = tr("The segment ends (%1) before it starts (%2).")
                          .arg(converterTimer(m_trimEnd), converterTimer(m_trimStart));
        return false;
    }
    if (m_duration != 0 && m_trimStart >= m_duration) {
        m_lastError = tr("The segment starts (%1) at or after the end of the file (%2).")
                          .arg(converterTimer(m_trimStart), converterTimer(m_duration));
        return false;
    }

    const AttributeSetting *profile = QAttributeSettingHolder::attributeSetting();
    CAVEncodeParam &p = *param;
    p.m_videoCodec = 0;
    p.m_width = p.m_height = 0;
    p.m_frameRate100 = p.m_containerFlag = p.m_frameRate = p.m_frameRateScale = 0;
    p.m_videoBitRate = p.m_videoOption = p.m_reserved1 = 0;
    p.m_audioCodec = 0;
    p.m_sampleRate = p.m_channels = 0;
    p.m_reserved2 = {};
    p.m_audioBitRate = p.m_audioOption = 0;
    p.m_extraTexts[0].clear();

    const QString format = getOutFormat(profile);
    qCDebug(lcEngine) << "------format:" << format;
    p.m_format = format.toLower().toUtf8();

    p.m_videoCodec = profile->bOnlyAudio ? -1 : profile->VCodecsId;
    p.m_audioCodec = profile->ACodecsId;
    const bool muxedStream = format.compare(QLatin1String("AVI"), Qt::CaseInsensitive) == 0
                             || format.compare(QLatin1String("mpegts"), Qt::CaseInsensitive) == 0
                             || format.compare(QLatin1String("MPEG1VIDEO"), Qt::CaseInsensitive) == 0;
    p.m_containerFlag = muxedStream ? 1 : 0;
    p.m_height = uint32_t(getVideoHeight(*profile));
    p.m_width = uint32_t(getVideoWidth(*profile));

    p.m_videoBitRate = uint32_t(profile->VBitRate);
    p.m_frameRate100 = 0;
    p.m_frameRate = uint32_t(profile->VFrameRate_fps);
    p.m_frameRateScale = uint32_t(profile->VFrameRate_scale);
    p.m_videoOption = uint32_t(profile->nQuality);
    p.m_channels = uint32_t(profile->AChannel);
    p.m_sampleRate = uint32_t(profile->ASampleRate);
    p.m_audioBitRate = uint32_t(profile->ABitRate);
    // Vorbis at low sample rates cannot reach high bit rates.
    if (profile->AEncoder == QLatin1String("OGG") && profile->ASampleRate < 32000 && profile->ABitRate > 160)
        p.m_audioBitRate = 160;
    p.m_audioOption = uint32_t(profile->nQuality);

    p.m_sourceKind = m_bDiscSource ? 1 : 0;
    p.m_bLossless = profile->bLossless ? 1 : 0;
    p.m_trimStart = m_trimStart;
    p.m_trimEnd = m_trimEnd;
    p.m_duration = m_trimEnd ? m_trimEnd - m_trimStart : 0;
    p.m_editConfig = m_editConfig;
    p.m_overlayPicture = nullptr;
    p.m_overlayWidth = p.m_overlayHeight = 0;
    p.m_texts[11].clear();
    return true;
}

QString VelVideoConvertItem::getConverOutputDir()
{
    if (m_outputBaseName.isEmpty())
        return QString();
    const QString root = QConverterOperate::getConverterPath();
    if (m_splitInfo.m_mode == Split_Info::NoSplit) {
        // Kept so that getConverPath never builds a path relative to the
        // working folder.
        m_outputDir = root;
        return root;
    }
    const int dot = m_outputBaseName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? m_outputBaseName : m_outputBaseName.left(dot);
    QString folder = withoutDoubleSlash(root + stem);
    for (int n = 1; QFileInfo(folder).isDir(); ++n)
        folder = withoutDoubleSlash(root + stem + QStringLiteral("(%1)").arg(n));
    m_outputDir = folder + QLatin1Char('/');
    return m_outputDir;
}

QString VelVideoConvertItem::getConverPath()
{
    const AttributeSetting *profile = QAttributeSettingHolder::attributeSetting();
    const QString ext = getOutExtentName(profile);
    if (m_outputBaseName.isEmpty())
        m_outputBaseName = m_displayName;
    const int dot = m_outputBaseName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? m_outputBaseName : m_outputBaseName.left(dot);

    auto taken = [](const QString &path) {
        return QFileInfo::exists(path) || m_sOutputFileList.contains(path);
    };
    QString path;
    if (m_splitInfo.m_mode == Split_Info::NoSplit) {
        path = withoutDoubleSlash(m_outputDir + stem + QStringLiteral(".%1").arg(ext));
        for (int n = 1; taken(path); ++n)
            path = withoutDoubleSlash(m_outputDir + stem + QStringLiteral("(%1).%2").arg(n).arg(ext));
    } else {
        int n = 1;
        do {
            path = withoutDoubleSlash(m_outputDir + stem + QStringLiteral("_%1.%2").arg(n).arg(ext));
            ++n;
        } while (taken(path));
    }
    m_sOutputFileList.append(path);
    if (!m_outputDir.isEmpty() && !QFileInfo(m_outputDir).isDir())
        QDir().mkpath(m_outputDir);
    m_outputPath = path;
    return path;
}

void VelVideoConvertItem::removeOutPutDir()
{
    auto normalised = [](QString path) {
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return withoutDoubleSlash(path);
    };
    const QString folder = normalised(m_outputDir + QLatin1Char('\\'));
    const QString root = normalised(QConverterOperate::getConverterPath());
    if (folder == root || m_outputDir.isEmpty())
        return;
    const QDir dir(m_outputDir);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                              QDir::Unsorted);
    if (entries.isEmpty())
        QDir().rmdir(m_outputDir);
}

void VelVideoConvertItem::getConvertedInfo(convertedInfo &info)
{
    const AttributeSetting *profile = QAttributeSettingHolder::attributeSetting();
    info.convertedPath = QString(m_outputPath).replace(QLatin1Char('\\'), QLatin1Char('/'));
    info.imgPath = m_imagePath;
    info.resolution = QStringLiteral("%1*%2").arg(getVideoWidth()).arg(getVideoHeight());
    info.size = QIAnyUtil::size2String(quint64(QFileInfo(info.convertedPath).size()));
    info.extend = getOutExtentName(profile);
    info.format = getOutFormat(profile);
    info.artist = QString::fromUtf8(m_tagTexts[1]);
    info.time = getConvertedTime();
}
