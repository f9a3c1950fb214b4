#include "QCustomImageWidget.h"

#include "QSkinPicture.h"
#include "QStripDraw.h"
#include "QStripState.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

QCustomImageWidget::QCustomImageWidget(QWidget* parent) : QWidget(parent) {}

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

void QCustomImageWidget::setTextColor(QColor color)
{
    m_curColor = color;
    for (QColor& c : m_colors)
        c = color;
}

void QCustomImageWidget::setTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled)
{
    m_colors[0] = normal;
    m_colors[1] = hover;
    m_colors[2] = pressed;
    m_colors[3] = disabled;
}

bool QCustomImageWidget::setBtnIcon(QString path, bool strip)
{
    m_icon = QSkinPicture::pixmap(path);
    m_iconStrip = strip;
    update();
    return true;
}

void QCustomImageWidget::setIconRect(QRect rect) { m_iconRect = rect; }

void QCustomImageWidget::setCheckState(bool checked)
{
    m_check = checked;
    update();
}

void QCustomImageWidget::setOverState(bool on) { m_overState = on; }
void QCustomImageWidget::setBtnMode(bool on) { m_btnMode = on; }

void QCustomImageWidget::setStateNow(int state)
{
    if (state == m_state)
        return;
    m_state = state;
    repaint();
}

void QCustomImageWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (isEnabled())
            setStateNow(QStripState::next(m_state, QStripState::LeftPress, true));
        else
            m_state = 3;
    }
    QWidget::mousePressEvent(event);
}

void QCustomImageWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setStateNow(QStripState::next(m_state, QStripState::LeftRelease, isEnabled()));
    QWidget::mouseReleaseEvent(event);
}

void QCustomImageWidget::enterEvent(QEvent* event)
{
    if (m_btnMode)
        setCursor(Qt::PointingHandCursor);
    setStateNow(QStripState::next(m_state, QStripState::Enter, isEnabled()));
    QWidget::enterEvent(event);
}

void QCustomImageWidget::leaveEvent(QEvent* event)
{
    setStateNow(QStripState::next(m_state, QStripState::Leave, isEnabled()));
    QWidget::leaveEvent(event);
}

void QCustomImageWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        m_state = QStripState::next(m_state, QStripState::EnabledChange, isEnabled());
    QWidget::changeEvent(event);
}

void QCustomImageWidget::drawPictureIcon(QPainter& painter, const QPixmap& icon)
{
    if (m_iconRect.width() == 0)
        m_iconRect.setWidth(icon.width());
    if (m_iconRect.height() == 0)
        m_iconRect.setHeight(icon.height());
    QStripDraw::drawIcon(painter, m_iconRect, icon);
}

void QCustomImageWidget::paintEvent(QPaintEvent*)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    if (m_imageRect.width() == 0 || m_imageRect.height() == 0)
        m_imageRect = QRect(0, 0, width(), height());

    if (m_btnMode) {
        int index = m_state;
        if (m_check) {
            index = 2;
        } else if (m_state >= 0 && m_state <= 3) {
            m_curColor = m_colors[m_state];
            if (m_state == 3 && m_overState)
                index = 2;
        } else {
            index = -1;
        }
        if (index < 0) {
            painter.drawImage(QPoint(0, 0), m_image);
        } else {
            QStripDraw::drawGrid(painter, m_imageRect, QStripDraw::cell(m_image, index));
            if (m_iconStrip && !m_icon.isNull()) {
                const int w = m_icon.width() / 4;
                QPixmap cell = m_icon.copy(index * w, 0, w, m_icon.height());
                cell.setDevicePixelRatio(2.0);
                drawPictureIcon(painter, cell);
            }
        }
    } else {
        QStripDraw::drawGrid(painter, m_imageRect, m_image);
    }
    if (!m_iconStrip && !m_icon.isNull())
        drawPictureIcon(painter, m_icon);

    if (m_text.isEmpty())
        return;
    const QFont saved = painter.font();
    QFont font = saved;
    font.setFamily(m_fontFamily);
    font.setPointSize(m_pixelSize);
    painter.setFont(font);
    painter.setPen(m_curColor);
    if (m_textRect.width() == 0)
        m_textRect.setRight(width() - 1 - m_textRect.left());
    if (m_textRect.height() == 0)
        m_textRect.setBottom(height() - 1 - m_textRect.top());
    QStripDraw::drawCaption(painter, m_textRect, m_text);
    painter.setFont(saved);
}
