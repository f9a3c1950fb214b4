#include "QSliderCtrlBtn.h"

#include "QSkinPicture.h"
#include "QStripDraw.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

int sliderScreenX(const QMouseEvent* event)
{
    return int(std::floor(event->screenPos().x() + 0.5));
}

static int screenY(const QMouseEvent* event)
{
    return int(std::floor(event->screenPos().y() + 0.5));
}

QSliderCtrlBtn::QSliderCtrlBtn(QWidget* parent) : QPushButton(parent) {}

bool QSliderCtrlBtn::setBtnImage(QString path)
{
    m_image = QSkinPicture::image(path);
    setFixedSize(QStripDraw::cellSize(m_image));
    return true;
}

void QSliderCtrlBtn::setStatePress()
{
    if (m_state == 2)
        return;
    m_state = 2;
    repaint();
}

void QSliderCtrlBtn::setStateNormal()
{
    m_state = 0;
    repaint();
}

bool QSliderCtrlBtn::getMove() { return true; }

void QSliderCtrlBtn::setStateNow(int state)
{
    if (!isEnabled())
        state = 3;
    if (state == m_state)
        return;
    m_state = state;
    repaint();
}

void QSliderCtrlBtn::grab(QMouseEvent* event)
{
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    m_grabX = sliderScreenX(event) - origin.x();
    m_grabY = screenY(event) - origin.y();
}

void QSliderCtrlBtn::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        grab(event);
        emit mouseDown(event, m_grabX);
        emit mouseDownY(event, m_grabY);
        setStateNow(2);
    }
    QPushButton::mousePressEvent(event);
}

void QSliderCtrlBtn::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        grab(event);
        emit mouseUp(event, m_grabX);
        emit mouseUpY(event, m_grabY);
        setStateNow(m_state == 2 ? 0 : m_state);
    }
    QPushButton::mouseReleaseEvent(event);
}

void QSliderCtrlBtn::mouseMoveEvent(QMouseEvent* event)
{
    if (m_state != 2)
        return;
    emit mouseMove(event, m_grabX);
    emit mouseMoveY(event, m_grabY);
}

void QSliderCtrlBtn::enterEvent(QEvent* event)
{
    setStateNow(1);
    QPushButton::enterEvent(event);
}

void QSliderCtrlBtn::leaveEvent(QEvent* event)
{
    setStateNow(m_state == 1 ? 0 : m_state);
    QPushButton::leaveEvent(event);
}

void QSliderCtrlBtn::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        m_state = isEnabled() ? 0 : 3;
    QPushButton::changeEvent(event);
}

void QSliderCtrlBtn::paintEvent(QPaintEvent*)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    int sourceX = 0;
    if (m_state >= 1 && m_state <= 3 && m_image.width() >= 4)
        sourceX = m_state * (m_image.width() / 4);
    const QRect source(sourceX, 0, m_image.width() - sourceX, m_image.height());
    painter.drawImage(QRect(0, 0, source.width() / 2, source.height() / 2), m_image, source);
}
