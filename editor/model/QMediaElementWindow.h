#pragma once

#include "ui_QMediaElementWindow.h"

#include <QPoint>
#include <QRect>
#include <QWidget>

// One preview surface: a black window with the frame view fitted into it at the
// video's aspect ratio. Frames may be handed in from any thread.
class QMediaElementWindow : public QWidget, private Ui::QMediaElementWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(QMediaElementWindow)

public:
    explicit QMediaElementWindow(QWidget* parent = nullptr);
    ~QMediaElementWindow() override;

    // Fits the picture of a w x h video into the window, centred; nothing for an
    // empty size.
    void setVideoElementSize(int width, int height);
    QRect getVideoElementRect() const;
    WId getVideoElementWid() const;
    void setHiddenVideoElement(bool hidden);
    void setVideoElementUpdatesEnabled(bool enabled);
    void updateRepaint();
    void resetOpenGl();
    void showImage(unsigned char* data, unsigned int width, unsigned int height, unsigned int bytesPerLine);
    void showYUVImage(unsigned char** planes, int width, int height, int* lineSizes);
    // Also refit the picture to the new window size.
    void showNormal();
    void showFullScreen();
    void refresh();

signals:
    void emitMouseMoveEvent(QMouseEvent* event);
    void emitMousePressEvent(QMouseEvent* event);
    void emitMouseReleaseEvent(QMouseEvent* event);
    void emitVideoElementSizeChange(QRect rect);
    void emitFullScreen();
    void emitShowBtn(bool show);
    void emitPlayOrPause();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_videoWidth = 0;
    int m_videoHeight = 0;
    QPoint m_pressPos;
};
