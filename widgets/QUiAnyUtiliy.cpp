#include "QUiAnyUtiliy.h"

#include "QIAnyUtil.h"
#include "QVeAnyUtiliy.h"

#include <QFileInfo>

QUiAnyUtiliy::QUiAnyUtiliy() {}

void QUiAnyUtiliy::QDpiScaleInit() {}

float QUiAnyUtiliy::getDpiScale() { return 1.0f; }

QString QUiAnyUtiliy::converSize(quint64 bytes)
{
    return QVeAnyUtiliy::converSize(bytes);
}

QString QUiAnyUtiliy::getResourcePath()
{
    return QIAnyUtil::getResourcePathDoubledSeparator();
}

QTime QUiAnyUtiliy::intConvertToTime(qint64 micros)
{
    const qint64 ms = qint64(micros / 1000.0);
    if (ms >= 24LL * 3600 * 1000 || ms <= -1)
        return QTime();
    return QTime(int(ms / 3600000), int((ms / 60000) % 60), int((ms / 1000) % 60), int(ms % 1000));
}

qint64 QUiAnyUtiliy::timeConvertToInt(QTime time)
{
    return ((qint64(time.hour()) * 3600 + time.minute() * 60 + time.second()) * 1000 + time.msec()) * 1000;
}

QStringList QUiAnyUtiliy::familieNames(QFontDatabase::WritingSystem system)
{
    return QFontDatabase().families(system);
}

QString QUiAnyUtiliy::findValidPathName(QString folder, QString baseName, QString extension, QString pattern,
                                        bool isFolder)
{
    folder.append("\\");
    folder.replace("\\", "/");
    while (folder.contains("//"))
        folder.replace("//", "/");
    const QString ext = extension.isEmpty() ? QString() : "." + extension;
    if (pattern.isEmpty())
        pattern = "-%1";
    QString candidate = baseName + ext;
    for (quint64 n = 1;; ++n) {
        const QFileInfo info(folder + candidate);
        const bool taken = isFolder ? info.isDir() : (info.exists() && !info.isDir());
        if (!taken)
            return candidate;
        candidate = baseName + pattern.arg(n) + ext;
    }
}
