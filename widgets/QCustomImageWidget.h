#pragma once

#include "QStripWidget.h"

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>

// A plain widget drawn from a four-state image strip (or, outside button mode, a
// whole picture) with a caption and an icon: the base of the combo box, the spin
// box and the time field.
class QCustomImageWidget : public QStripWidget<QWidget>
{
    Q_OBJECT

public:
    explicit QCustomImageWidget(QWidget* parent = nullptr);

    bool setImageForRect(QString path, QRect rect);
    void setImgBtnRect(QRect rect);
    bool setBtnImage(QString path);
    bool setBtnImageAndText(QString path, QString text, int size);
    QString getBtnText();
    void setBtnText(QString text);
    void setTextRect(QRect rect);
    void setTextPOS(int x, int y);
    void setTextPixelSize(int size);
    void setFontFormat(QString family);
    bool setBtnIcon(QString path, bool strip);
    void setBtnMode(bool on);

    QRect textRect() const { return m_textRect; }
    QRect imageRect() const { return m_imageRect; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool showsHandCursor() const override { return m_btnMode; }

    QString m_text;

private:
    Q_DISABLE_COPY(QCustomImageWidget)
    QImage m_image;
    QPixmap m_icon;
    bool m_iconStrip = false;
    QRect m_imageRect;
    QRect m_textRect;
    int m_pixelSize = 9;
    QString m_fontFamily = QStringLiteral("Tahoma");
    bool m_btnMode = true;
};
