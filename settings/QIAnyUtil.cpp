#include "QIAnyUtil.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {
const char kProductFolder[] = "Zededera Raziz Azodor";
}

QString QIAnyUtil::s_appPath;
QString QIAnyUtil::s_resourcePath;
bool QIAnyUtil::s_appPathKnown = false;
bool QIAnyUtil::s_resourcePathKnown = false;

QString QIAnyUtil::bundleRootOf(const QString& executableDir)
{
    QString path = executableDir;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        path.truncate(slash + 1);
    return path;
}

QString QIAnyUtil::getApplicationDirPath()
{
    if (!s_appPathKnown) {
        s_appPath = bundleRootOf(QCoreApplication::applicationDirPath()) + QLatin1Char('/');
        // Before the application object exists the folder is unknown: do not
        // keep that answer for the rest of the run.
        s_appPathKnown = QCoreApplication::instance() != nullptr;
    }
    return s_appPath;
}

QString QIAnyUtil::getResourcePath()
{
    if (!s_resourcePathKnown) {
        s_resourcePath = bundleRootOf(QCoreApplication::applicationDirPath())
                         + QStringLiteral("Resources");
        s_resourcePathKnown = QCoreApplication::instance() != nullptr;
    }
    return s_resourcePath;
}

QString QIAnyUtil::getResourcePathDoubledSeparator()
{
    QString path = getResourcePath();
    return path.insert(path.lastIndexOf(QLatin1Char('/')), QLatin1Char('/'));
}

QString QIAnyUtil::productFolderIn(const QString& parent)
{
    const QString folder = QStringLiteral("%1/%2").arg(parent, QLatin1String(kProductFolder));
    if (QDir(folder).exists() || QDir().mkpath(folder))
        return folder;
    return parent;
}

QString QIAnyUtil::getAppDataPath()
{
    // The generic location is the parent of the per-application one when no
    // organisation is set, and it does not depend on the application name being
    // known yet (no application object, or a test executable's own name).
    return productFolderIn(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString QIAnyUtil::getDocumentPath()
{
    return productFolderIn(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString QIAnyUtil::size2String(quint64 size)
{
    const double unit = 0.0009765625; // 1 / 1024
    if (size <= 1024)
        return QStringLiteral("%1 B").arg(size);
    double value = double(size) * unit;
    if (size <= 0x100000)
        return QString::asprintf("%.2f KB", value);
    value *= unit;
    if (size <= 0x40000000)
        return QString::asprintf("%.2f MB", value);
    value *= unit;
    return QString::asprintf("%.2f GB", value);
}
