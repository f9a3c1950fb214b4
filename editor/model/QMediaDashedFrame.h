#pragma once

#include <QImage>
#include <QWidget>

class QTimer;

// A selection box on the preview: handle pieces cut from a border picture at the
// corners, edge middles and (optionally) the centre, joined by white dotted lines.
// It first draws about 100 ms after it is asked to, so a box that is placed and
// moved right after being shown does not flash at its old place.
class QMediaDashedFrame : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(QMediaDashedFrame)

public:
    explicit QMediaDashedFrame(QWidget* parent = nullptr);
    ~QMediaDashedFrame() override;

    // The picture is cut at 1:1 pixels (6 x 6 pieces, a 16 x 16 centre).
    void setImage(QString path);
    void showCenterImage(bool show);
    void setVisible(bool visible) override;
    void paintDashedBorderAngle(QPainter& painter, QImage image);

private slots:
    void UpdateTimer();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    bool m_showCenterImage = true;
    int m_paintCount = 0;
    QTimer* m_timer;
};
