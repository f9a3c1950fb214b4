#pragma once

#include "QImagaeRatioDraw.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <memory>

// The picture-drawn panel base: its double-resolution background is drawn as a
// nine-grid over the whole panel, corners a third of the smaller of panel and
// picture; without a picture a fill colour, when set.
class QImageWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QImageWidget(QWidget* parent = nullptr);
    ~QImageWidget() override;

    void setBackgroundImage(QString path, bool resizable);
    bool SetImageBackgroud(QString path, bool fixSize);
    void setGridViewInfo(rectSize topLeft, rectSize topRight, rectSize bottomLeft, rectSize bottomRight);
    void setBackgroundColor(int red, int green, int blue);
    bool GetGrabEnable();
    void SetGrabEnable(bool on);
    static QString GetApplicationPath();
    void imageDrawRect(QPainter& painter, QRect rect, QImage image);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Q_DISABLE_COPY(QImageWidget)
    QImage m_bgImage;
    bool m_pressed = false;
    bool m_grabEnable = false;
    std::unique_ptr<QColor> m_bgColor;
    rectSize m_grid[4];
    static QString s_strAppPath;
};
