#include "QVelBaseRectImageDraw.h"
#include "ControlsLog.h"

#include "QBaseImageDraw.h"

#include <QDebug>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

class QVelBaseRectImageDrawPrivate
{
public:
    QWidget* owner = nullptr;
    QImage* background = nullptr;
    QImage* icon = nullptr;
    bool btnMode = false;
    QRect iconRect = QRect(0, -1, 0, 0);
    bool iconBtnMode = false;
    QString text;
    bool textDrawable = true;
    qint16 marginLeft = 1;
    qint16 marginTop = 1;
    qint16 marginRight = 1;
    qint16 marginBottom = 1;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor currentColor = Qt::black;
    QColor normalColor = Qt::black;
    QColor hoverColor = Qt::black;
    QColor pressedColor = Qt::black;
    QColor disabledColor = Qt::black;
    bool checkState = false;
    int state = 0;
    QVelBaseRectImageDraw::WheelPolicy wheelPolicy = QVelBaseRectImageDraw::WheelDefault;

    bool disabled() const { return owner && owner->testAttribute(Qt::WA_Disabled); }
    void repaint() const
    {
        if (owner)
            owner->update();
    }
};

QVelBaseRectImageDraw::QVelBaseRectImageDraw(QWidget* owner) : d(new QVelBaseRectImageDrawPrivate)
{
    d->owner = owner;
}

QVelBaseRectImageDraw::~QVelBaseRectImageDraw()
{
    delete d->background;
    delete d->icon;
    delete d;
}

QWidget* QVelBaseRectImageDraw::rectOwner() const { return d->owner; }

bool QVelBaseRectImageDraw::setBackgroundImage(QString path)
{
    delete d->background;
    d->background = nullptr;
    if (!QFile::exists(path))
        return false;
    QImage image(path);
    if (image.isNull()) {
        qCDebug(lcControls) << "QVelBaseRectImageDraw: cannot load picture" << path;
        return false;
    }
    return setBackgroundImage(image);
}

bool QVelBaseRectImageDraw::setBackgroundImage(QImage image)
{
    delete d->background;
    d->background = new QImage(image);
    d->background->setDevicePixelRatio(2.0);
    d->repaint();
    return true;
}

bool QVelBaseRectImageDraw::setRectIcon(QString path)
{
    delete d->icon;
    d->icon = nullptr;
    if (!QFile::exists(path))
        return false;
    return setRectIcon(QImage(path));
}

bool QVelBaseRectImageDraw::setRectIcon(QImage image)
{
    delete d->icon;
    d->icon = nullptr;
    if (image.isNull())
        return false;
    d->icon = new QImage(image);
    d->icon->setDevicePixelRatio(2.0);
    d->repaint();
    return true;
}

void QVelBaseRectImageDraw::setIconRect(QRect rect) { d->iconRect = rect; }
QRect QVelBaseRectImageDraw::iconRect() const { return d->iconRect; }

void QVelBaseRectImageDraw::setDrawText(QString text)
{
    if (d->text == text)
        return;
    d->text = text;
    d->repaint();
}

QString QVelBaseRectImageDraw::drawText() const { return d->text; }

void QVelBaseRectImageDraw::setAlignment(Qt::Alignment alignment)
{
    d->alignment = alignment;
    d->repaint();
}

Qt::Alignment QVelBaseRectImageDraw::alignment() const { return d->alignment; }
void QVelBaseRectImageDraw::setTextDrawable(bool on) { d->textDrawable = on; }
bool QVelBaseRectImageDraw::isTextDrawable() const { return d->textDrawable; }

void QVelBaseRectImageDraw::setDrawTextMargins(int left, int top, int right, int bottom)
{
    d->marginLeft = qint16(left);
    d->marginTop = qint16(top);
    d->marginRight = qint16(right);
    d->marginBottom = qint16(bottom);
    d->repaint();
}

void QVelBaseRectImageDraw::setDrawTextMargins(QMargins const& margins)
{
    setDrawTextMargins(margins.left(), margins.top(), margins.right(), margins.bottom());
}

QMargins QVelBaseRectImageDraw::drawTextMargins() const
{
    return QMargins(d->marginLeft, d->marginTop, d->marginRight, d->marginBottom);
}

void QVelBaseRectImageDraw::setTextColor(QColor color)
{
    setTextColor(color, color, color, color);
}

void QVelBaseRectImageDraw::setTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled)
{
    d->normalColor = normal;
    d->hoverColor = hover;
    d->pressedColor = pressed;
    d->disabledColor = disabled;
    d->currentColor = normal;
}

QColor QVelBaseRectImageDraw::currentTextColor() const { return d->currentColor; }
void QVelBaseRectImageDraw::setCheckState(bool on) { d->checkState = on; }
bool QVelBaseRectImageDraw::checkState() const { return d->checkState; }
void QVelBaseRectImageDraw::setWheelEnablePolicy(QVelBaseRectImageDraw::WheelPolicy policy) { d->wheelPolicy = policy; }
QVelBaseRectImageDraw::WheelPolicy QVelBaseRectImageDraw::getWheelEnablePolicy() const { return d->wheelPolicy; }
void QVelBaseRectImageDraw::setBtnMode(bool on) { d->btnMode = on; }
bool QVelBaseRectImageDraw::isBtnMode() const { return d->btnMode; }
void QVelBaseRectImageDraw::setIconBtnMode(bool on) { d->iconBtnMode = on; }
bool QVelBaseRectImageDraw::IsIconBtnMode() const { return d->iconBtnMode; }
bool QVelBaseRectImageDraw::isCustomDraw() const { return d->background != nullptr; }
int QVelBaseRectImageDraw::drawState() const { return d->state; }

void QVelBaseRectImageDraw::paintEvent(QPaintEvent*)
{
    if (!d->owner || !d->background)
        return;
    QPainter painter(d->owner);
    drawBackgroundImage(painter);
    drawIcon(painter);
    drawRectText(painter);
}

bool QVelBaseRectImageDraw::mousePressEventDraw(QMouseEvent* event)
{
    if (!d->owner || event->button() != Qt::LeftButton)
        return false;
    if (d->disabled()) {
        d->state = 3;
        return false;
    }
    if (d->state == 2)
        return false;
    d->state = 2;
    d->repaint();
    return true;
}

void QVelBaseRectImageDraw::mouseReleaseEventDraw(QMouseEvent* event)
{
    if (!d->owner || event->button() != Qt::LeftButton)
        return;
    if (d->disabled()) {
        d->state = 3;
        return;
    }
    if (d->state == 2) {
        d->state = 0;
        d->repaint();
    }
}

void QVelBaseRectImageDraw::enterEventDraw(QEvent*)
{
    if (!d->owner)
        return;
    if (d->disabled()) {
        d->state = 3;
        return;
    }
    if (d->state != 1) {
        d->state = 1;
        d->repaint();
    }
}

void QVelBaseRectImageDraw::leaveEventDraw(QEvent*)
{
    if (!d->owner)
        return;
    if (d->disabled()) {
        d->state = 3;
        return;
    }
    if (d->state == 1) {
        d->state = 0;
        d->repaint();
    }
}

void QVelBaseRectImageDraw::changeEventDraw(QEvent* event)
{
    if (!d->owner || event->type() != QEvent::EnabledChange)
        return;
    d->state = d->disabled() ? 3 : 0;
}

void QVelBaseRectImageDraw::resetBtnState()
{
    d->state = 0;
    d->repaint();
}

QImage QVelBaseRectImageDraw::stateFrame(const QImage& sheet) const
{
    const int frame = d->checkState ? 2 : d->state;
    if (frame < 0 || frame > 3)
        return QImage();
    const int w = sheet.width() / 4;
    QImage part = sheet.copy(w * frame, 0, w, sheet.height());
    part.setDevicePixelRatio(2.0);
    return part;
}

void QVelBaseRectImageDraw::drawBackgroundImage(QPainter& painter)
{
    if (!d->background || !d->owner)
        return;
    const QRect target(0, 0, d->owner->width(), d->owner->height());
    if (!d->btnMode) {
        QBaseImageDraw::drawBtnImageBg(painter, target, *d->background, true);
        return;
    }
    QImage part = stateFrame(*d->background);
    if (part.isNull()) {
        painter.drawImage(QPointF(0, 0), *d->background);
        return;
    }
    QBaseImageDraw::drawBtnImageBg(painter, target, part, true);
}

void QVelBaseRectImageDraw::drawIcon(QPainter& painter)
{
    if (!d->icon || !d->owner)
        return;
    QImage image = *d->icon;
    if (d->iconBtnMode) {
        image = stateFrame(*d->icon);
        if (image.isNull())
            image = *d->icon;
    }
    QRect& r = d->iconRect;
    if (r.width() == 0)
        r.setWidth(image.width() / 2);
    if (r.height() == 0)
        r.setHeight(image.height() / 2);
    if (r.top() == -1)
        r.moveTop((d->owner->height() - r.height()) / 2);
    QImage scaled = image.scaled(2 * r.width(), 2 * r.height(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(2.0);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(r.topLeft(), scaled);
}

void QVelBaseRectImageDraw::drawRectText(QPainter& painter)
{
    if (d->text.isEmpty() || !d->textDrawable || !d->owner)
        return;
    const QFont oldFont = painter.font();
    painter.setFont(d->owner->font());
    QColor color = d->normalColor;
    if (d->btnMode) {
        if (d->checkState)
            color = d->pressedColor;
        else if (d->state == 1)
            color = d->hoverColor;
        else if (d->state == 2)
            color = d->pressedColor;
        else if (d->state == 3)
            color = d->disabledColor;
        d->currentColor = color;
    }
    painter.setPen(color);
    const QRect rect(QPoint(d->marginLeft, d->marginTop),
                     QPoint(d->owner->width() - 1 - d->marginRight, d->owner->height() - 1 - d->marginBottom));
    const QString text = d->owner->fontMetrics().elidedText(d->text, Qt::ElideRight, rect.width());
    painter.drawText(rect, int(d->alignment), text);
    painter.setFont(oldFont);
}
