#pragma once

#include "QFrameMover.h"
#include "QImagaeRatioDraw.h"

#include <QColor>
#include <QDialog>
#include <QImage>

class QImageButton;

// The frameless dialog base drawn from one nine-grid background picture, with a
// title, a logo, close, minimise and maximise picture buttons, dragging by a top
// band, edge resizing and a maximise toggle.
class QNinePointsImageDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QNinePointsImageDialog(QWidget* parent = nullptr);

    void setBackgroundImage(QString path, bool resizable);
    void setGridViewInfo(rectSize topLeft, rectSize topRight, rectSize bottomLeft, rectSize bottomRight);
    void setVariableResize(bool on);
    void setMoveEnabled(bool on);
    void setHorizontalEnable(bool on);
    void setMoveTop(int height);
    void setTextPixelSize(int size);
    void setTextColor(QColor color);
    void setTitleRect(QRect rect);
    void setLogoRect(QRect rect);
    void setTitle(QString title);
    void setLogoImage(QString path);
    void addCloseBtn(QString path, bool show);
    void addMinBtn(QString path, bool show);
    void addMaxBtn(QString path, bool show);
    void addRestoreBtn(QString path, bool show);

    QImageButton* closeButton() const { return m_closeBtn; }
    QImageButton* minButton() const { return m_minBtn; }
    QImageButton* maxButton() const { return m_maxBtn; }
    bool isMaximised() const { return m_mover.isMaximised(); }
    int edge() const { return m_mover.edge(); }
    QRect titleRect() const { return m_titleRect; }
    QRect logoRect() const { return m_logoRect; }
    rectSize gridCorner(int index) const { return m_grid[index]; }

public slots:
    void OnBtnMax();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Q_DISABLE_COPY(QNinePointsImageDialog)
    QImageButton* replaceButton(QImageButton* old, const QString& path, bool show, QPoint at, bool enabled);

    QImageButton* m_closeBtn = nullptr;
    QImageButton* m_minBtn = nullptr;
    QImageButton* m_maxBtn = nullptr;
    QImageButton* m_restoreBtn = nullptr;
    QFrameMover m_mover{this, QFrameEdge::dialogBands()};
    bool m_variableResize = true;
    int m_moveTop = 100;
    bool m_moveEnabled = true;
    QImage m_bgImage;
    rectSize m_grid[4];
    QImage m_logoImage;
    QRect m_logoRect;
    QString m_title;
    int m_titlePixelSize = 13;
    QColor m_titleColor = QColor(30, 29, 29);
    QRect m_titleRect = QRect(10, 0, 0, 25);
};
