#pragma once

#include "VEVideoEffectSettings.h"
#include "VEWatermarkSettings.h"
#include "ui_QEffectOperationForm.h"

#include <QRectF>
#include <QSize>
#include <QWidget>

class QFrameChunk;
class QFrameChunkManager;
class QVelScrollBar;
class QVideoEditingSettings;
class QVideoEffectManager;

// The Effect tab: brightness, contrast, saturation and hue of the segment, and
// one video-effect pack and one frame pack laid over its picture. Keeps no copy
// of the records: every action reads the colour record or an overlay layer from
// the editing model, changes it and writes it back, and the model hands it to
// the preview at once.
class QEffectOperationForm : public QWidget, public Ui_QEffectOperationForm
{
    Q_OBJECT
    Q_DISABLE_COPY(QEffectOperationForm)

public:
    enum Channel { Brightness = 0, Contrast, Saturation, Hue };

    explicit QEffectOperationForm(QWidget* parent = nullptr);
    ~QEffectOperationForm() override;

    void setEditSettings(QVideoEditingSettings* settings);

    // Fills the layer's picture, mix mode and picture crop from video-effect pack
    // `index` for an output of `outputSize`; a pack without a usable picture
    // only clears the layer's picture.
    void getVideoEffectPath(int index, QSize outputSize, VEWatermarkSettings& layer);
    // Full path of the pack's picture that fits the output best; empty when none.
    QString getVideoEffectPath(QFrameChunk* chunk, QSize outputSize);

    void initSlider(QVelBaseSlider* slider);
    void initLineEdit(QVelLineEdit* edit);
    void iniLabel(QLabel* label);

    QVideoEffectManager* effectManager() const { return m_effectManager; }
    QFrameChunkManager* frameManager() const { return m_frameManager; }

    // Slider fraction 0..1 to the shown value 0..200, snapping near the middle.
    static int shownValue(double fraction);
    // Shown value 0..200 to the value the colour record stores, and back.
    static int recordValue(Channel channel, int shown);
    static int shownFromRecord(Channel channel, int value);
    // The centred window of the output's aspect inside a picture, as fractions of
    // the picture; the whole picture when either size is empty.
    static QRectF imageCropRect(QSize image, QSize output);

signals:
    void emitApplyToAll();

public slots:
    void progressValue(double fraction);
    void textEdited(QString text);
    void selectedTag(int tag);
    void effectsListIndexChanged(int index);
    void frameListIndexChanged(int index);
    void reset();
    void loadingSetting();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void initControls();
    void initLists();
    void fillList(QHorizontalListFrom* list, const QList<QFrameChunk*>& packs);
    int channelOf(const QObject* control) const;
    void showChannel(Channel channel, int shown);
    void followTrimStart(VEWatermarkSettings& layer) const;
    static int& recordField(VEVideoEffectSettings& record, Channel channel);

    QFrameChunkManager* m_frameManager = nullptr;
    QVideoEffectManager* m_effectManager = nullptr;
    bool m_bLoaded = false;
    QVelScrollBar* m_effectScrollBar = nullptr;
    QVelScrollBar* m_frameScrollBar = nullptr;
    QVideoEditingSettings* m_settings = nullptr;
};
