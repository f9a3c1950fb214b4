#pragma once

#include <QFile>

namespace QtLP_Private {

// A file with a whole-file advisory record lock (fcntl), released when the file
// closes or the process ends.
class QtLockedFile : public QFile
{
    Q_OBJECT

public:
    enum LockMode { NoLock = 0, ReadLock = 1, WriteLock = 2 };

    QtLockedFile();
    explicit QtLockedFile(const QString& name);
    ~QtLockedFile() override;

    bool open(QIODevice::OpenMode mode) override;
    bool lock(LockMode mode, bool block = true);
    bool unlock();
    bool isLocked() const;
    LockMode lockMode() const;

private:
    Q_DISABLE_COPY(QtLockedFile)
    LockMode m_lockMode = NoLock;
};

} // namespace QtLP_Private
