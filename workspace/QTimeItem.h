#pragma once

#include "QHoverStateWidget.h"
#include "TimeItemInfo.h"

#include <QColor>

// One segment box on the time line's strip: a rounded outline whose colour
// follows its state, with the film showing through.
class QTimeItem : public QHoverStateWidget
{
    Q_OBJECT

public:
    explicit QTimeItem(QWidget* parent = nullptr);

    void setItemInfo(const TimeItemInfo& info) { m_info = info; }
    TimeItemInfo getItemInfo() const { return m_info; }
    void setTimeItemBGColor(QColor normal, QColor hover, QColor selected, QColor other);
    QColor borderColor() const;

    // The move zone starts this many columns in from the left edge and spans
    // getDragAreaSize() columns.
    int getDragAreaPos() const;
    int getDragAreaSize() const;
    int right() const { return x() + width() - 1; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(QTimeItem)
    TimeItemInfo m_info;
    QColor m_colors[4] = {QColor(74, 74, 74), QColor(74, 74, 74), QColor(244, 229, 137), QColor(74, 74, 74)};
};
