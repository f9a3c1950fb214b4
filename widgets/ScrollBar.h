#pragma once

#include <QPixmap>
#include <QScrollBar>

class QImageButton;

// A flat painted vertical scroll bar with arrow buttons that step by 20.
class ScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit ScrollBar(QWidget* parent = nullptr);

    void setImageBackground(QString path);
    void setImageSlider(QString path);
    void setImageSliderMiddle(QString path);
    void setImageUpallow(QString path);
    void setImageDownallow(QString path);
    void setSpecialTreeLeft(bool on);
    // The handle's rows: from its top for its height, in bar pixels.
    QRect handleRect() const;

public slots:
    void UP();
    void DOWN();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(ScrollBar)
    QPixmap m_background;
    QPixmap m_slider;
    QPixmap m_sliderMiddle;
    QImageButton* m_upBtn = nullptr;
    QImageButton* m_downBtn = nullptr;
    bool m_specialTreeLeft = false;
};
