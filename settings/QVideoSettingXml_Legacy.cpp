// Readers of the older per-format description "VideoSetting.xml" in the
// resources folder. The file is shipped and only ever read.
#include "QVideoSettingXml.h"

#include "FormatAllInfo.h"
#include "QIAnyUtil.h"

QualitySet* QVideoSettingXml::m_highQualitySet = nullptr;
FormatAllInfo* QVideoSettingXml::m_formatInfo = nullptr;
FileFormatInfo* QVideoSettingXml::m_fileFormatInfo = nullptr;

namespace {
struct FormatElement
{
    QDomElement element;   // null when no format matched
    bool onlyAudio = false;
};

QDomElement firstChildTagged(const QDomElement& parent, const QString& tag)
{
    for (QDomNode node = parent.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        if (!element.isNull() && element.tagName() == tag)
            return element;
    }
    return QDomElement();
}

FormatElement findFormat(const QDomDocument& document, const QString& formatName)
{
    FormatElement found;
    for (QDomNode node = document.documentElement().firstChild(); !node.isNull();
         node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        if (!element.isNull() && element.attribute(QStringLiteral("DevFormat")) == formatName) {
            found.element = element;
            found.onlyAudio = element.attribute(QStringLiteral("OnlyAudio")) == QLatin1String("Y");
            break;
        }
    }
    return found;
}

std::string utf8(const QDomElement& element, const char* name)
{
    return element.attribute(QLatin1String(name)).toStdString();
}
}

void QVideoSettingXml::analysisTextInfo(std::string text, std::vector<std::string>& list)
{
    analysisTextInfo(text, std::string(), list);
}

void QVideoSettingXml::analysisTextInfo(std::string text, std::string unit, std::vector<std::string>& list)
{
    list.clear();
    std::string::size_type start = 0;
    while (start <= text.size() && !text.empty()) {
        std::string::size_type comma = text.find(',', start);
        if (comma == std::string::npos)
            comma = text.size();
        std::string piece = text.substr(start, comma - start);
        trim(piece);
        if (piece == "0")
            list.push_back("Auto");
        else if (!piece.empty())
            list.push_back(piece + unit);
        start = comma + 1;
    }
}

QString QVideoSettingXml::addUnit(QString value, QString key)
{
    value = value.trimmed();
    if (value == QLatin1String("0"))
        return QStringLiteral("Auto");
    if (value == QLatin1String("Original") || value == QLatin1String("Auto"))
        return value;
    if (key == QLatin1String("V_FrameRate"))
        return value + QStringLiteral(" fps");
    if (key == QLatin1String("V_BitRate") || key == QLatin1String("A_BitRate"))
        return value + QStringLiteral(" kbps");
    if (key == QLatin1String("A_SampleRate"))
        return value + QStringLiteral(" HZ");
    return value;
}

FormatAllInfo* QVideoSettingXml::GetFormatAllInfo(QString formatName)
{
    delete m_formatInfo;
    m_formatInfo = new FormatAllInfo;
    if (formatName.isEmpty())
        return nullptr;

    QDomDocument document;
    if (!loadShippedFile(QIAnyUtil::getResourcePath() + QStringLiteral("/VideoSetting.xml"), document))
        return nullptr;
    const FormatElement format = findFormat(document, formatName);
    FormatAllInfo* info = m_formatInfo;
    info->onlyAudio = format.onlyAudio;
    const QDomElement lists = firstChildTagged(format.element, QStringLiteral("ATTRIBUTE_VALUE"));
    if (lists.isNull())
        return nullptr;

    if (!format.onlyAudio) {
        analysisTextInfo(utf8(lists, "V_Encoder"), info->videoEncoderList);
        analysisTextInfo(utf8(lists, "V_Resolution"), info->resolutionList);
        analysisTextInfo(utf8(lists, "V_FrameRate"), " fps", info->frameRateList);
        analysisTextInfo(utf8(lists, "V_BitRate"), " kbps", info->videoBitRateList);
    }
    analysisTextInfo(utf8(lists, "A_Encoder"), info->audioEncoderList);
    analysisTextInfo(utf8(lists, "A_Channel"), info->channelList);
    analysisTextInfo(utf8(lists, "A_SampleRate"), " HZ", info->sampleRateList);
    analysisTextInfo(utf8(lists, "A_BitRate"), " kbps", info->audioBitRateList);
    return info;
}

QualitySet* QVideoSettingXml::GetQuality(QString qualityName, QString formatName)
{
    delete m_highQualitySet;
    m_highQualitySet = new QualitySet;

    QDomDocument document;
    if (!loadShippedFile(QIAnyUtil::getResourcePath() + QStringLiteral("/VideoSetting.xml"), document))
        return nullptr;
    const FormatElement format = findFormat(document, formatName);
    QualitySet* set = m_highQualitySet;
    set->OnlyAudio = format.onlyAudio;
    const QDomElement preset = firstChildTagged(format.element, qualityName);
    if (preset.isNull())
        return nullptr;

    auto value = [&preset](const char* name) { return preset.attribute(QLatin1String(name)); };
    if (!format.onlyAudio) {
        set->V_Encoder = value("V_Encoder").trimmed();
        set->V_Resolution = value("V_Resolution").trimmed();
        set->V_FrameRate = addUnit(value("V_FrameRate"), QStringLiteral("V_FrameRate"));
        set->V_BitRate = addUnit(value("V_BitRate"), QStringLiteral("V_BitRate"));
    }
    set->A_Encoder = value("A_Encoder").trimmed();
    set->A_Channel = value("A_Channel").trimmed();
    set->A_SampleRate = addUnit(value("A_SampleRate"), QStringLiteral("A_SampleRate"));
    set->A_BitRate = addUnit(value("A_BitRate"), QStringLiteral("A_BitRate"));
    return set;
}

FileFormatInfo* QVideoSettingXml::GetFormatInfo(QString formatName)
{
    delete m_fileFormatInfo;
    m_fileFormatInfo = new FileFormatInfo;
    if (formatName.isEmpty())
        return nullptr;

    QDomDocument document;
    if (!loadShippedFile(QIAnyUtil::getResourcePath() + QStringLiteral("/VideoSetting.xml"), document))
        return nullptr;
    const FormatElement format = findFormat(document, formatName);
    const QDomElement info = firstChildTagged(format.element, QStringLiteral("VIDIO_FOMAT_INFO"));
    if (info.isNull())
        return nullptr;
    m_fileFormatInfo->formatName = info.attribute(QStringLiteral("V_Format"));
    m_fileFormatInfo->extend = info.attribute(QStringLiteral("V_Extend"));
    return m_fileFormatInfo;
}
