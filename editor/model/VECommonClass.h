#pragma once

#include <QString>
#include <QVector>

#include <cstdint>

class QWidget;

// Where the editing side finds its pictures and resource packs, plus the few
// system services the editing dialog needs. Static only.
class VECommonClass
{
public:
    VECommonClass() = default;
    virtual ~VECommonClass() = default;

    // The folder holding the application bundle, computed once.
    static QString getResourcePath();
    static void setCustomResPath(QString path);

    // Folders without a trailing "/": the editing pictures and the three pack kinds.
    static QString getCustomResPath();
    static QString getVideoEffectsPath();
    static QString getVideoFramesPath();
    static QString getAudioEffectsPath();

    // Shows the file selected in the desktop's file manager.
    static void setOpenFinder(QString path);
    static void setWindowTopHint(QWidget* widget);

    // UTF-32 of a zero-terminated UTF-8 text, the engine's conversion: an empty
    // buffer for invalid UTF-8, else the code points and a terminating 0.
    static QVector<uint32_t> ConvertCharToUtft32(const char* text);

private:
    static QString resourceSubFolder(const QString& sub);

    static QString m_customResPath;
    static bool m_bCustomSet;
};
