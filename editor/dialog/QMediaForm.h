#pragma once

#include "VelPlayerManager.h"
#include "ui_QMediaForm.h"

#include <QRect>
#include <QWidget>

class QAudioDataWidget;
class QMediaBorderFrame;
class QMediaElementWindow;

// The preview area of the editing dialog: the unedited and the edited picture,
// the crop box and the overlay boxes over them, and a level view for sources
// without video. Which of them show depends on the tab; the preview player
// draws into the surfaces and reports the boxes.
class QMediaForm : public QWidget, public Ui_QMediaForm
{
    Q_OBJECT
    Q_DISABLE_COPY(QMediaForm)

public:
    explicit QMediaForm(QWidget* parent = nullptr);
    QMediaForm(VelPlayerManager* player, QWidget* parent);
    ~QMediaForm() override;

    void setPlayerManager(VelPlayerManager* player);
    void setOperationType(int type);
    int operationType() const { return m_operationType; }
    void resetBorderFrameLocation();
    void setBoiderFrameRect(QRect picture, VECropSettings settings);
    void setBoiderFrameRect(QRect picture, VEWatermarkSettings settings);
    void setBoiderFrameSize(VECropSettings settings);
    void hiddenBorderFrame();

    QMediaElementWindow* originalWindow() const { return m_originalWindow; }
    QMediaElementWindow* previewWindow() const { return m_previewWindow; }
    QMediaBorderFrame* cropFrame() const { return m_cropFrame; }
    QMediaBorderFrame* watermarkFrame() const { return m_watermarkFrame; }
    QAudioDataWidget* audioView() const { return m_audioView; }

public slots:
    void isHaveVideo(bool hasVideo);
    void audioData(unsigned char* data, int rate);
    void playerChange();
    void CropAreaChange(VECropSettings settings);
    void originalVideoElementSizeChange(QRect rect);
    void previewVideoElementSizeChange(QRect rect);
    void watermarkRectChange(VEWatermarkSettings settings, int layer);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void initControls();
    void attachOriginal(bool attach);
    void placeWatermarkBox(int index, bool used, double x, double y, double w, double h, const QRect& picture);

    bool m_bHaveVideo = true;
    int m_operationType = 0;
    QAudioDataWidget* m_audioView = nullptr;
    QMediaElementWindow* m_originalWindow = nullptr;
    QMediaElementWindow* m_previewWindow = nullptr;
    QMediaBorderFrame* m_cropFrame = nullptr;
    QMediaBorderFrame* m_watermarkFrame = nullptr;
    VelPlayerManager* m_player = nullptr;
};
