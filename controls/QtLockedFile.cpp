#include "QtLockedFile.h"
#include "ControlsLog.h"

#include <QDebug>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace QtLP_Private {

QtLockedFile::QtLockedFile() = default;

QtLockedFile::QtLockedFile(const QString& name) : QFile(name) {}

QtLockedFile::~QtLockedFile()
{
    if (isOpen())
        unlock();
}

bool QtLockedFile::open(QIODevice::OpenMode mode)
{
    if (mode & QIODevice::Truncate) {
        qCWarning(lcControls, "QtLockedFile::open(): Truncate mode not allowed.");
        return false;
    }
    return QFile::open(mode);
}

bool QtLockedFile::isLocked() const { return m_lockMode != NoLock; }
QtLockedFile::LockMode QtLockedFile::lockMode() const { return m_lockMode; }

bool QtLockedFile::lock(LockMode mode, bool block)
{
    if (!isOpen()) {
        qCWarning(lcControls, "QtLockedFile::lock(): file is not opened");
        return false;
    }
    if (mode == NoLock)
        return unlock();
    if (mode == m_lockMode)
        return true;
    if (m_lockMode != NoLock)
        unlock();

    struct flock fl;
    std::memset(&fl, 0, sizeof fl);
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0;
    fl.l_type = mode == ReadLock ? F_RDLCK : F_WRLCK;
    const int command = block ? F_SETLKW : F_SETLK;
    if (fcntl(handle(), command, &fl) == -1) {
        if (errno != EINTR && errno != EAGAIN)
            qCWarning(lcControls, "QtLockedFile::lock(): fcntl: %s", std::strerror(errno));
        return false;
    }
    m_lockMode = mode;
    return true;
}

bool QtLockedFile::unlock()
{
    if (!isOpen()) {
        qCWarning(lcControls, "QtLockedFile::unlock(): file is not opened");
        return false;
    }
    if (!isLocked())
        return true;
    struct flock fl;
    std::memset(&fl, 0, sizeof fl);
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0;
    fl.l_type = F_UNLCK;
    if (fcntl(handle(), F_SETLKW, &fl) == -1) {
        qCWarning(lcControls, "QtLockedFile::unlock(): fcntl: %s", std::strerror(errno));
        return false;
    }
    m_lockMode = NoLock;
    return true;
}

} // namespace QtLP_Private
