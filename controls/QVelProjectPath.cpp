#include "QVelProjectPath.h"

#include "QIAnyUtil.h"
#include "QProjectConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

QString QVelProjectPath::m_resPrefix;
QString QVelProjectPath::m_comPathPrefix;
QString QVelProjectPath::m_contentsPath;

namespace {

// The executable's folder cut after its last "/": the folder holding bin/ and Resources/.
QString bundleFolderWithSlash()
{
    QString dir = QCoreApplication::applicationDirPath();
    dir.replace("\\", "/");
    const int slash = dir.lastIndexOf('/');
    if (slash >= 0)
        dir = dir.left(slash + 1);
    return dir;
}

QString projectFolder(QString base, QString name, QString version)
{
    if (!QVelProjectPath::commonPathPrefix().isEmpty())
        base = QString("%1/%2").arg(base, QVelProjectPath::commonPathPrefix());
    QProjectConfig* config = QProjectConfig::getProjectConfig();
    QString folder = name.isEmpty() ? config->projectName() : name;
    const QString ver = version.isEmpty() ? config->projectVersionName() : version;
    if (!ver.isEmpty())
        folder = QString("%1 %2").arg(folder, ver);
    QString path = folder.isEmpty() ? base : QString("%1/%2").arg(base, folder);
    QDir dir(path);
    if (!dir.exists() && !dir.mkpath(path))
        return base;
    QVelProjectPath::formatPath(path);
    return path;
}

} // namespace

void QVelProjectPath::formatPath(QString& path)
{
    path.replace("\\", "/");
    path.replace("//", "/");
}

QString QVelProjectPath::getApplicationDirPath()
{
    if (m_contentsPath.isEmpty()) {
        m_contentsPath = bundleFolderWithSlash() + "/";
        formatPath(m_contentsPath);
    }
    return m_contentsPath;
}

QString QVelProjectPath::getResourcePath(QString sub)
{
    QString path = QIAnyUtil::getResourcePath();
    if (!m_resPrefix.isEmpty())
        path += "/" + m_resPrefix;
    if (!sub.isEmpty())
        path += "/" + sub;
    formatPath(path);
    return path;
}

void QVelProjectPath::setResourcePathPrefix(QString prefix) { m_resPrefix = prefix; }
QString QVelProjectPath::resourcePathPrefix() { return m_resPrefix; }
void QVelProjectPath::setCommonPathPrefix(QString prefix) { m_comPathPrefix = prefix; }
QString QVelProjectPath::commonPathPrefix() { return m_comPathPrefix; }

QString QVelProjectPath::getTempSavePath(QString name, QString version)
{
    return projectFolder(QStandardPaths::writableLocation(QStandardPaths::TempLocation), name, version);
}

QString QVelProjectPath::getDocumentPath(QString name, QString version)
{
    return projectFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), name, version);
}

QString QVelProjectPath::getAppDataPath(QString name, QString version)
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const int slash = base.lastIndexOf('/');
    if (slash >= 0)
        base = base.left(slash);
    return projectFolder(base, name, version);
}

QString QVelProjectPath::getLogFilePath(QString, QString)
{
    return getAppDataPath(QString(), QString());
}
