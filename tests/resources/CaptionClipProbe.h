#pragma once

#include <QPaintDevice>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;
class QPainter;
class QTextItem;
class CaptionClipEngine;

// Finds captions a window draws cut off. Every visible widget of the window is
// painted on its own into this device, whose engine draws nothing but records each
// run of text with the painter's clip at that moment; a run reaching past that clip,
// past the widget or past a parent that holds the widget is a clipped caption,
// whatever the widget class and however it draws its text. A run shortened with an
// ellipsis is reported too.
class CaptionClipProbe : public QPaintDevice
{
public:
    CaptionClipProbe();
    ~CaptionClipProbe() override;

    // One line per clipped run: widget class and object name, the text, the pixels
    // it needs and the pixels it has. Editable fields are left out: their content
    // is the user's and scrolls.
    QStringList clippedCaptions(QWidget *window);

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    friend class CaptionClipEngine;
    void record(QPainter *painter, const QPointF &position, const QTextItem &item);
    void probe(QWidget *widget, const QRectF &room, QStringList *found);

    std::unique_ptr<CaptionClipEngine> m_engine;
    QWidget *m_current = nullptr;
    QRectF m_room;          // the part of the current widget its parents leave visible
    QStringList *m_found = nullptr;
};
