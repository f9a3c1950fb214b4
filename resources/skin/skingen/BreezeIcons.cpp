#include "BreezeIcons.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

#include <stdexcept>

BreezeIcons::BreezeIcons(const QString &themeDir)
    : m_themeDir(themeDir)
{
}

QString BreezeIcons::filePath(const QString &source) const
{
    static const QString prefix = QStringLiteral("breeze:");
    if (!source.startsWith(prefix))
        throw std::runtime_error(QStringLiteral("icon \"%1\" is not of the form breeze:<path>").arg(source).toStdString());
    return m_themeDir + QLatin1Char('/') + source.mid(prefix.size());
}

QImage BreezeIcons::render(const QString &source, int pixels, const QColor &tint)
{
    auto cached = m_svgCache.find(source);
    if (cached == m_svgCache.end()) {
        const QString path = filePath(source);
        QFile file(path);
        // Some theme names are links inside the package; open() follows them.
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error(QStringLiteral("missing icon %1 (%2); is breeze-icon-theme installed?")
                                         .arg(source, path).toStdString());
        cached = m_svgCache.insert(source, file.readAll());
    }
    QSvgRenderer renderer(cached.value());
    if (!renderer.isValid())
        throw std::runtime_error(QStringLiteral("icon %1 does not parse as SVG").arg(source).toStdString());

    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, pixels, pixels));
        if (tint.isValid()) {
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(image.rect(), tint);
        }
    }
    return image;
}
