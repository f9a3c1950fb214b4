#include "QConverterObject.h"

#include "CAVEncodeParam.h"
#include "QConverterOperate.h"
#include "SettingKeys.h"
#include "VelCommonInterface.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"
#include "IAVConverter.h"

#include "EngineLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QConverterObject::QConverterObject(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<convertState>("convertState");
    // The converters report on their worker threads; this hop queues them to ours.
    connect(this, &QConverterObject::seedConvertPro, this, &QConverterObject::UpdataConverPro,
            Qt::QueuedConnection);
    connect(this, &QConverterObject::emitConvertedFinish, this, &QConverterObject::converterFinishCount);
}

QConverterObject::~QConverterObject()
{
    destroyConverters(true);
}

void QConverterObject::convertPro(unsigned int progress, void *user, convertState state)
{
    if (auto *self = static_cast<QConverterObject *>(user))
        self->setConverProgress(progress, state);
}

void QConverterObject::MergerPro(unsigned int progress, void *user, convertState state)
{
    if (auto *self = static_cast<QConverterObject *>(user))
        self->setConverProgress(progress, state);
}

void QConverterObject::setConverProgress(unsigned int progress, convertState state)
{
    emit seedConvertPro(progress, state);
}

void QConverterObject::OnStartToCoverter(bool merge)
{
    m_bMerge = merge;
    VelVideoConvertManager *manager = VelVideoConvertManager::getConvertManagerObject();
    if (manager->GetItemCount() <= 0)
        return;
    m_pendingItems = manager->GetItemList();
    if (m_pendingItems.isEmpty())
        return;
    emit emitIsStartConverter(true);
    m_doneCount = 0;
    StartToConvertVideo(m_pendingItems.first());
}

void QConverterObject::OnConverterAllCheck()
{
    emit emitIsStartConverter(true);
    m_doneCount = 0;
    if (!m_pendingItems.isEmpty())
        StartToConvertVideo(m_pendingItems.first());
}

void QConverterObject::OnStartToMerger()
{
}

void QConverterObject::StartToConvertVideo(VelVideoConvertItem *item)
{
    if (!item)
        return;
    m_currentItem = item;
    if (m_stopRequested) {
        destroyConverters(true);
        m_stopRequested = false;
        return;
    }
    const QByteArray source = QFile::encodeName(item->getFilePath());
    CAVEncodeParam param;
    if (!item->getEncodeParam(&param)) {
        failItem(QStringLiteral("no encode parameters: ") + item->lastError());
        return;
    }
    if (m_bMerge) {
        if (!m_mergeConverter)
            m_mergeEncodes = param.m_bLossless && !VelVideoConvertManager::getConvertManagerObject()->IsLosslessMerger();
        if (m_mergeEncodes)
            encodeInstead(param);
        if (!m_mergeConverter) {
            // One output for the whole merge: the name is claimed once.
            const QString output = QConverterOperate::getConvertPath();
            if (output.isEmpty()) {
                failItem(QStringLiteral("no output file name"));
                return;
            }
            m_mergeOutputPath = output;
            m_currentOutputPath = output;
            m_mergeConverter = CreateAVConverter();
            if (!m_mergeConverter->StartMerger(QFile::encodeName(output).constData(), &param)) {
                emit emitConvertedFinish(false);
                return;
            }
        }
        if (!m_mergeConverter->AddMergerTask(source.constData(), &param, this, &QConverterObject::MergerPro))
            emit emitConvertedFinish(false);
        return;
    }
    const QString output = QConverterOperate::getConvertPath();
    if (output.isEmpty()) {
        failItem(QStringLiteral("no output file name"));
        return;
    }
    m_currentOutputPath = output;
    if (m_convertConverter) {
        DestroyAVConverter(m_convertConverter);
        m_convertConverter = nullptr;
    }
    m_convertConverter = CreateAVConverter();
    if (!m_convertConverter->StartConvert(source.constData(), QFile::encodeName(output).constData(), &param, this,
                                          &QConverterObject::convertPro, false))
        emit emitConvertedFinish(false);
}

void QConverterObject::encodeInstead(CAVEncodeParam &param) const
{
    // Items whose streams differ cannot be copied into one file: encode them
    // with the container's own encoders, at the first item's picture size.
    param.m_bLossless = 0;
    param.m_editConfig.m_bLossless = false;
    if (param.m_videoCodec != -1)
        param.m_videoCodec = 0;
    if (param.m_audioCodec != -1)
        param.m_audioCodec = 0;
    param.m_videoOption = param.m_audioOption = 90;
    const VelVideoConvertItem *first = VelVideoConvertManager::getConvertManagerObject()->GetItem(0);
    if (first && param.m_videoCodec != -1) {
        param.m_width = uint32_t(first->m_videoWidth) & ~1u;
        param.m_height = uint32_t(first->m_videoHeight) & ~1u;
    }
}

void QConverterObject::UpdataConverPro(unsigned int progress, convertState state)
{
    const int n = VelVideoConvertManager::getConvertManagerObject()->GetItemCount();
    const float share = n < 1 ? 100.0f : 100.0f / float(n);
    // A merge reports per task without a cap of its own.
    const unsigned int p = qMin(progress, 100u);
    const int overall = int(double(share) * (double(p) / 100.0) + double(m_doneCount) * double(share));
    emit emitConvertProToCtrl(overall);
    if (state == convertRunning || state == convertPreparing)
        return;
    emit emitConvertedFinish(state == convertFinished);
}

void QConverterObject::failItem(const QString &why)
{
    m_failureReason = why;
    emit emitConvertedFinish(false);
}

// The log line of a failed item says why, in the codec library's words when
// the failure was the library's.
void QConverterObject::logFailure()
{
    QString why = m_failureReason;
    const IAVConverter *converter = m_bMerge ? m_mergeConverter : m_convertConverter;
    if (why.isEmpty() && converter)
        why = converter->lastErrorText();
    if (why.isEmpty())
        why = QStringLiteral("no reason given");
    const QString source = m_currentItem ? m_currentItem->getFilePath() : QString();
    qCWarning(lcEngine).noquote() << "conversion of" << source << "failed:" << why;
    m_failureReason.clear();
    m_lastFailedSource = source;
    m_lastFailure = why;
}

void QConverterObject::converterFinishCount(bool ok)
{
    if (!ok && !m_stopRequested)
        logFailure();
    m_pendingItems.removeOne(m_currentItem);
    if (m_pendingItems.isEmpty()) {
        if (m_bMerge && m_mergeConverter) {
            m_mergeConverter->StopMerger(false);
            DestroyAVConverter(m_mergeConverter);
            m_mergeConverter = nullptr;
            // The merge is finished when it closes; a close that could not
            // finish the file deletes it, and that is a failure.
            if (ok && !QFileInfo(m_mergeOutputPath).isFile()) {
                failItem(QStringLiteral("the merged file could not be finished: ") + m_mergeOutputPath);
                return;   // the failure was handled inside, as every failure
            }
        }
        emit emitIsStartConverter(false);
    }
    if (!ok) {
        // The merge is closed first, so nothing writes the file once it is gone.
        if (m_mergeConverter) {
            m_mergeConverter->StopMerger(false);
            DestroyAVConverter(m_mergeConverter);
            m_mergeConverter = nullptr;
        }
        removeFailedOutput();
        if (!m_stopRequested)
            emit emitIsStartConverter(false);
        return;
    }
    if (!m_bMerge)
        emit emitConvertedFinishCount();
    const int n = VelVideoConvertManager::getConvertManagerObject()->GetItemCount();
    if (m_doneCount + 1 < n) {
        ++m_doneCount;
        if (!m_pendingItems.isEmpty())
            StartToConvertVideo(m_pendingItems.first());
    } else if (m_bMerge) {
        emit emitConvertedFinishCount();
    }
    if (m_pendingItems.isEmpty()
        && readSetting(SettingKeys::ShutDownWhenDone)) {
        qCDebug(lcEngine) << "\n\n\nshutdown---------\n\n\n";
        VelCommonInterface::shutdownComputer();
    }
}

void QConverterObject::removeFailedOutput()
{
    // A merge that failed leaves its one output; a conversion the item's own.
    const QString file = m_bMerge ? m_mergeOutputPath : m_currentOutputPath;
    if (file.isEmpty())
        return;
    QFile::remove(file);
    QString folder = QConverterOperate::getOutputDir();
    if (folder.isEmpty())
        folder = QFileInfo(file).absolutePath();
    QDir dir(folder);
    if (!dir.exists())
        return;
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    qCDebug(lcEngine) << ".......entryInfoList.count.........." << entries.count() << folder;
    if (entries.isEmpty())
        QDir().rmdir(dir.absolutePath());
}

void QConverterObject::destroyConverters(bool waitForMerge)
{
    if (m_mergeConverter) {
        m_mergeConverter->StopMerger(waitForMerge);
        DestroyAVConverter(m_mergeConverter);
        m_mergeConverter = nullptr;
    }
    if (m_convertConverter) {
        m_convertConverter->StopConvert();
        DestroyAVConverter(m_convertConverter);
        m_convertConverter = nullptr;
    }
}

void QConverterObject::StopConvert()
{
    m_stopRequested = true;
    destroyConverters(true);
    m_pendingItems.clear();
    emit emitIsStartConverter(false);
}

void QConverterObject::OnCancelConvert()
{
    m_stopRequested = true;
    destroyConverters(true);
}

void QConverterObject::setMergerFinish()
{
    if (m_mergeConverter) {
        m_mergeConverter->StopMerger(false);
        DestroyAVConverter(m_mergeConverter);
        m_mergeConverter = nullptr;
    }
}
