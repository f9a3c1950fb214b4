#include "QPlayObject.h"

#include "zovAruzIvivu.h"

#include <QFile>

namespace {
constexpr uint32_t kPlayerFlags = 0xFFFFFFFFu;
}

QPlayObject::QPlayObject(QObject *parent) : QObject(parent) {}

QPlayObject::~QPlayObject() { releasePlayer(); }

void QPlayObject::releasePlayer()
{
    if (!m_hPlayer)
        return;
    ZV_Close_Player(m_hPlayer);
    ZV_Destroy_Player(m_hPlayer);
    m_hPlayer = nullptr;
}

ZvPlayer *QPlayObject::ResetPlay()
{
    releasePlayer();
    m_hPlayer = ZV_Create_Player(kPlayerFlags);
    return m_hPlayer;
}

bool QPlayObject::SetVideoFile(const QString &path, unsigned int width, unsigned int height)
{
    releasePlayer();
    m_hPlayer = ZV_Create_Player(kPlayerFlags);
    if (!m_hPlayer)
        return false;
    if (!ZV_IsCompleted_Player(m_hPlayer))
        ZV_Stop_Player(m_hPlayer);
    return ZV_Open_Player(m_hPlayer, QFile::encodeName(path).constData(), width, height, 0, 0) != 0;
}

bool QPlayObject::IsAudioRendererOpenFailed() const
{
    return m_hPlayer && ZV_IsAudioRendererOpenFailed_Player(m_hPlayer) != 0;
}
