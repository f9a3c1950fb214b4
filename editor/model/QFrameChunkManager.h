#pragma once

#include "QResourcePackManager.h"

// The frame packs (overlay layer 2) of the resources.
class QFrameChunkManager : public QResourcePackManager
{
    Q_OBJECT
    Q_DISABLE_COPY(QFrameChunkManager)

public:
    explicit QFrameChunkManager(QObject* parent);

    // The records in index order; they stay the manager's.
    QList<QFrameChunk*> getFrameChunklist() const { return m_frameChunkList; }
};
