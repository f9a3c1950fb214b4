// Moving and resizing the current overlay's text and image on the preview surface.
#include "VelPlayerManager.h"

#include "PreviewBoxZone.h"
#include "QMediaElementWindow.h"
#include "VelPlayerClass.h"

#include <QMouseEvent>
#include <QWidget>

#include <cmath>

namespace {

const double kMinOverlayFraction = 0.02;

QPoint roundedPointer(const QMouseEvent* event)
{
    return QPoint(int(std::round(event->localPos().x())), int(std::round(event->localPos().y())));
}

// One axis of a resize: the start edge moves (left or top) or the end edge
// moves (right or bottom); returns the new position and size.
void resizeAxis(bool movesStart, bool movesEnd, double start, double size, double offset, double& pos,
                double& newSize)
{
    pos = start;
    newSize = size;
    if (movesStart) {
        pos = start + offset;
        newSize = size - offset;
        if (pos < 0.0) {
            pos = 0.0;
            newSize = start + size;
        }
        if (pos > start + size - kMinOverlayFraction) {
            pos = start + size - kMinOverlayFraction;
            newSize = kMinOverlayFraction;
        }
    } else if (movesEnd) {
        const double moved = start + offset;
        newSize = size + offset;
        if (moved + size > 1.0)
            newSize = 1.0 - start;
        if (moved < start - size + kMinOverlayFraction)
            newSize = kMinOverlayFraction;
    }
}

uint32_t followScale(double newSize, double startSize, double startScale)
{
    // The scale follows the size as clamped, so a box stopped at a border or
    // at its minimum is drawn at that size.
    return startSize > 0.0 ? uint32_t(newSize / startSize * startScale + 0.5) : uint32_t(startScale);
}

// A text is resized as a whole, by one factor on both axes, so its letters keep
// their shape whichever handle is held: an edge gives the factor along its
// axis, a corner the pointer's reach along the box's diagonal (in pixels, so
// the corner follows the pointer). The edges opposite the handle stay put and
// the box stays on the picture.
double wholeTextFactor(int mode, const QRectF& s, double fx, double fy, const QSizeF& picture)
{
    using namespace PreviewBoxZone;
    if (s.width() <= 0.0 || s.height() <= 0.0)
        return 1.0;
    const bool horizontal = movesLeft(mode) || movesRight(mode);
    const bool vertical = movesTop(mode) || movesBottom(mode);
    const double w = s.width() + (movesLeft(mode) ? -fx : movesRight(mode) ? fx : 0.0);
    const double h = s.height() + (movesTop(mode) ? -fy : movesBottom(mode) ? fy : 0.0);
    double factor = 1.0;
    if (horizontal && vertical) {
        const double ow = s.width() * picture.width(), oh = s.height() * picture.height();
        factor = (w * picture.width() * ow + h * picture.height() * oh) / (ow * ow + oh * oh);
    } else if (horizontal) {
        factor = w / s.width();
    } else if (vertical) {
        factor = h / s.height();
    }
    const double room = qMin(movesLeft(mode) ? s.right() / s.width() : (1.0 - s.x()) / s.width(),
                             movesTop(mode) ? s.bottom() / s.height() : (1.0 - s.y()) / s.height());
    const double least = qMax(kMinOverlayFraction / s.width(), kMinOverlayFraction / s.height());
    return qMin(room, qMax(least, factor));
}

} // namespace

QRect VelPlayerManager::previewPictureRect() const
{
    QMediaElementWindow* window = m_previewWindow;
    return window ? window->getVideoElementRect() : QRect();
}

int VelPlayerManager::overlayZone(QMouseEvent* event, bool text, const QRect& picture, QRectF* box)
{
    const VEWatermarkTextSettings& t = m_currentWatermark.m_textSettings;
    const VEWatermarkImageSettings& im = m_currentWatermark.m_imageSettings;
    if ((text ? t.m_border : im.m_border) == 0)
        return -1;
    const double w = text ? m_player->GetWatermarkTextWidth_Player() : m_player->GetWatermarkImageWidth_Player();
    const double h = text ? m_player->GetWatermarkTextHeight_Player() : m_player->GetWatermarkImageHeight_Player();
    if (w <= 0.0001 || h <= 0.0001)
        return -1;
    const double x = text ? t.m_posX : im.m_posX;
    const double y = text ? t.m_posY : im.m_posY;
    *box = QRectF(x, y, w, h);
    const int left = int(x * picture.width() + picture.left());
    const int top = int(y * picture.height() + picture.top());
    const int right = int(w * picture.width() + left);
    const int bottom = int(h * picture.height() + top);
    return PreviewBoxZone::hit(left, top, right, bottom, roundedPointer(event));
}

bool VelPlayerManager::overlayDown(QMouseEvent* event, bool text)
{
    const QRect picture = previewPictureRect();
    if (!m_previewWindow || !m_player || picture.width() <= 0 || picture.height() <= 0)
        return false;
    QRectF box;
    const int zone = overlayZone(event, text, picture, &box);
    if (zone <= 0)
        return false;
    (text ? m_textDragMode : m_imageDragMode) = zone;
    if (auto* widget = qobject_cast<QWidget*>(sender()))
        widget->setCursor(PreviewBoxZone::cursor(zone));
    VEWatermarkTextSettings& t = m_currentWatermark.m_textSettings;
    const VEWatermarkImageSettings& im = m_currentWatermark.m_imageSettings;
    // The element grabbed is drawn on top from now on.
    t.m_topmost = text ? 1 : 0;
    m_pressPoint = roundedPointer(event);
    m_overlayDragStart = box;
    m_overlayDragScale = text ? QPointF(t.m_scaleX, t.m_scaleY) : QPointF(im.m_scaleX, im.m_scaleY);
    return true;
}

bool VelPlayerManager::overlayMove(QMouseEvent* event, bool text)
{
    const QRect picture = previewPictureRect();
    if (!m_player || !m_previewWindow || picture.width() <= 0 || picture.height() <= 0)
        return false;
    VEWatermarkTextSettings& t = m_currentWatermark.m_textSettings;
    VEWatermarkImageSettings& im = m_currentWatermark.m_imageSettings;
    if ((text ? t.m_border : im.m_border) == 0)
        return false;
    auto* widget = qobject_cast<QWidget*>(sender());
    const int mode = text ? m_textDragMode : m_imageDragMode;
    if (mode == 0) {
        if (widget)
            widget->setCursor(Qt::ArrowCursor);
        QRectF box;
        const int zone = overlayZone(event, text, picture, &box);
        if (zone <= 0)
            return false;
        if (widget)
            widget->setCursor(PreviewBoxZone::cursor(zone));
        return true;
    }
    using namespace PreviewBoxZone;
    const QPoint pointer = roundedPointer(event);
    const double fx = (pointer.x() - m_pressPoint.x()) / double(picture.width());
    const double fy = (pointer.y() - m_pressPoint.y()) / double(picture.height());
    const QRectF s = m_overlayDragStart;
    double x = s.x(), y = s.y(), w = s.width(), h = s.height();
    uint32_t& scaleX = text ? t.m_scaleX : im.m_scaleX;
    uint32_t& scaleY = text ? t.m_scaleY : im.m_scaleY;
    if (mode == 9) {
        x = qMin(qMax(0.0, s.x() + fx), 1.0 - s.width());
        y = qMin(qMax(0.0, s.y() + fy), 1.0 - s.height());
    } else if (text) {
        const double factor = wholeTextFactor(mode, s, fx, fy, QSizeF(picture.size()));
        w = s.width() * factor;
        h = s.height() * factor;
        x = movesLeft(mode) ? s.right() - w : s.x();
        y = movesTop(mode) ? s.bottom() - h : s.y();
        scaleX = uint32_t(m_overlayDragScale.x() * factor + 0.5);
        scaleY = uint32_t(m_overlayDragScale.y() * factor + 0.5);
    } else {
        resizeAxis(movesLeft(mode), movesRight(mode), s.x(), s.width(), fx, x, w);
        resizeAxis(movesTop(mode), movesBottom(mode), s.y(), s.height(), fy, y, h);
    }
    if (!text || mode == 9) {
        if (movesLeft(mode) || movesRight(mode))
            scaleX = followScale(w, s.width(), m_overlayDragScale.x());
        if (movesTop(mode) || movesBottom(mode))
            scaleY = followScale(h, s.height(), m_overlayDragScale.y());
    }
    (text ? t.m_posX : im.m_posX) = x;
    (text ? t.m_posY : im.m_posY) = y;
    (text ? t.m_layoutWidth : im.m_layoutWidth) = w;
    (text ? t.m_layoutHeight : im.m_layoutHeight) = h;
    if (widget)
        widget->setCursor(cursor(mode));
    setCurrentWatermarkSettingsNotSource(m_currentWatermark, m_currentWatermarkIndex, true);
    emit emitWatermarkSettingChange(m_currentWatermark, m_currentWatermarkIndex);
    return true;
}

bool VelPlayerManager::WatermarkTextDown(QMouseEvent* event) { return overlayDown(event, true); }
bool VelPlayerManager::WatermarkImageDown(QMouseEvent* event) { return overlayDown(event, false); }
bool VelPlayerManager::WatermarkTextMove(QMouseEvent* event) { return overlayMove(event, true); }
bool VelPlayerManager::WatermarkImageMove(QMouseEvent* event) { return overlayMove(event, false); }
void VelPlayerManager::WatermarkTextUp() { overlayUp(m_textDragMode); }
void VelPlayerManager::WatermarkImageUp() { overlayUp(m_imageDragMode); }

void VelPlayerManager::overlayUp(int& dragMode)
{
    if (dragMode == 0)
        return;
    dragMode = 0;
    setCurrentWatermarkSettingsNotSource(m_currentWatermark, m_currentWatermarkIndex, true);
}

void VelPlayerManager::mouseWatermarkPressEvent(QMouseEvent* event)
{
    if (!event || m_currentWatermarkIndex < 0)
        return;
    if (m_currentWatermark.m_textSettings.m_topmost != 0) {
        if (!WatermarkTextDown(event))
            WatermarkImageDown(event);
    } else if (!WatermarkImageDown(event)) {
        WatermarkTextDown(event);
    }
}

void VelPlayerManager::mouseWatermarkMoveEvent(QMouseEvent* event)
{
    if (!event || m_currentWatermarkIndex < 0)
        return;
    if (m_player && m_selectedLayer != m_currentWatermarkIndex) {
        m_selectedLayer = m_currentWatermarkIndex;
        m_player->SetWatermarkIndex_Player(uint32_t(m_currentWatermarkIndex));
    }
    if (m_currentWatermark.m_textSettings.m_topmost != 0) {
        if (!WatermarkTextMove(event))
            WatermarkImageMove(event);
    } else if (!WatermarkImageMove(event)) {
        WatermarkTextMove(event);
    }
}

void VelPlayerManager::mouseWatermarkReleaseEvent(QMouseEvent*)
{
    if (m_currentWatermarkIndex < 0)
        return;
    setCurrentWatermarkSettingsNotSource(m_currentWatermark, m_currentWatermarkIndex, true);
    WatermarkTextUp();
    WatermarkImageUp();
}
