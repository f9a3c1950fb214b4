#pragma once

#include "rectSize.h"

#include <QColor>
#include <QImage>
#include <QMargins>
#include <QRect>
#include <QString>

class QDialog;
class QEvent;
class QFocusEvent;
class QMouseEvent;
class QPainter;
class QPaintEvent;
class QWidget;
class QBaseDrawWidgetPrivate;

// Look and handling of a frameless window: nine-part background, logo and title,
// moving from a band at the top, resizing from the edges, maximising on double-click.
// The owner's event handlers call the handlers of the same name here.
class QBaseDrawWidget
{
public:
    enum dlgType { TypePlain = 0, TypeDialog = 1, TypeChild = 2 };
    enum enumStretchPolicy { StretchNone = 0, StretchHorizontal = 1, StretchVertical = 2, StretchAll = 3 };
    enum CursorAndState {
        CursorNone = 0,
        CursorLeft = 1,
        CursorTopLeft = 2,
        CursorTop = 3,
        CursorTopRight = 4,
        CursorRight = 5,
        CursorBottomRight = 6,
        CursorBottom = 7,
        CursorBottomLeft = 8
    };

    QBaseDrawWidget(QWidget* owner, QBaseDrawWidget::dlgType type);
    virtual ~QBaseDrawWidget();

    void setBackgroundImage(QString path, bool stretchable);
    void setBackgroundImage(QImage image, bool stretchable);
    void changeBackgroundImage(QImage image);
    void setGridViewInfo(rectSize topLeft, rectSize topRight, rectSize bottomLeft, rectSize bottomRight);
    void setBackgrounColor(QColor color);
    QColor getBackgrounColor() const;
    void setLogoImage(QString path);
    void setLogoImage(QImage image);
    void setLogoRect(QRect rect);
    QRect logoRect() const;
    void setDlgTitle(QString title);
    QString getDlgTitle() const;
    void setTitleRect(QRect rect);
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const;
    void setMoveTopHeight(int height);
    void setStretchWidth(int width);
    int stretchWidth() const;
    void setStretchPolicy(enumStretchPolicy policy);
    enumStretchPolicy stretchPolicy() const;
    void setTransparentW(int width);
    void setTransparentW(int left, int top, int right, int bottom);
    QMargins getTransparentMg() const;
    void setMoveChangeCorrect(int value);
    bool isMaxSize() const;
    CursorAndState cursorAndState() const;
    void setDrawWidget(QWidget* owner);
    QWidget* DrawWiget() const;
    void CenterDlg(QDialog& dialog);
    bool isPressed() const;
    QPoint pressOffset() const;
    // Where the title was last drawn, after the margin and size rules.
    QRect titleDrawRect() const;

    // Handlers the window classes call.
    void paintEvent(QPaintEvent* event);
    void mousePressEvent(QMouseEvent* event);
    void mouseMoveEvent(QMouseEvent* event);
    void mouseReleaseEvent(QMouseEvent* event);
    void mouseDoubleClickEvent(QMouseEvent* event);
    void focusOutEvent(QFocusEvent* event);
    bool event(QEvent* event);

    virtual void resetControlLocation();
    virtual void OnBtnMax();
    virtual void setCursorType(CursorAndState state);
    virtual void setCursorAndState(QMouseEvent* event);
    virtual void setFrameGeomtry(QMouseEvent* event);
    virtual void DrawLogo(QPainter& painter);
    virtual void DrawWgtText(QPainter& painter);

private:
    QBaseDrawWidget(const QBaseDrawWidget&) = delete;
    QBaseDrawWidget& operator=(const QBaseDrawWidget&) = delete;
    bool startSystemMoveOrResize();
    QBaseDrawWidgetPrivate* d;
};
