#include "QVedioEditSettingXml.h"

#include "QVelProjectPath.h"
#include "QVideoSettingXml.h"

#include <QDir>
#include <QDomDocument>
#include <QFileInfo>

namespace {
const char kRootTag[] = "ROOTITEM";
const char kGroup[] = "Screenshots";
}

QString QVedioEditSettingXml::settingFilePath()
{
    return QVelProjectPath::getAppDataPath(QString(), QString()) + QStringLiteral("/VedioEditDefaultSetting.xml");
}

// The settings store's loader: a malformed file is moved aside as "<name>.bad"
// before the empty document replaces it, since its content is the user's.
bool QVedioEditSettingXml::isValidFile(QString path, QDomDocument& document)
{
    return QVideoSettingXml::isValidFile(path, document);
}

// Through the settings store's writer: a temporary file renamed over the old one,
// so a failed write keeps the previous content.
void QVedioEditSettingXml::SaveXml(QString path, QDomDocument document)
{
    QVideoSettingXml::SaveXml(path, document);
}

QString QVedioEditSettingXml::readValue(const QString& group, const QString& attribute,
                                        const QString& defaultValue, bool storeDefaultInElement)
{
    const QString path = settingFilePath();
    QDomDocument document;
    if (!QFileInfo::exists(path)) {
        document.appendChild(document.createElement(QLatin1String(kRootTag)));
    } else if (!isValidFile(path, document)) {
        return defaultValue;
    }
    QDomElement root = document.documentElement();
    // Only the first element of exactly this name counts.
    QDomElement element = root.firstChildElement(group);
    QString value = defaultValue;
    if (element.isNull()) {
        element = document.createElement(group);
        element.setAttribute(attribute, defaultValue);
        root.appendChild(element);
    } else if (element.attribute(attribute).isEmpty()) {
        if (storeDefaultInElement)
            element.setAttribute(attribute, defaultValue);
    } else {
        value = element.attribute(attribute);
    }
    SaveXml(path, document);
    return value;
}

void QVedioEditSettingXml::writeValue(const QString& group, const QString& attribute, const QString& value)
{
    const QString path = settingFilePath();
    QDomDocument document;
    if (!isValidFile(path, document))
        return;
    QDomElement element = document.documentElement().firstChildElement(group);
    if (!element.isNull())
        element.setAttribute(attribute, value);
    SaveXml(path, document);
}

QString QVedioEditSettingXml::getCaptureImgSuffix()
{
    return readValue(QLatin1String(kGroup), QStringLiteral("IMG_SUFFIX"), QStringLiteral("JPG"), true);
}

QString QVedioEditSettingXml::getCaptrueImaSavePath()
{
    const QString documents = QVelProjectPath::getDocumentPath(QString(), QString());
    QString folder = documents + QStringLiteral("/Converted/Screenshots/");
    if (!QDir(folder).exists() && !QDir().mkpath(folder))
        folder = documents;
    return readValue(QLatin1String(kGroup), QStringLiteral("IMG_Folder"), folder, true);
}

void QVedioEditSettingXml::setCaptureImgSuffix(QString suffix)
{
    writeValue(QLatin1String(kGroup), QStringLiteral("IMG_SUFFIX"), suffix);
}

void QVedioEditSettingXml::setCaptrueImaPath(QString path)
{
    writeValue(QLatin1String(kGroup), QStringLiteral("IMG_Folder"), path);
}

QString QVedioEditSettingXml::GetItemValue(QString group, QString attribute, QString defaultValue)
{
    return readValue(group, attribute, defaultValue, false);
}

void QVedioEditSettingXml::SetItemValue(QString group, QString attribute, QString value)
{
    writeValue(group, attribute, value);
}
