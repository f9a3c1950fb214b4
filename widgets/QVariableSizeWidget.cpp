#include "QVariableSizeWidget.h"

#include "QFrameEdge.h"
#include "QNinePointsImageDialog.h"
#include "QSkinPicture.h"
#include "QStripDraw.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

QVariableSizeWidget::QVariableSizeWidget(QWidget* parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_MouseTracking);
}

bool QVariableSizeWidget::isMaxSize() { return m_isMax; }

void QVariableSizeWidget::setBackgroundImage(QString path, bool resizable)
{
    m_bgImage = QSkinPicture::image(path);
    m_bgSet = true;
    const QSize logical(m_bgImage.width() / 2, m_bgImage.height() / 2);
    resize(logical);
    if (resizable)
        setMinimumSize(logical.width() - 50, logical.height() - 50);
    m_variableResize = resizable;
    const rectSize corner{m_bgImage.width() / 6, m_bgImage.height() / 6};
    for (rectSize& cell : m_grid)
        cell = corner;
    repaint();
}

void QVariableSizeWidget::setBackgroundTile(QString path, bool resizable)
{
    m_bgImage = QSkinPicture::image(path);
    m_bgSet = true;
    resize(800, 600);
    m_tile = true;
    m_variableResize = resizable;
    repaint();
}

void QVariableSizeWidget::setGridViewInfo(rectSize topLeft, rectSize topRight, rectSize bottomLeft,
                                          rectSize bottomRight)
{
    m_grid[0] = topLeft;
    m_grid[1] = topRight;
    m_grid[2] = bottomLeft;
    m_grid[3] = bottomRight;
    repaint();
}

void QVariableSizeWidget::setLogoImage(QString path)
{
    m_logoImage = QSkinPicture::image(path);
    m_logoRect.setSize(QSize(m_logoImage.width() / 2, m_logoImage.height() / 2));
    repaint();
}

void QVariableSizeWidget::setDlgTitle(QString title)
{
    m_title = title;
    update();
}

void QVariableSizeWidget::setLogoRect(QRect rect) { m_logoRect = rect; }
void QVariableSizeWidget::setTitleRect(QRect rect) { m_titleRect = rect; }
void QVariableSizeWidget::setTitleColor(QColor color) { m_titleColor = color; }
void QVariableSizeWidget::setTitlePixel(int pointSize) { m_titlePointSize = pointSize; }
void QVariableSizeWidget::setHorizontalEnable(bool on) { m_horizontalEnable = on; }
void QVariableSizeWidget::imageFillToRect(QPainter&, QRect, QRect, QImage) {}

// Maximising fills the available area of the screen the window is on (widened by
// the margin), not the whole virtual desktop.
void QVariableSizeWidget::OnBtnMax(int margin)
{
    if (!m_isMax) {
        m_normalRect = geometry();
        QScreen* current = screen() ? screen() : QGuiApplication::primaryScreen();
        const QRect area = current->availableGeometry();
        const int h = margin / 2;
        setGeometry(area.x() - h, area.y() - h, area.width() + margin, area.height());
    } else {
        setGeometry(m_normalRect);
        emit emitRestoreDlg();
    }
    m_isMax = !m_isMax;
}

bool QVariableSizeWidget::startCloseAnimation()
{
    setMinimumSize(0, 0);
    return close();
}

void QVariableSizeWidget::drawBackground(QPainter& painter)
{
    if (m_tile) {
        const int pw = m_bgImage.width(), ph = m_bgImage.height();
        if (pw <= 0 || ph <= 0)
            return;
        for (int y = 0; y < height(); y += ph)
            for (int x = 0; x < width(); x += pw)
                QImagaeRatioDraw::drawImage(painter, QRect(x, y, pw, ph), QRect(0, 0, pw, ph), m_bgImage);
    } else if (m_variableResize) {
        const auto pieces = QImagaeRatioDraw::ninePieces(width(), height(), m_bgImage.width() / 2,
                                                         m_bgImage.height() / 2, m_grid[0], m_grid[1], m_grid[2],
                                                         m_grid[3]);
        if (!m_bgImage.isNull())
            QImagaeRatioDraw::drawPieces(painter, pieces, m_bgImage);
    } else {
        painter.drawImage(rect(), m_bgImage, m_bgImage.rect());
    }
}

void QVariableSizeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_bgSet) {
        painter.fillRect(rect(), QColor(100, 100, 100, 100));
        return;
    }
    drawBackground(painter);

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
    font.setFamily(m_titleFamily);
    font.setPointSize(m_titlePointSize);
    painter.setFont(font);
    painter.setPen(m_titleColor);
    QRect titleRect = m_titleRect;
    if (titleRect.width() == 0)
        titleRect.setWidth(width());
    if (titleRect.height() == 0)
        titleRect.setHeight(20);
    QStripDraw::drawCaption(painter, titleRect, m_title);
    painter.setFont(saved);
}

void QVariableSizeWidget::mousePressEvent(QMouseEvent* event)
{
    m_dragPos = globalPixel(event) - frameGeometry().topLeft();
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void QVariableSizeWidget::mouseReleaseEvent(QMouseEvent*)
{
    m_pressed = false;
    setCursor(Qt::ArrowCursor);
    m_edge = 0;
}

void QVariableSizeWidget::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    if (!m_pressed && !m_isMax && m_variableResize) {
        setCursorAndState(event);
    } else if (m_edge != 0) {
        setFrameGeomtry(event);
        return;
    }
    if (m_pressed && m_dragPos.y() < 76 && !m_isMax)
        move(globalPixel(event) - m_dragPos);
}

void QVariableSizeWidget::mouseDoubleClickEvent(QMouseEvent*)
{
    if (m_dragPos.y() <= 75)
        OnBtnMax(0);
}

void QVariableSizeWidget::enterEvent(QEvent*) {}
void QVariableSizeWidget::leaveEvent(QEvent*) {}

void QVariableSizeWidget::setCursorAndState(QMouseEvent* event)
{
    m_edge = QFrameEdge::edgeAt(globalPixel(event), geometry(), m_horizontalEnable, QFrameEdge::windowBands(),
                                &m_edgeOffset);
    setCursor(QFrameEdge::cursorFor(m_edge));
}

void QVariableSizeWidget::setFrameGeomtry(QMouseEvent* event)
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
