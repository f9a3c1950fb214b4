// Construction and opening of the preview player.
#include "VelPlayerManager.h"
#include "EditorModelLog.h"

#include "QMediaElementWindow.h"
#include "VelInfoClass.h"
#include "VelPlayerClass.h"

#include <QDebug>
#include <QFile>
#include <QThread>
#include <QTimer>

VelPlayerManager::VelPlayerManager(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<uint64_t>("uint64_t");
    qRegisterMetaType<VECropSettings>("VECropSettings");
    qRegisterMetaType<VEWatermarkSettings>("VEWatermarkSettings");
    m_timeTimer = new QTimer(this);
    m_screenTimer = new QTimer(this);
    m_waveTimer = new QTimer(this);
    connect(m_timeTimer, &QTimer::timeout, this, &VelPlayerManager::updateTime);
    connect(m_screenTimer, &QTimer::timeout, this, &VelPlayerManager::updataScreen);
    connect(m_waveTimer, &QTimer::timeout, this, &VelPlayerManager::audioDataChanged);
}

VelPlayerManager::~VelPlayerManager()
{
    // Releasing the player waits for its presentation thread, so no frame
    // callback can reach this object once the wrapper is gone.
    delete m_player;
    m_player = nullptr;
    delete m_info;
    m_info = nullptr;
    for (QTimer* timer : {m_screenTimer, m_timeTimer, m_waveTimer}) {
        timer->stop();
        delete timer;
    }
}

bool VelPlayerManager::hasPlayer() const
{
    return m_player && m_player->IsCreatePlayer();
}

bool VelPlayerManager::createrPlayer(bool audio)
{
    if (hasPlayer())
        return true;
    if (!m_player)
        m_player = new VelPlayerClass(this);
    return m_player->Create_Player(audio) != nullptr;
}

bool VelPlayerManager::ensurePlayer()
{
    return createrPlayer(true);
}

bool VelPlayerManager::setPlayFile(const QString& path, const VEEditConfig& cfg, unsigned int maxOverlays,
                                   unsigned int openFlag)
{
    if (QThread::currentThread() != thread()) {
        bool opened = false;
        QMetaObject::invokeMethod(
            this, [&] { opened = openFile(path, cfg, maxOverlays, openFlag); }, Qt::BlockingQueuedConnection);
        return opened;
    }
    return openFile(path, cfg, maxOverlays, openFlag);
}

void VelPlayerManager::prepareOpen(uint32_t width, uint32_t height)
{
    m_outputWidth = width;
    m_outputHeight = height;
    ensurePlayer();
    if (!m_player->IsCompleted_Player())
        m_player->Stop_Player();
}

VelInfoClass* VelPlayerManager::firstInfo()
{
    // The media-information handle is made for the first source only.
    if (m_info)
        return nullptr;
    m_info = new VelInfoClass(this);
    m_info->Create_Info();
    return m_info;
}

bool VelPlayerManager::openFile(const QString& path, const VEEditConfig& cfg, unsigned int maxOverlays,
                                unsigned int openFlag)
{
    prepareOpen(uint32_t(qMax(0, cfg.m_outputWidth)), uint32_t(qMax(0, cfg.m_outputHeight)));
    const QByteArray utf8 = QFile::encodeName(path);
    const bool disc = cfg.isDiscSource();
    const bool opened = disc ? m_player->OpenDVD_ExPlayer(utf8.constData(), m_outputWidth, m_outputHeight, 0, 0)
                             : m_player->OpenEx_Player(utf8.constData(), m_outputWidth, m_outputHeight, 0, 0,
                                                       openFlag);
    m_player->SetProgrIndex_Player(uint32_t(cfg.m_programValue.ProgramIndex));
    if (!opened)
        return openFailed(disc ? "disc folder" : "file");
    if (VelInfoClass* info = firstInfo()) {
        if (disc)
            info->OpenDVD_Info(utf8.constData());
        else
            info->Open_Info(utf8.constData());
    }
    commonSetup(maxOverlays);
    return true;
}

bool VelPlayerManager::setPlayFile(const QString& path, unsigned int width, unsigned int height,
                                   unsigned int maxOverlays)
{
    prepareOpen(width, height);
    const QByteArray utf8 = QFile::encodeName(path);
    if (!m_player->OpenEx_Player(utf8.constData(), width, height, 0, 0, 0))
        return openFailed("file");
    if (VelInfoClass* info = firstInfo())
        info->Open_Info(utf8.constData());
    commonSetup(maxOverlays);
    return true;
}

bool VelPlayerManager::setPlayFile(ZvSource* stream, const VEEditConfig& cfg, unsigned int maxOverlays,
                                   unsigned int openFlag)
{
    prepareOpen(uint32_t(qMax(0, cfg.m_outputWidth)), uint32_t(qMax(0, cfg.m_outputHeight)));
    const bool opened = m_player->OpenStream_Player(stream, m_outputWidth, m_outputHeight, 0, 0, openFlag);
    m_player->SetProgrIndex_Player(uint32_t(cfg.m_programValue.ProgramIndex));
    if (!opened)
        return openFailed("stream");
    if (VelInfoClass* info = firstInfo())
        info->OpenStream_Info(stream);
    commonSetup(maxOverlays);
    return true;
}

bool VelPlayerManager::setPlayer(ZvPlayer* handle, unsigned int width, unsigned int height,
                                 unsigned int maxOverlays)
{
    ensurePlayer();
    m_outputWidth = width;
    m_outputHeight = height;
    if (!m_player->Reference_Player(handle))
        return openFailed("player");
    if (VelInfoClass* info = firstInfo())
        info->OpenWithPlayer_Info(handle);
    commonSetup(maxOverlays);
    return true;
}

void VelPlayerManager::commonSetup(unsigned int maxOverlays)
{
    m_player->SetVideoWatermarkMaxCount_Player(maxOverlays);
    m_player->SetTimeInterval_Player(50000);
    m_player->Seek_Player(m_trimStart);
    m_screenTimer->start(50);
    installFrameCallbacks();
    for (QMediaElementWindow* window : {m_originalWindow.load(), m_previewWindow.load()})
        if (window)
            window->setVideoElementUpdatesEnabled(false);
    m_player->SetAudioVolume_Player(uint64_t(qMax(0, m_audioVolume)));
    m_player->SetAudioRendererVolume_Player(uint64_t(qMax(0, m_rendererVolume)));
    isNoVideoSet();
    emit emitPlayerChange();
}

void VelPlayerManager::installFrameCallbacks()
{
    m_player->SetVideoFrameHandle_Player(&VelPlayerManager::VideoEditFrameLoop, this);
    m_player->SetOriginalVideoFrameHandle_Player(&VelPlayerManager::OrignalVideEditoFrameLoop, this);
}

bool VelPlayerManager::openFailed(const char* what)
{
    // A source the library cannot open (a disc folder among them) ends here at
    // once: nothing is left running and the caller learns it from the result.
    qCWarning(lcEditorModel) << "Preview player: cannot open the" << what;
    m_screenTimer->stop();
    m_timeTimer->stop();
    m_waveTimer->stop();
    if (m_player)
        m_player->Release_Player();
    for (QMediaElementWindow* window : {m_originalWindow.load(), m_previewWindow.load()}) {
        if (!window)
            continue;
        window->setVideoElementUpdatesEnabled(true);
        window->updateRepaint();
    }
    emitTimeTexts(0);
    emit emitPlayProgress(0.0);
    emit emitPlayFinish();
    return false;
}

void VelPlayerManager::isNoVideoSet()
{
    if (!hasPlayer())
        return;
    if (m_player->HasVideo_Player()) {
        m_player->EnableAudioWaveData_Player(0);
        emit emitIsHaveVideo(true);
        m_audioOnly = false;
    } else if (m_player->HasAudio_Player()) {
        m_player->EnableAudioWaveData_Player(1);
        emit emitIsHaveVideo(false);
        m_audioOnly = true;
    }
}

void VelPlayerManager::setIsM4VPlayer(bool isM4V)
{
    m_isM4V = isM4V;
}

void VelPlayerManager::setIsTrim(bool isTrim)
{
    m_trimActive = isTrim;
}

bool VelPlayerManager::getIsTrim() const
{
    return m_trimActive;
}

void VelPlayerManager::setWaveFreq(unsigned int request)
{
    m_waveRequest = request;
}

VelPlayerClass* VelPlayerManager::getPlayerClass() const
{
    return m_player;
}
