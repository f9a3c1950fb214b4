// The converted-file history, kept in "VideoConverted.xml".
#include "QVideoSettingXml.h"

#include <QFileInfo>

convertedInfo* QVideoSettingXml::m_convertInfo = nullptr;

namespace {
const QString kKey = QStringLiteral("Converted_path_");

QString slashed(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// The entry whose key equals path; with byNormalisedPath both sides have their
// backslashes turned into "/" first.
QDomElement findEntry(const QDomElement& root, const QString& path, bool byNormalisedPath)
{
    const QString wanted = byNormalisedPath ? slashed(path) : path;
    for (QDomNode node = root.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement entry = node.toElement();
        if (entry.isNull())
            continue;
        const QString key = entry.attribute(kKey);
        if ((byNormalisedPath ? slashed(key) : key) == wanted)
            return entry;
    }
    return QDomElement();
}

QDomElement appendEntry(QDomDocument& document, const QString& path)
{
    QDomElement entry = document.createElement(QStringLiteral("Path_item"));
    entry.setAttribute(kKey, path);
    document.documentElement().appendChild(entry);
    return entry;
}

QString attr(const QDomElement& element, const char* name)
{
    return element.attribute(QLatin1String(name));
}
}

void QVideoSettingXml::SetConvertedPath(QString path)
{
    const QString file = convertedFilePath();
    QDomDocument document;
    if (!loadOrStart(file, document))
        return;
    if (findEntry(document.documentElement(), path, false).isNull())
        appendEntry(document, path);
    SaveXml(file, document);
}

QStringList QVideoSettingXml::GetConvertedPath()
{
    QStringList result;
    const QString file = convertedFilePath();
    QDomDocument document;
    if (!QFileInfo::exists(file) || !isValidFile(file, document))
        return result;

    QDomElement root = document.documentElement();
    bool removed = false;
    QDomNode node = root.firstChild();
    while (!node.isNull()) {
        const QDomNode next = node.nextSibling();
        const QString path = node.toElement().attribute(kKey);
        if (QFileInfo::exists(path)) {
            result << path;
        } else {
            root.removeChild(node);
            removed = true;
        }
        node = next;
    }
    if (removed)
        SaveXml(file, document);
    return result;
}

void QVideoSettingXml::DeleteConvertedPath(QStringList paths)
{
    const QString file = convertedFilePath();
    QDomDocument document;
    if (paths.isEmpty() || !QFileInfo::exists(file) || !isValidFile(file, document))
        return;

    QDomElement root = document.documentElement();
    bool removed = false;
    QDomNode node = root.firstChild();
    while (!node.isNull() && !paths.isEmpty()) {
        const QDomNode next = node.nextSibling();
        const int index = paths.indexOf(node.toElement().attribute(kKey));
        if (index >= 0) {
            root.removeChild(node);
            paths.removeAt(index);
            removed = true;
        }
        node = next;
    }
    if (removed)
        SaveXml(file, document);
}

void QVideoSettingXml::SaveConvertedInfo(const convertedInfo* info)
{
    if (!info)
        return;
    const QString file = convertedFilePath();
    QDomDocument document;
    if (!loadOrStart(file, document))
        return;

    QDomElement entry = findEntry(document.documentElement(), info->convertedPath, false);
    if (entry.isNull())
        entry = appendEntry(document, info->convertedPath);
    QDomElement values;
    if (entry.hasChildNodes()) {
        values = entry.firstChild().toElement();
    } else {
        values = document.createElement(QStringLiteral("CONVERTED_INFO_"));
        entry.appendChild(values);
    }
    if (!values.isNull()) {
        values.setAttribute(QStringLiteral("Img_path_"), info->imgPath);
        values.setAttribute(QStringLiteral("Resolutin_"), info->resolution);
        values.setAttribute(QStringLiteral("Time_"), info->time);
        values.setAttribute(QStringLiteral("Size_"), info->size);
        values.setAttribute(QStringLiteral("Extend_"), info->extend);
        values.setAttribute(QStringLiteral("Artist_"), info->artist);
        values.setAttribute(QStringLiteral("Format"), info->format);
    }
    SaveXml(file, document);
}

convertedInfo* QVideoSettingXml::GetConvertedInfo(QString path)
{
    delete m_convertInfo;
    m_convertInfo = nullptr;

    const QString file = convertedFilePath();
    QDomDocument document;
    if (!QFileInfo::exists(file) || !isValidFile(file, document))
        return nullptr;
    const QDomElement entry = findEntry(document.documentElement(), path, true);
    if (entry.isNull())
        return nullptr;

    const QDomElement values = entry.firstChild().toElement();
    auto* info = new convertedInfo;
    info->convertedPath = slashed(path);
    info->imgPath = attr(values, "Img_path_");
    info->resolution = attr(values, "Resolutin_");
    info->time = attr(values, "Time_");
    info->size = attr(values, "Size_");
    info->extend = attr(values, "Extend_");
    info->artist = attr(values, "Artist_");
    info->format = attr(values, "Format");
    m_convertInfo = info;
    return info;
}

void QVideoSettingXml::analysisConvertedInfo(QList<convertedInfo*>* list)
{
    const QString file = convertedFilePath();
    QDomDocument document;
    if (!QFileInfo::exists(file) || !isValidFile(file, document))
        return;

    bool marked = false;
    for (QDomNode node = document.documentElement().firstChild(); !node.isNull();
         node = node.nextSibling()) {
        const QDomElement entry = node.toElement();
        QDomElement values = entry.firstChild().toElement();
        auto* info = new convertedInfo;
        info->convertedPath = slashed(entry.attribute(kKey));
        info->imgPath = attr(values, "Img_path_");
        info->resolution = attr(values, "Resolutin_");
        info->title = attr(values, "Title_");
        info->time = attr(values, "Time_");
        info->size = attr(values, "Size_");
        info->createTime = attr(values, "Create_time_");
        info->extend = attr(values, "Extend_");
        info->artist = attr(values, "Artist_");
        info->album = attr(values, "Album_");
        info->genre = attr(values, "Genre_");
        info->preferencePath = attr(values, "preferencePath_");
        info->bVideoFile = attr(values, "Video_file") == QLatin1String("Y");
        info->bNewFile = attr(values, "New_file") == QLatin1String("Y");
        info->season = attr(values, "Season_");
        info->year = attr(values, "Year");
        info->format = attr(values, "Format");
        if (info->bNewFile) {
            values.setAttribute(QStringLiteral("New_file"), QStringLiteral("N"));
            marked = true;
        }
        if (list)
            list->append(info);
        else
            delete info;
    }
    if (marked)
        SaveXml(file, document);
}

QString QVideoSettingXml::getPreferencePath(QString path)
{
    const QString file = convertedFilePath();
    QDomDocument document;
    if (!QFileInfo::exists(file) || !isValidFile(file, document))
        return QString();
    const QDomElement entry = findEntry(document.documentElement(), path, true);
    if (entry.isNull())
        return QString();
    return attr(entry.firstChild().toElement(), "preferencePath_");
}
