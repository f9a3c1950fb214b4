#pragma once

#include "QVelWidget.h"

#include <QList>
#include <QRect>

class QMediaDashedFrame;

// A nearly invisible layer over a preview surface that catches the mouse and
// carries the crop box or the overlay boxes. Mouse moves, presses and releases
// are passed on in frame coordinates for the preview player to act on.
class QMediaBorderFrame : public QVelWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(QMediaBorderFrame)

public:
    explicit QMediaBorderFrame(QWidget* parent = nullptr);
    ~QMediaBorderFrame() override;

    // Shows the crop box at rect: with isVideoRect the rectangle is the picture's
    // and is kept as its origin, otherwise it is taken relative to that origin.
    void setDashedFrame(QRect rect, bool isVideoRect);
    void setVideoDashedFrame(QRect rect);
    QRect getVideoDashedFrame() const;

    void addDashFrameItem(QRect rect);
    void setDashFrameItemForList(QRect rect, int index);
    void setDashFrameItemShow(int index, bool show);
    bool isValid(int index) const;
    void setDashedFrameRect(QMediaDashedFrame* frame, QRect rect);

signals:
    void emitMouseMoveEvent(QMouseEvent* event);
    void emitMousePressEvent(QMouseEvent* event);
    void emitMouseReleaseEvent(QMouseEvent* event);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QMediaDashedFrame* newBox();

    QMediaDashedFrame* m_dashedFrame = nullptr;
    QRect m_videoRect;
    QList<QMediaDashedFrame*> m_itemList;
};
