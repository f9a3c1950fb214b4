#include "QImageWidget.h"
#include "WidgetsLog.h"

#include "QSkinPicture.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMouseEvent>
#include <QPainter>

QString QImageWidget::s_strAppPath;

QImageWidget::QImageWidget(QWidget* parent) : QWidget(parent)
{
    if (s_strAppPath.isEmpty())
        s_strAppPath = QCoreApplication::applicationDirPath() + "/";
}

QImageWidget::~QImageWidget() = default;

void QImageWidget::setBackgroundImage(QString path, bool resizable)
{
    m_bgImage = QSkinPicture::image(path);
    const QSize logical(m_bgImage.width() / 2, m_bgImage.height() / 2);
    if (resizable)
        resize(logical);
    else
        setFixedSize(logical);
    const rectSize corner{m_bgImage.width() / 6, m_bgImage.height() / 6};
    for (rectSize& cell : m_grid)
        cell = corner;
    repaint();
}

bool QImageWidget::SetImageBackgroud(QString path, bool fixSize)
{
    m_bgImage = QSkinPicture::image(path);
    if (fixSize)
        setFixedSize(m_bgImage.width() / 2, m_bgImage.height() / 2);
    return true;
}

void QImageWidget::setGridViewInfo(rectSize topLeft, rectSize topRight, rectSize bottomLeft, rectSize bottomRight)
{
    m_grid[0] = topLeft;
    m_grid[1] = topRight;
    m_grid[2] = bottomLeft;
    m_grid[3] = bottomRight;
    repaint();
}

void QImageWidget::setBackgroundColor(int red, int green, int blue)
{
    m_bgColor = std::make_unique<QColor>(red, green, blue);
}

bool QImageWidget::GetGrabEnable() { return m_grabEnable; }
void QImageWidget::SetGrabEnable(bool on) { m_grabEnable = on; }
QString QImageWidget::GetApplicationPath() { return s_strAppPath; }

void QImageWidget::imageDrawRect(QPainter& painter, QRect rect, QImage image)
{
    const auto pieces = QImagaeRatioDraw::thirdPieces(rect.width(), rect.height(), image.width() / 2,
                                                      image.height() / 2);
    QImagaeRatioDraw::drawPieces(painter, pieces, image, rect.topLeft());
}

void QImageWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_bgImage.isNull())
        imageDrawRect(painter, QRect(0, 0, width(), height()), m_bgImage);
    else if (m_bgColor)
        painter.fillRect(rect(), *m_bgColor);
}

void QImageWidget::mousePressEvent(QMouseEvent* event)
{
    if (m_grabEnable)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void QImageWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_grabEnable && m_pressed) {
        move(event->globalPos());
        qCDebug(lcWidgets, "%d %d %d", int(event->button()), event->globalX(), event->globalY());
    }
    QWidget::mouseMoveEvent(event);
}

void QImageWidget::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
}
