// Snapshot format and folder, in the group "Screenshots" of the key/value file.
#include "QVideoSettingXml.h"
#include "SettingsLog.h"

#include "QIAnyUtil.h"

#include <QDebug>
#include <QDir>

namespace {
const char kGroup[] = "Screenshots";

QDomElement screenshotsElement(const QDomElement& root)
{
    for (QDomNode node = root.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        if (!element.isNull() && element.tagName() == QLatin1String(kGroup))
            return element;
    }
    return QDomElement();
}
}

QString QVideoSettingXml::readScreenshotValue(const QString& attribute, const QString& defaultValue)
{
    const QString path = settingFilePath();
    QDomDocument document;
    if (!loadOrStart(path, document))
        return defaultValue;
    QString result = defaultValue;
    QDomElement group = screenshotsElement(document.documentElement());
    if (group.isNull()) {
        group = document.createElement(QLatin1String(kGroup));
        group.setAttribute(attribute, defaultValue);
        document.documentElement().appendChild(group);
    } else {
        const QString stored = group.attribute(attribute);
        if (stored.isEmpty())
            group.setAttribute(attribute, defaultValue);
        else
            result = stored;
    }
    SaveXml(path, document);
    return result;
}

void QVideoSettingXml::writeScreenshotValue(const QString& attribute, const QString& value)
{
    const QString path = settingFilePath();
    QDomDocument document;
    if (!isValidFile(path, document))
        return;
    QDomElement group = screenshotsElement(document.documentElement());
    if (!group.isNull())
        group.setAttribute(attribute, value);
    SaveXml(path, document);
}

QString QVideoSettingXml::getCaptureImgSuffix()
{
    return readScreenshotValue(QStringLiteral("IMG_SUFFIX"), QStringLiteral("JPEG"));
}

QString QVideoSettingXml::getCaptrueImaSavePath()
{
    qCDebug(lcSettings).noquote() << "snapshot settings:" << settingFilePath();
    // The default folder is made on every call, whatever is stored.
    QString folder = QIAnyUtil::getDocumentPath() + QStringLiteral("/Screenshots/");
    if (!QDir(folder).exists() && !QDir().mkpath(folder))
        folder = QIAnyUtil::getDocumentPath();
    return readScreenshotValue(QStringLiteral("IMG_Folder"), folder);
}

void QVideoSettingXml::setCaptureImgSuffix(QString suffix)
{
    writeScreenshotValue(QStringLiteral("IMG_SUFFIX"), suffix);
}

void QVideoSettingXml::setCaptrueImaPath(QString path)
{
    writeScreenshotValue(QStringLiteral("IMG_Folder"), path);
}
