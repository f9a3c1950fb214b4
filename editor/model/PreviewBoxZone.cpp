#include "PreviewBoxZone.h"

#include <cstdlib>

namespace PreviewBoxZone {

int hit(int left, int top, int right, int bottom, QPoint p)
{
    const auto near = [](int a, int b) { return std::abs(a - b) <= kTolerance; };
    const bool nearLeft = near(p.x(), left);
    const bool nearRight = near(p.x(), right);
    const bool nearTop = near(p.y(), top);
    const bool nearBottom = near(p.y(), bottom);
    const bool betweenX = left < p.x() && p.x() < right;
    const bool betweenY = top < p.y() && p.y() < bottom;
    // Left before right and top before bottom, so a narrow box still gives
    // its left and top handles.
    if (nearLeft && nearTop)
        return 1;
    if (nearLeft && nearBottom)
        return 2;
    if (nearLeft && betweenY)
        return 3;
    if (nearRight && nearTop)
        return 4;
    if (nearRight && nearBottom)
        return 5;
    if (nearRight && betweenY)
        return 6;
    if (betweenX && nearTop)
        return 7;
    if (betweenX && nearBottom)
        return 8;
    if (betweenX && betweenY)
        return 9;
    return 0;
}

Qt::CursorShape cursor(int zone)
{
    switch (zone) {
    case 1:
    case 5:
        return Qt::SizeFDiagCursor;
    case 2:
    case 4:
        return Qt::SizeBDiagCursor;
    case 3:
    case 6:
        return Qt::SizeHorCursor;
    case 7:
    case 8:
        return Qt::SizeVerCursor;
    case 9:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

bool movesLeft(int zone) { return zone == 1 || zone == 2 || zone == 3; }
bool movesRight(int zone) { return zone == 4 || zone == 5 || zone == 6; }
bool movesTop(int zone) { return zone == 1 || zone == 4 || zone == 7; }
bool movesBottom(int zone) { return zone == 2 || zone == 5 || zone == 8; }

} // namespace PreviewBoxZone
