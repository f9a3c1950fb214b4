#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QWidget>

class QEvent;
class QMouseEvent;
class QPainter;

// What the image-strip widgets share over their Qt base (QWidget or
// QPushButton): the strip state the pointer and the enabled flag move, the
// caption colour of each state, and the icon's rectangle.
template <class Base>
class QStripWidget : public Base
{
public:
    explicit QStripWidget(QWidget* parent = nullptr) : Base(parent) {}

    void setTextColor(QColor color);
    void setTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled);
    void setIconRect(QRect rect) { m_iconRect = rect; }
    void setCheckState(bool checked);
    void setOverState(bool on) { m_overState = on; }

    int state() const { return m_state; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Whether the pointer turns into a hand over the widget.
    virtual bool showsHandCursor() const { return true; }
    // The strip cell the state shows (-1: the whole picture) and, with it, the
    // caption colour; a checked widget shows the pressed cell and takes the
    // pressed colour only when checkedColour is set.
    int cellToDraw(bool checkedColour);
    // The icon scaled into its rectangle, an empty side of which takes the icon's.
    void drawIcon(QPainter& painter, const QPixmap& icon);
    QColor captionColor() const { return m_curColor; }

private:
    void setStateNow(int state);

    bool m_check = false;
    QColor m_curColor = Qt::black;
    int m_state = 0;
    bool m_overState = false;
    QRect m_iconRect = QRect(0, 0, 24, 24);
    QColor m_colors[4] = {Qt::black, Qt::black, Qt::black, Qt::black};
};

extern template class QStripWidget<QWidget>;
extern template class QStripWidget<QPushButton>;
