#pragma once

#include <QByteArray>

// One subtitle choice offered for the source: a display text and, for a file
// beside the source, its path (empty for an embedded stream). UTF-8.
struct VESubltItemInfo
{
    QByteArray m_displayText;
    QByteArray m_filePath;

    bool operator==(const VESubltItemInfo &o) const
    {
        return m_displayText == o.m_displayText && m_filePath == o.m_filePath;
    }
    bool operator!=(const VESubltItemInfo &o) const { return !(*this == o); }
};
