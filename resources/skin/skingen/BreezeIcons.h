#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>

// Renders icons of the installed breeze theme, named "breeze:<path under the theme>".
// Throws std::runtime_error for a name outside the theme or an SVG that does not load,
// so a broken manifest fails the build instead of giving an empty picture.
class BreezeIcons
{
public:
    explicit BreezeIcons(const QString &themeDir);

    // The icon drawn into a transparent square of `pixels`, optionally filled with `tint`
    // through its own shape (an invalid colour keeps the icon's colours).
    QImage render(const QString &source, int pixels, const QColor &tint = QColor());

private:
    QString filePath(const QString &source) const;

    QString m_themeDir;
    QHash<QString, QByteArray> m_svgCache;
};
