// Custom encoding values and quality types per preset id, kept in
// "VideoDefaultFormatSetting.xml".
#include "QVideoSettingXml.h"

#include <QFileInfo>

QualitySet* QVideoSettingXml::m_defaultQualitySet = nullptr;

namespace {
// Preset elements are found by their Format_ID alone, whatever their tag.
QDomElement presetElement(const QDomElement& root, const QString& formatId)
{
    for (QDomNode node = root.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        if (!element.isNull() && element.attribute(QStringLiteral("Format_ID")) == formatId)
            return element;
    }
    return QDomElement();
}

QDomElement appendPresetElement(QDomDocument& document, const QString& formatId)
{
    QDomElement element = document.createElement(QStringLiteral("FORMAT_"));
    element.setAttribute(QStringLiteral("Format_ID"), formatId);
    document.documentElement().appendChild(element);
    return element;
}
}

QualitySet* QVideoSettingXml::GetDefaultFormat(QString formatId, QualitySet*)
{
    delete m_defaultQualitySet;
    m_defaultQualitySet = new QualitySet;

    const QString path = formatSettingFilePath();
    if (!QFileInfo::exists(path))
        return nullptr;
    QDomDocument document;
    if (!isValidFile(path, document))
        return nullptr;
    const QDomElement preset = presetElement(document.documentElement(), formatId);
    if (preset.isNull() || !preset.hasChildNodes())
        return nullptr;
    const QDomElement values = preset.firstChild().toElement();

    QualitySet* set = m_defaultQualitySet;
    set->OnlyAudio = values.attribute(QStringLiteral("OnlyAudio")) == QLatin1String("Y");
    if (!set->OnlyAudio) {
        set->V_Encoder = values.attribute(QStringLiteral("V_Encoder")).trimmed();
        set->V_Resolution = values.attribute(QStringLiteral("V_Resolution")).trimmed();
        set->V_FrameRate = values.attribute(QStringLiteral("V_FrameRate")).trimmed();
        set->V_BitRate = values.attribute(QStringLiteral("V_BitRate")).trimmed();
    }
    set->A_Encoder = values.attribute(QStringLiteral("A_Encoder")).trimmed();
    set->A_Channel = values.attribute(QStringLiteral("A_Channel")).trimmed();
    set->A_SampleRate = values.attribute(QStringLiteral("A_SampleRate")).trimmed();
    set->A_BitRate = values.attribute(QStringLiteral("A_BitRate")).trimmed();
    set->V_A_Quality = values.attribute(QStringLiteral("V_A_Quality")).toUInt();
    return set;
}

void QVideoSettingXml::SetDefaultFormat(QString formatId, QualitySet* set)
{
    if (!set)
        return;
    const QString path = formatSettingFilePath();
    QDomDocument document;
    if (!loadOrStart(path, document))
        return;

    QDomElement preset = presetElement(document.documentElement(), formatId);
    if (preset.isNull())
        preset = appendPresetElement(document, formatId);
    QDomElement values;
    if (preset.hasChildNodes()) {
        values = preset.firstChild().toElement();
    } else {
        values = document.createElement(QStringLiteral("Format_Custom"));
        preset.appendChild(values);
    }
    if (values.isNull())
        return; // the first child is text, not an element: nothing to write to

    values.setAttribute(QStringLiteral("OnlyAudio"), set->OnlyAudio ? "Y" : "N");
    values.setAttribute(QStringLiteral("V_Encoder"), set->V_Encoder);
    values.setAttribute(QStringLiteral("V_Resolution"), set->V_Resolution);
    values.setAttribute(QStringLiteral("V_FrameRate"), set->V_FrameRate);
    values.setAttribute(QStringLiteral("V_BitRate"), set->V_BitRate);
    values.setAttribute(QStringLiteral("A_Encoder"), set->A_Encoder);
    values.setAttribute(QStringLiteral("A_Channel"), set->A_Channel);
    values.setAttribute(QStringLiteral("A_SampleRate"), set->A_SampleRate);
    values.setAttribute(QStringLiteral("A_BitRate"), set->A_BitRate);
    values.setAttribute(QStringLiteral("V_A_Quality"), QString::number(set->V_A_Quality));
    SaveXml(path, document);
}

int QVideoSettingXml::GetQualityType(QString formatId, int defaultType)
{
    const QString path = formatSettingFilePath();
    if (!QFileInfo::exists(path))
        return defaultType;
    QDomDocument document;
    if (!isValidFile(path, document))
        return defaultType;

    int result = defaultType;
    QDomElement preset = presetElement(document.documentElement(), formatId);
    if (!preset.isNull()) {
        const QString stored = preset.attribute(QStringLiteral("Format_QualityType"));
        result = stored.isEmpty() ? 1 : stored.toInt();
    } else {
        preset = appendPresetElement(document, formatId);
        preset.setAttribute(QStringLiteral("Format_QualityType"), defaultType);
    }
    SaveXml(path, document);
    return result;
}

void QVideoSettingXml::SetQualityType(QString formatId, int type)
{
    const QString path = formatSettingFilePath();
    QDomDocument document;
    if (!loadOrStart(path, document))
        return;
    QDomElement preset = presetElement(document.documentElement(), formatId);
    if (preset.isNull())
        preset = appendPresetElement(document, formatId);
    preset.setAttribute(QStringLiteral("Format_QualityType"), type);
    SaveXml(path, document);
}
