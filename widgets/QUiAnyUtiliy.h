#pragma once

#include <QFontDatabase>
#include <QString>
#include <QStringList>
#include <QTime>

// Small interface utilities of the widget set.
class QUiAnyUtiliy
{
public:
    QUiAnyUtiliy();

    // Display scaling needs no set-up before the application object exists here.
    static void QDpiScaleInit();
    static float getDpiScale();
    // Bytes as "B", "KB", "MB", "GB" or "T" text, units of 1024, 2 decimals.
    static QString converSize(quint64 bytes);
    // The executable's folder cut after its last "/", then "/Resources"; cached.
    static QString getResourcePath();
    static QTime intConvertToTime(qint64 micros);
    static qint64 timeConvertToInt(QTime time);
    // The font families of the writing system, under the names the font database
    // gives (fontconfig already reports them localized).
    static QStringList familieNames(QFontDatabase::WritingSystem system);
    // The first of base + ext, base + pattern(1) + ext, ... that does not exist in
    // the folder (as a folder when `isFolder`), without the folder.
    static QString findValidPathName(QString folder, QString baseName, QString extension, QString pattern,
                                     bool isFolder);
};
