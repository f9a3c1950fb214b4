#include "SheetFlow.h"

#include <QtGlobal>

SheetFlow SheetFlow::place(const QVector<QSize>& boxes, int sheetWidth, int gap, int top)
{
    SheetFlow flow;
    int x = gap, y = top, rowHeight = 0;
    for (const QSize& box : boxes) {
        // A box wider than the sheet still gets a row of its own rather than an empty one before it.
        if (x > gap && x + box.width() > sheetWidth - gap) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        flow.positions.append(QPoint(x, y));
        x += box.width() + gap;
        rowHeight = qMax(rowHeight, box.height());
    }
    flow.bottom = y + rowHeight + gap;
    return flow;
}
