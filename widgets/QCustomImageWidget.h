#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

// A plain widget drawn from a four-state image strip (or, outside button mode, a
// whole picture) with a caption and an icon: the base of the combo box, the spin
// box and the time field.
class QCustomImageWidget : public QWidget
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
    void setTextColor(QColor color);
    void setTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled);
    bool setBtnIcon(QString path, bool strip);
    void setIconRect(QRect rect);
    void setCheckState(bool checked);
    void setOverState(bool on);
    void setBtnMode(bool on);

    int state() const { return m_state; }
    QRect textRect() const { return m_textRect; }
    QRect imageRect() const { return m_imageRect; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

    QString m_text;

private:
    Q_DISABLE_COPY(QCustomImageWidget)
    void setStateNow(int state);
    void drawPictureIcon(QPainter& painter, const QPixmap& icon);

    int m_state = 0;
    bool m_overState = false;
    QImage m_image;
    QPixmap m_icon;
    bool m_iconStrip = false;
    QRect m_imageRect;
    QRect m_textRect;
    QRect m_iconRect = QRect(0, 0, 24, 24);
    bool m_check = false;
    int m_pixelSize = 9;
    QString m_fontFamily = QStringLiteral("Tahoma");
    bool m_btnMode = true;
    QColor m_curColor = Qt::black;
    QColor m_colors[4] = {Qt::black, Qt::black, Qt::black, Qt::black};
};
