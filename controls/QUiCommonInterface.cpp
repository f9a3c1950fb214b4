#include "QUiCommonInterface.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QUrl>
#include <QWidget>

#include <sys/time.h>
#include <time.h>
#include <unistd.h>

quint64 QUiCommonInterface::getSystemTime()
{
    timespec now {};
    if (clock_gettime(CLOCK_MONOTONIC, &now) == 0)
        return quint64(now.tv_sec) * 1000000u + quint64(now.tv_nsec) / 1000u;
    return getDateTime();
}

quint64 QUiCommonInterface::getDateTime()
{
    timeval now {};
    if (gettimeofday(&now, nullptr) != 0)
        return 0;
    return quint64(now.tv_sec) * 1000000u + quint64(now.tv_usec);
}

void QUiCommonInterface::Sleep(long long microseconds)
{
    if (microseconds > 0)
        usleep(useconds_t(microseconds));
}

// Desktops offer no common "select this file" call; opening its folder is the portable part.
void QUiCommonInterface::showFileInFolder(std::string path)
{
    QString text = QString::fromStdString(path);
    text.replace("//", "/");
    text.replace("\\", "/");
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(text).absolutePath()));
}

void QUiCommonInterface::shutdownComputer()
{
    QProcess::startDetached("systemctl", {"poweroff"});
}

void QUiCommonInterface::sleepComputer()
{
    QProcess::startDetached("systemctl", {"suspend"});
}

QString QUiCommonInterface::SystemVersionInfo()
{
    const QString name = QSysInfo::prettyProductName();
    return name.isEmpty() ? QString("Unkown") : name;
}

void QUiCommonInterface::clearFolder(const QString& folder, bool removeSelf)
{
    const QDir::Filters filter = QDir::Dirs | QDir::Files | QDir::Readable | QDir::Writable | QDir::Hidden
                                 | QDir::NoDotAndDotDot;
    QFileInfoList work = QDir(folder).entryInfoList(filter, QDir::Name);
    while (!work.isEmpty()) {
        bool progress = false;
        for (int i = work.size() - 1; i >= 0; --i) {
            const QFileInfo entry = work.at(i);
            if (!entry.isDir() || entry.isSymLink()) {
                QFile::remove(entry.absoluteFilePath());
                work.removeAt(i);
                progress = true;
                continue;
            }
            const QFileInfoList children = QDir(entry.absoluteFilePath()).entryInfoList(filter, QDir::Name);
            if (children.isEmpty()) {
                QDir().rmdir(entry.absoluteFilePath());
                work.removeAt(i);
                progress = true;
                continue;
            }
            for (const QFileInfo& child : children) {
                if (!work.contains(child)) {
                    work.append(child);
                    progress = true;
                }
            }
        }
        // Entries that can be listed but not deleted would keep the walk going for ever.
        if (!progress)
            break;
    }
    if (removeSelf)
        QDir().rmdir(folder);
}

void QUiCommonInterface::setWindowTopHint(QWidget& widget, bool on)
{
    const bool visible = widget.isVisible();
    widget.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible)
        widget.show();
}
