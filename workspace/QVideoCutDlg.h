#pragma once
// The bar between the player panel and the segment list: the selected
// segment on a range slider (start, end and the play handle that follows the
// player) and in two time fields, the set-from-play buttons, segment play,
// and the open, format and conversion buttons. It writes start and end
// straight into the selected item and announces every change.

#include "QImageWidget.h"
#include "ui_QVideoCutDlg.h"

#include <cstdint>

class VelVideoConvertItem;

class QVideoCutDlg : public QImageWidget, public Ui::QVideoCutDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QVideoCutDlg)

public:
    explicit QVideoCutDlg(QWidget *parent = nullptr);
    ~QVideoCutDlg() override;

    void setVideoItemInfo(VelVideoConvertItem *item);
    void setTrimTime(quint64 start, quint64 end);
    VelVideoConvertItem *getItemInfo() const { return m_itemInfo; }
    quint64 getStartTime() const;
    quint64 getEndTime() const;
    quint64 getVideoTime() const;
    void setVideoLenght(quint64 length);
    void setCtrlEnable(bool on);
    void resetCutDlg();
    void IsStartConverterSet(bool converting);
    void setTrimStartTime(quint64 time);
    void setTrimEndTime(quint64 time);
    void retranslateUi();

    // A time as a slider percentage of the length, in whole milliseconds;
    // 0 when the length is below a millisecond.
    static float percentOf(quint64 time, quint64 length);

signals:
    void OnBtnAdd();
    void sendPlayProToPlay(double fraction);
    void emitStartValueChange(double fraction);
    void emitEndValueChange(double fraction);
    void emitSliderMousePress();
    void emitSliderMouseRelease();
    void emitStartTimeChange(uint64_t time);
    void emitEndTimeChange(uint64_t time);
    void emitOnBtnStartSet();
    void emitOnBtnEndSet();
    void emitPlaySelect();
    void emitPauseSelect();
    void emitStopSelect();
    void emitOnConvert();
    void emitStopConvert();
    void emitShowFormatDlg();
    void sendStartTimeChange(uint64_t time);

public slots:
    void TrimDSliderEnable(bool enable);
    void videoPlayPro(double percent);
    void setStartValue(double percent);
    void setEndValue(float percent);
    void startValueChange(double fraction);
    void endValueChange(double fraction);
    void startTimeChange(uint64_t time);
    void endTimeChange(uint64_t time);
    void OnBtnStartTimeSet();
    void OnBtnEndTimeSet();
    void OnBtnTrim();
    void OnPauseTrim();
    void OnStopTrim();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void initCtrl();
    void resetControlLocation();
    quint64 length() const;
    void applyStart(quint64 time);
    void applyEnd(quint64 time);

    VelVideoConvertItem *m_itemInfo = nullptr;
    int m_nItemIndex = -1;
    bool m_bEndTimeSeek = true;
};
