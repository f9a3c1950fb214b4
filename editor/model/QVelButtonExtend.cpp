#include "QVelButtonExtend.h"

#include <QPainter>

QVelButtonExtend::QVelButtonExtend(QWidget* parent) : QVelBaseButton(parent) {}

QVelButtonExtend::~QVelButtonExtend() = default;

bool QVelButtonExtend::setTagImg(QRect rect, QImage image)
{
    m_hasTagImage = !image.isNull();
    if (m_hasTagImage) {
        m_tagPixmap = QPixmap::fromImage(image);
        m_tagRect = rect;
    }
    update();
    return m_hasTagImage;
}

bool QVelButtonExtend::setTagImg(QRect rect, QString path)
{
    m_hasTagImage = !path.isEmpty();
    if (m_hasTagImage) {
        // A file that does not load leaves an empty picture, still "shown".
        m_tagPixmap = QPixmap(path);
        m_tagRect = rect;
    }
    update();
    return m_hasTagImage;
}

bool QVelButtonExtend::setTagImg(QRect rect, std::string data)
{
    const QImage image = data.empty() ? QImage()
                                      : QImage::fromData(reinterpret_cast<const uchar*>(data.data()), int(data.size()));
    return setTagImg(rect, image);
}

void QVelButtonExtend::setBackgroundColor(QColor color)
{
    m_backgroundColor = color;
}

void QVelButtonExtend::setIconColor(QColor color)
{
    m_iconColor = color;
    update();
}

void QVelButtonExtend::setIconColorRect(QRect rect)
{
    m_iconColorRect = rect;
    update();
}

QRect QVelButtonExtend::fitTagRect(QSize picture, QRect rect)
{
    const int pw = picture.width();
    const int ph = picture.height();
    if (pw < ph) {
        const int width = pw * rect.height() / ph;
        return QRect(rect.x() + (rect.width() - width) / 2, rect.y(), width, rect.height());
    }
    if (pw > ph) {
        const int height = ph * rect.width() / pw;
        return QRect(rect.x(), rect.y() + (rect.height() - height) / 2, rect.width(), height);
    }
    return rect;
}

void QVelButtonExtend::paintEvent(QPaintEvent* event)
{
    QVelBaseButton::paintEvent(event);
    QPainter painter(this);
    if (m_hasTagImage) {
        painter.fillRect(rect(), m_backgroundColor);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(fitTagRect(m_tagPixmap.size(), m_tagRect), m_tagPixmap);
    }
    if (m_iconColorRect.isValid()) {
        painter.fillRect(m_iconColorRect, m_iconColor);
        painter.setPen(QColor(128, 128, 128, 255));
        painter.drawRect(m_iconColorRect);
    }
}
