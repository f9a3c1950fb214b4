#pragma once

#include "QResourcePackManager.h"

// The video-effect packs (overlay layer 1) of the resources.
class QVideoEffectManager : public QResourcePackManager
{
    Q_OBJECT
    Q_DISABLE_COPY(QVideoEffectManager)

public:
    explicit QVideoEffectManager(QObject* parent);

    // The records in index order; they stay the manager's.
    QList<QFrameChunk*> getVideoEffectlist() const { return m_frameChunkList; }
};
