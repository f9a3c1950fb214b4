#pragma once

#include <QColor>
#include <QWidget>

// A selectable list item: filled with the colour of its mouse state, selected by
// a click, toggled by a Control-click, and reporting Shift-clicks and context
// clicks for the list to act on.
class QBaseItem : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(QBaseItem)

public:
    // A fixed underlying type: callers may store any int, and every value other
    // than the first three must paint the fourth colour, not be undefined.
    enum QMouseState : int { NormalState = 0, HoverState = 1, SelectedState = 2, FourthState = 3 };

    explicit QBaseItem(QWidget* parent = nullptr);
    ~QBaseItem() override;

    virtual void setMouseState(QBaseItem::QMouseState state);
    QBaseItem::QMouseState getMouseState() const;
    void setBackgroundColor(QColor normal, QColor hover, QColor selected, QColor fourth);
    void setBackgroundColor(QColor color);

signals:
    void emitMousePress();
    void emitMouseShiftPress();
    void emitMouseCtrlPress();
    void emitShowTreeMenu();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void leftPress(Qt::KeyboardModifiers modifiers);
    void rightPress();

    QMouseState m_mouseState = NormalState;
    QColor m_normalColor{53, 53, 68, 255};
    QColor m_hoverColor{60, 60, 77, 255};
    QColor m_selectedColor{60, 60, 77, 255};
    QColor m_fourthColor{53, 53, 68, 255};
};
