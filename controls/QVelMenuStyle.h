#pragma once

#include "QVelMenuStyleAttribute.h"

#include <QProxyStyle>

// Draws a menu's frame, items, separators, marks, icons, texts and sub-menu arrows
// from one attribute record.
class QVelMenuStyle : public QProxyStyle
{
    Q_OBJECT

public:
    QVelMenuStyle();
    ~QVelMenuStyle() override;

    QVelMenuStyleAttribute* attribute() const;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;

    // Each of red, green and blue is b * (100 - f) / 100 + a * f / 100.
    static QColor mergedColors(const QColor& a, const QColor& b, int factor);

private:
    Q_DISABLE_COPY(QVelMenuStyle)
    void drawMenuItem(const class QStyleOptionMenuItem* item, QPainter* painter, const QWidget* widget) const;
    void drawSeparator(const QStyleOptionMenuItem* item, QPainter* painter) const;
    void drawCheckState(const QStyleOptionMenuItem* item, QPainter* painter, const QWidget* widget) const;
    void drawIconTextArrow(const QStyleOptionMenuItem* item, QPainter* painter, const QWidget* widget) const;
    QVelMenuStyleAttribute* m_attribute;
};
