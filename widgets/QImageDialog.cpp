#include "QImageDialog.h"

#include "QFrameMover.h"
#include "QSkinPicture.h"

#include <QMouseEvent>
#include <QPainter>

QString QImageDialog::s_strAppPath;

QImageDialog::QImageDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

bool QImageDialog::SetImageBackgroud(QString path)
{
    m_bgImage = QSkinPicture::image(path);
    setFixedSize(m_bgImage.width() / 2, m_bgImage.height() / 2);
    return true;
}

QString QImageDialog::GetApplicationPath() { return s_strAppPath; }

void QImageDialog::paintEvent(QPaintEvent*)
{
    if (m_bgImage.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_bgImage);
}

void QImageDialog::mousePressEvent(QMouseEvent* event)
{
    m_dragPos = globalPixel(event) - frameGeometry().topLeft();
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void QImageDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed && m_moveEnabled && m_dragPos.y() >= 1 && m_dragPos.y() <= 49)
        move(globalPixel(event) - m_dragPos);
    QWidget::mouseMoveEvent(event);
}

void QImageDialog::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
}
