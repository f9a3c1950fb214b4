#include "QCheckButton.h"

#include "QSkinPicture.h"
#include "QStripDraw.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

QCheckButton::QCheckButton(QWidget* parent) : QCommonWidget(parent) {}

void QCheckButton::setText(QString text)
{
    m_text = text;
    update();
}

void QCheckButton::setCheckImage(QString checkedPath, QString uncheckedPath)
{
    m_checkedPixmap = QSkinPicture::pixmap(checkedPath);
    m_uncheckedPixmap = QSkinPicture::pixmap(uncheckedPath);
    m_imageRect.setSize(QSize(m_checkedPixmap.width() / 2, m_checkedPixmap.height() / 2));
    m_textRect = rect();
    m_textRect.setLeft(m_imageRect.width() + 5);
    update();
}

void QCheckButton::setFont(const QFont& font)
{
    QCommonWidget::setFont(font);
    m_font = font;
}

void QCheckButton::adjustSize()
{
    if (m_text.isEmpty())
        return;
    const int pictureWidth = m_imageRect.right() + 6 - m_imageRect.left();
    resize(pictureWidth + QFontMetrics(m_font).horizontalAdvance(m_text), height());
}

void QCheckButton::setTextRect(QRect rect) { m_textRect = rect; }

void QCheckButton::setChecked(bool checked)
{
    m_checkState = checked ? Qt::Checked : Qt::Unchecked;
    update();
}

bool QCheckButton::isChecked() { return m_checkState == Qt::Checked; }
int QCheckButton::checkState() { return m_checkState; }
void QCheckButton::setButtonType(bool radio) { m_radio = radio; }

void QCheckButton::mousePressEvent(QMouseEvent* event)
{
    if (!m_radio && m_checkState == Qt::Checked)
        m_checkState = Qt::Unchecked;
    else
        m_checkState = Qt::Checked;
    update();
    emit clicked();
    QWidget::mousePressEvent(event);
}

void QCheckButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);

    QRect pictureRect = m_imageRect;
    if (pictureRect.top() <= 0)
        pictureRect.moveTop((height() - pictureRect.height()) / 2);
    const QPixmap* picture = nullptr;
    if (m_checkState == Qt::Checked)
        picture = &m_checkedPixmap;
    else if (m_checkState == Qt::Unchecked)
        picture = &m_uncheckedPixmap;
    if (picture && !picture->isNull())
        painter.drawPixmap(pictureRect, *picture);

    if (m_text.isEmpty())
        return;
    const QFont saved = painter.font();
    QFont font;
    if (m_commonFont) {
        font = *m_commonFont;
    } else {
        font = saved;
        font.setWeight(50);
        font.setFamily(m_fontFamily);
        font.setPixelSize(m_pixelSize);
    }
    painter.setFont(font);
    painter.setPen(isEnabled() ? m_textColor : m_disColor);
    m_font = font;
    // A rectangle made while the widget was narrower than its picture comes out
    // with a negative width; it is widened like an empty one instead of hiding
    // the caption.
    if (m_textRect.width() <= 0)
        m_textRect.setRight(width() - 1);
    if (m_textRect.height() <= 0)
        m_textRect.setBottom(height() - 1);
    QStripDraw::drawCaption(painter, m_textRect, m_text);
    painter.setFont(saved);
}
