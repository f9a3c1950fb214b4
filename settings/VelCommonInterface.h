#pragma once

#include <QString>

#include <cstdint>
#include <string>

class QWindow;

// Operating-system services: reveal a file, power actions, the system version
// text, completion of the bundle's property list, a writable-folder probe,
// clocks and sleeps.
class VelCommonInterface
{
public:
    // "//" and "\\" become "/", then the file manager shows the file selected.
    static void showFileInFolder(const std::string &path);
    static void shutdownComputer();
    static void sleepComputer();

    // The distribution's name and the kernel version, "Unkown" when neither
    // can be read.
    static QString SystemVersionInfo();
    // Kernel major, minor and patch numbers; 0 on success, non-zero on failure.
    static int SystemVersionInfoValue(uint32_t &major, uint32_t &minor, uint32_t &bugfix);

    static QString getAppInfoFile();
    static bool isNeedInitInfoFile();
    // Completes the property list at the given path with the version, feed
    // and identity keys when it has no short version yet; writes atomically.
    static void InitInfoToFile(const std::string &infoPlistPath);
    static QString getAppVersion();

    static bool isWritableDir(const QString &folder);

    static uint64_t getSystemTime();
    static uint64_t getDateTime();
    static void Sleep(long long microseconds);

    // The text as NUL-terminated UTF-32 little-endian, in a buffer of this
    // thread that stays valid until the next call on the same thread. Null for
    // a null text.
    static const char *ConvertCharToUtft32(const char *text);
    static QString charToQString(const std::string &text);

    // Keeps the window above ordinary windows. Takes any widget (through its
    // native window) without this library depending on the widgets module;
    // nothing happens when there is no native window.
    template <class Widget>
    static void setWindowTopHint(Widget *widget)
    {
        if (widget)
            setWindowTopHint(widget->windowHandle());
    }
    static void setWindowTopHint(QWindow *window);

    // Whether a property list at path lacks its short version string (also
    // when it cannot be read).
    static bool infoFileNeedsInit(const QString &path);
};
