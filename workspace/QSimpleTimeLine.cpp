#include "QSimpleTimeLine.h"

#include "QDrawLine.h"
#include "QTimeContainer.h"
#include "QTimeControl.h"
#include "QVelBaseButton.h"

#include <QMouseEvent>
#include <QPainter>

QSimpleTimeLine::QSimpleTimeLine(QWidget* parent) : QWidget(parent)
{
    qRegisterMetaType<TimeItemInfo>("TimeItemInfo");
    setMouseTracking(true);

    m_strip = new QTimeContainer(this);
    connect(m_strip, &QTimeContainer::emitTimeItemInfoChange, this, &QSimpleTimeLine::emitTimeItemInfoChange);
    connect(m_strip, &QTimeContainer::emitDeleteFile, this, &QSimpleTimeLine::emitDeleteFile);
    connect(this, &QSimpleTimeLine::emitMouseMoveEvent, m_strip, &QTimeContainer::mainMouseMoveEvent);
    connect(this, &QSimpleTimeLine::emitMousePressEvent, m_strip, &QTimeContainer::mainMousePressEvent);
    connect(this, &QSimpleTimeLine::emitMouseReleaseEvent, m_strip, &QTimeContainer::mainMouseReleaseEvent);

    m_ruler = new QTimeControl(this);
    m_ruler->setTextColor(QColor(222, 222, 222));
    m_ruler->setLineColor(QColor(119, 119, 119));

    m_button = new QVelBaseButton(this);
    m_button->setEnterIsChangeMouse(false);
    connect(m_button, &QVelBaseButton::mouseMove, this, &QSimpleTimeLine::sliderBtnMouseMove);
    connect(m_button, &QVelBaseButton::mouseEnter, this, &QSimpleTimeLine::sliderBtnMouseEnter);
    connect(m_button, &QVelBaseButton::mouseLeave, this, &QSimpleTimeLine::sliderBtnMouseLeave);
    connect(m_button, &QVelBaseButton::mouseDown, this, &QSimpleTimeLine::sliderBtnMouseDown);
    connect(m_button, &QVelBaseButton::mouseRelease, this, &QSimpleTimeLine::sliderBtnMouseRelease);
    m_button->resize(20, 30);

    m_line = new QDrawLine(this);
    m_line->resize(2, m_line->height());
}

QSimpleTimeLine::~QSimpleTimeLine() = default;

void QSimpleTimeLine::setTime(unsigned long long total)
{
    m_total = total;
    m_ruler->setTime(total);
}

int QSimpleTimeLine::buttonBottom() const
{
    return m_button->y() + m_button->height() - 1;
}

void QSimpleTimeLine::placeAt(int x)
{
    m_button->move(x - m_button->width() / 2, m_buttonY);
    m_line->move(x - m_line->width() / 2, buttonBottom());
}

void QSimpleTimeLine::setProgressValue(double position)
{
    m_position = position;
    const int x = int(usableWidth() * position + 10);
    m_button->move(int(usableWidth() * position + 10 - m_button->width() / 2), m_buttonY);
    m_line->move(x - m_line->width() / 2, buttonBottom());
}

void QSimpleTimeLine::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_ruler->setGeometry(10, 0, w - 20, 37);
    m_strip->setGeometry(10, 38, w - 20, h - 39);
    const double x = (w - 20) * m_position + 10;
    m_button->move(int(x - m_button->width() / 2), m_button->y());
    m_line->resize(m_line->width(), h - buttonBottom());
    m_line->move(int(x - m_line->width() / 2), buttonBottom());
}

void QSimpleTimeLine::addTrimTime(const TimeItemInfo& info)
{
    m_strip->addTimeItem(info);
    m_button->setEnabled(true);
    m_pull = true;
}

void QSimpleTimeLine::addTrimTime()
{
    m_strip->addTimeItem();
}

void QSimpleTimeLine::setCurrentTimeItemInfoChange(const TimeItemInfo& info)
{
    m_strip->setCurrentTimeItemInfoChange(info);
}

void QSimpleTimeLine::timeItemInfoChange(TimeItemInfo info, int index)
{
    m_strip->timeItemInfoChange(info, index);
}

void QSimpleTimeLine::deleteSelectedTimeItem()
{
    m_strip->deleteSelectedTimeItem();
    if (m_strip->count() == 0)
        clearAllData();
}

void QSimpleTimeLine::clearAllData()
{
    m_pull = false;
    m_button->setEnabled(false);
    m_ruler->clearData();
    m_strip->clearAllData();
}

void QSimpleTimeLine::clearContainerData()
{
    m_strip->clearContentData();
}

void QSimpleTimeLine::selectedTimeItemIndex(int index)
{
    m_strip->selectedTimeItemIndex(index);
}

void QSimpleTimeLine::selectedNextItem()
{
    m_strip->nextItem();
}

void QSimpleTimeLine::selectedPreviousItem()
{
    m_strip->previousItem();
}

int QSimpleTimeLine::getCurrentIndex() const
{
    return m_strip->getCurrentIndex();
}

bool QSimpleTimeLine::isAddItem() const
{
    return m_strip->isAddItem();
}

int QSimpleTimeLine::count() const
{
    return m_strip->count();
}

TimeItemInfo QSimpleTimeLine::getCanAddTimeItemInfo() const
{
    return m_strip->getCanAddTimeItemInfo();
}

TimeItemInfo QSimpleTimeLine::getCurrentTimeItemInfo() const
{
    return m_strip->getCurrentTimeItemInfo();
}

void QSimpleTimeLine::setImageCount(int count)
{
    m_strip->setImageCount(count);
}

void QSimpleTimeLine::setImageList(const QImage& frame)
{
    m_strip->setImageList(frame);
}

void QSimpleTimeLine::setTimeColor(QColor text, QColor line, QColor background)
{
    m_ruler->setTextColor(text);
    m_ruler->setLineColor(line);
    m_ruler->setTimeBGColor(background);
}

void QSimpleTimeLine::setBackgroundColor(QColor color)
{
    m_bgColor = color;
    m_strip->setBackgroundColor(color);
    update();
}

void QSimpleTimeLine::setTimeItemBGColor(QColor normal, QColor hover, QColor selected, QColor other)
{
    m_strip->setTimeItemBGColor(normal, hover, selected, other);
}

void QSimpleTimeLine::setSliderLineColor(QColor color)
{
    m_line->setPenColor(color);
}

void QSimpleTimeLine::setSliderButtonImageAndPos(QString path, int y)
{
    m_button->setButtonImage(path, true);
    m_buttonY = y;
    m_button->move(m_button->x(), y);
}

void QSimpleTimeLine::setTimeLineMargins(int left, int top, int right, int bottom)
{
    m_margins[0] = left;
    m_margins[1] = top;
    m_margins[2] = right;
    m_margins[3] = bottom;
}

void QSimpleTimeLine::setTimeLineMargins(QMargins margins)
{
    setTimeLineMargins(margins.left(), margins.top(), margins.right(), margins.bottom());
}

void QSimpleTimeLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_bgColor);
}

void QSimpleTimeLine::mousePressEvent(QMouseEvent* event)
{
    emit emitMousePress();
    const QPoint p = event->pos();
    if (m_ruler->geometry().contains(p) && m_pull) {
        m_pressed = true;
        placeAt(p.x());
        m_position = double(p.x() - 10) / usableWidth();
        emit emitProgressValueChanged(m_position * 100);
    }
    emit emitMousePressEvent(event);
}

void QSimpleTimeLine::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->pos();
    if (m_pressed && m_pull) {
        const int x = qBound(10, p.x(), width() - 10);
        placeAt(x);
        m_position = double(x - 10) / usableWidth();
        emit emitProgressValueChanged(m_position * 100);
    }
    const bool overRuler = p.x() >= 0 && p.x() <= width() - 1 && p.y() >= m_ruler->y()
        && p.y() < m_ruler->y() + m_ruler->height();
    setCursor(overRuler && m_pull ? Qt::PointingHandCursor : Qt::ArrowCursor);
    emit emitMouseMoveEvent(event);
}

void QSimpleTimeLine::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressed = false;
    emit emitMouseReleaseEvent(event);
    emit emitMouseRelease();
}

void QSimpleTimeLine::sliderBtnMouseMove(QMouseEvent* event, int offset)
{
    setFocus();
    if (!m_pull)
        return;
    const int w = width();
    const int bw = m_button->width();
    const int lw = m_line->width();
    const int left = mapFromGlobal(event->globalPos()).x() - offset;
    if (left <= 10 - bw / 2) {
        m_button->move(10 - bw / 2, m_buttonY);
        m_line->move(10 - lw / 2, buttonBottom());
        m_position = 0;
    } else if (left + bw >= w - 10 + bw / 2) {
        m_button->move(w - 10 + bw / 2 - bw, m_buttonY);
        m_line->move(w - 10 - lw / 2, buttonBottom());
        m_position = 1;
    } else {
        m_button->move(left, m_buttonY);
        m_line->move(left + bw / 2 - lw / 2, buttonBottom());
        m_position = double(left + bw / 2 - 10) / usableWidth();
    }
    emit emitProgressValueChanged(m_position * 100);
}

void QSimpleTimeLine::sliderBtnMouseEnter(QEvent*)
{
    setCursor(Qt::PointingHandCursor);
}

void QSimpleTimeLine::sliderBtnMouseLeave(QEvent*)
{
    setCursor(Qt::ArrowCursor);
}

void QSimpleTimeLine::sliderBtnMouseDown(QMouseEvent*, int)
{
    emit emitMousePress();
}

void QSimpleTimeLine::sliderBtnMouseRelease(QMouseEvent*, int)
{
    emit emitMouseRelease();
}
