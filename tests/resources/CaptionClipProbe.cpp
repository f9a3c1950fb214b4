#include "CaptionClipProbe.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTextItem>
#include <QtMath>
#include <QWidget>

// Draws nothing; hands every run of text to the probe. It claims every feature so
// the painter passes text on as text instead of turning it into paths.
class CaptionClipEngine : public QPaintEngine
{
public:
    explicit CaptionClipEngine(CaptionClipProbe *probe)
        : QPaintEngine(QPaintEngine::AllFeatures), m_probe(probe)
    {
    }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
    void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath &) override {}
    void drawTextItem(const QPointF &position, const QTextItem &item) override
    {
        if (painter())
            m_probe->record(painter(), position, item);
    }

private:
    CaptionClipProbe *m_probe;
};

namespace {
bool isEditable(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
            || qobject_cast<const QTextEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w))
            return true;
        if (w->isWindow())
            break;
    }
    return false;
}

bool isViewport(const QWidget *widget)
{
    const auto *area = qobject_cast<const QAbstractScrollArea *>(widget->parentWidget());
    return area && area->viewport() == widget;
}

QString describe(const QWidget *widget)
{
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty())
        name += QLatin1Char(' ') + widget->objectName();
    return name;
}
} // namespace

CaptionClipProbe::CaptionClipProbe() : m_engine(new CaptionClipEngine(this)) {}

CaptionClipProbe::~CaptionClipProbe() = default;

QPaintEngine *CaptionClipProbe::paintEngine() const { return m_engine.get(); }

int CaptionClipProbe::metric(PaintDeviceMetric metric) const
{
    const QWidget *w = m_current;
    switch (metric) {
    case PdmWidth:
        return w ? w->width() : 1;
    case PdmHeight:
        return w ? w->height() : 1;
    case PdmWidthMM:
        return w ? w->widthMM() : 1;
    case PdmHeightMM:
        return w ? w->heightMM() : 1;
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return w ? w->logicalDpiX() : 96;
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return w ? w->logicalDpiY() : 96;
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return INT_MAX;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

QStringList CaptionClipProbe::clippedCaptions(QWidget *window)
{
    QStringList found;
    QList<QWidget *> widgets{window};
    widgets += window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->isVisible() || (widget != window && widget->window() != window) || isEditable(widget))
            continue;
        // What the parents leave of the widget, in its own coordinates. A widget a
        // scroll area has moved partly out of sight is not cut off, only scrolled.
        QRectF room(widget->rect());
        bool scrolledAway = false;
        for (QWidget *w = widget; !w->isWindow() && w->parentWidget(); w = w->parentWidget()) {
            const QWidget *parent = w->parentWidget();
            const QRectF parentRect(QPointF(widget->mapFrom(parent, QPoint(0, 0))), QSizeF(parent->size()));
            if (isViewport(parent) && !parentRect.contains(QRectF(widget->rect())))
                scrolledAway = true;
            room &= parentRect;
        }
        if (scrolledAway || room.isEmpty())
            continue;
        // Lines a wrapped label has no room for are not drawn at all, so they are
        // found by the label's own measure.
        if (const auto *label = qobject_cast<const QLabel *>(widget); label && label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            if (needed > label->height())
                found.append(QStringLiteral("%1: \"%2\" needs %3 px of height, has %4 px")
                                 .arg(describe(label), label->text())
                                 .arg(needed)
                                 .arg(label->height()));
        }
        probe(widget, room, &found);
    }
    return found;
}

void CaptionClipProbe::probe(QWidget *widget, const QRectF &room, QStringList *found)
{
    m_current = widget;
    m_room = room;
    m_found = found;
    widget->render(this, QPoint(), QRegion(widget->rect()), QWidget::RenderFlags());
    m_current = nullptr;
    m_found = nullptr;
}

void CaptionClipProbe::record(QPainter *painter, const QPointF &position, const QTextItem &item)
{
    if (!m_current || !m_found || item.text().trimmed().isEmpty())
        return;
    const QTransform toDevice = painter->deviceTransform();
    const QRectF run = toDevice.mapRect(
        QRectF(position.x(), position.y() - item.ascent(), item.width(), item.ascent() + item.descent()));
    const QPointF baseline = toDevice.map(position);
    QRectF limit = m_room;
    if (painter->hasClipping())
        limit &= toDevice.mapRect(painter->clipBoundingRect());
    // Anti-aliased edges and rounding may stray by a pixel without losing anything.
    const qreal slack = 1.0;
    const bool cut = run.left() < limit.left() - slack || run.right() > limit.right() + slack
                     || baseline.y() < limit.top() - slack || baseline.y() > limit.bottom() + slack;
    // Many of the program's controls shorten a caption that does not fit with an
    // ellipsis instead of cutting it; no text of the program holds one itself.
    if (!cut && item.text().contains(QChar(0x2026)))
        m_found->append(QStringLiteral("%1: \"%2\" is shortened to fit %3 px")
                            .arg(describe(m_current), item.text())
                            .arg(qFloor(limit.width())));
    else if (cut)
        m_found->append(QStringLiteral("%1: \"%2\" needs %3 px from x %4, has %5 px from x %6")
                            .arg(describe(m_current), item.text())
                            .arg(qCeil(run.width()))
                            .arg(qRound(run.left()))
                            .arg(qFloor(limit.width()))
                            .arg(qRound(limit.left())));
}
