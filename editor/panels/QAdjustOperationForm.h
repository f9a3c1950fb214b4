#pragma once

#include "VECropSettings.h"
#include "ui_QAdjustOperationForm.h"

#include <QSizeF>
#include <QWidget>

class QTimer;
class QVideoEditingSettings;

// The Adjust tab: rotate and flip, the crop size in source pixels and the fit to
// the output aspect. Keeps no copy of the crop record: every action reads it
// from the editing model, changes it and writes it back, and the preview
// player's answer refreshes the size edits.
class QAdjustOperationForm : public QWidget, public Ui_QAdjustOperationForm
{
    Q_OBJECT
    Q_DISABLE_COPY(QAdjustOperationForm)

public:
    explicit QAdjustOperationForm(QWidget* parent = nullptr);
    QAdjustOperationForm(QVideoEditingSettings* settings, QWidget* parent);
    ~QAdjustOperationForm() override;

    void setEditSettings(QVideoEditingSettings* settings);
    void saveEditingSettings();
    void setCropAreaSize(QSizeF size);
    void widthChanged(int width);
    void heightChanged(int height);
    void setAspectRatio(int index);

    // Cropped size in source pixels for "Original Resolution": the fraction of the
    // side rounded on a 1/65536 grid, kept even below the full side.
    static int croppedSide(double fraction, int side);

signals:
    void emitApplyToAll();

public slots:
    void onRotate_R_90();
    void onRotate_L_90();
    void onFlipH();
    void onFlipV();
    void aspectRatioChanged(int index);
    void cropAreaChangedW(QString text);
    void cropAreaChangedH(QString text);
    void cropAreaChanged(QString text);
    void wideTimer();
    void reset();
    void cropAreaChange(VECropSettings settings);
    void loadingSetting();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void initControls();
    void rotate(int plainStep, int mirroredStep);
    void typed(bool widthEdit);
    int editValue(const QLineEdit* edit, int minimum) const;
    void applyTypedSide(Qt::Orientation side, int value);
    static bool isPanScan(const VECropSettings& s);

    bool m_bLoaded = false;
    QVideoEditingSettings* m_settings = nullptr;
    QTimer* m_timer = nullptr;
    bool m_bWidthLast = false;
};
