#pragma once

#include "ui_QPlayerOperationForm.h"

#include <QWidget>

class QMouseEvent;

// The player bar under the preview on the panel tabs: snapshot, play/pause,
// stop, a seek slider and the time text. Shows what the preview player reports
// and turns clicks and drags into signals; it keeps no player state.
class QPlayerOperationForm : public QWidget, public Ui_QPlayerOperationForm
{
    Q_OBJECT
    Q_DISABLE_COPY(QPlayerOperationForm)

public:
    explicit QPlayerOperationForm(QWidget* parent = nullptr);
    ~QPlayerOperationForm() override;

signals:
    void emitProgressValue(double fraction);
    void emitPlay();
    void emitPause();
    void emitStop();
    void emitSnapshot();
    void emitSnapshotMenu();
    void emitSliderPress();
    void emitSliderRelease();

public slots:
    void onBtnPlay();
    void onBtnPause();
    void onBtnStop();
    void showPlayOrPause(bool playing);
    void setPlayProcess(double fraction);
    void setTime(QString time);
    void playFinish();
    void sliderPressEvent(QMouseEvent* event);
    void sliderReleaseEvent(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void initControls();
    void updateLocation();
};
