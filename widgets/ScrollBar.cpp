#include "ScrollBar.h"

#include "QImageButton.h"
#include "QSkinPicture.h"

#include <QPainter>

#include <algorithm>

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void ScrollBar::setImageBackground(QString path)
{
    m_background = QSkinPicture::pixmap(path);
    update();
}

void ScrollBar::setImageSlider(QString path)
{
    m_slider = QSkinPicture::pixmap(path);
    update();
}

void ScrollBar::setImageSliderMiddle(QString path)
{
    m_sliderMiddle = QSkinPicture::pixmap(path);
    update();
}

void ScrollBar::setImageUpallow(QString path)
{
    delete m_upBtn;
    m_upBtn = new QImageButton(this);
    m_upBtn->setBtnImage(path);
    connect(m_upBtn, &QImageButton::clicked, this, &ScrollBar::UP);
    update();
}

void ScrollBar::setImageDownallow(QString path)
{
    delete m_downBtn;
    m_downBtn = new QImageButton(this);
    m_downBtn->setBtnImage(path);
    connect(m_downBtn, &QImageButton::clicked, this, &ScrollBar::DOWN);
    update();
}

void ScrollBar::setSpecialTreeLeft(bool on) { m_specialTreeLeft = on; }

void ScrollBar::UP()
{
    setValue(value() <= 20 ? 0 : value() - 20);
    update();
}

void ScrollBar::DOWN()
{
    setValue(std::min(value() + 20, maximum()));
    update();
}

QRect ScrollBar::handleRect() const
{
    const int h = height();
    const double total = double(maximum()) + pageStep();
    if (total <= 0)
        return QRect(0, 0, width(), h);
    return QRect(0, int(h * value() / total), width(), int(h * pageStep() / total));
}

void ScrollBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(214, 214, 214, 255));
    painter.fillRect(handleRect(), QColor(174, 176, 164, 255));
}
