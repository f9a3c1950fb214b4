#pragma once

#include "ConvertState.h"

#include <QList>
#include <QObject>
#include <QString>

class IAVConverter;
struct CAVEncodeParam;
class VelVideoConvertItem;

// Drives one run of conversions over the item manager's items: one converter
// per item, or one merge job fed with every item. Turns the converters'
// progress into overall progress, cleans up after a failure or a stop, and
// optionally shuts the computer down after the last item.
class QConverterObject : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(QConverterObject)

public:
    explicit QConverterObject(QObject *parent = nullptr);
    ~QConverterObject() override;

    void StartToConvertVideo(VelVideoConvertItem *item);
    void StopConvert();
    bool isStopConvert() const { return m_stopRequested; }
    // The source and the reason of the last failed item (the codec library's
    // words when the failure was the library's); empty before any failure.
    QString lastFailedSource() const { return m_lastFailedSource; }
    QString lastFailure() const { return m_lastFailure; }
    void setMergerFinish();

    // The callbacks handed to the converters; user is the queue object.
    static void convertPro(unsigned int progress, void *user, convertState state);
    static void MergerPro(unsigned int progress, void *user, convertState state);
    void setConverProgress(unsigned int progress, convertState state);

signals:
    void emitIsStartConverter(bool started);
    void emitConvertProToCtrl(int progress);
    void emitConvertedFinish(bool ok);
    void emitConvertedFinishCount();
    void seedConvertPro(unsigned int progress, convertState state);

public slots:
    void OnStartToCoverter(bool merge);
    void OnStartToMerger();
    void OnConverterAllCheck();
    void UpdataConverPro(unsigned int progress, convertState state);
    void converterFinishCount(bool ok);
    void OnCancelConvert();

private:
    void destroyConverters(bool waitForMerge);
    // Ends the current item as a failure for a reason of the queue's own.
    void failItem(const QString &why);
    void logFailure();
    void removeFailedOutput();
    void encodeInstead(CAVEncodeParam &param) const;

    bool m_bMerge = false;
    bool m_mergeEncodes = false;   // a lossless merge of items that cannot be copied together
    QList<VelVideoConvertItem *> m_pendingItems;
    bool m_stopRequested = false;
    QString m_mergeOutputPath;
    QString m_currentOutputPath;   // the file the current conversion writes
    QString m_reservedText;
    IAVConverter *m_mergeConverter = nullptr;
    IAVConverter *m_convertConverter = nullptr;
    VelVideoConvertItem *m_currentItem = nullptr;
    int m_doneCount = 0;
    QString m_failureReason;       // the queue's own reason for the current failure
    QString m_lastFailedSource;
    QString m_lastFailure;
};
