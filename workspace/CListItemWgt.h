#pragma once

#include <QWidget>

// Base of the segment rows: keeps the row's mouse state, paints the row's
// background from it and turns clicks into selection signals.
class CListItemWgt : public QWidget
{
    Q_OBJECT

public:
    enum QConvertMouseState { Normal = 0, Hover = 1, Selected = 2 };

    explicit CListItemWgt(QWidget* parent = nullptr);

    void setMouseState(QConvertMouseState state);
    QConvertMouseState getMouseState() const { return m_state; }
    static QColor stateColor(int state);

signals:
    void emitMousePress();
    void emitMouseCtrlPress();
    void emitMouseShiftPress();
    void emitshowTreeMenu();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(CListItemWgt)
    void selectForMenu();

    QConvertMouseState m_state = Normal;
};
