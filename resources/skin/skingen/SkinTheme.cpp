#include "SkinTheme.h"

#include <QHash>
#include <QStringList>

QColor SkinTheme::named(const QString &name)
{
    static const QHash<QString, QColor> colours = {
        {QStringLiteral("deep"), groundDeep},       {QStringLiteral("window"), groundWindow},
        {QStringLiteral("field"), groundField},     {QStringLiteral("panel"), groundPanel},
        {QStringLiteral("raised"), groundRaised},   {QStringLiteral("line"), line},
        {QStringLiteral("select"), selectRow},         {QStringLiteral("accent"), accent},
        {QStringLiteral("alert"), alert},           {QStringLiteral("disabled"), disabled},
    };
    if (colours.contains(name))
        return colours.value(name);
    const QStringList parts = name.split(QLatin1Char(','));
    if (parts.size() != 3)
        return QColor();
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        rgb[i] = parts.at(i).toInt(&ok);
        if (!ok || rgb[i] < 0 || rgb[i] > 255)
            return QColor();
    }
    return QColor(rgb[0], rgb[1], rgb[2]);
}
