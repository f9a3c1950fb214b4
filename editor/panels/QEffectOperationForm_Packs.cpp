#include "QEffectOperationForm.h"

#include "QFrameChunk.h"
#include "QFrameChunkManager.h"
#include "QVideoEditingSettings.h"
#include "QVideoEffectManager.h"

#include <QFile>

#include <cmath>

namespace {
QString picturePath(const QFrameChunk& pack, int entry)
{
    return QStringLiteral("%1/%2").arg(pack.FilePath, pack.FrameInfoList.at(entry).FileName);
}
}

// Without an output size there is no aspect to cut to, and a picture whose
// size is unknown cannot be measured: both keep the whole picture.
QRectF QEffectOperationForm::imageCropRect(QSize image, QSize output)
{
    const QRectF whole(0, 0, 1, 1);
    if (image.width() <= 0 || image.height() <= 0 || output.width() <= 0 || output.height() <= 0)
        return whole;
    const int w = image.width();
    const int h = image.height();
    const int W = output.width();
    const int H = output.height();
    if (double(w) / h > double(W) / H) {
        const int scaledWidth = int(std::trunc(double(w) * H / h));
        if (scaledWidth <= 0)
            return whole;
        return QRectF(double((scaledWidth - W) / 2) / scaledWidth, 0, double(W) / scaledWidth, 1);
    }
    const int scaledHeight = int(std::trunc(double(h) * W / w));
    if (scaledHeight <= 0)
        return whole;
    return QRectF(0, double((scaledHeight - H) / 2) / scaledHeight, 1, double(H) / scaledHeight);
}

QString QEffectOperationForm::getVideoEffectPath(QFrameChunk* chunk, QSize outputSize)
{
    if (!chunk)
        return QString();
    const int best = chunk->getBestFrameInfoIndex(outputSize);
    return best < 0 ? QString() : picturePath(*chunk, best);
}

void QEffectOperationForm::getVideoEffectPath(int index, QSize outputSize, VEWatermarkSettings& layer)
{
    VEWatermarkImageSettings& image = layer.m_imageSettings;
    const QFrameChunk* pack = m_effectManager ? m_effectManager->getFrameChunk(index) : nullptr;
    const int best = pack ? pack->getBestFrameInfoIndex(outputSize) : -1;
    if (best < 0) {
        image.m_imageFile.clear();
        return;
    }
    const FrameInfoItem& entry = pack->FrameInfoList.at(best);
    image.m_imageFile = QFile::encodeName(picturePath(*pack, best));
    image.m_mixMode = uint32_t(entry.Type);
    image.m_cropRect = imageCropRect(QSize(entry.Width, entry.Height), outputSize);
}

// Under the start-at-trim rule a newly chosen pack shows from the segment's
// start to its end.
void QEffectOperationForm::followTrimStart(VEWatermarkSettings& layer) const
{
    if (!m_settings->getIsWatermarkAudioStartTime())
        return;
    layer.m_imageSettings.m_showStart = m_settings->getTrimStartTime();
    layer.m_imageSettings.m_showEnd = 0;
}

void QEffectOperationForm::effectsListIndexChanged(int index)
{
    if (!m_settings)
        return;
    VEWatermarkSettings layer;
    m_settings->getVideoEffectWkSettings(layer);
    getVideoEffectPath(index, m_settings->getResolutionSize(), layer);
    layer.m_reserved2 = index;
    followTrimStart(layer);
    m_settings->setVideoEffectWkSettings(layer);
}

// The frame layer keeps its mix mode and picture crop: frames cover the whole
// picture.
void QEffectOperationForm::frameListIndexChanged(int index)
{
    if (!m_settings)
        return;
    VEWatermarkSettings layer;
    m_settings->getFrameWkSettings(layer);
    const QString path = getVideoEffectPath(m_frameManager->getFrameChunk(index), m_settings->getResolutionSize());
    layer.m_imageSettings.m_imageFile = QFile::encodeName(path);
    layer.m_reserved2 = index;
    followTrimStart(layer);
    m_settings->setFrameWkSettings(layer);
}
