#pragma once

#include "ui_QWatermarkOperationForm.h"

#include <QImage>
#include <QWidget>

class QVelScrollBar;
class QVideoEditingSettings;
struct VEWatermarkSettings;

// The Watermark tab: an image and a line of text laid over the segment, each
// with its own transparency. Keeps no copy of the overlay: every action reads
// layer 0 from the editing model, changes a few fields and writes it back, so
// the preview follows at once. Placing and sizing happen on the preview.
class QWatermarkOperationForm : public QWidget, public Ui::QWatermarkOperationForm
{
    Q_OBJECT
    Q_DISABLE_COPY(QWatermarkOperationForm)

public:
    explicit QWatermarkOperationForm(QWidget* parent = nullptr);
    ~QWatermarkOperationForm() override;

    void setEditSettings(QVideoEditingSettings* settings);

    // Alpha 0 to 255 as the percent the edits show, and a typed percent as alpha.
    static int alphaToPercent(uint32_t alpha);
    static uint32_t percentToAlpha(int percent);
    // A slider's fraction of its track as alpha.
    static uint32_t fractionToAlpha(double fraction);

signals:
    void emitApplyToAll();
    void emitReset();
    void emitWatermartTextSetting();
    void emitOpenDlg(bool isShow);

public slots:
    void loadingSetting();

private slots:
    void onSetAddWKImg();
    void onDeleteImage();
    void progressValue(double value);
    void wkTextEdited();
    void alphaTextEdited(QString text);
    void reset();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void initControls();
    void writeLayer(VEWatermarkSettings& layer, bool readBack, bool reloadFiles);
    void showThumbnail(const QImage& thumbnail);
    // The picture's thumbnail, decoded by the same media layer that draws the
    // watermark; null when the file is missing or cannot be decoded.
    static QImage thumbnail(const QString& path);

    bool m_bLoaded = false;
    QVelScrollBar* m_textScrollBar = nullptr;
    QVideoEditingSettings* m_settings = nullptr;
};
