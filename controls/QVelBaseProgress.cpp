#include "QVelBaseProgress.h"
#include "ControlsLog.h"

#include "QBaseImageDraw.h"
#include "QProgressCaption.h"
#include "QVeAnyUtiliy.h"

#include <QConicalGradient>
#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

#include <algorithm>

class QVelBaseProgressPrivate
{
public:
    QImage* bottom = nullptr;
    QImage* top = nullptr;
    int bottomWidth = 0;
    int bottomHeight = 0;
    QColor bottomTone; // the track picture's mean colour, which its caption must read on
    QColor topTone;    // the same for the fill picture
    int policy = QVelBaseProgress::HorizontalBar;
    double minimum = 0;
    double maximum = 100;
    double value = 0;
    bool circle = true;
    int circleLength = -1;
    int startOffset = 0;
    int endOffset = 0;
    double nullPosition = 90;
    int barStyle = QVelBaseProgress::StyleDonut;
    double outlinePenWidth = 1.0;
    double dataPenWidth = 1.0;
    QVector<QPair<double, QColor>> dataColors;
    bool rebuildBrush = false;
    QString format = "%p%";
    int decimals = 1;
    int textAlignment = Qt::AlignCenter;
    float textOffsetX = 0;
    float textOffsetY = 0;
    int formatFlags = 2;
    int updateInterval = 0;
    bool repaintPending = false;
    QElapsedTimer lastRepaint;
    QTimer* timer = nullptr;
};

QVelBaseProgress::QVelBaseProgress(QWidget* parent) : QWidget(parent), d(new QVelBaseProgressPrivate)
{
    d->lastRepaint.start();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(230, 230, 230));
    pal.setColor(QPalette::Highlight, QColor(6, 176, 37));
    pal.setColor(QPalette::Base, QColor(6, 176, 37, 0));
    pal.setColor(QPalette::AlternateBase, QColor(255, 0, 0, 0));
    setPalette(pal);
    setAttribute(Qt::WA_TranslucentBackground);
}

QVelBaseProgress::~QVelBaseProgress()
{
    delete d->bottom;
    delete d->top;
    delete d;
}

void QVelBaseProgress::setProgressPolicy(ProgressPolicy policy)
{
    d->policy = policy;
    update();
}

QVelBaseProgress::ProgressPolicy QVelBaseProgress::progressPolicy() const { return ProgressPolicy(d->policy); }

void QVelBaseProgress::setBarStyle(BarStyle style)
{
    if (d->barStyle == style)
        return;
    d->barStyle = style;
    update();
}

QVelBaseProgress::BarStyle QVelBaseProgress::barStyle() const { return BarStyle(d->barStyle); }

namespace {

QImage* loadDoubleResolution(const QString& path)
{
    if (!QFile::exists(path))
        return nullptr;
    auto* image = new QImage(path);
    if (image->isNull()) {
        qCDebug(lcControls) << "QVelBaseProgress: cannot load picture" << path;
        delete image;
        return nullptr;
    }
    image->setDevicePixelRatio(2.0);
    return image;
}

} // namespace

bool QVelBaseProgress::setBottomImage(QString path)
{
    delete d->bottom;
    d->bottom = loadDoubleResolution(path);
    if (!d->bottom)
        return false;
    d->bottomWidth = d->bottom->width() / 2;
    d->bottomHeight = d->bottom->height() / 2;
    d->bottomTone = QProgressCaption::toneOf(*d->bottom);
    update();
    return true;
}

bool QVelBaseProgress::setTopImage(QString path)
{
    delete d->top;
    d->top = loadDoubleResolution(path);
    if (!d->top)
        return false;
    d->topTone = QProgressCaption::toneOf(*d->top);
    update();
    return true;
}

double QVelBaseProgress::value() const { return d->value; }
double QVelBaseProgress::minimum() const { return d->minimum; }
double QVelBaseProgress::maximum() const { return d->maximum; }

void QVelBaseProgress::setRange(double minimum, double maximum)
{
    if (minimum > maximum)
        std::swap(minimum, maximum);
    d->minimum = minimum;
    d->maximum = maximum;
    d->value = std::clamp(d->value, minimum, maximum);
    if (!d->dataColors.isEmpty())
        d->rebuildBrush = true;
    update();
}

void QVelBaseProgress::setMinimum(double minimum) { setRange(minimum, d->maximum); }
void QVelBaseProgress::setMaximum(double maximum) { setRange(d->minimum, maximum); }

void QVelBaseProgress::setValue(double value)
{
    if (QVeAnyUtiliy::equalDouble(value, d->value))
        return;
    d->value = std::clamp(value, d->minimum, d->maximum);
    emit valueChanged(d->value);
    if (d->updateInterval == 0) {
        update();
        return;
    }
    if (d->lastRepaint.elapsed() < d->updateInterval) {
        d->repaintPending = true;
        return;
    }
    d->lastRepaint.restart();
    d->repaintPending = false;
    update();
}

void QVelBaseProgress::setValue(int value)
{
    setValue(double(value));
}

void QVelBaseProgress::setUpdateInterval(int ms)
{
    d->updateInterval = ms;
    d->repaintPending = false;
    delete d->timer;
    d->timer = nullptr;
    if (ms > 0) {
        d->timer = new QTimer(this);
        connect(d->timer, &QTimer::timeout, this, &QVelBaseProgress::UpdateTime);
        d->timer->start(ms);
    }
}

void QVelBaseProgress::UpdateTime()
{
    if (d->lastRepaint.elapsed() >= 2 * d->updateInterval && d->repaintPending) {
        d->lastRepaint.restart();
        d->repaintPending = false;
        update();
    }
}

bool QVelBaseProgress::repaintPending() const { return d->repaintPending; }

void QVelBaseProgress::setFormat(const QString& format)
{
    if (format == d->format)
        return;
    d->format = format;
    valueFormatChanged();
}

void QVelBaseProgress::resetFormat()
{
    d->format.clear();
    valueFormatChanged();
}

QString QVelBaseProgress::format() const { return d->format; }
QString QVelBaseProgress::getFormatValue() const { return valueToText(value()); }

void QVelBaseProgress::setTextAlignment(int alignment)
{
    if (alignment != d->textAlignment)
        d->textAlignment = alignment;
    update();
}

void QVelBaseProgress::setTextOffset(float x, float y)
{
    d->textOffsetX = x;
    d->textOffsetY = y;
    update();
}

void QVelBaseProgress::setDecimals(int decimals)
{
    if (decimals < 0 || decimals == d->decimals)
        return;
    d->decimals = decimals;
    valueFormatChanged();
}

int QVelBaseProgress::decimals() const { return d->decimals; }
void QVelBaseProgress::setCircle(bool on) { d->circle = on; }
void QVelBaseProgress::setCircleLenght(int length) { d->circleLength = length; }

void QVelBaseProgress::setOffset(int start, int end)
{
    d->startOffset = start;
    d->endOffset = end;
    const int length = d->policy == HorizontalBar ? width() : height();
    if (start + end >= length) {
        d->startOffset = 0;
        d->endOffset = 0;
    }
    update();
}

int QVelBaseProgress::getTLOffset() const { return d->startOffset; }
int QVelBaseProgress::getRBOffset() const { return d->endOffset; }

void QVelBaseProgress::setOutlinePenWidth(double width)
{
    if (width == d->outlinePenWidth)
        return;
    d->outlinePenWidth = width;
    update();
}

double QVelBaseProgress::outlinePenWidth() const { return d->outlinePenWidth; }

void QVelBaseProgress::setDataPenWidth(double width)
{
    if (width == d->dataPenWidth)
        return;
    d->dataPenWidth = width;
    update();
}

double QVelBaseProgress::dataPenWidth() const { return d->dataPenWidth; }

void QVelBaseProgress::setNullPosition(double position)
{
    if (position == d->nullPosition)
        return;
    d->nullPosition = position;
    if (!d->dataColors.isEmpty())
        d->rebuildBrush = true;
    update();
}

double QVelBaseProgress::nullPosition() const { return d->nullPosition; }

void QVelBaseProgress::setDataColors(const QVector<QPair<double, QColor>>& stops)
{
    if (stops == d->dataColors)
        return;
    d->dataColors = stops;
    d->rebuildBrush = true;
    update();
}

int QVelBaseProgress::getDefaultCircle()
{
    if (!d->circle)
        return 0;
    int e;
    if (d->bottom)
        e = d->policy == HorizontalBar ? d->bottom->height() : d->bottom->width();
    else
        e = d->policy == HorizontalBar ? height() : width();
    const int half = e / 2;
    if (d->circleLength == -1)
        return half;
    if (d->circleLength <= half)
        return d->circleLength;
    d->circleLength = half;
    return half;
}

double QVelBaseProgress::valueFraction(double value) const
{
    const double range = d->maximum - d->minimum;
    // Before a range is set up the fraction would be infinite or undefined.
    if (range <= 0)
        return 0;
    return value / range;
}

QString QVelBaseProgress::valueToText(double value) const
{
    QString text = d->format;
    if (d->formatFlags & 1)
        text.replace("%v", QString::number(value, 'f', d->decimals));
    if (d->formatFlags & 2) {
        const double range = d->maximum - d->minimum;
        const double percent = range > 0 ? (value - d->minimum) / range * 100.0 : 0.0;
        text.replace("%p", QString::number(percent, 'f', d->decimals));
    }
    if (d->formatFlags & 4)
        text.replace("%m", QString::number(d->maximum - d->minimum + 1, 'f', d->decimals));
    return text;
}

void QVelBaseProgress::valueFormatChanged()
{
    d->formatFlags = 0;
    if (d->format.contains("%v"))
        d->formatFlags |= 1;
    if (d->format.contains("%p"))
        d->formatFlags |= 2;
    if (d->format.contains("%m"))
        d->formatFlags |= 4;
    update();
}

void QVelBaseProgress::rebuildDataBrush()
{
    d->rebuildBrush = false;
    if (d->dataColors.isEmpty())
        return;
    QGradientStops stops;
    for (const auto& stop : d->dataColors)
        stops.append(QGradientStop(1.0 - stop.first, stop.second));
    std::sort(stops.begin(), stops.end(), [](const QGradientStop& a, const QGradientStop& b) { return a.first < b.first; });
    QBrush brush;
    if (d->policy == Ring) {
        QConicalGradient gradient(0.5, 0.5, d->nullPosition);
        gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
        gradient.setStops(stops);
        brush = QBrush(gradient);
    } else {
        QLinearGradient gradient(0, 0, d->policy == HorizontalBar ? 1 : 0, d->policy == HorizontalBar ? 0 : 1);
        gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
        gradient.setStops(stops);
        brush = QBrush(gradient);
    }
    QPalette pal = palette();
    pal.setBrush(QPalette::Highlight, brush);
    setPalette(pal);
}

void QVelBaseProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (d->rebuildBrush)
        rebuildDataBrush();
    DrawBackground(painter);
    DrawProgress(painter);
    DrawProgressText(painter);
}

QRect QVelBaseProgress::getBgRect() const
{
    if (d->policy == HorizontalBar) {
        const int h = d->bottom ? d->bottomHeight : height();
        const int y = d->bottom ? (height() - h) / 2 : 0;
        return QRect(QPoint(d->startOffset, y), QPoint(width() - 1 - d->endOffset, y + h - 1));
    }
    if (d->policy == VerticalBar) {
        const int w = d->bottom ? d->bottomWidth : width();
        const int x = d->bottom ? (width() - w) / 2 : 0;
        return QRect(QPoint(x, d->startOffset), QPoint(x + w - 1, height() - 1 - d->endOffset));
    }
    return rect();
}

void QVelBaseProgress::DrawBackground(QPainter& painter)
{
    if (d->policy == Ring) {
        const int side = std::min(width(), height());
        drawBase(painter, QRectF(1, 1, side - 2, side - 2));
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Window));
    const int radius = getDefaultCircle();
    if (!d->bottom) {
        painter.drawPath(QBaseImageDraw::GetRoundedRectanglePath(QRectF(getBgRect()), radius));
        return;
    }
    DrawBottomImage(painter, radius);
}

void QVelBaseProgress::DrawBottomImage(QPainter& painter, int radius)
{
    if (!d->bottom)
        return;
    if (d->policy == HorizontalBar && height() < d->bottom->height())
        resize(width(), d->bottom->height());
    else if (d->policy != HorizontalBar && width() < d->bottom->width())
        resize(d->bottom->width(), height());
    DrawCircleImage(painter, *d->bottom, getBgRect(), radius);
}

void QVelBaseProgress::DrawTopImage(QPainter& painter, QImage& image, int radius)
{
    const QRect track = getBgRect();
    const bool horizontal = d->policy == HorizontalBar;
    const double fraction = valueFraction(d->value);
    const double filled = filledLength();
    const int logicalW = image.width() / 2;
    const int logicalH = image.height() / 2;
    if (filled > 2 * radius) {
        const int length = int(filled);
        QRect target = horizontal ? QRect(track.left(), track.top(), length, track.height())
                                  : QRect(track.left(), track.bottom() + 1 - length, track.width(), length);
        if (radius > 0) {
            DrawCircleImage(painter, image, target, radius);
            return;
        }
        // Without caps the picture is cut, not stretched.
        if (horizontal) {
            const int columns = int(logicalW * fraction);
            QBaseImageDraw::drawImage(painter, target, QRect(0, 0, columns, logicalH), image);
        } else {
            const int rows = int(logicalH * fraction);
            QBaseImageDraw::drawImage(painter, target, QRect(0, logicalH - rows, logicalW, rows), image);
        }
        return;
    }
    if (!d->circle || filled <= 0)
        return;
    const double half = filled / 2;
    if (horizontal) {
        const QRectF first(track.left(), track.top(), half, track.height());
        const QRectF second(track.left() + half, track.top(), half, track.height());
        painter.drawImage(first, image, QRectF(0, 0, 2 * half, image.height()));
        painter.drawImage(second, image, QRectF(image.width() - 2 * half, 0, 2 * half, image.height()));
    } else {
        const double bottom = track.bottom() + 1;
        const QRectF first(track.left(), bottom - filled, track.width(), half);
        const QRectF second(track.left(), bottom - half, track.width(), half);
        painter.drawImage(first, image, QRectF(0, 0, image.width(), 2 * half));
        painter.drawImage(second, image, QRectF(0, image.height() - 2 * half, image.width(), 2 * half));
    }
}

double QVelBaseProgress::filledLength() const
{
    const int length = d->policy == HorizontalBar ? width() : height();
    return valueFraction(d->value) * (length - d->startOffset - d->endOffset) + 0.5;
}

void QVelBaseProgress::DrawProgress(QPainter& painter)
{
    if (d->policy == Ring) {
        const int side = std::min(width(), height());
        if (side <= 2)
            return;
        QImage canvas(2 * side, 2 * side, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        QPainter ring(&canvas);
        ring.setRenderHint(QPainter::Antialiasing, true);
        const QRectF outer(2, 2, 2 * (side - 2), 2 * (side - 2));
        const double range = d->maximum - d->minimum;
        drawRoundValue(ring, outer, d->value, range > 0 ? 360.0 / range * d->value : 0.0);
        QRectF inner;
        double innerSize = 0;
        calculateInnerRect(outer, 2 * side, inner, innerSize);
        drawInnerBackground(ring, inner);
        ring.end();
        canvas.setDevicePixelRatio(2.0);
        painter.drawImage(QRectF(0, 0, side, side), canvas);
        return;
    }
    if (d->policy != HorizontalBar && d->policy != VerticalBar)
        return;
    const int radius = getDefaultCircle();
    if (d->top) {
        DrawTopImage(painter, *d->top, radius);
        return;
    }
    const QRect track = getBgRect();
    if (track.width() <= 0 || track.height() <= 0)
        return;
    QImage fill = createImage(track.size(), radius);
    DrawTopImage(painter, fill, radius);
}

QImage QVelBaseProgress::createImage(const QSize& logical, int radius)
{
    QImage image(2 * logical.width(), 2 * logical.height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().brush(QPalette::Highlight));
    painter.drawPath(QBaseImageDraw::GetRoundedRectanglePath(QRectF(0, 0, image.width(), image.height()), 2 * radius));
    painter.end();
    image.setDevicePixelRatio(2.0);
    return image;
}

void QVelBaseProgress::DrawCircleImage(QPainter& painter, QImage& image, const QRect& target, int cap)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const int logicalW = image.width() / 2;
    const int logicalH = image.height() / 2;
    if (!d->circle || cap <= 0) {
        QBaseImageDraw::drawImage(painter, target, QRect(0, 0, logicalW, logicalH), image);
        return;
    }
    if (d->policy == HorizontalBar) {
        const int c = std::min(cap, std::min(logicalW, target.width()) / 2);
        QBaseImageDraw::drawImage(painter, QRect(target.left(), target.top(), c, target.height()),
                                  QRect(0, 0, c, logicalH), image);
        QBaseImageDraw::drawImage(painter, QRect(target.right() + 1 - c, target.top(), c, target.height()),
                                  QRect(logicalW - c, 0, c, logicalH), image);
        if (target.width() > 2 * c)
            QBaseImageDraw::drawImage(painter, QRect(target.left() + c, target.top(), target.width() - 2 * c, target.height()),
                                      QRect(c, 0, logicalW - 2 * c, logicalH), image);
        return;
    }
    const int c = std::min(cap, std::min(logicalH, target.height()) / 2);
    QBaseImageDraw::drawImage(painter, QRect(target.left(), target.top(), target.width(), c), QRect(0, 0, logicalW, c), image);
    QBaseImageDraw::drawImage(painter, QRect(target.left(), target.bottom() + 1 - c, target.width(), c),
                              QRect(0, logicalH - c, logicalW, c), image);
    if (target.height() > 2 * c)
        QBaseImageDraw::drawImage(painter, QRect(target.left(), target.top() + c, target.width(), target.height() - 2 * c),
                                  QRect(0, c, logicalW, logicalH - 2 * c), image);
}

void QVelBaseProgress::DrawProgressText(QPainter& painter)
{
    if (d->format.isEmpty())
        return;
    painter.save();
    painter.setFont(font());
    const double x = width() * double(d->textOffsetX);
    const double y = height() * double(d->textOffsetY);
    const QRectF rect(x, y, int(width() - x), int(height() - y));
    // The caption sits over the fill and over the track: it takes a colour that
    // reads on each, judged from the track picture or the plain track's colour.
    const double range = d->maximum - d->minimum;
    const double fraction = range > 0 ? std::clamp((d->value - d->minimum) / range, 0.0, 1.0) : 0.0;
    const QRectF track(getBgRect());
    QRectF filled;
    if (d->policy == HorizontalBar)
        filled = QRectF(track.left(), 0, track.width() * fraction, height());
    else if (d->policy == VerticalBar)
        filled = QRectF(0, track.bottom() - track.height() * fraction, width(), track.height() * fraction);
    const QColor plain = palette().color(d->policy == Ring ? QPalette::AlternateBase : QPalette::Window);
    const QColor onTrack = QProgressCaption::readableOn(d->bottom && d->policy != Ring ? d->bottomTone : plain);
    const QColor onFill = d->policy == Ring ? palette().color(QPalette::WindowText)
                                            : QProgressCaption::readableOn(d->top ? d->topTone
                                                                                  : palette().color(QPalette::Highlight));
    QProgressCaption::draw(painter, rect, d->textAlignment, valueToText(d->value), filled, onFill, onTrack);
    painter.restore();
}

namespace {

QPen ringPen(const QColor& color, double width)
{
    QPen pen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    return pen;
}

} // namespace

void QVelBaseProgress::drawBase(QPainter& painter, const QRectF& rect)
{
    const QPalette& pal = palette();
    switch (d->barStyle) {
    case StyleDonut:
        painter.setPen(ringPen(pal.color(QPalette::Shadow), d->outlinePenWidth));
        painter.setBrush(pal.base());
        painter.drawEllipse(rect);
        break;
    case StylePie:
        painter.setPen(ringPen(pal.color(QPalette::Base), d->outlinePenWidth));
        painter.setBrush(pal.base());
        painter.drawEllipse(rect);
        break;
    case StyleLine: {
        const double half = d->outlinePenWidth / 2;
        painter.setPen(ringPen(pal.color(QPalette::Base), d->outlinePenWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(rect.adjusted(half, half, -half, -half));
        break;
    }
    default:
        break;
    }
}

void QVelBaseProgress::drawRoundValue(QPainter& painter, const QRectF& rect, double value, double arc)
{
    if (value == d->minimum)
        return;
    const QPalette& pal = palette();
    if (d->barStyle == StyleLine) {
        painter.setPen(ringPen(pal.color(QPalette::Highlight), d->dataPenWidth * 2));
        painter.setBrush(Qt::NoBrush);
        const double inset = d->outlinePenWidth;
        painter.drawArc(rect.adjusted(inset, inset, -inset, -inset), int(d->nullPosition * 16), int(-arc * 16));
        return;
    }
    QPainterPath path;
    path.moveTo(rect.center());
    path.arcTo(rect, d->nullPosition, -arc);
    path.lineTo(rect.center());
    path.setFillRule(Qt::WindingFill);
    painter.setBrush(pal.brush(QPalette::Highlight));
    painter.setPen(ringPen(pal.color(QPalette::Shadow), d->dataPenWidth));
    painter.drawPath(path);
}

void QVelBaseProgress::calculateInnerRect(const QRectF& outer, double size, QRectF& inner, double& innerSize)
{
    innerSize = d->barStyle == StyleLine ? size - d->outlinePenWidth : size * 0.75;
    const double delta = (size - innerSize) / 2;
    inner = QRectF(outer.left() + delta, outer.top() + delta, innerSize, innerSize);
}

void QVelBaseProgress::drawInnerBackground(QPainter& painter, const QRectF& inner)
{
    if (d->barStyle != StyleDonut)
        return;
    const QPalette& pal = palette();
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(inner);
    painter.restore();
    painter.setPen(ringPen(pal.color(QPalette::Shadow), d->dataPenWidth));
    painter.setBrush(pal.alternateBase());
    painter.drawEllipse(inner);
}
