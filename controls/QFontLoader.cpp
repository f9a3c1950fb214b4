#include "QFontLoader.h"
#include "ControlsLog.h"

#include <QGuiApplication>
#include <QDebug>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

QStringList QFontLoader::fontFiles()
{
    return {QStringLiteral("fonts/tahoma.ttf"), QStringLiteral("fonts/tahomabd.ttf")};
}

bool QFontLoader::useProgramFonts(const QString &resourcePath)
{
    const bool loaded = loadApplicationFonts(resourcePath);
    QFont font = QGuiApplication::font();
    font.setFamily(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    QGuiApplication::setFont(font);
    return loaded;
}

bool QFontLoader::loadApplicationFonts(const QString &resourcePath)
{
    QStringList failed;
    for (const QString &file : fontFiles()) {
        const QString path = resourcePath + QLatin1Char('/') + file;
        if (QFontDatabase::addApplicationFont(path) < 0)
            failed << path;
    }
    // Latin glyphs from the Tahoma lookalike, CJK glyphs from the system's CJK font.
    QFont::insertSubstitutions(QStringLiteral("苹方-简"),
                               {QStringLiteral("Tahoma"), QStringLiteral("WenQuanYi Micro Hei")});
    if (!failed.isEmpty()) {
        qCWarning(lcControls).noquote() << "Cannot load the interface fonts" << failed.join(QStringLiteral(", "))
                             << "- captions fall back to the system's substitute";
        return false;
    }
    return true;
}
