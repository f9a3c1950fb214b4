#include "QCustomImageWidget.h"

#include "QSkinPicture.h"
#include "QStripDraw.h"

#include <QPainter>

QCustomImageWidget::QCustomImageWidget(QWidget* parent) : QStripWidget<QWidget>(parent) {}

bool QCustomImageWidget::setImageForRect(QString path, QRect rect)
{
    m_image = QSkinPicture::image(path);
    const QSize cell = QStripDraw::cellSize(m_image);
    if (rect.width() == 0)
        rect.setWidth(cell.width());
    if (rect.height() == 0)
        rect.setHeight(cell.height());
    setFixedSize(rect.size());
    m_imageRect = rect;
    m_textRect = QRect(0, 0, width(), height());
    return true;
}

void QCustomImageWidget::setImgBtnRect(QRect rect)
{
    setFixedSize(rect.size());
    m_imageRect = rect;
    m_textRect = QRect(0, 0, width(), height());
    update();
}

bool QCustomImageWidget::setBtnImage(QString path)
{
    m_image = QSkinPicture::image(path);
    setFixedSize(QStripDraw::cellSize(m_image));
    m_textRect = QRect(0, 0, width(), height());
    return true;
}

bool QCustomImageWidget::setBtnImageAndText(QString path, QString text, int size)
{
    setBtnImage(path);
    m_text = text;
    m_pixelSize = size;
    return true;
}

QString QCustomImageWidget::getBtnText() { return m_text; }

void QCustomImageWidget::setBtnText(QString text)
{
    m_text = text;
    update();
}

void QCustomImageWidget::setTextRect(QRect rect) { m_textRect = rect; }

void QCustomImageWidget::setTextPOS(int x, int y)
{
    m_textRect.setLeft(x);
    m_textRect.setTop(y);
}

void QCustomImageWidget::setTextPixelSize(int size) { m_pixelSize = size; }
void QCustomImageWidget::setFontFormat(QString family) { m_fontFamily = family; }

bool QCustomImageWidget::setBtnIcon(QString path, bool strip)
{
    m_icon = QSkinPicture::pixmap(path);
    m_iconStrip = strip;
    update();
    return true;
}

void QCustomImageWidget::setBtnMode(bool on) { m_btnMode = on; }

void QCustomImageWidget::paintEvent(QPaintEvent*)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    if (m_imageRect.width() == 0 || m_imageRect.height() == 0)
        m_imageRect = QRect(0, 0, width(), height());

    if (m_btnMode) {
        const int index = cellToDraw(false);
        if (index < 0) {
            painter.drawImage(QPoint(0, 0), m_image);
        } else {
            QStripDraw::drawGrid(painter, m_imageRect, QStripDraw::cell(m_image, index));
            if (m_iconStrip && !m_icon.isNull()) {
                const int w = m_icon.width() / 4;
                QPixmap cell = m_icon.copy(index * w, 0, w, m_icon.height());
                cell.setDevicePixelRatio(2.0);
                drawIcon(painter, cell);
            }
        }
    } else {
        QStripDraw::drawGrid(painter, m_imageRect, m_image);
    }
    if (!m_iconStrip && !m_icon.isNull())
        drawIcon(painter, m_icon);

    if (m_text.isEmpty())
        return;
    const QFont saved = painter.font();
    QFont font = saved;
    font.setFamily(m_fontFamily);
    font.setPointSize(m_pixelSize);
    painter.setFont(font);
    painter.setPen(captionColor());
    if (m_textRect.width() == 0)
        m_textRect.setRight(width() - 1 - m_textRect.left());
    if (m_textRect.height() == 0)
        m_textRect.setBottom(height() - 1 - m_textRect.top());
    QStripDraw::drawCaption(painter, m_textRect, m_text);
    painter.setFont(saved);
}
