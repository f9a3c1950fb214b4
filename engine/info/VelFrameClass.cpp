#include "VelFrameClass.h"

#include "zovAruzIvivu.h"

VelFrameClass::VelFrameClass(QObject *parent)
    : QObject(parent)
{
}

VelFrameClass::~VelFrameClass()
{
    Release_Frame();
}

void VelFrameClass::Create_Frame()
{
    if (!m_frame)
        m_frame = ZV_Create_Frame();
}

ZvFrame *VelFrameClass::Reference_Frame(void *frame)
{
    Release_Frame();
    m_frame = ZV_Reference_Frame(static_cast<ZvFrame *>(frame));
    return m_frame;
}

void VelFrameClass::Release_Frame()
{
    if (!m_frame)
        return;
    ZV_Destroy_Frame(m_frame);
    m_frame = nullptr;
}

int VelFrameClass::GetVideoFormat_Frame() { return m_frame ? ZV_GetVideoFormat_Frame(m_frame) : -1; }
uint32_t VelFrameClass::GetVideoWidth_Frame() { return m_frame ? ZV_GetVideoWidth_Frame(m_frame) : 0; }
uint32_t VelFrameClass::GetVideoHeight_Frame() { return m_frame ? ZV_GetVideoHeight_Frame(m_frame) : 0; }
int32_t VelFrameClass::GetVideoStride_Frame(uint32_t plane) { return m_frame ? ZV_GetVideoStride_Frame(m_frame, plane) : 0; }
uint8_t *VelFrameClass::GetVideoData_Frame(uint32_t plane) { return m_frame ? ZV_GetVideoData_Frame(m_frame, plane) : nullptr; }
