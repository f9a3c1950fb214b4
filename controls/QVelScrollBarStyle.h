#pragma once

#include "QVelScrollBarStyleAttribute.h"

#include <QProxyStyle>

// Flat scroll bar look: plain groove, no arrows, a rounded handle following hover and press.
class QVelScrollBarStyle : public QProxyStyle
{
    Q_OBJECT

public:
    enum arrowDirection { ArrowLeft = 0, ArrowRight = 1, ArrowDown = 2, ArrowUp = 3 };

    QVelScrollBarStyle();
    ~QVelScrollBarStyle() override;

    QVelScrollBarStyleAttribute* attribute() const;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

    static QImage createImage(QSize size, arrowDirection direction, QColor color, bool frame);

private:
    Q_DISABLE_COPY(QVelScrollBarStyle)
    QVelScrollBarStyleAttribute* m_attribute;
};
