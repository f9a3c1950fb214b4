#pragma once

#include <QString>
#include <QStringList>

// Start-up font registration. Every caption asks for "Tahoma"; the bundle ships a
// metric-compatible pair in Resources/fonts, which fontconfig does not know about.
// A font resolved before registration stays on its fallback, so main() calls
// loadApplicationFonts() right after the application object exists and before any
// widget, font or application font is created.
class QFontLoader
{
public:
    // Registers Resources/fonts/tahoma.ttf and tahomabd.ttf and maps the family the
    // cut tool bar's buttons ask for ("苹方-简") to Tahoma, then the CJK font.
    // Returns false, after one warning, when a font is missing or unreadable; the
    // program then goes on with fontconfig's substitute.
    static bool loadApplicationFonts(const QString &resourcePath);

    // The program's start-up font setting: the fonts above, then Tahoma at 12 px
    // as the application font. Galleries and snapshot programs call it too, so
    // their pictures show the program's real captions.
    static bool useProgramFonts(const QString &resourcePath);

    // The file names registered, relative to the resources folder.
    static QStringList fontFiles();
};
