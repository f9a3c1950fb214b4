#pragma once
// What the snapshot programs share: a throw-away HOME, the application font,
// waiting while events run, and writing a widget to a PNG.

#include "QFontLoader.h"
#include "QIAnyUtil.h"
#include "QVelApplicationLook.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

namespace SnapshotSupport {

// Settings and outputs go below the folder, never to the user's HOME. Call
// before the QApplication is made.
inline void useHome(const QTemporaryDir& home)
{
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("ZV_AUDIO", "null");
}

inline void useApplicationFont()
{
    QFontLoader::useProgramFonts(QIAnyUtil::getResourcePath());
    QVelApplicationLook::apply();
}

inline void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

inline bool save(QWidget* widget, const QString& file)
{
    const bool ok = widget->grab().save(file);
    QTextStream(stdout) << (ok ? "wrote " : "could not write ") << file << " (" << widget->width() << "x"
                        << widget->height() << ")\n";
    return ok;
}

} // namespace SnapshotSupport
