#include "VelOutputLeftovers.h"

#include "EngineLog.h"

#include "zovAruzIvivu.h"

#include <QDir>
#include <QFile>

namespace {

int removeIn(const QString &folder)
{
    return ZV_RemovePartials_Output(QFile::encodeName(folder).constData());
}

} // namespace

int VelOutputLeftovers::sweep(const QString &root)
{
    if (root.isEmpty() || !QDir(root).exists())
        return 0;
    int removed = removeIn(root);
    const QFileInfoList folders =
        QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &folder : folders) {
        const int here = removeIn(folder.absoluteFilePath());
        removed += here;
        // Only a folder the sweep emptied is ours to remove.
        if (here > 0 && QDir(folder.absoluteFilePath()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            QDir(root).rmdir(folder.fileName());
    }
    if (removed > 0)
        qCInfo(lcEngine).noquote() << "removed" << removed << "partial outputs of an earlier run under" << root;
    return removed;
}
