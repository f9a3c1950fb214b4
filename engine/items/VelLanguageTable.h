#pragma once

#include <QByteArray>
#include <QString>

// English names of ISO 639 language codes as stream tags carry them.
class VelLanguageTable
{
public:
    // Two letters: ISO 639-1; three letters: either ISO 639-2 form, "und" gives
    // "Undefined". Empty for any other length or an unknown code.
    static QString englishName(const QByteArray &code);
    static int rowCount();
};
