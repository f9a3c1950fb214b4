#pragma once

#include "FrameInfoItem.h"

#include <QList>
#include <QMap>
#include <QSize>
#include <QString>

// One resource pack as its config.xml describes it. Owned by the pack manager
// that read it; the editing panels address packs by list index.
class QFrameChunk
{
public:
    QFrameChunk() = default;

    // "<pack folder>/<Thumbnail>"; the caller loads the picture.
    QString getThumbnailImage() const;

    // The picture that fits an output of this size: the entry whose width:height
    // ratio is nearest the output's (ties keep the earlier one, an exact match
    // ends the search). Entries of zero width or height are never chosen, since
    // fitting divides by them; without an output size the first usable entry is
    // taken. -1 when no entry is usable.
    int getBestFrameInfoIndex(QSize outputSize) const;

    // The pack's name as a user reads it: the shipped packs' English names
    // translated, any other name as written. `Name` stays the key.
    QString shownName() const;

    int APPMinVersion = 0;
    int Version = 0;
    QString Name;
    QString Thumbnail;
    QString FilePath; // the pack folder, set by the manager
    QString FrameInfoName;
    QList<FrameInfoItem> FrameInfoList;
    QMap<double, double> EQ; // hz -> db, ascending by hz
    int Rate = 100;
};
