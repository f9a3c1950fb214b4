#include "QSkinPicture.h"
#include "WidgetsLog.h"

#include <QDebug>

// An empty path is a caller asking for no picture: it is neither loaded (Qt
// would warn about opening a file without a name) nor a failure worth logging.

QImage QSkinPicture::image(const QString& path, qreal ratio)
{
    if (path.isEmpty())
        return QImage();
    QImage picture(path);
    if (picture.isNull() && !path.isEmpty())
        qCWarning(lcWidgets).noquote() << "Skin picture failed to load:" << path;
    else
        picture.setDevicePixelRatio(ratio);
    return picture;
}

QPixmap QSkinPicture::pixmap(const QString& path, qreal ratio)
{
    if (path.isEmpty())
        return QPixmap();
    QPixmap picture(path);
    if (picture.isNull() && !path.isEmpty())
        qCWarning(lcWidgets).noquote() << "Skin picture failed to load:" << path;
    else
        picture.setDevicePixelRatio(ratio);
    return picture;
}
