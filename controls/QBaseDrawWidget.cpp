#include "QBaseDrawWidget.h"

#include "QBaseImageDraw.h"
#include "VelMacosInterface.h"

#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QWindow>

class QBaseDrawWidgetPrivate
{
public:
    QImage* background = nullptr;
    QImage* logo = nullptr;
    QColor backgroundColor = QColor(100, 100, 100, 100);
    int moveTopHeight = 40;
    bool pressed = false;
    QPoint pressOffset;
    QRect restoreGeometry;
    QBaseDrawWidget::CursorAndState cursorState = QBaseDrawWidget::CursorNone;
    QBaseDrawWidget::enumStretchPolicy stretchPolicy = QBaseDrawWidget::StretchAll;
    QBaseDrawWidget::dlgType type = QBaseDrawWidget::TypeDialog;
    int stretchWidth = 4;
    bool maximised = false;
    int grabH = 0;
    int grabV = 0;
    QWidget* owner = nullptr;
    int marginLeft = 0;
    int marginRight = 0;
    int marginTop = 0;
    int marginBottom = 0;
    rectSize corners[4];
    QRect logoRect;
    QString title;
    QRect titleRect;
    Qt::Alignment titleAlignment = Qt::AlignLeft;
    int moveCorrect = -1;
    QRect titleDrawRect;
};

namespace {

QRect primaryScreenGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QRect primaryAvailableGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

bool isWayland()
{
    return QGuiApplication::platformName().startsWith("wayland");
}

// A visible child that is not the central widget keeps the resize cursor off it.
bool overOrdinaryChild(QWidget* owner, const QPoint& local)
{
    QWidget* child = owner->childAt(local);
    return child && !child->isHidden() && child->objectName() != "centralWidget";
}

} // namespace

QBaseDrawWidget::QBaseDrawWidget(QWidget* owner, QBaseDrawWidget::dlgType type) : d(new QBaseDrawWidgetPrivate)
{
    d->owner = owner;
    d->type = type;
    d->stretchPolicy = type == TypeChild ? StretchNone : StretchAll;
    if (owner) {
        owner->setAttribute(Qt::WA_MouseTracking, true);
        if (type == TypeDialog)
            owner->setAttribute(Qt::WA_Hover, true);
    }
}

QBaseDrawWidget::~QBaseDrawWidget()
{
    delete d->background;
    delete d->logo;
    delete d;
}

void QBaseDrawWidget::setBackgroundImage(QString path, bool stretchable)
{
    if (!QFile::exists(path))
        return;
    setBackgroundImage(QImage(path), stretchable);
}

void QBaseDrawWidget::setBackgroundImage(QImage image, bool stretchable)
{
    if (!d->owner)
        return;
    delete d->background;
    d->background = new QImage(image);
    d->background->setDevicePixelRatio(2.0);
    const QSize logical(image.width() / 2, image.height() / 2);
    d->owner->resize(logical);
    if (stretchable)
        d->owner->setMinimumSize(logical);
    d->stretchPolicy = stretchable ? StretchAll : StretchNone;
    for (rectSize& cell : d->corners)
        cell = rectSize(image.width() / 6, image.height() / 6);
    d->owner->update();
}

void QBaseDrawWidget::changeBackgroundImage(QImage image)
{
    delete d->background;
    d->background = new QImage(image);
    d->background->setDevicePixelRatio(2.0);
}

void QBaseDrawWidget::setGridViewInfo(rectSize topLeft, rectSize topRight, rectSize bottomLeft, rectSize bottomRight)
{
    d->corners[0] = topLeft;
    d->corners[1] = topRight;
    d->corners[2] = bottomLeft;
    d->corners[3] = bottomRight;
    if (d->owner)
        d->owner->update();
}

void QBaseDrawWidget::setBackgrounColor(QColor color)
{
    d->backgroundColor = color;
    if (d->owner)
        d->owner->update();
}

QColor QBaseDrawWidget::getBackgrounColor() const { return d->backgroundColor; }

void QBaseDrawWidget::setLogoImage(QString path)
{
    delete d->logo;
    d->logo = nullptr;
    if (!QFile::exists(path))
        return;
    setLogoImage(QImage(path));
}

void QBaseDrawWidget::setLogoImage(QImage image)
{
    delete d->logo;
    d->logo = new QImage(image);
    d->logo->setDevicePixelRatio(2.0);
    d->logoRect.setRight(d->logoRect.left() + image.width() / 2 - 1);
    d->logoRect.setBottom(d->logoRect.top() + image.height() / 2 - 1);
    if (d->owner)
        d->owner->update();
}

void QBaseDrawWidget::setLogoRect(QRect rect) { d->logoRect = rect; }
QRect QBaseDrawWidget::logoRect() const { return d->logoRect; }

void QBaseDrawWidget::setDlgTitle(QString title)
{
    d->title = title;
    if (d->owner)
        d->owner->update();
}

QString QBaseDrawWidget::getDlgTitle() const { return d->title; }
void QBaseDrawWidget::setTitleRect(QRect rect) { d->titleRect = rect; }

void QBaseDrawWidget::setAlignment(Qt::Alignment alignment)
{
    d->titleAlignment = alignment;
    if (d->owner)
        d->owner->update();
}

Qt::Alignment QBaseDrawWidget::alignment() const { return d->titleAlignment; }
void QBaseDrawWidget::setMoveTopHeight(int height) { d->moveTopHeight = height; }
void QBaseDrawWidget::setStretchWidth(int width) { d->stretchWidth = width; }
int QBaseDrawWidget::stretchWidth() const { return d->stretchWidth; }

void QBaseDrawWidget::setStretchPolicy(enumStretchPolicy policy)
{
    d->stretchPolicy = policy;
    if (d->type == TypeDialog && d->owner)
        d->owner->setAttribute(Qt::WA_Hover, (policy & StretchAll) != 0);
}

QBaseDrawWidget::enumStretchPolicy QBaseDrawWidget::stretchPolicy() const { return d->stretchPolicy; }

void QBaseDrawWidget::setTransparentW(int width)
{
    d->marginLeft = d->marginTop = d->marginRight = d->marginBottom = width;
}

void QBaseDrawWidget::setTransparentW(int left, int top, int right, int bottom)
{
    d->marginLeft = left;
    d->marginTop = top;
    d->marginRight = right;
    d->marginBottom = bottom;
}

QMargins QBaseDrawWidget::getTransparentMg() const
{
    return QMargins(d->marginLeft, d->marginTop, d->marginRight, d->marginBottom);
}

void QBaseDrawWidget::setMoveChangeCorrect(int value) { d->moveCorrect = value; }
bool QBaseDrawWidget::isMaxSize() const { return d->maximised; }
QBaseDrawWidget::CursorAndState QBaseDrawWidget::cursorAndState() const { return d->cursorState; }
void QBaseDrawWidget::setDrawWidget(QWidget* owner) { d->owner = owner; }
QWidget* QBaseDrawWidget::DrawWiget() const { return d->owner; }
bool QBaseDrawWidget::isPressed() const { return d->pressed; }
QPoint QBaseDrawWidget::pressOffset() const { return d->pressOffset; }
QRect QBaseDrawWidget::titleDrawRect() const { return d->titleDrawRect; }

void QBaseDrawWidget::CenterDlg(QDialog& dialog)
{
    if (!d->owner)
        return;
    const QPoint p = d->owner->mapToGlobal(QPoint(0, 0));
    int x = (d->owner->width() - dialog.width()) / 2 + p.x();
    int y = (d->owner->height() - dialog.height()) / 2 + p.y();
    if (x < 1)
        x = 50;
    if (y < 1)
        y = 50;
    dialog.move(x, y);
}

void QBaseDrawWidget::resetControlLocation() {}

void QBaseDrawWidget::paintEvent(QPaintEvent*)
{
    if (!d->owner)
        return;
    QPainter painter(d->owner);
    const int W = d->owner->width();
    const int H = d->owner->height();
    if (!d->background) {
        painter.fillRect(QRect(0, 0, W, H), d->backgroundColor);
    } else {
        QImage& image = *d->background;
        const int IW = image.width() / 2;
        const int IH = image.height() / 2;
        const rectSize tl = d->corners[0];
        const rectSize tr = d->corners[1];
        const rectSize bl = d->corners[2];
        const rectSize br = d->corners[3];
        // Edges and centre take their thickness from the top-left cell; callers set four equal cells.
        const int cw = tl.width;
        const int ch = tl.height;
        QBaseImageDraw::drawImage(painter, QRect(0, 0, tl.width, tl.height), QRect(0, 0, tl.width, tl.height), image);
        QBaseImageDraw::drawImage(painter, QRect(W - tr.width, 0, tr.width, tr.height),
                                  QRect(IW - tr.width, 0, tr.width, tr.height), image);
        if (W - 2 * cw > 0)
            QBaseImageDraw::drawImage(painter, QRect(cw, 0, W - 2 * cw, ch), QRect(cw, 0, IW - 2 * cw, ch), image);
        QBaseImageDraw::drawImage(painter, QRect(0, H - bl.height, bl.width, bl.height),
                                  QRect(0, IH - bl.height, bl.width, bl.height), image);
        QBaseImageDraw::drawImage(painter, QRect(W - br.width, H - br.height, br.width, br.height),
                                  QRect(IW - br.width, IH - br.height, br.width, br.height), image);
        if (W - 2 * cw > 0)
            QBaseImageDraw::drawImage(painter, QRect(cw, H - ch, W - 2 * cw, ch),
                                      QRect(cw, IH - ch, IW - 2 * cw, ch), image);
        if (H - 2 * ch > 0) {
            QBaseImageDraw::drawImage(painter, QRect(0, ch, cw, H - 2 * ch), QRect(0, ch, cw, IH - 2 * ch), image);
            QBaseImageDraw::drawImage(painter, QRect(W - cw, ch, cw, H - 2 * ch),
                                      QRect(IW - cw, ch, cw, IH - 2 * ch), image);
            if (IH - 2 * ch > 0)
                QBaseImageDraw::drawImage(painter, QRect(cw, ch, W - 2 * cw, H - 2 * ch),
                                          QRect(cw, ch, IW - 2 * cw, IH - 2 * ch), image);
        }
    }
    DrawLogo(painter);
    DrawWgtText(painter);
}

void QBaseDrawWidget::DrawLogo(QPainter& painter)
{
    if (!d->logo || !d->owner)
        return;
    QRect& r = d->logoRect;
    if (r.width() == 0)
        r.setRight(r.left() + d->logo->width() / 2 - 1);
    if (r.height() == 0)
        r.setBottom(r.top() + d->logo->height() / 2 - 1);
    if (r.left() == -1)
        r.moveLeft((d->owner->width() - r.width()) / 2);
    if (r.top() == -1)
        r.moveTop((d->owner->height() - r.height()) / 2);
    QBaseImageDraw::drawImage(painter, r, QRect(0, 0, d->logo->width() / 2, d->logo->height() / 2), *d->logo);
}

void QBaseDrawWidget::DrawWgtText(QPainter& painter)
{
    if (d->title.isEmpty() || !d->owner)
        return;
    const QFont oldFont = painter.font();
    painter.setFont(d->owner->font());
    painter.setPen(d->owner->palette().color(QPalette::WindowText));
    int x = d->titleRect.x();
    int y = d->titleRect.y();
    int w = d->titleRect.width();
    int h = d->titleRect.height();
    if (x == 0)
        x = d->marginLeft;
    if (y == 0)
        y = d->marginTop;
    if (w == 0)
        w = d->owner->width() - x - d->marginRight;
    if (h == 0)
        h = 20;
    d->titleDrawRect = QRect(x, y, w, h);
    const QString text = d->owner->fontMetrics().elidedText(d->title, Qt::ElideRight, w);
    painter.drawText(d->titleDrawRect, int(d->titleAlignment), text);
    painter.setFont(oldFont);
}

void QBaseDrawWidget::mousePressEvent(QMouseEvent* event)
{
    if (!d->owner)
        return;
    QPoint topLeft = d->owner->pos();
    if (d->type != TypeChild) {
        const QPoint origin = VelMacosInterface::getWindowPos(d->owner);
        topLeft.setY(primaryScreenGeometry().height() - origin.y() - d->owner->height());
    }
    const QPoint global = event->globalPos();
    d->pressOffset = QPoint(global.x() - topLeft.x(), global.y() - topLeft.y());
    if (event->button() == Qt::LeftButton) {
        d->pressed = true;
        if (d->type != TypeChild && isWayland() && startSystemMoveOrResize())
            d->pressed = false;
    }
}

// Wayland clients cannot place their own windows; the compositor moves or resizes them.
bool QBaseDrawWidget::startSystemMoveOrResize()
{
    QWindow* window = d->owner->window()->windowHandle();
    if (!window || d->maximised)
        return false;
    static const Qt::Edges edges[9] = {Qt::Edges(),
                                       Qt::LeftEdge,
                                       Qt::TopEdge | Qt::LeftEdge,
                                       Qt::TopEdge,
                                       Qt::TopEdge | Qt::RightEdge,
                                       Qt::RightEdge,
                                       Qt::BottomEdge | Qt::RightEdge,
                                       Qt::BottomEdge,
                                       Qt::BottomEdge | Qt::LeftEdge};
    if (d->cursorState > CursorNone && d->cursorState <= CursorBottomLeft)
        return window->startSystemResize(edges[d->cursorState]);
    if (d->pressOffset.y() < d->moveTopHeight)
        return window->startSystemMove();
    return false;
}

void QBaseDrawWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!d->owner || d->type == TypeChild)
        return;
    if (!d->pressed && !d->maximised && (d->stretchPolicy & StretchAll)) {
        if (overOrdinaryChild(d->owner, event->pos()))
            d->owner->unsetCursor();
        else
            setCursorAndState(event);
    } else if (d->cursorState != CursorNone) {
        setFrameGeomtry(event);
        return;
    }
    if (d->pressed && d->pressOffset.y() < d->moveTopHeight && !d->maximised) {
        const QPoint global = event->globalPos();
        d->owner->move(global.x() - d->pressOffset.x(), global.y() - d->pressOffset.y());
    }
}

void QBaseDrawWidget::setCursorAndState(QMouseEvent* event)
{
    if (!d->owner)
        return;
    const QRect g = d->owner->geometry();
    const int gx = event->globalPos().x();
    const int gy = event->globalPos().y();
    const int s = d->stretchWidth;
    const int L = d->marginLeft;
    const int R = d->marginRight;
    const int T = d->marginTop;
    const int B = d->marginBottom;
    const bool horizontal = d->stretchPolicy & StretchHorizontal;
    const bool vertical = d->stretchPolicy & StretchVertical;
    const bool inTopBand = g.top() + T <= gy && gy <= g.top() + T + s;
    CursorAndState state = CursorNone;
    if (g.left() + L <= gx && gx <= g.left() + L + s && horizontal) {
        d->grabH = gx - g.left();
        state = CursorLeft;
        if (vertical) {
            if (inTopBand) {
                state = CursorTopLeft;
                d->grabV = gy - g.top();
            } else if (gy >= g.bottom() - s - B) {
                state = CursorBottomLeft;
                d->grabV = g.bottom() - gy;
            }
        }
    } else if (g.right() - R - s <= gx && gx <= g.right() - R && horizontal) {
        d->grabH = g.right() - gx;
        state = CursorRight;
        if (vertical) {
            if (inTopBand) {
                state = CursorTopRight;
                d->grabV = gy - g.top();
            } else if (gy >= g.bottom() - s - B) {
                state = CursorBottomRight;
                d->grabV = g.bottom() - gy;
            }
        }
    } else if (inTopBand && vertical) {
        state = CursorTop;
        d->grabV = gy - g.top();
    } else if (g.bottom() - B - s <= gy && gy <= g.bottom() - B && vertical) {
        state = CursorBottom;
        d->grabV = g.bottom() - gy;
    }
    setCursorType(state);
}

void QBaseDrawWidget::setCursorType(CursorAndState state)
{
    d->cursorState = state;
    if (!d->owner)
        return;
    switch (state) {
    case CursorLeft:
    case CursorRight:
        d->owner->setCursor(Qt::SizeHorCursor);
        break;
    case CursorTopLeft:
    case CursorBottomRight:
        d->owner->setCursor(Qt::SizeFDiagCursor);
        break;
    case CursorTop:
    case CursorBottom:
        d->owner->setCursor(Qt::SizeVerCursor);
        break;
    case CursorTopRight:
    case CursorBottomLeft:
        d->owner->setCursor(Qt::SizeBDiagCursor);
        break;
    default:
        d->owner->unsetCursor();
        break;
    }
}

void QBaseDrawWidget::setFrameGeomtry(QMouseEvent* event)
{
    if (!d->owner)
        return;
    QRect g = d->owner->geometry();
    const int gx = event->globalPos().x();
    const int gy = event->globalPos().y();
    const int dh = d->grabH;
    const int dv = d->grabV;
    const int widthLimit = primaryScreenGeometry().width() - 4;
    const int heightLimit = primaryAvailableGeometry().height();
    const int minW = d->owner->minimumSize().width();
    const int minH = d->owner->minimumSize().height();
    const int state = d->cursorState;
    if (state == CursorLeft || state == CursorTopLeft || state == CursorBottomLeft) {
        if (g.right() - gx + dh > minW) {
            const int left = gx - dh;
            if (g.right() - left < widthLimit)
                g.setLeft(left);
        }
    }
    if (state == CursorTopRight || state == CursorRight || state == CursorBottomRight) {
        if (gx + dh - g.left() > minW) {
            const int right = gx + dh;
            if (right - g.left() < widthLimit)
                g.setRight(right);
        }
    }
    if (state == CursorTopLeft || state == CursorTop || state == CursorTopRight) {
        if (g.bottom() - gy + dv > minH) {
            const int top = gy - dv;
            if (g.bottom() - top < heightLimit)
                g.setTop(top);
        }
    }
    if (state == CursorBottomRight || state == CursorBottom || state == CursorBottomLeft) {
        if (gy + dv - g.top() > minH) {
            const int bottom = gy + dv;
            if (bottom - g.top() < heightLimit)
                g.setBottom(bottom);
        }
    }
    d->owner->setGeometry(g);
    d->owner->update();
}

void QBaseDrawWidget::mouseReleaseEvent(QMouseEvent*)
{
    d->pressed = false;
    if (!d->owner)
        return;
    const int band = d->moveCorrect != -1 ? d->moveCorrect : d->moveTopHeight;
    const int availableBottom = primaryAvailableGeometry().bottom();
    if (d->owner->y() + band > availableBottom)
        d->owner->move(d->owner->x(), availableBottom - band);
}

void QBaseDrawWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!d->owner)
        return;
    if (d->type == TypeChild) {
        event->accept();
        return;
    }
    if (d->stretchPolicy == StretchAll)
        OnBtnMax();
}

void QBaseDrawWidget::OnBtnMax()
{
    if (!d->owner)
        return;
    if (!d->maximised) {
        d->restoreGeometry = d->owner->geometry();
        const int L = d->marginLeft;
        const int T = d->marginTop;
        d->owner->setGeometry(-L, -T, primaryScreenGeometry().width() + L + d->marginRight,
                              primaryAvailableGeometry().height() + T + d->marginBottom);
    } else {
        d->owner->setGeometry(d->restoreGeometry);
    }
    d->maximised = !d->maximised;
    d->cursorState = CursorNone;
    setCursorType(CursorNone);
}

bool QBaseDrawWidget::event(QEvent* event)
{
    if (!d->owner || d->type == TypeChild || event->type() != QEvent::HoverMove)
        return false;
    if (d->pressed || d->maximised || !(d->stretchPolicy & StretchAll))
        return false;
    const auto* hover = static_cast<QHoverEvent*>(event);
    if (overOrdinaryChild(d->owner, hover->pos()))
        d->owner->unsetCursor();
    return false;
}

void QBaseDrawWidget::focusOutEvent(QFocusEvent*)
{
    d->pressed = false;
}
