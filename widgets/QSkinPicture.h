#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Loading of skin pictures. Every skin picture is double resolution; one that does
// not load comes back empty and its path is written to the warning log, since an
// empty picture otherwise only shows as a control that draws nothing.
class QSkinPicture
{
public:
    static QImage image(const QString& path, qreal ratio = 2.0);
    static QPixmap pixmap(const QString& path, qreal ratio = 2.0);
};
