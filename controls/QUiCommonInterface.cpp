#include "QUiCommonInterface.h"

#include "VelCommonInterface.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

// The clocks and the desktop and power services are the system services' own; one
// implementation keeps the power calls behind the seam that tests replace.
quint64 QUiCommonInterface::getSystemTime()
{
    return VelCommonInterface::getSystemTime();
}

quint64 QUiCommonInterface::getDateTime()
{
    return VelCommonInterface::getDateTime();
}

void QUiCommonInterface::Sleep(long long microseconds)
{
    VelCommonInterface::Sleep(microseconds);
}

void QUiCommonInterface::showFileInFolder(std::string path)
{
    VelCommonInterface::showFileInFolder(path);
}

void QUiCommonInterface::shutdownComputer()
{
    VelCommonInterface::shutdownComputer();
}

void QUiCommonInterface::sleepComputer()
{
    VelCommonInterface::sleepComputer();
}

QString QUiCommonInterface::SystemVersionInfo()
{
    return VelCommonInterface::SystemVersionInfo();
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
