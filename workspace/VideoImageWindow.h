#pragma once
// The player panel's video surface: a black area holding the OpenGL frame view,
// which it keeps at the picture's aspect ratio, letter- or pillar-boxed.

#include "ui_VideoImageWindow.h"

#include <QPoint>
#include <QRect>
#include <QWidget>

class VideoImageWindow : public QWidget, public Ui::VideoImageWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(VideoImageWindow)

public:
    explicit VideoImageWindow(QWidget *parent = nullptr);
    ~VideoImageWindow() override;

    void setVideoSize(int width, int height);
    void setVideoScale(int width, int height);
    void resetOpenGl();
    // Callable from the decoding thread: the view copies and queues the frame.
    void showImage(unsigned char *data, unsigned int width, unsigned int height, unsigned int bytesPerLine);
    void showYUVImage(unsigned char **planes, int width, int height, int *lineSizes);
    void showNormal();
    void showFullScreen();
    WId getWId();
    QRect getVideoRect() const;
    void refresh();
    void ShowImageBorder(bool show);
    void SetImgBorderRect(QRect rect);

    // The view rectangle that a picture of w x h (or of that aspect) gets in a
    // surface of the given size.
    static QRect fittedRect(QSize surface, int width, int height);

signals:
    void emitFullScreen();
    void emitShowBtn(bool show);
    void emitPlayOrPause();
    void emitMouseMove(QMouseEvent *event);
    void emitMouseDown(QMouseEvent *event);
    void emitMouseUp(QMouseEvent *event);
    void emitMouseLeave();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void fitView(int width, int height);

    int m_scaleWidth = 0;
    int m_scaleHeight = 0;
    int m_videoWidth = 0;
    int m_videoHeight = 0;
    QPoint m_pressPos;
    bool m_bShowBorder = false;
    QRect m_borderRect;
};
