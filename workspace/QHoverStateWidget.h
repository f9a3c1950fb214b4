#pragma once

#include <QWidget>

// A segment's widget whose mouse state follows the pointer: hover while the
// pointer is over it unless selected, normal again when it leaves a hover.
// The segment rows and the time line's boxes build on it.
class QHoverStateWidget : public QWidget
{
    Q_OBJECT

public:
    enum QMouseState { Normal = 0, Hover = 1, Selected = 2 };

    explicit QHoverStateWidget(QWidget* parent = nullptr);

    void setMouseState(int state);
    int getMouseState() const { return m_state; }

signals:
    void emitMousePress();
    void emitShowTreeMenu();

protected:
    // A right click: the widget is selected (telling so, when it was not yet)
    // before its menu is asked for.
    void selectForMenu();
    // A press without modifier keys: the left button selects, the right one
    // asks for the menu.
    void plainPress(Qt::MouseButton button);
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

    int m_state = Normal;

private:
    Q_DISABLE_COPY(QHoverStateWidget)
};
