#pragma once

#include "TestTiming.h"
#include "zovAruzIvivu.h"

#include <QElapsedTimer>

// Polls a conversion job or a merge task the way the converter does: the
// finished query itself waits, so the loop does not spin. The limit only
// catches a job that never ends.
namespace JobWait {

inline bool job(ZvJob *j, int limitMs = TestTiming::scaled(22500))
{
    QElapsedTimer t;
    t.start();
    while (!ZV_IsFinished_Job(j)) {
        if (t.elapsed() > limitMs)
            return false;
    }
    return true;
}

inline bool task(ZvMerge *m, int limitMs = TestTiming::scaled(22500))
{
    QElapsedTimer t;
    t.start();
    while (!ZV_IsTaskFinished_Merge(m)) {
        if (t.elapsed() > limitMs)
            return false;
    }
    return true;
}

} // namespace JobWait
