#pragma once

#include <QPixmap>
#include <QWidget>

class QImage;

// A row's thumbnail: a placeholder picture until the segment's frame arrives,
// then the frame cropped about its centre to fill the widget. The frame is the
// caller's and must outlive its use here.
class MouseImageWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MouseImageWidget(QWidget* parent = nullptr);

    void setAllImage(QString background, QImage* video, QString state);
    void showPlayBtn(bool show);
    void setMAX(bool full);
    void setBackgroundImage(QString path);
    void setVideoImage(QString path);
    void setStateImage(QString path);
    const QImage* videoImage() const { return m_video; }
    // The part of an image of that size that fills a widget of this size.
    static QRect centreCrop(QSize widget, QSize image);

signals:
    void emitMouseRelease();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Q_DISABLE_COPY(MouseImageWidget)
    void setState(int state);

    QPixmap m_background;
    QImage* m_video = nullptr;
    QImage m_ownVideo; // only for setVideoImage
    QPixmap m_statePicture;
    int m_state = 0;
    bool m_full = true;
    bool m_showPlay = false;
};
