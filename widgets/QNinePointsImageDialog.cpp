#include "QNinePointsImageDialog.h"

#include "QImageButton.h"
#include "QSkinPicture.h"
#include "QStripDraw.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

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
void QNinePointsImageDialog::setHorizontalEnable(bool on) { m_mover.setHorizontalEnabled(on); }
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
    QScreen* current = screen() ? screen() : QGuiApplication::primaryScreen();
    m_mover.toggleMaximised(current->availableGeometry());
}

void QNinePointsImageDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const auto pieces = QImagaeRatioDraw::ninePieces(width(), height(), m_bgImage.width() / 2,
                                                     m_bgImage.height() / 2, m_grid[0], m_grid[1], m_grid[2],
                                                     m_grid[3]);
    if (!m_bgImage.isNull())
        QImagaeRatioDraw::drawPieces(painter, pieces, m_bgImage);

    QImagaeRatioDraw::drawLogo(painter, m_logoRect, m_logoImage);

    if (m_title.isEmpty())
        return;
    QFont font = painter.font();
    font.setFamily("Tahoma");
    font.setPixelSize(m_titlePixelSize);
    m_titleRect = QStripDraw::drawTitle(painter, m_titleRect, width(), m_title, font, m_titleColor);
}

void QNinePointsImageDialog::mousePressEvent(QMouseEvent* event)
{
    m_mover.press(event);
}

void QNinePointsImageDialog::mouseReleaseEvent(QMouseEvent*)
{
    m_mover.release();
}

void QNinePointsImageDialog::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    m_mover.move(event, m_variableResize, m_moveEnabled, m_moveTop);
}

void QNinePointsImageDialog::mouseDoubleClickEvent(QMouseEvent*)
{
    if (m_variableResize)
        OnBtnMax();
}
