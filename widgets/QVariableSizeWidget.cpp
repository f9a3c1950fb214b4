#include "QVariableSizeWidget.h"

#include "QSkinPicture.h"
#include "QStripDraw.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

QVariableSizeWidget::QVariableSizeWidget(QWidget* parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_MouseTracking);
}

bool QVariableSizeWidget::isMaxSize() { return m_mover.isMaximised(); }

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
void QVariableSizeWidget::setHorizontalEnable(bool on) { m_mover.setHorizontalEnabled(on); }
void QVariableSizeWidget::imageFillToRect(QPainter&, QRect, QRect, QImage) {}

// Maximising fills the available area of the screen the window is on (widened by
// the margin), not the whole virtual desktop.
void QVariableSizeWidget::OnBtnMax(int margin)
{
    const bool restoring = m_mover.isMaximised();
    QScreen* current = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = current->availableGeometry();
    const int h = margin / 2;
    m_mover.toggleMaximised(QRect(area.x() - h, area.y() - h, area.width() + margin, area.height()));
    if (restoring)
        emit emitRestoreDlg();
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

    QImagaeRatioDraw::drawLogo(painter, m_logoRect, m_logoImage);

    if (m_title.isEmpty())
        return;
    QFont font = painter.font();
    font.setFamily(m_titleFamily);
    font.setPointSize(m_titlePointSize);
    QStripDraw::drawTitle(painter, m_titleRect, width(), m_title, font, m_titleColor);
}

void QVariableSizeWidget::mousePressEvent(QMouseEvent* event)
{
    m_mover.press(event);
}

void QVariableSizeWidget::mouseReleaseEvent(QMouseEvent*)
{
    m_mover.release();
    setCursor(Qt::ArrowCursor);
    m_mover.clearEdge();
}

void QVariableSizeWidget::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    m_mover.move(event, m_variableResize, true, 76);
}

void QVariableSizeWidget::mouseDoubleClickEvent(QMouseEvent*)
{
    if (m_mover.pressOffset().y() <= 75)
        OnBtnMax(0);
}
