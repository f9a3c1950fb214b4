#pragma once

#include <QCoreApplication>
#include <QString>

// The bundle rule the program uses: the executable's folder cut after its last "/",
// then "Resources". Test executables live in <build>/tests, beside <build>/Resources.
inline QString resourceRoot()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return dir.left(dir.lastIndexOf(QLatin1Char('/')) + 1) + QStringLiteral("Resources");
}
