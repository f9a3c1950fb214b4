#pragma once

#include "QVelScrollBarStyleAttribute.h"

#include <QScrollBar>

class QVelScrollBarStyle;

// Thin flat scroll bar (10 pixels across) drawn by its own style.
class QVelScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit QVelScrollBar(QWidget* parent = nullptr);
    QVelScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~QVelScrollBar() override;

    void setOrientation(Qt::Orientation orientation);
    void setStyleAttribute(QVelScrollBarStyleAttribute attribute);
    QVelScrollBarStyleAttribute styleAttribute() const;
    QVelScrollBarStyle* barStyle() const;

private:
    Q_DISABLE_COPY(QVelScrollBar)
    void init();
    QVelScrollBarStyle* m_style = nullptr;
};
