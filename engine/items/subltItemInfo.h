#pragma once

#include <QByteArray>

// One entry of an item's subtitle list: display text and, for a subtitle file
// beside the source, its path (empty for an embedded stream). UTF-8.
struct subltItemInfo
{
    QByteArray m_displayText;
    QByteArray m_filePath;
};
