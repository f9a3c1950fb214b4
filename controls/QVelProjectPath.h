#pragma once

#include <QString>

// Path rules of the control library: the bundle-shaped layout (executable folder
// beside Resources/) and per-project folders in the user's standard locations.
class QVelProjectPath
{
public:
    static void formatPath(QString& path);
    static QString getApplicationDirPath();
    static QString getResourcePath(QString sub = QString());
    static void setResourcePathPrefix(QString prefix);
    static QString resourcePathPrefix();
    static void setCommonPathPrefix(QString prefix);
    static QString commonPathPrefix();
    static QString getTempSavePath(QString name = QString(), QString version = QString());
    static QString getDocumentPath(QString name = QString(), QString version = QString());
    static QString getAppDataPath(QString name = QString(), QString version = QString());
    static QString getLogFilePath(QString name = QString(), QString version = QString());

private:
    static QString m_resPrefix;
    static QString m_comPathPrefix;
    static QString m_contentsPath;
};
