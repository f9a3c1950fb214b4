#pragma once

#include <QString>
#include <QVector>
#include <cstdint>
#include <string>

// Text conversions for the codec library's tag writer, which takes UTF-32.
// The engine converts through this class; the editing side's VECommonClass
// forwards its conversion here, so both give the same buffer.
class VEHelper
{
public:
    // The zero-terminated UTF-8 text as UTF-32 in machine byte order (little-endian
    // here), without a byte-order mark, followed by a terminating 0. The buffer is
    // owned by the caller (a value; use constData() for the codec call). Invalid
    // UTF-8, or a null text, gives an empty buffer, meaning "no text".
    // The byte length the tag writer wants is (size() - 1) * 4.
    static QVector<uint32_t> ConvertCharToUtft32(const char *text);

    // The bytes of the string up to its first zero byte, read as UTF-8.
    static QString charToQString(const std::string &text);
};
