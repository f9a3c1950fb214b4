#pragma once

#include <QString>

// Container name and file extension of one format of the legacy format list.
struct FileFormatInfo
{
    QString formatName;
    QString extend;
};
