#include "QMediaElementWindow.h"

#include <QMouseEvent>
#include <QPainter>

QMediaElementWindow::QMediaElementWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    setPalette(QPalette(QColor(0, 0, 0, 255)));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setMouseTracking(true);
    m_videoElement->setMouseTracking(true);
}

QMediaElementWindow::~QMediaElementWindow() = default;

void QMediaElementWindow::setVideoElementSize(int width, int height)
{
    if (width < 1 || height < 1)
        return;
    m_videoWidth = width;
    m_videoHeight = height;

    const int windowWidth = this->width();
    const int windowHeight = this->height();
    // Compared in single precision, so ratios a rounding apart count as equal.
    const float videoRatio = float(double(width) / height);
    const float windowRatio = float(double(windowWidth) / windowHeight);
    int fitWidth = width;
    int fitHeight = height;
    if (videoRatio > windowRatio) {
        fitWidth = windowWidth;
        fitHeight = int(double(qint64(height) * windowWidth) / width);
    } else if (windowRatio >= videoRatio) {
        fitHeight = windowHeight;
        fitWidth = int(double(qint64(width) * windowHeight) / height);
    }
    m_videoElement->setGeometry((windowWidth - fitWidth) / 2, (windowHeight - fitHeight) / 2, fitWidth, fitHeight);
    emit emitVideoElementSizeChange(m_videoElement->geometry());
}

QRect QMediaElementWindow::getVideoElementRect() const
{
    return m_videoElement->geometry();
}

WId QMediaElementWindow::getVideoElementWid() const
{
    return m_videoElement->winId();
}

void QMediaElementWindow::setHiddenVideoElement(bool hidden)
{
    m_videoElement->setHidden(hidden);
}

void QMediaElementWindow::setVideoElementUpdatesEnabled(bool enabled)
{
    m_videoElement->setUpdatesEnabled(enabled);
}

void QMediaElementWindow::updateRepaint()
{
    m_videoElement->repaint();
}

void QMediaElementWindow::resetOpenGl()
{
    m_videoElement->reset();
}

void QMediaElementWindow::showImage(unsigned char* data, unsigned int width, unsigned int height,
                                    unsigned int bytesPerLine)
{
    m_videoElement->showImage(data, width, height, bytesPerLine);
}

void QMediaElementWindow::showYUVImage(unsigned char** planes, int width, int height, int* lineSizes)
{
    m_videoElement->showYUVImage(planes, width, height, lineSizes);
}

void QMediaElementWindow::showNormal()
{
    QWidget::showNormal();
    setVideoElementSize(m_videoWidth, m_videoHeight);
}

void QMediaElementWindow::showFullScreen()
{
    QWidget::showFullScreen();
    setVideoElementSize(m_videoWidth, m_videoHeight);
}

void QMediaElementWindow::refresh() {}

void QMediaElementWindow::mousePressEvent(QMouseEvent* event)
{
    emit emitMousePressEvent(event);
    m_pressPos = event->globalPos();
}

void QMediaElementWindow::mouseReleaseEvent(QMouseEvent* event)
{
    emit emitMouseReleaseEvent(event);
    // A click without a drag toggles playback.
    if (event->globalPos() == m_pressPos)
        emit emitPlayOrPause();
}

void QMediaElementWindow::mouseDoubleClickEvent(QMouseEvent*)
{
    if (isFullScreen())
        QWidget::showNormal();
    else
        QWidget::showFullScreen();
    setVideoElementSize(m_videoWidth, m_videoHeight);
    emit emitFullScreen();
}

void QMediaElementWindow::mouseMoveEvent(QMouseEvent* event)
{
    emit emitMouseMoveEvent(event);
    // In full screen the controls appear while the pointer is near the bottom.
    if (isFullScreen())
        emit emitShowBtn(qRound(event->localPos().y()) > height() - 80);
}

void QMediaElementWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 255));
}
