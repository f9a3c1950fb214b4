#include "QNinePointsImageDialog.h"

#include "QFrameEdge.h"
#include "QImageButton.h"
#include "QSkinPicture.h"
#include "QStripDraw.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

QPoint globalPixel(const QMouseEvent* event)
{
    return QPoint(int(std::lround(event->screenPos().x())), int(std::lround(event->screenPos().y())));
}

QNinePointsImageDialog::QNinePointsImageDialog(QWidget* parent) : QDialog(parent)
{
    setAttribute(Qt::WA_MouseTracking);
}

void QNinePointsImageDialog::setBackgroundImage(QString path, bool resizable)
{
    m_bgImage = QSkinPicture::image(path);
    const QSize logical(m_bgImage.width() / 2, m_bgImage.height() / 2);
    if (resizable)
        resize(logical);
    else
        setFixedSize(logical);
    m_variableResize = resizable;
    const rectSize corner{m_bgImage.width() / 6, m_bgImage.height() / 6};
    for (rectSize& cell : m_grid)
        cell = corner;
    m_titleRect.setRight(m_titleRect.left() + m_bgImage.width() - 1);
    repaint();
}

void QNinePointsImageDialog::setGridViewInfo(rectSize topLeft, rectSize topRight, rectSize bottomLeft,
                                             rectSize bottomRight)
{
    m_grid[0] = topLeft;
    m_grid[1] = topRight;
    m_grid[2] = bottomLeft;
    m_grid[3] = bottomRight;
    repaint();
}

void QNinePointsImageDialog::setVariableResize(bool on) { m_variableResize = on; }
void QNinePointsImageDialog::setMoveEnabled(bool on) { m_moveEnabled = on; }
void QNinePointsImageDialog::setHorizontalEnable(bool on) { m_horizontalEnable = on; }
void QNinePointsImageDialog::setMoveTop(int height) { m_moveTop = height; }
void QNinePointsImageDialog::setTextPixelSize(int size) { m_titlePixelSize = size; }
void QNinePointsImageDialog::setTextColor(QColor color) { m_titleColor = color; }
void QNinePointsImageDialog::setTitleRect(QRect rect) { m_titleRect = rect; }
void QNinePointsImageDialog::setLogoRect(QRect rect) { m_logoRect = rect; }

void QNinePointsImageDialog::setTitle(QString title)
{
    m_title = title;
    repaint();
}

void QNinePointsImageDialog::setLogoImage(QString path)
{
    m_logoImage = QSkinPicture::image(path);
    m_logoRect.setSize(QSize(m_logoImage.width() / 2, m_logoImage.height() / 2));
    repaint();
}

QImageButton* QNinePointsImageDialog::replaceButton(QImageButton* old, const QString& path, bool show, QPoint at,
                                                    bool enabled)
{
    delete old;
    auto* button = new QImageButton(this);
    button->setBtnImage(path);
    button->setVisible(show);
    button->move(at);
    button->setEnabled(enabled);
    return button;
}

void QNinePointsImageDialog::addCloseBtn(QString path, bool show)
{
    m_closeBtn = replaceButton(m_closeBtn, path, show, QPoint(12, 9), true);
}

void QNinePointsImageDialog::addMinBtn(QString path, bool show)
{
    m_minBtn = replaceButton(m_minBtn, path, show, QPoint(32, 9), false);
}

void QNinePointsImageDialog::addMaxBtn(QString path, bool show)
{
    m_maxBtn = replaceButton(m_maxBtn, path, show, QPoint(52, 9), false);
}

void QNinePointsImageDialog::addRestoreBtn(QString, bool) {}

// Maximising fills the available area of the screen the dialog is on, not the
// whole virtual desktop.
void QNinePointsImageDialog::OnBtnMax()
{
    if (!m_isMax) {
        m_normalRect = geometry();
        QScreen* current = screen() ? screen() : QGuiApplication::primaryScreen();
        setGeometry(current->availableGeometry());
    } else {
        setGeometry(m_normalRect);
    }
    m_isMax = !m_isMax;
}

void QNinePointsImageDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const auto pieces = QImagaeRatioDraw::ninePieces(width(), height(), m_bgImage.width() / 2,
                                                     m_bgImage.height() / 2, m_grid[0], m_grid[1], m_grid[2],
                                                     m_grid[3]);
    if (!m_bgImage.isNull())
        QImagaeRatioDraw::drawPieces(painter, pieces, m_bgImage);

    if (!m_logoImage.isNull()) {
        if (m_logoRect.width() == 0)
            m_logoRect.setWidth(m_logoImage.width() / 2);
        if (m_logoRect.height() == 0)
            m_logoRect.setHeight(m_logoImage.height() / 2);
        painter.drawImage(m_logoRect, m_logoImage, m_logoImage.rect());
    }

    if (m_title.isEmpty())
        return;
    const QFont saved = painter.font();
    QFont font = saved;
    font.setFamily("Tahoma");
    font.setPixelSize(m_titlePixelSize);
    painter.setFont(font);
    painter.setPen(m_titleColor);
    if (m_titleRect.width() == 0)
        m_titleRect.setWidth(width());
    if (m_titleRect.height() == 0)
        m_titleRect.setHeight(20);
    QStripDraw::drawCaption(painter, m_titleRect, m_title);
    painter.setFont(saved);
}

void QNinePointsImageDialog::mousePressEvent(QMouseEvent* event)
{
    m_dragPos = globalPixel(event) - frameGeometry().topLeft();
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void QNinePointsImageDialog::mouseReleaseEvent(QMouseEvent*)
{
    m_pressed = false;
}

void QNinePointsImageDialog::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    if (!m_pressed && !m_isMax && m_variableResize) {
        setCursorAndState(event);
    } else if (m_edge != 0) {
        setFrameGeomtry(event);
        return;
    }
    if (m_pressed && m_dragPos.y() < m_moveTop && !m_isMax && m_moveEnabled)
        move(globalPixel(event) - m_dragPos);
}

void QNinePointsImageDialog::mouseDoubleClickEvent(QMouseEvent*)
{
    if (m_variableResize)
        OnBtnMax();
}

void QNinePointsImageDialog::enterEvent(QEvent*) {}
void QNinePointsImageDialog::leaveEvent(QEvent*) {}

void QNinePointsImageDialog::setCursorAndState(QMouseEvent* event)
{
    m_edge = QFrameEdge::edgeAt(globalPixel(event), geometry(), m_horizontalEnable, QFrameEdge::dialogBands(),
                                &m_edgeOffset);
    setCursor(QFrameEdge::cursorFor(m_edge));
}

void QNinePointsImageDialog::setFrameGeomtry(QMouseEvent* event)
{
    const quint64 count = m_frameCounter++;
    if (count % 2 != 0)
        return;
    const int desktopWidth = QApplication::desktop()->geometry().width();
    const int availableHeight = QGuiApplication::primaryScreen()->availableGeometry().height();
    setGeometry(QFrameEdge::resized(geometry(), m_edge, globalPixel(event), m_edgeOffset, minimumSize(),
                                    desktopWidth - 4, availableHeight));
    update();
}
