// Crop record, pan-scan window and the crop-box drag of the preview player.
#include "VelPlayerManager.h"

#include "PreviewBoxZone.h"
#include "QMediaElementWindow.h"
#include "VelPlayerClass.h"

#include <QMouseEvent>
#include <QWidget>

#include <cmath>
#include <numeric>
#include <utility>

namespace {

// Smallest crop side the player is ever given, as a fraction of the picture.
const double kMinCropFraction = 0.001;
// Closest a dragged edge may come to the opposite one.
const double kMinDragFraction = 0.02;
// Smallest crop box on the surface, in pixels.
const int kMinBoxPixels = 20;

uint32_t low(uint64_t packed) { return uint32_t(packed & 0xFFFFFFFFu); }
uint32_t high(uint64_t packed) { return uint32_t(packed >> 32); }
uint64_t pack(uint32_t first, uint32_t second) { return uint64_t(second) << 32 | first; }

bool rotated(const VECropSettings& s) { return s.m_rotation % 180 != 0; }

double clampOr(double value, double lo, double hi, double ifNaN)
{
    return std::isnan(value) ? ifNaN : qBound(lo, value, hi);
}

// Keeps a rectangle inside the picture with sides the player can use; a value
// that is not a number never gets through.
QRectF clampedRect(const QRectF& r)
{
    const double x = clampOr(r.x(), 0.0, 1.0 - kMinCropFraction, 0.0);
    const double y = clampOr(r.y(), 0.0, 1.0 - kMinCropFraction, 0.0);
    const double w = clampOr(r.width(), kMinCropFraction, 1.0 - x, 1.0 - x);
    const double h = clampOr(r.height(), kMinCropFraction, 1.0 - y, 1.0 - y);
    return QRectF(x, y, w, h);
}

int roundHalfAway(double v)
{
    return int(std::round(v));
}

} // namespace

bool VelPlayerManager::isPanScan(const VECropSettings& s) const
{
    return s.m_cropMode == 1 && s.m_padding != 0 && s.m_aspectMode != 2;
}

void VelPlayerManager::setCropSettings(const VECropSettings& settings)
{
    if (!hasPlayer())
        return;
    VECropSettings s = settings;
    s.m_cropRect = clampedRect(s.m_cropRect);
    s.m_padCropRect = clampedRect(s.m_padCropRect);
    applyCrop(s, true);
    m_cropSettings = s;
    emit emitCropAreaChange(m_cropSettings);
}

void VelPlayerManager::cropSettings(const VECropSettings& settings)
{
    VECropSettings s = settings;
    applyCrop(s, false);
}

void VelPlayerManager::getCropSettings(VECropSettings& settings) const
{
    settings = m_cropSettings;
}

void VelPlayerManager::setPanScanMode(PanScanMode mode)
{
    m_panScanMode = mode;
}

void VelPlayerManager::applyCrop(VECropSettings& s, bool computePanScan)
{
    if (!hasPlayer())
        return;
    VelPlayerClass* p = m_player;
    const bool turned = rotated(s);
    const uint32_t aw = uint32_t(s.m_aspectWidth);
    const uint32_t ah = uint32_t(s.m_aspectHeight);
    const QRectF& crop = s.m_cropRect;
    p->SetVideoRotate_Player(uint32_t(s.m_rotation));
    p->SetVideoMirror_Player(uint32_t(s.m_mirror));
    if (isPanScan(s)) {
        p->SetVideoPadAndColor_Player(0, s.m_padColor);
        p->SetVideoCrop_Player(s.m_padCropRect.x(), s.m_padCropRect.y(), s.m_padCropRect.width(),
                               s.m_padCropRect.height());
    } else {
        p->SetVideoPadAndColor_Player(s.m_aspectMode == 2 ? 0 : uint32_t(s.m_padding), s.m_padColor);
        p->SetVideoCrop_Player(crop.x(), crop.y(), crop.width(), crop.height());
    }
    if (s.m_padding != 0 && s.m_cropMode == 1) {
        const uint64_t size = p->GetVideoSize_Player();
        turned ? p->SetVideoAspectRatio_Player(high(size), low(size))
               : p->SetVideoAspectRatio_Player(low(size), high(size));
    } else if (s.m_aspectMode == 2 && turned) {
        p->SetVideoAspectRatio_Player(ah, aw);
    } else {
        p->SetVideoAspectRatio_Player(aw, ah);
    }
    if (s.m_cropMode == 0) {
        p->SetVideoCrop_Player(crop.x(), crop.y(), crop.width(), crop.height());
        p->SetVideoPadAndColor_Player(1, s.m_padColor);
        p->SetVideoAspectRatio_Player(aw, ah);
        if (s.m_aspectMode == 2) {
            p->SetVideoPadAndColor_Player(0, s.m_padColor);
            turned ? p->SetVideoAspectRatio_Player(ah, aw) : p->SetVideoAspectRatio_Player(aw, ah);
        } else if (s.m_padding != 0) {
            p->SetVideoPadAndColor_Player(uint32_t(s.m_padding), s.m_padColor);
            p->SetVideoAspectRatio_Player(aw, ah);
        }
    } else if (s.m_cropMode == 1) {
        if (computePanScan)
            CalcCropPanScan(s);
        const QRectF& window = s.m_padCropRect;
        p->SetVideoCrop_Player(window.x(), window.y(), window.width(), window.height());
        p->SetVideoPadAndColor_Player(0, s.m_padColor);
        turned ? p->SetVideoAspectRatio_Player(m_outputHeight, m_outputWidth)
               : p->SetVideoAspectRatio_Player(m_outputWidth, m_outputHeight);
    }
}

void VelPlayerManager::cropDisplaySize(const VECropSettings& s, double& width, double& height) const
{
    const uint64_t size = m_player->GetVideoSize_Player();
    const uint64_t ar = m_player->GetVideoAspectRatio_Player();
    const double sw = low(size), sh = high(size);
    const QRectF& a = s.m_cropRect;
    const bool termsSet = s.m_aspectWidth != 0 && s.m_aspectHeight != 0;
    if (termsSet && s.m_aspectMode != 1) {
        width = s.m_aspectWidth;
        height = s.m_aspectHeight;
    } else if (!termsSet && low(ar) != 0 && high(ar) != 0) {
        const uint32_t p = low(ar) * high(size);
        const uint32_t q = high(ar) * low(size);
        const uint32_t g = std::gcd(p, q);
        width = g == 0 ? 0.0 : sw * double(p / g) * a.width();
        height = g == 0 ? 0.0 : sh * double(q / g) * a.height();
    } else {
        width = sw * a.width();
        height = sh * a.height();
    }
}

void VelPlayerManager::panScanWindow(VECropSettings& s, int mode)
{
    double W = 0.0, H = 0.0;
    cropDisplaySize(s, W, H);
    double ow = m_outputWidth, oh = m_outputHeight;
    if (rotated(s))
        std::swap(ow, oh);
    // Without a known shape on either side there is no window to fit: leave it.
    if (W <= 0.0 || H <= 0.0 || ow <= 0.0 || oh <= 0.0)
        return;
    const QRectF a = s.m_cropRect;
    QRectF& b = s.m_padCropRect;
    const double cropOverOutput = (W * oh) / (H * ow); // > 1: the crop is wider
    if (mode == 0) {
        if (W * oh < H * ow) {
            const double h = a.height() * cropOverOutput;
            b = QRectF(a.x(), a.y() + (a.height() - h) / 2, a.width(), h);
        } else {
            const double w = a.width() / cropOverOutput;
            b = QRectF(a.x() + (a.width() - w) / 2, a.y(), w, a.height());
        }
    } else if (mode == 1) {
        double w = a.width();
        double h = a.height() * cropOverOutput;
        if (b.y() + h > 1.0) {
            w = a.width() * (1.0 - b.y()) / h;
            h = 1.0 - b.y();
        }
        b.setWidth(w);
        b.setHeight(h);
    } else if (mode == 2) {
        double h = a.height();
        double w = a.width() / cropOverOutput;
        if (b.x() + w > 1.0) {
            h = a.height() * (1.0 - b.x()) / w;
            w = 1.0 - b.x();
        }
        b.setWidth(w);
        b.setHeight(h);
    }
}

void VelPlayerManager::CalcCropPanScan(VECropSettings& settings)
{
    if (!hasPlayer() || !m_player->HasVideo_Player())
        return;
    panScanWindow(settings, m_panScanMode);
    // A mode given by setPanScanMode serves one computation only.
    m_panScanMode = 0;
}

void VelPlayerManager::CalcCropPanScan()
{
    if (hasPlayer() && m_player->HasVideo_Player())
        panScanWindow(m_cropSettings, 0);
}

QRect VelPlayerManager::originalPictureRect() const
{
    QMediaElementWindow* window = m_originalWindow;
    return window ? window->getVideoElementRect() : QRect();
}

uint64_t VelPlayerManager::getCropMinSize() const
{
    const QRect picture = originalPictureRect();
    if (!hasPlayer() || !m_originalWindow || picture.width() <= 0 || picture.height() <= 0)
        return 0;
    const uint64_t size = m_player->GetVideoSize_Player();
    const double sw = low(size), sh = high(size);
    const double rw = picture.width(), rh = picture.height();
    uint32_t mw = uint32_t(sw * kMinBoxPixels / rw + 0.5);
    uint32_t mh = uint32_t(kMinBoxPixels * sh / rh + 0.5);
    if (isPanScan(m_cropSettings)) {
        if (!rotated(m_cropSettings))
            mw = sh > 0 ? uint32_t(sw * mh / sh) : 0;
        else
            mh = sw > 0 ? uint32_t(sh * mw / sw) : 0;
    }
    return pack(mw, mh);
}

QPoint VelPlayerManager::minimumBoxPixels(const QRect& picture) const
{
    const int rw = picture.width(), rh = picture.height();
    if (!isPanScan(m_cropSettings))
        return QPoint(kMinBoxPixels, kMinBoxPixels);
    if (!rotated(m_cropSettings))
        return QPoint(rh > 0 ? int(double(rw) * kMinBoxPixels / rh) : 0, kMinBoxPixels);
    return QPoint(kMinBoxPixels, rw > 0 ? int(double(rh) * kMinBoxPixels / rw) : 0);
}

uint64_t VelPlayerManager::getCropVCMinSize() const
{
    const QPoint m = minimumBoxPixels(originalPictureRect());
    return pack(uint32_t(m.x()), uint32_t(m.y()));
}

QRectF VelPlayerManager::cropBox() const
{
    return isPanScan(m_cropSettings) ? m_cropSettings.m_padCropRect : m_cropSettings.m_cropRect;
}

QRect VelPlayerManager::boxOnSurface(const QRectF& box, const QRect& picture) const
{
    const int left = int(box.x() * picture.width() + picture.left());
    const int top = int(box.y() * picture.height() + picture.top());
    const int right = int(box.width() * picture.width() + left);
    const int bottom = int(box.height() * picture.height() + top);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void VelPlayerManager::mousePressEvent(QMouseEvent* event)
{
    const QRect picture = originalPictureRect();
    if (!m_originalWindow || !event || picture.width() <= 0 || picture.height() <= 0)
        return;
    const QRectF box = cropBox();
    if (box.width() <= 0.0001 || box.height() <= 0.0001)
        return;
    const QRect b = boxOnSurface(box, picture);
    const QPoint pointer(roundHalfAway(event->localPos().x()), roundHalfAway(event->localPos().y()));
    const int zone = PreviewBoxZone::hit(b.left(), b.top(), b.right(), b.bottom(), pointer);
    if (zone == 0)
        return;
    m_dragMode = zone;
    if (auto* widget = qobject_cast<QWidget*>(sender()))
        widget->setCursor(PreviewBoxZone::cursor(zone));
    m_pressPoint = pointer;
    m_dragStartRect = box;
}

void VelPlayerManager::mouseMoveEvent(QMouseEvent* event)
{
    const QRect picture = originalPictureRect();
    if (!m_originalWindow || !event)
        return;
    auto* widget = qobject_cast<QWidget*>(sender());
    if (widget)
        widget->setCursor(Qt::ArrowCursor);
    // A picture of no size has no place for a box: nothing moves.
    if (picture.width() <= 0 || picture.height() <= 0)
        return;
    const QPoint pointer(roundHalfAway(event->localPos().x()), roundHalfAway(event->localPos().y()));
    if (m_dragMode == 0) {
        const QRectF box = cropBox();
        if (box.width() <= 0.0001 || box.height() <= 0.0001)
            return;
        const QRect b = boxOnSurface(box, picture);
        const int zone = PreviewBoxZone::hit(b.left(), b.top(), b.right(), b.bottom(), pointer);
        if (zone != 0 && widget)
            widget->setCursor(PreviewBoxZone::cursor(zone));
        return;
    }
    if (widget)
        widget->setCursor(PreviewBoxZone::cursor(m_dragMode));
    dragCrop(pointer, picture);
}

void VelPlayerManager::dragCrop(QPoint pointer, const QRect& picture)
{
    using namespace PreviewBoxZone;
    const double rw = picture.width(), rh = picture.height();
    const double fx = (pointer.x() - m_pressPoint.x()) / rw;
    const double fy = (pointer.y() - m_pressPoint.y()) / rh;
    const QPoint minimum = minimumBoxPixels(picture);
    const QRectF s = m_dragStartRect;
    double x = s.x(), y = s.y(), w = s.width(), h = s.height();
    if (movesLeft(m_dragMode)) {
        x = qBound(0.0, s.x() + fx, s.x() + s.width() - kMinDragFraction);
        w = s.x() + s.width() - x;
        if (w * rw <= minimum.x()) {
            w = minimum.x() / rw;
            x = s.x() + s.width() - w;
        }
    } else if (movesRight(m_dragMode)) {
        const double right = qBound(s.x() + kMinDragFraction, s.x() + s.width() + fx, 1.0);
        w = qMax(right - s.x(), minimum.x() / rw);
    }
    if (movesTop(m_dragMode)) {
        y = qBound(0.0, s.y() + fy, s.y() + s.height() - kMinDragFraction);
        h = s.y() + s.height() - y;
        if (h * rh <= minimum.y()) {
            h = minimum.y() / rh;
            y = s.y() + s.height() - h;
        }
    } else if (movesBottom(m_dragMode)) {
        const double bottom = qBound(s.y() + kMinDragFraction, s.y() + s.height() + fy, 1.0);
        h = qMax(bottom - s.y(), minimum.y() / rh);
    }
    if (m_dragMode == 9) {
        x = qMin(qMax(0.0, s.x() + fx), 1.0 - s.width());
        y = qMin(qMax(0.0, s.y() + fy), 1.0 - s.height());
    }
    VECropSettings& c = m_cropSettings;
    c.m_cropRect = QRectF(x, y, w, h);
    if (c.m_cropMode == 1 && c.m_padding != 0 && (c.m_aspectMode == 0 || c.m_aspectMode == 1))
        MoveCropPanScan();
    c.m_padCropRect = c.m_cropRect;
    if (c.m_aspectMode == 1 || (c.m_aspectMode == 0 && c.m_padding == 0)) {
        c.m_cropMode = 0;
        uint64_t terms = 0;
        if (c.m_aspectMode == 1) {
            const uint64_t size = getVideoSize();
            terms = VelPlayerClass::getCropSize(c.m_cropRect.x(), c.m_cropRect.y(), c.m_cropRect.width(),
                                                c.m_cropRect.height(), low(size), high(size));
        }
        c.m_aspectWidth = int32_t(low(terms));
        c.m_aspectHeight = int32_t(high(terms));
    }
    emit emitCropAreaChange(m_cropSettings);
    cropSettings(m_cropSettings);
}

void VelPlayerManager::mouseReleaseEvent(QMouseEvent*)
{
    m_dragMode = 0;
}
