// Surfaces, frame delivery and snapshots of the preview player.
#include "VelPlayerManager.h"

#include "QMediaElementWindow.h"
#include "VelFrameClass.h"
#include "VelPlayerClass.h"

#include <QImage>

#include <limits>

namespace {

uint32_t low(uint64_t packed) { return uint32_t(packed & 0xFFFFFFFFu); }
uint32_t high(uint64_t packed) { return uint32_t(packed >> 32); }

} // namespace

void VelPlayerManager::setMediaOriginalWindow(QMediaElementWindow* window)
{
    m_originalWindow = window;
    if (!hasPlayer())
        return;
    // The library waits for a callback in progress, so once this returns no
    // frame goes to a window that was just taken away.
    m_player->SetOriginalVideoFrameHandle_Player(window ? &VelPlayerManager::OrignalVideEditoFrameLoop : nullptr,
                                                 this);
    resizeVideoWindow();
}

void VelPlayerManager::setMediaPreviewWindow(QMediaElementWindow* window)
{
    m_previewWindow = window;
    if (!hasPlayer())
        return;
    m_player->SetVideoFrameHandle_Player(window ? &VelPlayerManager::VideoEditFrameLoop : nullptr, this);
    resizeVideoWindow();
}

void VelPlayerManager::resizeVideoWindow()
{
    if (!hasPlayer())
        return;
    const uint64_t size = m_player->GetVideoSize_Player();
    const uint64_t aspect = m_player->GetVideoAspectRatio_Player();
    const bool aspectKnown = low(aspect) >= 1 && high(aspect) >= 1;
    const int width = int(aspectKnown ? low(aspect) : low(size));
    const int height = int(aspectKnown ? high(aspect) : high(size));
    if (QMediaElementWindow* original = m_originalWindow)
        original->setVideoElementSize(width, height);
    if (QMediaElementWindow* preview = m_previewWindow) {
        if (m_outputWidth > 0 && m_outputHeight > 0)
            preview->setVideoElementSize(int(m_outputWidth), int(m_outputHeight));
        else
            preview->setVideoElementSize(width, height);
    }
}

unsigned int VelPlayerManager::VideoEditFrameLoop(void* user, void* frame)
{
    return static_cast<VelPlayerManager*>(user)->DrawVideoFrame(frame);
}

unsigned int VelPlayerManager::OrignalVideEditoFrameLoop(void* user, void* frame)
{
    return static_cast<VelPlayerManager*>(user)->DrawOrignalVideoFrame(frame);
}

unsigned int VelPlayerManager::DrawVideoFrame(void* frame)
{
    return DrawVideo(frame, m_previewWindow);
}

unsigned int VelPlayerManager::DrawOrignalVideoFrame(void* frame)
{
    return DrawVideo(frame, m_originalWindow);
}

unsigned int VelPlayerManager::DrawVideo(void* frame, QMediaElementWindow* window)
{
    if (!window)
        return 0;
    VelFrameClass ref;
    if (!ref.Reference_Frame(frame))
        return 0;
    const int format = ref.GetVideoFormat_Frame();
    const int width = int(ref.GetVideoWidth_Frame());
    const int height = int(ref.GetVideoHeight_Frame());
    // The surface copies the frame before returning, so nothing is kept here.
    if (format == 0) {
        int lines[3];
        unsigned char* planes[3];
        for (uint32_t p = 0; p < 3; ++p) {
            lines[p] = ref.GetVideoStride_Frame(p);
            planes[p] = ref.GetVideoData_Frame(p);
        }
        window->showYUVImage(planes, width, height, lines);
        return 1;
    }
    if (format == 30) {
        window->showImage(ref.GetVideoData_Frame(0), uint32_t(width), uint32_t(height),
                          uint32_t(ref.GetVideoStride_Frame(0)));
        return 1;
    }
    return 0;
}

bool VelPlayerManager::captureImage(const QString& path, const QString& format)
{
    if (!hasPlayer())
        return false;
    uint8_t* buffer = m_player->CaptureVideoImage_Player(0, 0, 0);
    if (!buffer)
        return false;
    // A BMP file image: its whole length is the little-endian word at byte 2.
    const uint32_t length = uint32_t(buffer[2]) | uint32_t(buffer[3]) << 8 | uint32_t(buffer[4]) << 16
                            | uint32_t(buffer[5]) << 24;
    QImage image;
    if (length <= uint32_t(std::numeric_limits<int>::max()))
        image.loadFromData(buffer, int(length));
    const bool saved = !image.isNull() && image.save(path, format.toLower().toUtf8().constData(), -1);
    m_player->FreeVideoImage_Player(buffer);
    return saved;
}

uint64_t VelPlayerManager::getVideoSize() const
{
    return hasPlayer() ? m_player->GetVideoSize_Player() : 0;
}

uint64_t VelPlayerManager::getResolutionSize() const
{
    return uint64_t(m_outputHeight) << 32 | m_outputWidth;
}

uint64_t VelPlayerManager::getDuration() const
{
    return hasPlayer() ? m_player->GetDuration_Player() : 0;
}
