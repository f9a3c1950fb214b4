#include "QDualSlider.h"
#include "WidgetsLog.h"

#include "QBaseImageDraw.h"
#include "QSkinPicture.h"
#include "QSliderCtrlBtn.h"

#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

// Draws a piece of a double-resolution picture; pieces without columns are skipped
// because a source of zero width would otherwise read to the picture's right edge.
void piece(QPainter& painter, QRect target, QRect source, QPixmap& picture)
{
    if (target.width() <= 0 || source.width() <= 0 || picture.isNull())
        return;
    QBaseImageDraw::drawPixmap(painter, target, source, picture);
}

} // namespace

QDualSlider::QDualSlider(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus);
}

int QDualSlider::trackLength() const { return width() - 2 * m_startBtnWidth; }
int QDualSlider::usableSpan() const { return width() - m_marginLeft - m_marginRight; }

// A track length of 0 (before the pictures size the slider) reports 0, not NaN.
double QDualSlider::fraction(double position) const
{
    const int length = trackLength();
    return length > 0 ? position / length : 0.0;
}

bool QDualSlider::setBottomImage(QString path)
{
    m_bottomPixmap = QSkinPicture::pixmap(path);
    m_bottomWidth = m_bottomPixmap.width() / 2;
    m_bottomHeight = m_bottomPixmap.height() / 2;
    return true;
}

bool QDualSlider::setTopImage(QString path)
{
    m_topPixmap = QSkinPicture::pixmap(path);
    return true;
}

bool QDualSlider::setBtnBgImage(QString path)
{
    m_btnBgPixmap = QSkinPicture::pixmap(path);
    return true;
}

void QDualSlider::setCircle(bool on) { m_circle = on; }
void QDualSlider::setCircleLenght(int length) { m_circleLength = length; }
void QDualSlider::setEnabledPull(bool on) { m_pull = on; }
void QDualSlider::setShowValue(bool on) { m_showValue = on; }

void QDualSlider::setValueRange(qint64 minimum, qint64 maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

void QDualSlider::setWidth(int width) { resize(width, 40); }

void QDualSlider::showPlayBtn(bool show)
{
    if (m_playBtn)
        m_playBtn->setVisible(show);
}

void QDualSlider::setBtnHide()
{
    if (m_startBtn)
        m_startBtn->hide();
    m_hideStartBtn = true;
}

void QDualSlider::SetFocusInStartBtn(bool on) { m_focusInStart = on; }
bool QDualSlider::GetFocusInStartBtn() { return m_focusInStart; }

void QDualSlider::resizeToTrack()
{
    resize(m_marginLeft + m_bottomWidth + m_marginRight, std::max(m_bottomHeight, 40));
}

QSliderCtrlBtn* QDualSlider::createHandle()
{
    return new QSliderCtrlBtn(this);
}

QSliderCtrlBtn* QDualSlider::makeHandle(const QString& path, QPixmap& keep,
                                        void (QDualSlider::*moveSlot)(QMouseEvent*, int))
{
    QSliderCtrlBtn* handle = createHandle();
    connect(handle, &QSliderCtrlBtn::mouseMove, this, moveSlot);
    connect(handle, &QSliderCtrlBtn::mouseDown, this, &QDualSlider::btnMousePress);
    connect(handle, &QSliderCtrlBtn::mouseUp, this, &QDualSlider::btnMouseRelease);
    keep = QSkinPicture::pixmap(path);
    handle->setBtnImage(path);
    handle->show();
    return handle;
}

bool QDualSlider::setStartBtnImage(QString path, int yOffset)
{
    if (path.isEmpty()) {
        resize(m_bottomWidth, std::max(m_bottomHeight, 40));
        m_start = 0;
        return true;
    }
    delete m_startBtn;
    m_startBtn = makeHandle(path, m_startPixmap, &QDualSlider::btnMouseMove);
    m_startBtnWidth = m_marginLeft = m_startBtn->width();
    resizeToTrack();
    m_startBtnY = yOffset + (height() - m_startBtn->height()) / 2 + 5;
    m_startBtn->move(0, m_startBtnY);
    m_start = 0;
    return true;
}

bool QDualSlider::setEndBtnImage(QString path)
{
    if (path.isEmpty()) {
        resize(m_bottomWidth, std::max(m_bottomHeight, 40));
    } else {
        delete m_endBtn;
        m_endBtn = makeHandle(path, m_endPixmap, &QDualSlider::btnEndMouseMove);
        m_marginRight = m_endBtn->width();
        resizeToTrack();
        m_endBtn->move(width() - m_marginRight, m_startBtnY);
    }
    m_end = width() - m_marginLeft - m_marginRight;
    return true;
}

bool QDualSlider::setProgressBtnImage(QString path, int y)
{
    delete m_playBtn;
    m_playBtn = makeHandle(path, m_playPixmap, &QDualSlider::btnProMouseMove);
    m_playBtnWidth = m_playBtn->width();
    m_playBtnY = y;
    m_play = m_marginLeft;
    m_playBtn->move(int(m_marginLeft - m_playBtnWidth / 2.0), y);
    return true;
}

static void retip(QWidget* handle, const QString& tip, bool hover)
{
    handle->setToolTip(tip);
    if (hover) {
        QToolTip::hideText();
        QToolTip::showText(QCursor::pos(), tip, handle);
    }
}

void QDualSlider::setStartBtnToolTip(QString tip)
{
    if (m_startBtn)
        retip(m_startBtn, tip, m_hover);
}

void QDualSlider::setEndBtnToolTip(QString tip)
{
    if (m_endBtn)
        retip(m_endBtn, tip, m_hover);
}

void QDualSlider::setStartValue(float percent)
{
    const int length = trackLength();
    if (percent <= m_minimum)
        m_start = 0;
    else if (percent >= 100 * fraction(m_end))
        m_start = m_end;
    else
        m_start = length * percent / 100;
    if (m_start > m_end - 2)
        m_start = m_end - 2;
    if (m_start < 0)
        m_start = 0;
    if (m_startBtn)
        m_startBtn->move(int(m_start), m_startBtnY);
    update();
}

void QDualSlider::setEndValue(float percent)
{
    const int length = trackLength();
    if (percent >= m_maximum)
        m_end = length;
    else if (100 * fraction(m_start) >= percent)
        m_end = m_start;
    else
        m_end = length * percent / 100;
    if (m_end < m_start + 2)
        m_end = m_start + 2;
    if (m_end > length)
        m_end = length;
    if (m_endBtn)
        m_endBtn->move(int(m_end + m_startBtnWidth), m_startBtnY);
    update();
}

void QDualSlider::setPlayValue(float percent, bool notify)
{
    const int span = usableSpan();
    if (percent >= m_maximum)
        m_play = span;
    else if (percent <= m_minimum)
        m_play = 0;
    else
        m_play = span * percent / 100;
    if (m_playBtn)
        m_playBtn->move(int(m_play + m_marginLeft - m_playBtnWidth / 2.0), m_playBtnY);
    if (notify)
        emit sendPlayProValue(fraction(m_play));
}

void QDualSlider::setValue(float value)
{
    if (value >= m_maximum) {
        m_value = 100;
        m_start = usableSpan();
    } else if (value <= m_minimum) {
        m_value = 0;
        m_start = 0;
    } else {
        m_value = value;
        m_start = float(width() - m_marginLeft) * (value - m_minimum) / float(m_maximum - m_minimum);
    }
    if (m_startBtn)
        m_startBtn->move(m_start - m_marginLeft > 0 ? int(m_start - m_marginLeft) : 0, m_startBtnY);
    update();
}

void QDualSlider::resetStartEndValue()
{
    m_start = 0;
    m_end = (m_startBtn && m_endBtn) ? trackLength() : width();
}

float QDualSlider::getStartValue() { return float(fraction(m_start)); }
float QDualSlider::getEndValue() { return float(fraction(m_end)); }
float QDualSlider::getPlayValue() { return float(fraction(m_play)); }

float QDualSlider::getValue()
{
    const int length = m_startBtn ? width() - 2 * m_startBtnWidth : width();
    return length > 0 ? 100 * m_start / length : 0.0f;
}

void QDualSlider::btnMouseMove(QMouseEvent* event, int grabX)
{
    setFocus(Qt::OtherFocusReason);
    if (!m_pull || !m_startBtn)
        return;
    const int x = sliderScreenX(event) - grabX - mapToGlobal(QPoint(0, 0)).x();
    const int limit = m_endBtn ? m_endBtn->x() : width();
    if (x >= m_startBtnWidth / 2 && x + m_startBtn->width() <= limit) {
        m_startBtn->move(x, m_startBtnY);
        m_start = x;
    } else if (x <= m_startBtnWidth / 2) {
        m_startBtn->move(0, m_startBtnY);
        m_start = 0;
    } else {
        m_startBtn->move(limit - m_startBtn->width(), m_startBtnY);
        m_start = limit - m_startBtnWidth;
    }
    setPlayValue(float(100 * fraction(m_start)), false);
    emit sendProgressValue(fraction(m_start));
    emit sendPlayProValue(fraction(m_play));
    repaint();
}

void QDualSlider::btnEndMouseMove(QMouseEvent* event, int grabX)
{
    setFocus(Qt::OtherFocusReason);
    if (!m_pull || !m_endBtn)
        return;
    const int x = sliderScreenX(event) - grabX - mapToGlobal(QPoint(0, 0)).x();
    const int floor = m_startBtn ? m_startBtn->x() + m_startBtn->width() : 0;
    if (x <= floor) {
        m_endBtn->move(floor, m_startBtnY);
        m_end = floor - m_startBtnWidth;
    } else if (x + m_startBtnWidth >= width()) {
        m_endBtn->move(width() - m_startBtnWidth, m_startBtnY);
        m_end = trackLength();
    } else {
        m_endBtn->move(x, m_startBtnY);
        m_end = x - 1 - m_startBtnWidth;
    }
    setPlayValue(float(100 * fraction(m_end)), false);
    emit sendEndProgressValue(fraction(m_end));
    emit sendPlayProValue(fraction(m_play));
    repaint();
}

void QDualSlider::btnProMouseMove(QMouseEvent* event, int grabX)
{
    setFocus(Qt::OtherFocusReason);
    if (!m_pull || !m_playBtn)
        return;
    const int x = sliderScreenX(event) - grabX - mapToGlobal(QPoint(0, 0)).x();
    const int half = m_playBtnWidth / 2;
    if (x <= m_marginLeft - half) {
        m_playBtn->move(m_marginLeft - half, m_playBtnY);
        m_play = 0;
    } else if (x + m_startBtnWidth >= width() - 1 - half) {
        m_playBtn->move(width() - 1 - half - m_marginRight, m_playBtnY);
        m_play = usableSpan();
    } else {
        m_playBtn->move(x, m_playBtnY);
        m_play = x - half;
    }
    emit sendPlayProValue(fraction(m_play));
}

void QDualSlider::btnMousePress(QMouseEvent*, int)
{
    if (m_startBtn)
        m_focusInStart = sender() == m_startBtn;
    emit emitMousePress();
}

void QDualSlider::btnMouseRelease(QMouseEvent*, int)
{
    emit emitmouseRelease();
}

// Play positioning by pressing on or dragging over the track itself.
void QDualSlider::placePlayAt(int x, bool dragging)
{
    const int half = m_playBtnWidth / 2;
    const int high = width() - 1 - half;
    if (x >= m_marginLeft && x + m_startBtnWidth < high) {
        m_playBtn->move(x - half, m_playBtnY);
        m_play = x - m_marginLeft;
    } else if (dragging ? x <= m_marginLeft : x <= m_marginLeft - half) {
        m_play = 0;
        m_playBtn->move(m_marginLeft - half, m_playBtnY);
    } else if (x + m_startBtnWidth >= high) {
        m_play = usableSpan();
        m_playBtn->move(high - m_marginRight, m_playBtnY);
    }
    emit sendPlayProValue(fraction(m_play));
}

void QDualSlider::mousePressEvent(QMouseEvent* event)
{
    qCDebug(lcWidgets) << "..............QDualSlider::mousePressEvent................";
    emit emitMousePress();
    if (m_pull && m_playBtn)
        placePlayAt(sliderScreenX(event) - mapToGlobal(QPoint(0, 0)).x(), false);
}

void QDualSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton && m_pull && m_playBtn)
        placePlayAt(sliderScreenX(event) - mapToGlobal(QPoint(0, 0)).x(), true);
}

void QDualSlider::mouseReleaseEvent(QMouseEvent*)
{
    if (m_startBtn)
        m_startBtn->setStateNormal();
    emit emitmouseRelease();
}

void QDualSlider::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Left)
        emit emitPreviousFrame();
    else if (event->key() == Qt::Key_Right)
        emit emitNextFrame();
    event->ignore();
}

void QDualSlider::enterEvent(QEvent*)
{
    m_hover = true;
    if (m_pull) {
        setCursor(Qt::PointingHandCursor);
        if (m_hideStartBtn && m_startBtn)
            m_startBtn->show();
    }
}

void QDualSlider::leaveEvent(QEvent*)
{
    m_hover = false;
    if (m_hideStartBtn && m_startBtn)
        m_startBtn->hide();
}

void QDualSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 0, 0, 0));
    if (m_bottomPixmap.isNull() || m_topPixmap.isNull())
        return;
    const int bh = m_bottomHeight;
    const int y0 = (height() - bh) / 2;
    if (m_circle) {
        drawRounded(painter, y0, bh);
        return;
    }
    const int w = width();
    painter.drawPixmap(QRect(m_marginLeft, y0, w - m_marginLeft - m_marginRight, bh), m_bottomPixmap);
    if (int(m_start) > 0)
        painter.drawPixmap(QRect(m_marginLeft, y0, int(m_start), bh), m_topPixmap);
    if (m_showValue)
        painter.drawText(QPoint(w / 2, 11), QString("%1%").arg(int(m_value)));
}

void QDualSlider::drawRounded(QPainter& painter, int y0, int bh)
{
    const int w = width();
    const int K = m_circleLength;
    const int ML = m_marginLeft;
    const int MR = m_marginRight;
    if (!m_btnBgPixmap.isNull()) {
        const int bgw = m_btnBgPixmap.width() / 2;
        const int bgh = m_btnBgPixmap.height() / 2;
        const int bgy = (height() - bgh) / 2;
        piece(painter, QRect(0, bgy, ML, bgh), QRect(0, 0, ML, bgh), m_btnBgPixmap);
        piece(painter, QRect(w - MR, bgy, MR, bgh), QRect(bgw - MR, 0, MR, bgh), m_btnBgPixmap);
    }
    const int bw = m_bottomWidth;
    piece(painter, QRect(ML, y0, K, bh), QRect(0, 0, K, bh), m_bottomPixmap);
    piece(painter, QRect(w - ML - K, y0, K, bh), QRect(bw - K, 0, K, bh), m_bottomPixmap);
    piece(painter, QRect(ML + K, y0, (w - 1 - MR - K) - (ML + K) + 1, bh), QRect(K, 0, bw - 2 * K, bh),
          m_bottomPixmap);
    drawRange(painter, y0, bh);
}

void QDualSlider::drawRange(QPainter& painter, int y0, int bh)
{
    const int K = m_circleLength;
    if (m_startBtn && m_endBtn) {
        const int from = m_startBtn->x() + m_startBtn->width() - 1;
        const int to = m_endBtn->x() - 1;
        piece(painter, QRect(from, y0, to - from + 1, bh), QRect(10, 0, 1, bh), m_topPixmap);
        return;
    }
    const double len = double(m_end) - double(m_start);
    const int tw = m_topPixmap.width() / 2;
    if (len <= K) {
        const int first = int((len + 0.5) / 2);
        const int r = int((len - 0.5) / 2);
        piece(painter, QRect(int(m_start), y0, first, bh), QRect(0, 0, first, bh), m_topPixmap);
        piece(painter, QRect(int(m_end - r), y0, r, bh), QRect(tw - r, 0, r, bh), m_topPixmap);
    } else if (len <= 2 * K) {
        const int first = int(len / 2 + 0.5);
        const int r = int(len / 2 - 0.5);
        piece(painter, QRect(int(m_start), y0, first, bh), QRect(0, 0, first, bh), m_topPixmap);
        piece(painter, QRect(int(m_start + r), y0, r, bh), QRect(tw - r, 0, r, bh), m_topPixmap);
    } else {
        piece(painter, QRect(int(m_start), y0, K, bh), QRect(0, 0, K, bh), m_topPixmap);
        piece(painter, QRect(int(m_end - K), y0, K, bh), QRect(tw - K, 0, K, bh), m_topPixmap);
        piece(painter, QRect(int(m_start + K), y0, int(len - 2 * K + 1), bh), QRect(K, 0, tw - 2 * K, bh),
              m_topPixmap);
    }
}
