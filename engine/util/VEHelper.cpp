#include "VEHelper.h"

#include <QTextCodec>

QVector<uint32_t> VEHelper::ConvertCharToUtft32(const char *text)
{
    QVector<uint32_t> result;
    if (!text)
        return result;
    // A strict decode: Qt's lenient fromUtf8 would hide broken input behind U+FFFD.
    QTextCodec *codec = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state(QTextCodec::ConvertInvalidToNull);
    const QString decoded = codec->toUnicode(text, int(qstrlen(text)), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        return result;
    const QVector<uint> ucs4 = decoded.toUcs4();
    result.reserve(ucs4.size() + 1);
    for (uint c : ucs4)
        result.append(uint32_t(c));
    result.append(0);
    return result;
}

QString VEHelper::charToQString(const std::string &text)
{
    return QString::fromUtf8(text.c_str());
}
