#include "qSliderCtrl.h"
#include "WidgetsLog.h"

#include "QImagaeRatioDraw.h"
#include "QProgressCaption.h"
#include "QSkinPicture.h"
#include "QSliderCtrlBtn.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

qSliderCtrl::qSliderCtrl(QWidget* parent) : QWidget(parent) {}

int qSliderCtrl::usable() const { return width() - m_btnWidth; }

// A slider not yet sized by its pictures has no length: it reports 0, not NaN.
double qSliderCtrl::fraction() const
{
    return usable() > 0 ? m_pos / usable() : 0.0;
}

bool qSliderCtrl::setBottomImage(QString path)
{
    m_bottomPixmap = QSkinPicture::pixmap(path);
    m_onTrack = QProgressCaption::readableOn(QProgressCaption::toneOf(m_bottomPixmap.toImage()));
    m_bottomWidth = m_bottomPixmap.width() / 2;
    m_bottomHeight = m_bottomPixmap.height() / 2;
    resize(m_bottomWidth, m_bottomPixmap.height() >= 42 ? m_bottomHeight : 20);
    return true;
}

bool qSliderCtrl::setTopImage(QString path)
{
    m_topPixmap = QSkinPicture::pixmap(path);
    m_onFill = QProgressCaption::readableOn(QProgressCaption::toneOf(m_topPixmap.toImage()));
    return true;
}

bool qSliderCtrl::setBtnImage(QString path)
{
    delete m_btn;
    m_btn = new QSliderCtrlBtn(this);
    connect(m_btn, &QSliderCtrlBtn::mouseMove, this, &qSliderCtrl::btnMouseMove);
    m_btnPixmap = QSkinPicture::pixmap(path);
    m_btn->setBtnImage(path);
    m_btn->show();
    m_btnWidth = m_btn->width();
    if (m_bottomWidth > 0)
        resize(width() + m_btnWidth, height());
    m_btnY = (height() - m_btn->height()) / 2;
    m_btn->move(0, m_btnY);
    m_pos = 0;
    return true;
}

void qSliderCtrl::setCircle(bool on) { m_circle = on; }
void qSliderCtrl::setCircleLenght(int length) { m_circleLength = length; }
void qSliderCtrl::setEnabledPull(bool on) { m_pull = on; }
void qSliderCtrl::setShowValue(bool on) { m_showValue = on; }

void qSliderCtrl::SetVerticalMode(bool on)
{
    m_vertical = on;
    update();
}

void qSliderCtrl::setBtnHide()
{
    if (m_btn)
        m_btn->hide();
    m_hideBtn = true;
}

void qSliderCtrl::setWidth(int width) { resize(width, 20); }

void qSliderCtrl::setValueRange(qint64 minimum, qint64 maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

// The percent counts from the minimum, like the fill: a range of 50 to 150 at 100
// shows 50%, not the 66% a percent of the maximum alone would give.
void qSliderCtrl::setValue(float value)
{
    if (value >= m_maximum) {
        m_percent = 100;
        m_pos = usable();
    } else if (value <= m_minimum) {
        m_percent = 0;
        m_pos = 0;
        if (m_btn)
            m_btn->move(0, m_btnY);
        update();
        return;
    } else {
        const float span = float(m_maximum - m_minimum);
        m_percent = 100 * (value - m_minimum) / span;
        m_pos = usable() * (value - m_minimum) / span;
    }
    if (m_btn)
        m_btn->move(int(m_pos), m_btnY);
    update();
}

void qSliderCtrl::resizeWidth() { setValue(m_percent); }

float qSliderCtrl::getValue() { return float(100 * fraction()); }

void qSliderCtrl::moveTo(float pos)
{
    m_pos = pos;
    if (m_btn)
        m_btn->move(int(pos), m_btnY);
    repaint();
    emit sendProgressValue(fraction());
}

void qSliderCtrl::mousePressEvent(QMouseEvent* event)
{
    if (!m_pull)
        return;
    const int x = sliderScreenX(event) - mapToGlobal(QPoint(0, 0)).x();
    const int half = m_btnWidth / 2;
    if (x < half || x > width() - half)
        return;
    if (m_btn) {
        m_btn->move(x - half, m_btnY);
        m_btn->setStatePress();
    }
    moveTo(x - half);
}

void qSliderCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pull || event->buttons() == Qt::NoButton)
        return;
    const int x = sliderScreenX(event) - mapToGlobal(QPoint(0, 0)).x();
    const int half = m_btnWidth / 2;
    if (x < half)
        moveTo(0);
    else if (x > width() - half)
        moveTo(usable());
    else
        moveTo(x - half);
    qCDebug(lcWidgets) << fraction();
}

void qSliderCtrl::btnMouseMove(QMouseEvent* event, int grabX)
{
    if (!m_pull)
        return;
    const int g = sliderScreenX(event) - grabX - mapToGlobal(QPoint(0, 0)).x();
    if (g >= m_btnWidth / 2 && g <= usable())
        moveTo(g);
    else if (g > m_btnWidth / 2)
        moveTo(usable());
    else
        moveTo(0);
}

void qSliderCtrl::mouseReleaseEvent(QMouseEvent*)
{
    if (m_pull && m_btn)
        m_btn->setStateNormal();
}

void qSliderCtrl::enterEvent(QEvent*)
{
    if (!m_pull)
        return;
    setCursor(Qt::PointingHandCursor);
    if (m_hideBtn && m_btn)
        m_btn->show();
}

void qSliderCtrl::leaveEvent(QEvent*)
{
    if (m_hideBtn && m_btn)
        m_btn->hide();
}

QString qSliderCtrl::valueText() const
{
    if (m_circle || m_vertical)
        return QString("%1%").arg(double(m_percent), 0, 'g', 6);
    return QString("%1%").arg(double(m_percent), 0, 'f', 2);
}

void qSliderCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_vertical) {
        drawVertical(painter);
        return;
    }
    if (m_circle) {
        drawRounded(painter);
        return;
    }
    const int half = m_btnWidth / 2;
    const int y0 = (height() - m_bottomHeight) / 2;
    if (!m_bottomPixmap.isNull())
        painter.drawPixmap(QRect(half, y0, usable(), m_bottomHeight), m_bottomPixmap);
    if (!m_topPixmap.isNull() && int(m_pos) > 0)
        painter.drawPixmap(QRect(half, y0, int(m_pos), m_bottomHeight), m_topPixmap);
    if (m_showValue)
        QProgressCaption::drawAt(painter, QPointF(width() / 2, 11), valueText(),
                                 QRectF(half, 0, int(m_pos), height()), m_onFill, m_onTrack);
}

void qSliderCtrl::drawValueText(QPainter& painter)
{
    const QFont saved = painter.font();
    QFont font("Tahoma");
    font.setPixelSize(12);
    font.setWeight(75);
    painter.setFont(font);
    const QString text = painter.fontMetrics().elidedText(valueText(), Qt::ElideRight, width());
    // Over the fill and over the track the caption takes the colour that reads
    // on each; the skins have light and dark pictures for both.
    QRectF filled;
    QColor onFill(31, 31, 31), onTrack(228, 228, 228);
    if (m_vertical) {
        filled = QRectF(0, (1 - m_percent / 100) * height(), width(), height() * m_percent / 100);
    } else {
        filled = QRectF(0, 0, m_btnWidth / 2 + m_pos, height());
        onFill = m_onFill;
        onTrack = m_onTrack;
    }
    QProgressCaption::draw(painter, rect(), Qt::AlignCenter, text, filled, onFill, onTrack);
    painter.setFont(saved);
}

void qSliderCtrl::drawVertical(QPainter& painter)
{
    const int w = width();
    const int h = height();
    painter.fillRect(QRect(0, 0, w, h), QColor(159, 159, 159, 127));
    const int top = int((1 - m_percent / 100) * h);
    painter.fillRect(QRect(0, top, w, int(h * m_percent / 100)), QColor(206, 205, 205, 229));
    if (m_showValue && m_percent != 0)
        drawValueText(painter);
}

namespace {

// Inclusive corner rectangles as the drawing rules give them; empty pieces are skipped.
void piece(QPainter& painter, QRect target, QRect source, const QPixmap& picture)
{
    if (picture.isNull() || target.width() <= 0 || source.width() <= 0)
        return;
    QImagaeRatioDraw::drawPixmap(painter, target, source, picture);
}

} // namespace

void qSliderCtrl::drawRounded(QPainter& painter)
{
    const int w = width();
    const int K = m_circleLength;
    const int half = m_btnWidth / 2;
    const int bh = m_bottomHeight;
    const int bw = m_bottomWidth;
    const int tw = m_topPixmap.width() / 2;
    const int th = m_topPixmap.height() / 2;
    const int y0 = (height() - bh) / 2;
    const float P = m_pos;

    piece(painter, QRect(half, y0, K, bh), QRect(0, 0, K, bh), m_bottomPixmap);
    piece(painter, QRect(w - K - half, y0, K, bh), QRect(bw - K, 0, K, bh), m_bottomPixmap);
    piece(painter, QRect(half + K, y0, (w - K - (m_btnWidth - half)) - (half + K) + 1, bh),
          QRect(K, 0, bw - 2 * K, bh), m_bottomPixmap);

    if (P <= K) {
        piece(painter, QRect(half, y0, int(P), bh), QRect(0, 0, int(P), bh), m_topPixmap);
    } else if (P <= 2 * K) {
        piece(painter, QRect(half, (height() - th) / 2, K, bh), QRect(0, 0, K - 1, bh), m_topPixmap);
        piece(painter, QRect(half + K, y0, int(P - K), bh), QRect(int(tw - P + K), 0, K, bh), m_topPixmap);
    } else {
        const int m = P >= tw ? tw - K : int(P - 2 * K);
        piece(painter, QRect(half, y0, K, bh), QRect(0, 0, K, bh), m_topPixmap);
        piece(painter, QRect(half + K, y0, int(P - 2 * K), bh), QRect(K, 0, std::max(1, m - K), bh), m_topPixmap);
        piece(painter, QRect(int(half + P - K), y0, K, bh), QRect(tw - K, 0, K, bh), m_topPixmap);
    }
    if (m_showValue)
        drawValueText(painter);
}
