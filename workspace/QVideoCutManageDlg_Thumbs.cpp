#include "QVideoCutManageDlg.h"

#include "QSimpleTimeLine.h"
#include "VelInfoClass.h"
#include "VelVideoConvertItem.h"

#include <QFile>

namespace {

constexpr int kFilmPictures = 10;

} // namespace

void QVideoCutManageDlg::stopThumbnailWorker()
{
    m_stopRequest = true;
    {
        // A picture being decoded gives up at once instead of holding the join.
        std::lock_guard<std::mutex> lock(m_workerInfoMutex);
        if (m_workerInfo)
            m_workerInfo->Abort_Info();
    }
    m_worker.JoinThread();
}

void QVideoCutManageDlg::setLineBgImage(VelVideoConvertItem* item)
{
    if (!item)
        return;
    ++m_generation;
    // The previous file's worker is stopped and joined before its inputs change.
    stopThumbnailWorker();
    m_fileLength = item->m_duration;
    m_filePath = item->getFilePath();
    if (m_info && !m_info->IsCreateInfo())
        m_info->Create_Info();
    m_stopRequest = false;
    m_timeLine->setImageCount(kFilmPictures);
    if (m_filePath.isEmpty())
        return;
    m_workerIdle = false;
    m_worker.StartThread();
}

void QVideoCutManageDlg::stopShowLineBgImage()
{
    stopThumbnailWorker();
}

void QVideoCutManageDlg::lineImage(QImage image, int generation)
{
    if (generation != m_generation.load())
        return;
    m_timeLine->setImageList(image.copy());
}

void QVideoCutManageDlg::OnExecute()
{
    m_workerIdle = false;
    const int generation = m_generation.load();
    const auto info = std::make_unique<VelInfoClass>();
    info->Create_Info();
    {
        std::lock_guard<std::mutex> lock(m_workerInfoMutex);
        m_workerInfo = info.get();
    }
    if (!m_stopRequest && info->Open_Info(QFile::encodeName(m_filePath).constData()) && info->HasVideo_Info()) {
        QImage lastGood;
        for (int i = 0; i < kFilmPictures; ++i) {
            if (m_stopRequest)
                break;
            const uint64_t t = m_fileLength * uint64_t(i) / kFilmPictures;
            const QImage picture = GetVideoImage(info.get(), t);
            if (!picture.isNull())
                lastGood = picture;
            // A failed picture repeats the last good one, so the film stays in step.
            if (!m_stopRequest)
                emit seedLineImage(lastGood.copy(), generation);
        }
    }
    {
        std::lock_guard<std::mutex> lock(m_workerInfoMutex);
        m_workerInfo = nullptr;
    }
    info->Release_Info();
    m_workerIdle = true;
}

QImage QVideoCutManageDlg::GetVideoImage(VelInfoClass* info, uint64_t time)
{
    if (!info || !info->IsCreateInfo())
        return QImage();
    uint64_t w = info->GetVideoWidth_Info();
    uint64_t h = info->GetVideoHeight_Info();
    const uint64_t ax = info->GetVideoAspectRatioX_Info();
    const uint64_t ay = info->GetVideoAspectRatioY_Info();
    if (ax != 0 && ay != 0) {
        if (h * ax <= w * ay)
            w = h * ax / ay;
        else
            h = w * ay / ax;
    }
    if (!info->CanSeek_Info())
        time = 0;
    uint8_t* buffer = info->GetVideoImage_Info(time, 1, uint32_t(w), uint32_t(h), 0);
    QImage picture;
    if (buffer) {
        picture.loadFromData(buffer, int(info->GetVideoImageSize_Info(buffer)));
        info->FreeVideoImage_Info(buffer);
    }
    return picture;
}
