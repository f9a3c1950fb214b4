#pragma once

#include <QString>

// Descriptive texts of one converted file in the converted-file history.
struct convertedInfo
{
    QString imgPath;
    QString convertedPath;   // the entry's key
    QString preferencePath;
    QString resolution;
    QString time;
    QString size;
    QString extend;
    QString title;
    QString artist;
    QString album;
    QString genre;
    QString other;           // never filled nor stored
    bool bVideoFile = false;
    bool bNewFile = false;
    QString season;
    QString year;
    QString format;
    QString createTime;

    void reset() { *this = convertedInfo(); }
};
