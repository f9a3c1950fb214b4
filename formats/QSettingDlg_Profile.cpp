// The output profile rebuilt from the panel's combos and the preset shown.
#include "QSettingDlg.h"
#include "FormatsLog.h"

#include "FormatAllInfo.h"
#include "QCustomComboBox.h"
#include "QPlistRead.h"
#include "QVideoSettingXml.h"
#include "SettingKeys.h"
#include "VelAVCodecAnalysis.h"

#include <QDebug>

namespace {

const char kDefaultCategory[] = "General Video";
const char kDefaultEncodingId[] = "4000";
const char kDefaultLosslessId[] = "3000";

bool isAutomatic(const QString& value)
{
    return value == "Original" || value == "Auto" || value == "Smart Fit";
}

// The text before the first occurrence of unit, or the fallback without it.
QString cutAt(const QString& value, const QString& unit, const QString& fallback)
{
    const int at = value.indexOf(unit);
    return at < 0 ? fallback : value.left(at);
}

uint number(const QString& value)
{
    return value.trimmed().toUInt();
}

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

bool presetListed(QPlistRead* reader, const QString& category, const QString& id)
{
    const std::vector<FormatBaseInfo*>* list = reader->getCategoriesInfoList(category.toStdString());
    if (!list)
        return false;
    for (const FormatBaseInfo* info : *list) {
        if (info && q(info->id) == id)
            return true;
    }
    return false;
}

// A preset id that its list no longer holds (stale settings, an edited list)
// would give an empty container; the mode's default preset stands in for it.
void fallBackWhenStale(QPlistRead* reader, QString& category, QString& id, const char* defaultId)
{
    if (presetListed(reader, category, id))
        return;
    qCWarning(lcFormats).noquote() << QString("Preset \"%1\" / \"%2\" is not in %3; using \"%4\" / \"%5\" instead.")
                                .arg(category, id, q(reader->path()), kDefaultCategory, defaultId);
    category = kDefaultCategory;
    id = defaultId;
}

} // namespace

QString QSettingDlg::profileExtension(bool lossless)
{
    AttributeSetting& a = *attributeSetting();
    if (!lossless) {
        QString category = m_strCategory;
        QString id = m_strFormatId;
        fallBackWhenStale(encodingReader(), category, id, kDefaultEncodingId);
        const std::string ext = encodingReader()->getFormatInfoForKey(category.toStdString(), id.toStdString(), "ext");
        a.fileExtend = q(ext);
        a.fileFormat = q(VelAVCodecAnalysis::formatOfFourCC(ext));
        return a.fileFormat;
    }
    QPlistRead* reader = losslessReader();
    QString category = readSetting(SettingKeys::LosslessCategory);
    QString id = readSetting(SettingKeys::LosslessPresetId);
    fallBackWhenStale(reader, category, id, kDefaultLosslessId);
    const std::string title = reader->getFormatInfoForKey(category.toStdString(), id.toStdString(), "title");
    if (title == "Original") {
        a.fileFormat = "Original";
        return a.fileFormat;
    }
    const std::string ext = reader->getFormatInfoForKey(category.toStdString(), id.toStdString(), "ext");
    a.fileExtend = q(ext);
    a.fileFormat = q(VelAVCodecAnalysis::formatOfFourCC(ext));
    return a.fileFormat;
}

void QSettingDlg::setAttributeSetting()
{
    AttributeSetting& a = *attributeSetting();
    // Each mode's presets live in their own list: the high-speed ids are not in
    // the encoding list, so reading that one would resolve every "Auto" to nothing.
    QPlistRead* reader = a.bLossless ? losslessReader() : encodingReader();
    const QualitySet now = currentChoices();
    FormatAllInfo p;
    if (const FormatAllInfo* found = readPreset(reader, now.V_Encoder, now.V_Resolution, now.A_Encoder,
                                                now.A_Channel))
        p = *found;

    a.fileFormat.clear();
    a.fileExtend.clear();
    if (profileExtension(a.bLossless).isEmpty())
        qCWarning(lcFormats) << "The output profile has no container: the preset lists give no extension.";

    a.bOnlyAudio = m_bOnlyAudio;
    a.nQuality = m_videoQuality == VQ_HighQuality ? 90 : 50;
    buildVideo(a, p);
    buildAudio(a, p);
}

void QSettingDlg::buildVideo(AttributeSetting& a, const FormatAllInfo& p)
{
    if (a.bOnlyAudio) {
        a.VEncoder.clear();
        a.VCodecsId = -1;
        a.VWidth = a.VHeight = a.VFrameRate_fps = 0;
        a.VBitRate = 0;
        return;
    }
    const bool original = a.fileFormat == "Original";
    if (original) {
        a.VEncoder.clear();
        a.VCodecsId = 0;
    } else {
        QString code = m_cmbVEncoder->itemDataString(m_cmbVEncoder->currentIndex());
        if (code == "Auto" || code == "Smart Fit" || code.isEmpty())
            code = q(p.videoEncoder);
        a.VEncoder = code;
        a.VCodecsId = code.isEmpty() ? -1 : int(VelAVCodecAnalysis::codecIDOfFourcc(code.toStdString()));
    }

    const QString size = m_cmbVResolution->itemDataString(m_cmbVResolution->currentIndex());
    const int star = size.indexOf('*');
    a.VWidth = int(number(star < 0 ? "0" : size.left(star)));
    a.VHeight = int(number(star < 0 ? "0" : size.mid(star + 1)));

    QString rate = m_cmbVFrame->itemDataString(m_cmbVFrame->currentIndex());
    if (isAutomatic(rate))
        rate = q(p.frameRate);
    unsigned int num = 0, den = 1;
    VelAVCodecAnalysis::GetVideoFrameRate(cutAt(rate, "f", QString()).trimmed().toDouble(), num, den);
    a.VFrameRate_fps = int(num);
    a.VFrameRate_scale = int(den);

    QString bitRate = m_cmbVBitRate->itemDataString(m_cmbVBitRate->currentIndex());
    if (isAutomatic(bitRate))
        bitRate = q(m_videoQuality == VQ_SmallSize     ? p.videoBitRateLow
                    : m_videoQuality == VQ_HighQuality ? p.videoBitRateHigh
                                                       : p.videoBitRateDefault);
    a.VBitRate = int(number(cutAt(bitRate, "k", "0")));
}

void QSettingDlg::buildAudio(AttributeSetting& a, const FormatAllInfo& p)
{
    if (a.fileFormat == "Original") {
        a.AEncoder.clear();
        a.ACodecsId = 0;
    } else {
        QString code = m_cmbAEncoder->itemDataString(m_cmbAEncoder->currentIndex());
        if (code == "Auto" || code == "Smart Fit")
            code = q(p.audioEncoder);
        a.AEncoder = code;
        a.ACodecsId = code.isEmpty() ? -1 : int(VelAVCodecAnalysis::codecIDOfFourcc(code.toStdString()));
    }

    QString channel = m_cmbAChannel->itemDataString(m_cmbAChannel->currentIndex());
    if (isAutomatic(channel))
        channel = q(p.channel);
    a.AChannel = int(number(channel));

    QString sample = m_cmbASample->itemDataString(m_cmbASample->currentIndex());
    if (isAutomatic(sample))
        sample = q(p.sampleRate);
    a.ASampleRate = int(number(cutAt(sample, "H", "0")));

    QString bitRate = m_cmbABitRate->itemDataString(m_cmbABitRate->currentIndex());
    if (isAutomatic(bitRate))
        bitRate = q(m_videoQuality == VQ_SmallSize     ? p.audioBitRateLow
                    : m_videoQuality == VQ_HighQuality ? p.audioBitRateHigh
                                                       : p.audioBitRateDefault);
    a.ABitRate = int(number(cutAt(bitRate, "k", "0")));
}

void QSettingDlg::OnOkSet()
{
    setAttributeSetting();
    QualitySet set = currentChoices();
    QVideoSettingXml::SetDefaultFormat(m_strFormatId, &set);
    emit emitIsCustomized(true);
}

void QSettingDlg::PrintValueText()
{
    const AttributeSetting& a = *attributeSetting();
    auto b = [](bool v) { return v ? "true" : "false"; };
    qCDebug(lcFormats) << "-***************************************-";
    qCDebug(lcFormats) << "bOnlyAudio-----:" << b(a.bOnlyAudio);
    qCDebug(lcFormats) << "bLossless-----:" << b(a.bLossless);
    qCDebug(lcFormats) << "nQuality-----:" << quint32(a.nQuality);
    qCDebug(lcFormats) << "fileFormat----" << a.fileFormat;
    qCDebug(lcFormats) << "fileExtend---:" << a.fileExtend;
    qCDebug(lcFormats) << "VEncoder---:" << a.VEncoder;
    qCDebug(lcFormats) << "VCodecsId---:" << quint32(a.VCodecsId);
    qCDebug(lcFormats) << "VWidth---:" << quint32(a.VWidth);
    qCDebug(lcFormats) << "VHeight---:" << quint32(a.VHeight);
    qCDebug(lcFormats) << "VFrameRate_fps---:" << quint32(a.VFrameRate_fps);
    qCDebug(lcFormats) << "VFrameRate_scale---:" << quint32(a.VFrameRate_scale);
    qCDebug(lcFormats) << "VBitRate---:" << quint32(a.VBitRate);
    qCDebug(lcFormats) << "AEncoder---:" << a.AEncoder;
    qCDebug(lcFormats) << "ACodecsId---:" << quint32(a.ACodecsId);
    qCDebug(lcFormats) << "AChannel---:" << quint32(a.AChannel);
    qCDebug(lcFormats) << "ASampleRate---:" << quint32(a.ASampleRate);
    qCDebug(lcFormats) << "ABitRate---:" << quint32(a.ABitRate);
}
