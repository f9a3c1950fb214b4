#include "MouseImageWidget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

MouseImageWidget::MouseImageWidget(QWidget* parent) : QWidget(parent) {}

void MouseImageWidget::setAllImage(QString background, QImage* video, QString state)
{
    m_background = QPixmap(background);
    m_background.setDevicePixelRatio(2);
    m_statePicture = QPixmap(state);
    m_statePicture.setDevicePixelRatio(2);
    m_video = video;
    if (!m_background.isNull())
        resize(m_background.width() / 2, m_background.height() / 2);
    update();
}

void MouseImageWidget::showPlayBtn(bool show)
{
    m_showPlay = show;
    update();
}

void MouseImageWidget::setMAX(bool full)
{
    m_full = full;
    if (full)
        resize(m_background.width(), m_background.height());
    else
        resize(52, 36);
}

void MouseImageWidget::setBackgroundImage(QString path)
{
    m_background = QPixmap(path);
    resize(m_background.size());
}

void MouseImageWidget::setVideoImage(QString path)
{
    m_ownVideo = QImage(path);
    m_video = &m_ownVideo;
    update();
}

void MouseImageWidget::setStateImage(QString path)
{
    m_statePicture = QPixmap(path);
    update();
}

QRect MouseImageWidget::centreCrop(QSize widget, QSize image)
{
    const qint64 w = widget.width();
    const qint64 h = widget.height();
    const qint64 iw = image.width();
    const qint64 ih = image.height();
    if (w <= 0 || h <= 0)
        return QRect(QPoint(0, 0), image);
    if (w * ih <= h * iw) {
        const int cw = int(w * ih / h);
        return QRect(int((iw - cw) / 2), 0, cw, int(ih));
    }
    const int ch = int(h * iw / w);
    return QRect(0, int((ih - ch) / 2), int(iw), ch);
}

void MouseImageWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (!m_background.isNull())
        painter.drawPixmap(rect(), m_background);
    if (m_video && !m_video->isNull()) {
        painter.fillRect(rect(), Qt::black);
        painter.drawImage(rect(), *m_video, centreCrop(size(), m_video->size()));
    }
    if (!m_statePicture.isNull() && m_showPlay) {
        const int fw = m_statePicture.width() / 8;
        const int fh = m_statePicture.height() / 2;
        const int frame = m_state == 2 ? 2 : (m_state == 1 ? 1 : 0);
        const QRect source(frame * fw * 2, 0, fw * 2, fh * 2);
        painter.drawPixmap(QRect((width() - fw) / 2, (height() - fh) / 2, fw, fh), m_statePicture, source);
    }
}

void MouseImageWidget::setState(int state)
{
    m_state = state;
    update();
}

void MouseImageWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setState(2);
    else
        event->ignore();
}

void MouseImageWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_state == 2) {
        setState(1);
        emit emitMouseRelease();
    }
    QWidget::mouseReleaseEvent(event);
}

void MouseImageWidget::enterEvent(QEvent* event)
{
    setState(1);
    QWidget::enterEvent(event);
}

void MouseImageWidget::leaveEvent(QEvent* event)
{
    setCursor(Qt::ArrowCursor);
    setState(0);
    QWidget::leaveEvent(event);
}
