#pragma once

#include "QResourcePackManager.h"

// The audio-effect packs (equaliser curves) of the resources.
class QAudioEffectManager : public QResourcePackManager
{
    Q_OBJECT
    Q_DISABLE_COPY(QAudioEffectManager)

public:
    explicit QAudioEffectManager(QObject* parent);

    // The records in index order; they stay the manager's.
    QList<QFrameChunk*> getFrameChunklist() const { return m_frameChunkList; }
};
