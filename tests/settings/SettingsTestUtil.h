#pragma once

#include "QIAnyUtil.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <unistd.h>

// Helpers shared by the settings tests. Every test runs with its own HOME, but
// that HOME lives on between runs, so each case starts by clearing the files.
namespace SettingsTestUtil {

inline QString dataFile(const QString& name)
{
    return QIAnyUtil::getAppDataPath() + QLatin1Char('/') + name;
}

inline void clearDataFolder()
{
    QDir folder(QIAnyUtil::getAppDataPath());
    for (const QFileInfo& info : folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (info.isDir()) {
            QDir(info.absoluteFilePath()).removeRecursively();
        } else {
            QFile::setPermissions(info.absoluteFilePath(), QFile::ReadOwner | QFile::WriteOwner);
            QFile::remove(info.absoluteFilePath());
        }
    }
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The document element of a file that must parse. The document is kept alive
// for the rest of the run, so elements taken from it stay valid.
inline QDomElement rootOf(const QString& path)
{
    static QList<QDomDocument> keep;
    QDomDocument document;
    document.setContent(readFile(path));
    keep.append(document);
    return document.documentElement();
}

inline int elementChildCount(const QDomElement& parent)
{
    int count = 0;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        ++count;
    return count;
}

inline bool runningAsRoot()
{
    return geteuid() == 0;
}

} // namespace SettingsTestUtil
