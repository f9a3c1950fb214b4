#include "QVelScrollBarStyle.h"

#include "QBaseImageDraw.h"

#include <QPainter>
#include <QStyleOptionSlider>
#include <QWidget>

QVelScrollBarStyle::QVelScrollBarStyle() : QProxyStyle(), m_attribute(new QVelScrollBarStyleAttribute) {}

QVelScrollBarStyle::~QVelScrollBarStyle()
{
    delete m_attribute;
}

QVelScrollBarStyleAttribute* QVelScrollBarStyle::attribute() const { return m_attribute; }

int QVelScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_ScrollBarExtent)
        return m_attribute->extent;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

namespace {

// A handle thinner across than two margins keeps its full thickness.
QRect insetAcross(const QRect& rect, Qt::Orientation orientation, int margin)
{
    const int across = orientation == Qt::Horizontal ? rect.height() : rect.width();
    if (across < 2 * margin)
        return rect;
    return orientation == Qt::Horizontal ? rect.adjusted(0, margin, 0, -margin) : rect.adjusted(margin, 0, -margin, 0);
}

} // namespace

void QVelScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                            const QWidget* widget) const
{
    const auto* source = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !source) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionSlider bar = *source;
    const QVelScrollBarStyleAttribute& a = *m_attribute;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(Qt::NoPen);
    if (widget && widget->testAttribute(Qt::WA_UnderMouse) && widget->isActiveWindow())
        bar.state |= State_MouseOver;
    if (bar.minimum == bar.maximum)
        bar.state &= ~State_Enabled;
    const bool horizontal = bar.orientation == Qt::Horizontal;
    const int thickness = horizontal ? bar.rect.height() : bar.rect.width();
    const double radius = a.radius < 0 ? thickness / 2 : a.radius;

    const QRect addLine = subControlRect(CC_ScrollBar, &bar, SC_ScrollBarAddLine, widget);
    const QRect subLine = subControlRect(CC_ScrollBar, &bar, SC_ScrollBarSubLine, widget);
    const QRect groove = subControlRect(CC_ScrollBar, &bar, SC_ScrollBarGroove, widget);
    painter->fillRect(addLine, a.buttonAreaColor);
    painter->fillRect(subLine, a.buttonAreaColor);
    painter->fillRect(groove, a.grooveColor);
    if (bar.minimum == bar.maximum) {
        painter->restore();
        return;
    }
    const QRect handle = subControlRect(CC_ScrollBar, &bar, SC_ScrollBarSlider, widget);
    // The handle keeps one shape in every look: only its colour and the groove's follow
    // the mouse.
    const QRectF handleShape(insetAcross(handle, bar.orientation, a.handleMargin));
    const bool hoverLook = (bar.state & State_MouseOver) || a.hoverAlways;
    if (!hoverLook) {
        painter->setBrush(a.handleColor);
        painter->drawPath(QBaseImageDraw::GetRoundedRectanglePath(handleShape, radius));
        painter->restore();
        return;
    }
    // The groove changes colour, not shape: a rounded groove over the flat one would read
    // as a second, longer handle.
    painter->fillRect(groove, a.hoverGrooveColor);
    if (bar.subControls & SC_ScrollBarSlider) {
        QColor color = a.handleColor;
        const bool handleActive = bar.activeSubControls & SC_ScrollBarSlider;
        if ((bar.state & State_Enabled) && handleActive) {
            if (bar.state & State_Sunken)
                color = a.handlePressedColor;
            else if (bar.state & State_MouseOver)
                color = a.handleHoverColor;
        }
        painter->setBrush(color);
        painter->drawPath(QBaseImageDraw::GetRoundedRectanglePath(handleShape, radius));
    }
    painter->restore();
}

QImage QVelScrollBarStyle::createImage(QSize size, arrowDirection direction, QColor color, bool frame)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const int w = size.width();
    const int h = size.height();
    if (frame) {
        painter.setPen(QPen(color, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.drawRect(QRect(QPoint(0, 0), QPoint(w - 1, h - 1)));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    QPolygonF triangle;
    switch (direction) {
    case ArrowLeft:
        triangle << QPointF(w * 0.75, h * 0.25) << QPointF(w * 0.75, h * 0.75) << QPointF(w * 0.25, h * 0.5);
        break;
    case ArrowRight:
        triangle << QPointF(w * 0.25, h * 0.25) << QPointF(w * 0.25, h * 0.75) << QPointF(w * 0.75, h * 0.5);
        break;
    case ArrowDown:
        triangle << QPointF(w * 0.25, h * 0.25) << QPointF(w * 0.75, h * 0.25) << QPointF(w * 0.5, h * 0.75);
        break;
    case ArrowUp:
        triangle << QPointF(w * 0.25, h * 0.75) << QPointF(w * 0.75, h * 0.75) << QPointF(w * 0.5, h * 0.25);
        break;
    }
    painter.drawPolygon(triangle);
    return image;
}
