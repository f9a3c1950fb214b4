#include "QTextImageButton.h"

#include "QSkinPicture.h"
#include "QStripDraw.h"
#include "QStripState.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

QTextImageButton::QTextImageButton(QWidget* parent) : QPushButton(parent) {}

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

void QTextImageButton::setCheckState(bool checked)
{
    m_check = checked;
    update();
}

void QTextImageButton::seedChick()
{
    click();
}

void QTextImageButton::setOverState(bool on) { m_overState = on; }
void QTextImageButton::setTextPixelSize(int size) { m_pixelSize = size; }
void QTextImageButton::setFontFormat(QString family) { m_fontFamily = family; }
void QTextImageButton::setFontBold(bool bold) { m_bold = bold; }

void QTextImageButton::setTextColor(QColor color)
{
    m_curColor = color;
    for (QColor& c : m_colors)
        c = color;
}

void QTextImageButton::setTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled)
{
    m_colors[0] = normal;
    m_colors[1] = hover;
    m_colors[2] = pressed;
    m_colors[3] = disabled;
}

bool QTextImageButton::setBtnIcon(QString path)
{
    m_icon = QSkinPicture::pixmap(path, 1.0);
    update();
    return true;
}

void QTextImageButton::setIconRect(QRect rect)
{
    m_iconRect = rect;
}

void QTextImageButton::setStateNow(int state)
{
    if (state == m_state)
        return;
    m_state = state;
    repaint();
}

void QTextImageButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (isEnabled())
            setStateNow(QStripState::next(m_state, QStripState::LeftPress, true));
        else
            m_state = 3;
    }
    QPushButton::mousePressEvent(event);
}

void QTextImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setStateNow(QStripState::next(m_state, QStripState::LeftRelease, isEnabled()));
    QPushButton::mouseReleaseEvent(event);
}

void QTextImageButton::enterEvent(QEvent* event)
{
    setCursor(Qt::PointingHandCursor);
    setStateNow(QStripState::next(m_state, QStripState::Enter, isEnabled()));
    QPushButton::enterEvent(event);
}

void QTextImageButton::leaveEvent(QEvent* event)
{
    setStateNow(QStripState::next(m_state, QStripState::Leave, isEnabled()));
    QPushButton::leaveEvent(event);
}

void QTextImageButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        m_state = QStripState::next(m_state, QStripState::EnabledChange, isEnabled());
    QPushButton::changeEvent(event);
}

void QTextImageButton::paintEvent(QPaintEvent*)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    if (m_imageRect.width() == 0 || m_imageRect.height() == 0)
        m_imageRect = QRect(0, 0, width(), height());

    int index = m_state;
    if (m_check) {
        index = 2;
        m_curColor = m_colors[2];
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
        const QImage cell = QStripDraw::cell(m_image, index);
        if (m_gridView)
            QStripDraw::drawGrid(painter, m_imageRect, cell);
        else
            QStripDraw::drawScaled(painter, m_imageRect, cell);
    }

    if (!m_icon.isNull()) {
        if (m_iconRect.width() == 0)
            m_iconRect.setWidth(m_icon.width());
        if (m_iconRect.height() == 0)
            m_iconRect.setHeight(m_icon.height());
        QStripDraw::drawIcon(painter, m_iconRect, m_icon);
    }

    if (!m_text.isEmpty()) {
        const QFont saved = painter.font();
        QFont font = saved;
        font.setWeight(m_bold ? 75 : 50);
        font.setFamily(m_fontFamily);
        font.setPixelSize(m_pixelSize);
        painter.setFont(font);
        painter.setPen(m_curColor);
        QStripDraw::drawCaption(painter, m_textRect, m_text);
        painter.setFont(saved);
    }
}
