#include "QVelScrollBar.h"

#include "QVelScrollBarStyle.h"

QVelScrollBar::QVelScrollBar(QWidget* parent) : QScrollBar(parent)
{
    init();
}

QVelScrollBar::QVelScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(parent)
{
    init();
    setOrientation(orientation);
}

QVelScrollBar::~QVelScrollBar()
{
    setStyle(nullptr);
    delete m_style;
}

void QVelScrollBar::init()
{
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    m_style = new QVelScrollBarStyle;
    setStyle(m_style);
}

void QVelScrollBar::setOrientation(Qt::Orientation orientation)
{
    QScrollBar::setOrientation(orientation);
    if (orientation == Qt::Horizontal) {
        setMinimumHeight(10);
        setMaximumHeight(10);
    } else {
        setMinimumWidth(10);
        setMaximumWidth(10);
    }
}

void QVelScrollBar::setStyleAttribute(QVelScrollBarStyleAttribute attribute)
{
    *m_style->attribute() = attribute;
    update();
}

QVelScrollBarStyleAttribute QVelScrollBar::styleAttribute() const { return *m_style->attribute(); }
QVelScrollBarStyle* QVelScrollBar::barStyle() const { return m_style; }
