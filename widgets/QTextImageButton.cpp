#include "QTextImageButton.h"

#include "QSkinPicture.h"
#include "QStripDraw.h"

#include <QPainter>

QTextImageButton::QTextImageButton(QWidget* parent) : QStripWidget<QPushButton>(parent) {}

void QTextImageButton::loadImage(const QString& path)
{
    m_image = QSkinPicture::image(path);
}

void QTextImageButton::fixToOneCell()
{
    setFixedSize(QStripDraw::cellSize(m_image));
}

bool QTextImageButton::setBtnImage(QString path)
{
    loadImage(path);
    fixToOneCell();
    m_textRect = QRect(0, 0, width(), height());
    return true;
}

bool QTextImageButton::setBtnImageAndText(QString path, QString text, int pixelSize)
{
    setBtnImage(path);
    m_text = text;
    m_pixelSize = pixelSize;
    return true;
}

bool QTextImageButton::setBtnImageForRect(QString path, QRect rect)
{
    loadImage(path);
    if (rect.width() != 0 && rect.height() != 0) {
        setFixedSize(rect.size());
        m_imageRect = rect;
    } else {
        fixToOneCell();
    }
    m_textRect = QRect(0, 0, width(), height());
    return true;
}

void QTextImageButton::setImgBtnRect(QRect rect)
{
    setFixedSize(rect.size());
    m_imageRect = rect;
    m_textRect = QRect(0, 0, width(), height());
    update();
}

void QTextImageButton::setGridView(bool on)
{
    m_gridView = on;
    update();
}

QString QTextImageButton::getBtnText()
{
    return m_text;
}

void QTextImageButton::setBtnText(QString text)
{
    m_text = text;
    update();
}

void QTextImageButton::setTextRect(QRect rect)
{
    m_textRect = rect;
}

void QTextImageButton::setTextPOS(int x, int y)
{
    m_textPos[0] = x;
    m_textPos[1] = y;
    m_textRect.setLeft(x);
    m_textRect.setTop(y);
}

void QTextImageButton::seedChick()
{
    click();
}

void QTextImageButton::setTextPixelSize(int size) { m_pixelSize = size; }
void QTextImageButton::setFontFormat(QString family) { m_fontFamily = family; }
void QTextImageButton::setFontBold(bool bold) { m_bold = bold; }

bool QTextImageButton::setBtnIcon(QString path)
{
    m_icon = QSkinPicture::pixmap(path, 1.0);
    update();
    return true;
}

void QTextImageButton::paintEvent(QPaintEvent*)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    if (m_imageRect.width() == 0 || m_imageRect.height() == 0)
        m_imageRect = QRect(0, 0, width(), height());

    const int index = cellToDraw(true);
    if (index < 0) {
        painter.drawImage(QPoint(0, 0), m_image);
    } else {
        const QImage cell = QStripDraw::cell(m_image, index);
        if (m_gridView)
            QStripDraw::drawGrid(painter, m_imageRect, cell);
        else
            QStripDraw::drawScaled(painter, m_imageRect, cell);
    }

    if (!m_icon.isNull())
        drawIcon(painter, m_icon);

    if (!m_text.isEmpty()) {
        const QFont saved = painter.font();
        QFont font = saved;
        font.setWeight(m_bold ? 75 : 50);
        font.setFamily(m_fontFamily);
        font.setPixelSize(m_pixelSize);
        painter.setFont(font);
        painter.setPen(captionColor());
        QStripDraw::drawCaption(painter, m_textRect, m_text);
        painter.setFont(saved);
    }
}
