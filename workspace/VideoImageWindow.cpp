#include "VideoImageWindow.h"

#include <QMouseEvent>
#include <QPainter>

VideoImageWindow::VideoImageWindow(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
    m_ImageWidget->setUpdatesEnabled(false);
    QPalette pal(QColor(0, 0, 0));
    setPalette(pal);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setMouseTracking(true);
    m_ImageWidget->setMouseTracking(true);
}

VideoImageWindow::~VideoImageWindow() = default;

QRect VideoImageWindow::fittedRect(QSize surface, int width, int height)
{
    const int W = surface.width();
    const int H = surface.height();
    QSize view(width, height);
    if (W > 0 && H > 0 && width > 0 && height > 0) {
        const float picture = float(double(width) / double(height));
        const float area = float(double(W) / double(H));
        if (picture > area)
            view = QSize(W, int(double(qint64(height) * W) / width));
        else
            view = QSize(int(double(qint64(width) * H) / height), H);
    }
    return QRect(QPoint((W - view.width()) / 2, (H - view.height()) / 2), view);
}

void VideoImageWindow::fitView(int width, int height)
{
    if (width < 1 || height < 1)
        return;
    m_ImageWidget->setGeometry(fittedRect(size(), width, height));
}

void VideoImageWindow::setVideoSize(int width, int height)
{
    if (width < 1 || height < 1)
        return;
    m_videoWidth = width;
    m_videoHeight = height;
    fitView(width, height);
}

void VideoImageWindow::setVideoScale(int width, int height)
{
    if (width < 1 || height < 1)
        return;
    m_scaleWidth = width;
    m_scaleHeight = height;
    m_videoWidth = 0;
    m_videoHeight = 0;
    fitView(width, height);
}

void VideoImageWindow::resetOpenGl() { m_ImageWidget->reset(); }

void VideoImageWindow::showImage(unsigned char *data, unsigned int width, unsigned int height,
                                 unsigned int bytesPerLine)
{
    m_ImageWidget->showImage(data, width, height, bytesPerLine);
}

void VideoImageWindow::showYUVImage(unsigned char **planes, int width, int height, int *lineSizes)
{
    m_ImageWidget->showYUVImage(planes, width, height, lineSizes);
}

void VideoImageWindow::showNormal()
{
    QWidget::showNormal();
    fitView(m_videoWidth, m_videoHeight);
}

void VideoImageWindow::showFullScreen()
{
    QWidget::showFullScreen();
    fitView(m_videoWidth, m_videoHeight);
}

WId VideoImageWindow::getWId() { return m_ImageWidget->winId(); }

QRect VideoImageWindow::getVideoRect() const { return m_ImageWidget->geometry(); }

void VideoImageWindow::refresh()
{
    m_ImageWidget->setUpdatesEnabled(true);
    m_ImageWidget->repaint();
    m_ImageWidget->setUpdatesEnabled(false);
}

void VideoImageWindow::ShowImageBorder(bool) {}

void VideoImageWindow::SetImgBorderRect(QRect rect)
{
    m_borderRect = rect;
    repaint();
}

void VideoImageWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0));
}

void VideoImageWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitView(m_videoWidth, m_videoHeight);
}

void VideoImageWindow::enterEvent(QEvent *) { setCursor(Qt::ArrowCursor); }

void VideoImageWindow::leaveEvent(QEvent *) { emit emitMouseLeave(); }

void VideoImageWindow::mousePressEvent(QMouseEvent *event)
{
    emit emitMouseDown(event);
    m_pressPos = event->globalPos();
}

void VideoImageWindow::mouseReleaseEvent(QMouseEvent *event)
{
    emit emitMouseUp(event);
    if (event->globalPos() == m_pressPos)
        emit emitPlayOrPause();
}

void VideoImageWindow::mouseDoubleClickEvent(QMouseEvent *)
{
    if (isFullScreen())
        QWidget::showNormal();
    else
        QWidget::showFullScreen();
    fitView(m_videoWidth, m_videoHeight);
    emit emitFullScreen();
}

void VideoImageWindow::mouseMoveEvent(QMouseEvent *event)
{
    emit emitMouseMove(event);
    if (isFullScreen())
        emit emitShowBtn(qRound(event->localPos().y()) > height() - 80);
}
