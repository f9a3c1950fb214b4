#pragma once

#include <QObject>
#include <cstdint>

struct ZvFrame;

// One video-frame handle of the codec library (a reference to a decoded frame).
class VelFrameClass : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(VelFrameClass)

public:
    explicit VelFrameClass(QObject *parent = nullptr);
    ~VelFrameClass() override;

    void Create_Frame();
    bool IsCreateFrame() const { return m_frame != nullptr; }
    // Drops any held frame, then holds a new reference to the given one.
    ZvFrame *Reference_Frame(void *frame);
    void Release_Frame();

    int GetVideoFormat_Frame();               // -1 without a frame
    uint32_t GetVideoWidth_Frame();
    uint32_t GetVideoHeight_Frame();
    int32_t GetVideoStride_Frame(uint32_t plane);
    uint8_t *GetVideoData_Frame(uint32_t plane);

private:
    ZvFrame *m_frame = nullptr;
};
