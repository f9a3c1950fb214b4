#pragma once

#include <QPoint>
#include <QRect>

#include <Qt>

// The nine grab zones of a box dragged on a preview surface (the crop box and
// the overlay boxes): 1 top-left, 2 bottom-left, 3 left, 4 top-right,
// 5 bottom-right, 6 right, 7 top, 8 bottom, 9 inside; 0 is a miss.
namespace PreviewBoxZone {

// Pixels within which an edge or a corner is still hit.
constexpr int kTolerance = 4;

// box gives the edges as left, top, right, bottom (right and bottom inclusive,
// as the box was computed, not as QRect would derive them).
int hit(int left, int top, int right, int bottom, QPoint pointer);
Qt::CursorShape cursor(int zone);

bool movesLeft(int zone);
bool movesRight(int zone);
bool movesTop(int zone);
bool movesBottom(int zone);

} // namespace PreviewBoxZone
