#pragma once

#include <QString>

#include <string>

class QWidget;

// Clocks, sleeping and a few desktop services.
class QUiCommonInterface
{
public:
    QUiCommonInterface() = default;

    static quint64 getSystemTime();
    static quint64 getDateTime();
    static void Sleep(long long microseconds);
    static void showFileInFolder(std::string path);
    static void shutdownComputer();
    static void sleepComputer();
    static QString SystemVersionInfo();
    static void clearFolder(const QString& folder, bool removeSelf);
    static void setWindowTopHint(QWidget& widget, bool on);
};
