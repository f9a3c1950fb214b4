#pragma once

#include <QString>
#include <QTime>

// Times of the cutting workspace are microseconds; the fields show "hh:mm:ss.zzz".
namespace QTimeText {

// Microseconds below one millisecond are dropped; 24 hours or more give an invalid time.
inline QTime fromMicros(quint64 micros)
{
    const qint64 ms = qint64(micros / 1000.0);
    if (ms >= 24LL * 3600 * 1000)
        return QTime();
    const int msec = int(ms);
    return QTime(msec / 3600000, (msec / 60000) % 60, (msec / 1000) % 60, msec % 1000);
}

inline quint64 toMicros(const QTime& time)
{
    return quint64((qint64(time.hour()) * 3600 + time.minute() * 60 + time.second()) * 1000 + time.msec()) * 1000;
}

// Reads typed text field by field: hours up to the first ":", minutes up to the
// next, then seconds and milliseconds around "."; a missing or non-numeric field
// counts 0. The result is invalid when a field is out of range.
inline QTime parse(const QString& typed)
{
    QString rest = typed;
    auto field = [&rest](const QString& separator) {
        const int at = rest.indexOf(separator);
        if (at < 0)
            return 0;
        const int value = rest.left(at).toInt();
        rest = rest.mid(at + 1);
        return value;
    };
    const int hours = field(":");
    const int minutes = field(":");
    int seconds = 0;
    int msec = 0;
    const int dot = rest.indexOf('.');
    if (dot >= 0) {
        seconds = rest.left(dot).toInt();
        msec = rest.mid(dot + 1).toInt();
    }
    return QTime(hours, minutes, seconds, msec);
}

} // namespace QTimeText
