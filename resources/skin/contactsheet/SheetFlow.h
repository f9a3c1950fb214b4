#pragma once
// Places boxes on a contact sheet in rows, left to right, each row as tall as
// its tallest box; a box that would pass the right margin starts the next row.
// Shared by the skin's sheet and the windows' sheet so both read the same way.

#include <QPoint>
#include <QSize>
#include <QVector>

struct SheetFlow
{
    QVector<QPoint> positions;   // top-left corner of each box, in the order given
    int bottom = 0;              // below the last row, margin included

    static SheetFlow place(const QVector<QSize>& boxes, int sheetWidth, int gap, int top);
};
