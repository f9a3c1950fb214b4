#pragma once

#include "QHorizontalListFrom.h"
#include "QHorizontalListItem.h"

#include <QTest>
#include <algorithm>

// The tiles of a thumbnail strip, left to right, and a press on one of them as
// the user makes it.
namespace ListTiles {

inline QHorizontalListItem* tile(QHorizontalListFrom* list, int index)
{
    QList<QHorizontalListItem*> tiles = list->findChildren<QHorizontalListItem*>();
    std::stable_sort(tiles.begin(), tiles.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    return tiles.value(index);
}

inline void press(QHorizontalListFrom* list, int index)
{
    QTest::mouseClick(tile(list, index), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

} // namespace ListTiles
