#pragma once

#include "QHoverStateWidget.h"

// Base of the segment rows: paints the row's background from its mouse state
// and turns clicks into selection signals.
class CListItemWgt : public QHoverStateWidget
{
    Q_OBJECT

public:
    using QConvertMouseState = QMouseState;

    explicit CListItemWgt(QWidget* parent = nullptr);

    QConvertMouseState getMouseState() const { return QConvertMouseState(m_state); }
    static QColor stateColor(int state);

signals:
    void emitMouseCtrlPress();
    void emitMouseShiftPress();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(CListItemWgt)
};
