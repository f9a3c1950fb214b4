#pragma once

#include <QString>

// The user guide shipped in the bundle: one local page per interface language,
// Resources/Help/guide_<code>.html, English where a language has none.
class UserGuide
{
public:
    // The page for a language type (0 English ... 4 Japanese) inside folder.
    static QString pageFor(const QString& folder, int languageType);
    // The page for the interface language in use.
    static QString page();
};
