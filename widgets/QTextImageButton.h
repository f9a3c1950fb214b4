#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QString>

// The application's common picture button: one cell of a four-state strip, drawn
// nine-grid into its rectangle, with an optional icon and a caption whose colour
// follows the state.
class QTextImageButton : public QPushButton
{
    Q_OBJECT

public:
    explicit QTextImageButton(QWidget* parent = nullptr);

    bool setBtnImage(QString path);
    bool setBtnImageAndText(QString path, QString text, int pixelSize);
    bool setBtnImageForRect(QString path, QRect rect);
    void setImgBtnRect(QRect rect);
    void setGridView(bool on);
    QString getBtnText();
    void setBtnText(QString text);
    void setTextRect(QRect rect);
    void setTextPOS(int x, int y);
    void setCheckState(bool checked);
    void seedChick();
    void setOverState(bool on);
    void setTextPixelSize(int size);
    void setFontFormat(QString family);
    void setFontBold(bool bold);
    void setTextColor(QColor color);
    void setTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled);
    bool setBtnIcon(QString path);
    void setIconRect(QRect rect);

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

private:
    Q_DISABLE_COPY(QTextImageButton)
    void loadImage(const QString& path);
    void fixToOneCell();
    void setStateNow(int state);

    QImage m_image;
    QPixmap m_icon;
    QString m_text;
    QRect m_textRect;
    QRect m_iconRect = QRect(0, 0, 24, 24);
    int m_textPos[2] = {0, 0};
    bool m_check = false;
    int m_pixelSize = 12;
    QColor m_curColor = Qt::black;
    QColor m_colors[4] = {Qt::black, Qt::black, Qt::black, Qt::black};
    QString m_fontFamily = QStringLiteral("Tahoma");
    bool m_bold = false;
    int m_state = 0;
    bool m_overState = false;
    bool m_gridView = true;
    QRect m_imageRect;
};
