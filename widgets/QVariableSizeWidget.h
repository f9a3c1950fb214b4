#pragma once

#include "QFrameMover.h"
#include "QImagaeRatioDraw.h"

#include <QColor>
#include <QImage>
#include <QMainWindow>

// The frameless, picture-drawn main window base: nine-grid, stretched or tiled
// background, logo and title; dragging by the top 76 pixels, edge resizing and a
// maximise toggle by double-click in that band.
class QVariableSizeWidget : public QMainWindow
{
    Q_OBJECT

public:
    explicit QVariableSizeWidget(QWidget* parent = nullptr);

    bool isMaxSize();
    void setBackgroundImage(QString path, bool resizable);
    void setBackgroundTile(QString path, bool resizable);
    void setGridViewInfo(rectSize topLeft, rectSize topRight, rectSize bottomLeft, rectSize bottomRight);
    void setLogoImage(QString path);
    void setDlgTitle(QString title);
    void setLogoRect(QRect rect);
    void setTitleRect(QRect rect);
    void setTitleColor(QColor color);
    void setTitlePixel(int pointSize);
    void setHorizontalEnable(bool on);
    void imageFillToRect(QPainter& painter, QRect target, QRect source, QImage image);

    int edge() const { return m_mover.edge(); }

signals:
    void emitRestoreDlg();

public slots:
    void OnBtnMax(int margin = 0);
    bool startCloseAnimation();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Q_DISABLE_COPY(QVariableSizeWidget)
    void drawBackground(QPainter& painter);

    QFrameMover m_mover{this, QFrameEdge::windowBands()};
    bool m_variableResize = true;
    QImage m_bgImage;
    bool m_bgSet = false;
    rectSize m_grid[4];
    QImage m_logoImage;
    QRect m_logoRect;
    QString m_title;
    QRect m_titleRect;
    QString m_titleFamily = QStringLiteral("Tahoma");
    int m_titlePointSize = 10;
    QColor m_titleColor = QColor(99, 99, 99);
    bool m_tile = false;
};
