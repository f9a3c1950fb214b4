#include "QImageButtonEx.h"

#include "QBaseImageDraw.h"
#include "QIAnyUtil.h"
#include "QSkinPicture.h"

#include <QPainter>

QImageButtonEx::QImageButtonEx(QWidget* parent) : QTextImageButton(parent) {}

void QImageButtonEx::resetCount()
{
    m_count = 0;
    repaint();
}

void QImageButtonEx::addItemCount()
{
    ++m_count;
    repaint();
}

QString QImageButtonEx::badgeText(int count, int* pixelSize)
{
    if (count < 100) {
        *pixelSize = 11;
        return QString::number(count);
    }
    *pixelSize = 9;
    return QStringLiteral("99+");
}

void QImageButtonEx::paintEvent(QPaintEvent* event)
{
    QTextImageButton::paintEvent(event);
    if (m_count <= 0)
        return;
    QPainter painter(this);
    const int w = width();
    const QImage badge = QSkinPicture::image(QIAnyUtil::getResourcePath() + "/image/Common_bg/btn_count.png");
    if (!badge.isNull()) {
        const QImage scaled = badge.scaled(40, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawImage(QPoint(w - 22, 5), scaled);
    }
    int pixelSize = 11;
    const QString text = badgeText(m_count, &pixelSize);
    QFont font = painter.font();
    font.setFamily("Tahoma");
    font.setPixelSize(pixelSize);
    // Narrow enough that a ring of the badge shows all round the text, "99+" included.
    painter.setFont(QBaseImageDraw::fontFittingWidth(font, text, 14));
    painter.setPen(Qt::white);
    painter.drawText(QRect(w - 22, 5, 20, 20), Qt::AlignCenter, text);
}
