#include "QMediaBorderFrame.h"

#include "QMediaDashedFrame.h"
#include "VECommonClass.h"

#include <QMouseEvent>
#include <QPainter>

QMediaBorderFrame::QMediaBorderFrame(QWidget* parent) : QVelWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
}

// The boxes are children and go with the frame.
QMediaBorderFrame::~QMediaBorderFrame() = default;

QMediaDashedFrame* QMediaBorderFrame::newBox()
{
    auto* box = new QMediaDashedFrame(this);
    box->setImage(VECommonClass::getCustomResPath() + QStringLiteral("/bg_border_line.png"));
    return box;
}

void QMediaBorderFrame::setDashedFrame(QRect rect, bool isVideoRect)
{
    if (!m_dashedFrame) {
        m_dashedFrame = newBox();
        m_dashedFrame->show();
    }
    if (isVideoRect) {
        m_videoRect = rect;
        m_dashedFrame->setGeometry(rect);
        return;
    }
    // -1 marks a number the caller left unset: no offset for x or y, and the
    // right or bottom edge stays at -1.
    const int left = rect.x() == -1 ? 0 : rect.x() + m_videoRect.x();
    const int top = rect.y() == -1 ? 0 : rect.y() + m_videoRect.y();
    const int right = rect.width() == -1 ? -1 : left + rect.width() - 1;
    const int bottom = rect.height() == -1 ? -1 : top + rect.height() - 1;
    m_dashedFrame->setGeometry(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void QMediaBorderFrame::setVideoDashedFrame(QRect rect)
{
    m_videoRect = rect;
}

QRect QMediaBorderFrame::getVideoDashedFrame() const
{
    return m_videoRect;
}

void QMediaBorderFrame::addDashFrameItem(QRect rect)
{
    QMediaDashedFrame* box = newBox();
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->showCenterImage(false);
    box->setGeometry(rect);
    m_itemList.append(box);
}

void QMediaBorderFrame::setDashFrameItemForList(QRect rect, int index)
{
    if (isValid(index))
        m_itemList.at(index)->setGeometry(rect);
}

void QMediaBorderFrame::setDashFrameItemShow(int index, bool show)
{
    if (isValid(index))
        m_itemList.at(index)->setVisible(show);
}

bool QMediaBorderFrame::isValid(int index) const
{
    return index >= 0 && index < m_itemList.size();
}

void QMediaBorderFrame::setDashedFrameRect(QMediaDashedFrame* frame, QRect rect)
{
    if (frame)
        frame->setGeometry(rect);
}

void QMediaBorderFrame::mousePressEvent(QMouseEvent* event)
{
    emit emitMousePressEvent(event);
}

void QMediaBorderFrame::mouseReleaseEvent(QMouseEvent* event)
{
    emit emitMouseReleaseEvent(event);
}

void QMediaBorderFrame::mouseDoubleClickEvent(QMouseEvent*) {}

void QMediaBorderFrame::mouseMoveEvent(QMouseEvent* event)
{
    emit emitMouseMoveEvent(event);
}

void QMediaBorderFrame::paintEvent(QPaintEvent*)
{
    // Alpha 1 keeps the layer invisible but still hit by the mouse everywhere.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 1));
}
