#pragma once

#include "QStripWidget.h"

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>

// The application's common picture button: one cell of a four-state strip, drawn
// nine-grid into its rectangle, with an optional icon and a caption whose colour
// follows the state.
class QTextImageButton : public QStripWidget<QPushButton>
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
    void seedChick();
    void setTextPixelSize(int size);
    void setFontFormat(QString family);
    void setFontBold(bool bold);
    bool setBtnIcon(QString path);

    QRect textRect() const { return m_textRect; }
    QRect imageRect() const { return m_imageRect; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(QTextImageButton)
    void loadImage(const QString& path);
    void fixToOneCell();

    QImage m_image;
    QPixmap m_icon;
    QString m_text;
    QRect m_textRect;
    int m_textPos[2] = {0, 0};
    int m_pixelSize = 12;
    QString m_fontFamily = QStringLiteral("Tahoma");
    bool m_bold = false;
    bool m_gridView = true;
    QRect m_imageRect;
};
