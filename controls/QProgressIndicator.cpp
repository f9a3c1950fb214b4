#include "QProgressIndicator.h"

#include <QPainter>
#include <QTimerEvent>

#include <algorithm>

class QProgressIndicatorPrivate
{
public:
    int angle = 0;
    int timerId = -1;
    int delay = 40;
    bool displayedWhenStopped = false;
    QColor color = Qt::black;
    int policy = QProgressIndicator::RoundedBars;
};

QProgressIndicator::QProgressIndicator(QWidget* parent)
    : QWidget(parent), d(new QProgressIndicatorPrivate)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
}

QProgressIndicator::~QProgressIndicator()
{
    delete d;
}

int QProgressIndicator::animationDelay() const { return d->delay; }
bool QProgressIndicator::isAnimated() const { return d->timerId != -1; }
bool QProgressIndicator::isDisplayedWhenStopped() const { return d->displayedWhenStopped; }
const QColor& QProgressIndicator::color() const { return d->color; }
void QProgressIndicator::setIndicatorPolicy(IndicatorPolicy policy) { d->policy = policy; }
QSize QProgressIndicator::sizeHint() const { return QSize(20, 20); }
int QProgressIndicator::heightForWidth(int w) const { return w; }
int QProgressIndicator::angle() const { return d->angle; }

void QProgressIndicator::startAnimation()
{
    d->angle = 0;
    if (d->timerId == -1)
        d->timerId = startTimer(d->delay);
}

void QProgressIndicator::stopAnimation()
{
    if (d->timerId != -1)
        killTimer(d->timerId);
    d->timerId = -1;
    update();
}

void QProgressIndicator::setAnimationDelay(int delay)
{
    d->delay = delay;
    if (d->timerId != -1) {
        killTimer(d->timerId);
        d->timerId = startTimer(d->delay);
    }
}

void QProgressIndicator::setDisplayedWhenStopped(bool state)
{
    d->displayedWhenStopped = state;
    update();
}

void QProgressIndicator::setColor(const QColor& color)
{
    d->color = color;
    update();
}

void QProgressIndicator::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != d->timerId) {
        QWidget::timerEvent(event);
        return;
    }
    d->angle = (d->angle + 30) % 360;
    update();
}

void QProgressIndicator::paintEvent(QPaintEvent*)
{
    if (!d->displayedWhenStopped && !isAnimated())
        return;
    QPainter painter(this);
    DrawAnimation(painter);
}

void QProgressIndicator::DrawAnimation(QPainter& painter)
{
    const int side = std::min(width(), height());
    painter.setRenderHint(QPainter::Antialiasing);
    const int outerRadius = int((side - 1) * 0.5);
    const int innerRadius = int((side - 1) * 0.25);
    const int capsuleHeight = outerRadius - innerRadius;
    const int capsuleWidth = side > 32 ? int(capsuleHeight * 0.23) : int(capsuleHeight * 0.35);
    const int capsuleRadius = capsuleWidth / 2;

    for (int i = 0; i < 12; ++i) {
        const float fade = 1.0f - float(i) / 12.0f;
        QColor color = d->color;
        color.setAlphaF(fade);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.save();
        painter.translate((width() - 1) / 2, (height() - 1) / 2);
        painter.rotate(d->angle - 30 * i);
        const int x = int(-capsuleWidth * 0.5);
        if (d->policy == RoundedBars) {
            painter.drawRoundedRect(x, -outerRadius, capsuleWidth, capsuleHeight, capsuleRadius, capsuleRadius);
        } else {
            const int dot = int(fade * float(int(0.6 * capsuleHeight)));
            painter.drawEllipse(x, -outerRadius, dot, dot);
        }
        painter.restore();
    }
}
