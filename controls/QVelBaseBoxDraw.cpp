#include "QVelBaseBoxDraw.h"

#include "QBaseImageDraw.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QPainter>

#include <algorithm>

class QVelBaseBoxDrawPrivate
{
public:
    QImage* checked = nullptr;
    QImage* unchecked = nullptr;
    QImage* partially = nullptr;
    QImage* icon = nullptr;
    QRect iconRect;
    QRect checkRect;
    QRect textRect;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QAbstractButton* owner = nullptr;
    QVelBaseBoxDraw::enumBoxType type = QVelBaseBoxDraw::CheckBox;
    bool twoFrames = true;
    bool owned = false;
    QVariant data;
    bool bgFill = false;

    void dropImages()
    {
        if (owned) {
            delete checked;
            delete unchecked;
            delete partially;
        }
        checked = unchecked = partially = nullptr;
        owned = false;
    }
};

QVelBaseBoxDraw::QVelBaseBoxDraw(QAbstractButton* owner, enumBoxType type) : d(new QVelBaseBoxDrawPrivate)
{
    d->owner = owner;
    d->type = type;
}

QVelBaseBoxDraw::~QVelBaseBoxDraw()
{
    d->dropImages();
    delete d->icon;
    delete d;
}

void QVelBaseBoxDraw::setCheckImage(QString checked, QString unchecked, QString partially, bool unused, bool twoFrames)
{
    if (!QFile::exists(checked))
        return;
    QImage on(checked);
    QImage off(unchecked);
    QImage third;
    if (!partially.isEmpty())
        third.load(partially);
    setCheckImage(&on, &off, partially.isEmpty() ? nullptr : &third, unused, twoFrames, true);
}

void QVelBaseBoxDraw::setCheckImage(QImage* checked, QImage* unchecked, QImage* partially, bool, bool twoFrames, bool copy)
{
    if (!d->owner)
        return;
    if (d->owned)
        d->dropImages();
    if (checked && unchecked) {
        if (copy) {
            d->checked = new QImage(*checked);
            d->unchecked = new QImage(*unchecked);
            d->partially = partially ? new QImage(*partially) : nullptr;
        } else {
            d->checked = checked;
            d->unchecked = unchecked;
            d->partially = partially;
        }
        d->owned = copy;
    }
    if (d->checked) {
        for (QImage* image : {d->checked, d->unchecked, d->partially}) {
            if (image)
                image->setDevicePixelRatio(2.0);
        }
        d->twoFrames = twoFrames;
        const int frameWidth = d->checked->width() / (twoFrames ? 2 : 1);
        d->checkRect.setLeft(0);
        d->checkRect.setRight(frameWidth / 2 - 1);
        d->checkRect.setBottom(d->checkRect.top() + d->checked->height() / 2 - 1);
    }
    if (d->owner->height() < d->checkRect.height())
        d->owner->resize(d->owner->width(), d->checkRect.height());
    d->textRect.setLeft(d->checkRect.width() + 5);
    d->textRect.setRight(d->checkRect.width() + 4);
    d->owner->update();
}

void QVelBaseBoxDraw::adjustSize()
{
    if (!d->owner)
        return;
    const QFontMetrics metrics(d->owner->font());
    int width = d->checkRect.width();
    if (!d->owner->text().isEmpty())
        width += 5;
    width += metrics.horizontalAdvance(d->owner->text());
    d->owner->resize(width, std::max(d->checkRect.height(), metrics.height()));
    d->textRect.setWidth(0);
}

void QVelBaseBoxDraw::setTextRect(QRect rect) { d->textRect = rect; }
QRect QVelBaseBoxDraw::textRect() const { return d->textRect; }
void QVelBaseBoxDraw::setIconRect(QRect rect) { d->iconRect = rect; }
QRect QVelBaseBoxDraw::checkRect() const { return d->checkRect; }
void QVelBaseBoxDraw::setAlignment(Qt::Alignment alignment) { d->alignment = alignment; }
Qt::Alignment QVelBaseBoxDraw::alignment() const { return d->alignment; }

void QVelBaseBoxDraw::setBtnIcon(QString path)
{
    if (!QFile::exists(path))
        return;
    delete d->icon;
    d->icon = new QImage(path);
    d->icon->setDevicePixelRatio(2.0);
}

void QVelBaseBoxDraw::setBgFillMode(bool on) { d->bgFill = on; }
void QVelBaseBoxDraw::setData(QVariant const& data) { d->data = data; }
QVariant QVelBaseBoxDraw::getData() const { return d->data; }
bool QVelBaseBoxDraw::isCustomDraw() const { return d->checked != nullptr; }

void QVelBaseBoxDraw::paintEvent(QPaintEvent*)
{
    if (!d->owner)
        return;
    QPainter painter(d->owner);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    DrawCheckImage(painter);
    DrawIconImage(painter);
    DrawCheckText(painter);
}

void QVelBaseBoxDraw::DrawCheckImage(QPainter& painter)
{
    if (!d->owner)
        return;
    Qt::CheckState state = d->owner->isChecked() ? Qt::Checked : Qt::Unchecked;
    if (d->type == CheckBox) {
        if (auto* box = qobject_cast<QCheckBox*>(d->owner))
            state = box->checkState();
    }
    QImage* image = state == Qt::Checked ? d->checked : state == Qt::Unchecked ? d->unchecked : d->partially;
    if (!image || image->isNull())
        return;
    const bool disabled = d->owner->testAttribute(Qt::WA_Disabled);
    QImage part = *image;
    if (d->twoFrames) {
        const int half = image->width() / 2;
        part = image->copy(disabled ? half : 0, 0, half, image->height());
        part.setDevicePixelRatio(2.0);
    }
    painter.save();
    // A one-frame image has no disabled look of its own: a disabled box is drawn faded,
    // so it never passes for an enabled one.
    if (disabled && !d->twoFrames)
        painter.setOpacity(0.4);
    if (d->bgFill) {
        QBaseImageDraw::drawBtnImageBg(painter, d->owner->rect(), part, true);
    } else {
        QRect target = d->checkRect;
        if (target.top() <= 0)
            target.moveTop((d->owner->height() - d->checkRect.height()) / 2);
        painter.drawImage(QRectF(target), part, QRectF(0, 0, part.width(), part.height()));
    }
    painter.restore();
}

void QVelBaseBoxDraw::DrawIconImage(QPainter& painter)
{
    if (!d->icon || !d->owner)
        return;
    if (d->iconRect.width() == 0)
        d->iconRect.setWidth(d->icon->width() / 2);
    if (d->iconRect.height() == 0)
        d->iconRect.setHeight(d->icon->height() / 2);
    painter.drawImage(QRectF(d->iconRect), *d->icon, QRectF(0, 0, d->icon->width(), d->icon->height()));
}

void QVelBaseBoxDraw::DrawCheckText(QPainter& painter)
{
    if (!d->owner)
        return;
    const QFont oldFont = painter.font();
    painter.setFont(d->owner->font());
    painter.setPen(d->owner->palette().color(QPalette::WindowText));
    if (d->textRect.width() == 0)
        d->textRect.setRight(d->owner->width() - 1);
    if (d->textRect.height() == 0)
        d->textRect.setBottom(d->owner->height() - 1);
    const QFontMetrics metrics(d->owner->font());
    const QString text = metrics.elidedText(d->owner->text(), Qt::ElideRight, d->textRect.width());
    painter.drawText(d->textRect, int(d->alignment), text);
    painter.setFont(oldFont);
}
