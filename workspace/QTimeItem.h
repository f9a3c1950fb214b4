#pragma once

#include "TimeItemInfo.h"

#include <QColor>
#include <QWidget>

// One segment box on the time line's strip: a rounded outline whose colour
// follows its state, with the film showing through.
class QTimeItem : public QWidget
{
    Q_OBJECT

public:
    enum QMouseState { Normal = 0, Hover = 1, Selected = 2 };

    explicit QTimeItem(QWidget* parent = nullptr);

    void setItemInfo(const TimeItemInfo& info) { m_info = info; }
    TimeItemInfo getItemInfo() const { return m_info; }
    void setMouseState(int state);
    int getMouseState() const { return m_state; }
    void setTimeItemBGColor(QColor normal, QColor hover, QColor selected, QColor other);
    QColor borderColor() const;

    // The move zone starts this many columns in from the left edge and spans
    // getDragAreaSize() columns.
    int getDragAreaPos() const;
    int getDragAreaSize() const;
    int right() const { return x() + width() - 1; }

signals:
    void emitMousePress();
    void emitShowTreeMenu();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(QTimeItem)
    void selectForMenu();

    int m_state = Normal;
    TimeItemInfo m_info;
    QColor m_colors[4] = {QColor(74, 74, 74), QColor(74, 74, 74), QColor(244, 229, 137), QColor(74, 74, 74)};
};
