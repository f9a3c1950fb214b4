#pragma once

#include <QColor>
#include <QWidget>

// The dashed vertical position line of the time line; the mouse passes through it.
class QDrawLine : public QWidget
{
    Q_OBJECT

public:
    explicit QDrawLine(QWidget* parent = nullptr);

    void setPenWidth(int width);
    void setPenColor(QColor color);
    QColor penColor() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(QDrawLine)
    int m_penWidth = 2;
    QColor m_color = QColor(194, 0, 0, 255);
};
