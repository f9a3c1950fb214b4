#pragma once

#include "ui_QTrimOperationForm.h"

#include <QString>
#include <QWidget>
#include <cstdint>

class QVelScrollBar;
class QVideoEditingSettings;

// The Trim tab: a start, an end and a play handle over the current range, frame
// steps of the chosen handle, section play, chapter choice, Trim and Reset. It
// keeps no range of its own: the editing model's record says what the slider's
// 0-100 % stand for, and the preview player answers every new range.
class QTrimOperationForm : public QWidget, public Ui_QTrimOperationForm
{
    Q_OBJECT
    Q_DISABLE_COPY(QTrimOperationForm)

public:
    explicit QTrimOperationForm(QWidget* parent = nullptr);
    ~QTrimOperationForm() override;

    void setEditSettings(QVideoEditingSettings* settings);
    void setDisableSnapshot(bool disable);
    void trimDSliderEnable(bool enable);
    void saveTrimTime();

    static QString timeToString(uint64_t microseconds);
    static QString timeToString2(uint64_t microseconds);
    // start + fraction x length, in single precision as the range was always cut.
    static uint64_t fractionToTime(uint64_t start, uint64_t length, float fraction);

signals:
    void emitPreviousStep(bool seek, float fraction);
    void emitNextStep(bool seek, float fraction);
    void emitTrimPlay(float start, float end);
    void emitTrimPause();
    void emitPause();
    void emitStop();
    void emitPlay();
    void emitSliderSendPlayProToPlay(double fraction);
    void emitSliderMousePress();
    void emitSliderMouseRelease();
    void emitSnapshot();
    void emitSnapshotMenu();
    void emitTrim(uint64_t start, uint64_t end);
    void emitTrimChapter(uint64_t start, uint64_t end);
    void emitReset();

public slots:
    void playFinish();
    void setPlayProcess(double fraction);
    void setTime(QString time);
    void showPlayOrPause(bool playing);
    void showTrimPlayOrPause(bool playing);
    void setStartEndProgressValue(float percent);
    void trimTimeChange(uint64_t start, uint64_t end);
    void onPrevious();
    void onNext();
    void onTrimPlay();
    void onTrimPause();
    void onBtnPlay();
    void onBtnPause();
    void onBtnStop();
    void onTrim();
    void onReset();
    void startProgressValue(double fraction);
    void endProgressValue(double fraction);
    void chapterSelectedChanged(int index);
    void loadingSetting();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void initControls();
    void initSlider();
    void updateLocation();
    void keepRowClearOfReadout();
    void resetSlider();
    void showRange(uint64_t start, uint64_t end);
    // Entry 0 of the model's own chapter list takes the range; returns false
    // without chapters.
    bool setCurrentChapter(uint64_t start, uint64_t end);
    void sendCurrentChapter(uint64_t start, uint64_t end);
    void computeRange(uint64_t& start, uint64_t& end, bool plusOneAtZero);

    QVideoEditingSettings* m_settings = nullptr;
    QVelScrollBar* m_scrollBar = nullptr;
    bool m_bChapterConnected = false;
};
