#pragma once
// Records everything the conversion queue tells the interface, in the order a
// receiver connected after the queue's own connections sees it. The queue
// handles an item's end inside the emission of emitConvertedFinish, so what
// that handling emits (the next item's start, the unlock, the count) comes
// before the "finish" entry itself.

#include "QConverterObject.h"

#include <QStringList>

class QueueSignals
{
public:
    explicit QueueSignals(QConverterObject &queue)
    {
        QObject::connect(&queue, &QConverterObject::emitIsStartConverter, &m_context,
                         [this](bool on) { m_events << (on ? "lock" : "unlock"); });
        QObject::connect(&queue, &QConverterObject::emitConvertedFinish, &m_context,
                         [this](bool ok) { m_events << (ok ? "finish" : "fail"); });
        QObject::connect(&queue, &QConverterObject::emitConvertedFinishCount, &m_context,
                         [this] { m_events << "count"; });
        QObject::connect(&queue, &QConverterObject::emitConvertProToCtrl, &m_context, [this](int p) {
            m_progress << p;
            // A run of progress reports is one entry: how many depends on the machine.
            if (m_events.isEmpty() || m_events.last() != QLatin1String("progress"))
                m_events << "progress";
        });
    }

    // The whole sequence, e.g. "lock progress count finish ... unlock".
    QString sequence() const { return m_events.join(' '); }
    bool unlocked() const { return m_events.contains(QLatin1String("unlock")); }
    // Overall progress never goes back and stays within 0..100.
    bool progressRises() const
    {
        int last = 0;
        for (int p : m_progress) {
            if (p < last || p > 100)
                return false;
            last = p;
        }
        return true;
    }
    int lastProgress() const { return m_progress.isEmpty() ? -1 : m_progress.last(); }

private:
    QObject m_context;
    QStringList m_events;
    QList<int> m_progress;
};
