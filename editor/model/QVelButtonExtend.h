#pragma once

#include "QVelBaseButton.h"

#include <QColor>
#include <QPixmap>
#include <QRect>

#include <string>

// A skinned button that can also show a colour swatch (the text style dialogs'
// colour buttons) and a picture fitted into a rectangle with its aspect kept
// (the watermark image and cover art buttons).
class QVelButtonExtend : public QVelBaseButton
{
    Q_OBJECT
    Q_DISABLE_COPY(QVelButtonExtend)

public:
    explicit QVelButtonExtend(QWidget* parent = nullptr);
    ~QVelButtonExtend() override;

    // Each returns whether a tag picture is now shown.
    bool setTagImg(QRect rect, QImage image);
    bool setTagImg(QRect rect, QString path);
    // Encoded picture bytes (embedded cover art), any format Qt recognises.
    bool setTagImg(QRect rect, std::string data);
    void setBackgroundColor(QColor color);
    void setIconColor(QColor color);
    void setIconColorRect(QRect rect);

    // Where a picture of the given size is drawn inside rect.
    static QRect fitTagRect(QSize picture, QRect rect);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_hasTagImage = false;
    QPixmap m_tagPixmap;
    QRect m_tagRect;
    QColor m_backgroundColor{255, 0, 0, 255};
    QColor m_iconColor{0, 0, 0, 255};
    QRect m_iconColorRect;
};
