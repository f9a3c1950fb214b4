// Snapshot format and folder, in the group "Screenshots" of the key/value file.
#include "QVideoSettingXml.h"

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

// Reads attribute of the group, storing defaultValue where it is missing or
// empty; creates the group (and the file) when needed.
static QString readScreenshotValue(const QString& path, const QString& attribute,
                                   const QString& defaultValue,
                                   bool (*load)(const QString&, QDomDocument&),
                                   bool (*save)(QString, QDomDocument))
{
    QDomDocument document;
    if (!load(path, document))
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
    save(path, document);
    return result;
}

QString QVideoSettingXml::getCaptureImgSuffix()
{
    return readScreenshotValue(settingFilePath(), QStringLiteral("IMG_SUFFIX"),
                               QStringLiteral("JPEG"), &loadOrStart, &SaveXml);
}

QString QVideoSettingXml::getCaptrueImaSavePath()
{
    const QString path = settingFilePath();
    qDebug().noquote() << "snapshot settings:" << path;
    QString folder = QIAnyUtil::getDocumentPath() + QStringLiteral("/Screenshots/");
    if (!QDir(folder).exists() && !QDir().mkpath(folder))
        folder = QIAnyUtil::getDocumentPath();
    return readScreenshotValue(path, QStringLiteral("IMG_Folder"), folder, &loadOrStart, &SaveXml);
}

static void writeScreenshotValue(const QString& path, const QString& attribute, const QString& value)
{
    QDomDocument document;
    if (!QVideoSettingXml::isValidFile(path, document))
        return;
    QDomElement group = screenshotsElement(document.documentElement());
    if (!group.isNull())
        group.setAttribute(attribute, value);
    QVideoSettingXml::SaveXml(path, document);
}

void QVideoSettingXml::setCaptureImgSuffix(QString suffix)
{
    writeScreenshotValue(settingFilePath(), QStringLiteral("IMG_SUFFIX"), suffix);
}

void QVideoSettingXml::setCaptrueImaPath(QString path)
{
    writeScreenshotValue(settingFilePath(), QStringLiteral("IMG_Folder"), path);
}
