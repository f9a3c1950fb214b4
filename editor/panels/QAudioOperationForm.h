#pragma once

#include "VEEditConfig.h"
#include "ui_QAudioOperationForm.h"

#include <QWidget>

class QAudioEffectManager;
class QVelScrollBar;
class QVideoEditingSettings;

// The Audio tab: which source tracks the output keeps, a background audio file
// mixed in by weight, the volume and a sound-effect pack. Keeps no record of its
// own: each action copies one record out of the editing model, changes it and
// sets it back, and the model passes it on to the preview.
class QAudioOperationForm : public QWidget, public Ui_QAudioOperationForm
{
    Q_OBJECT
    Q_DISABLE_COPY(QAudioOperationForm)

public:
    // What a row of the track combo stands for; a track row holds the track's
    // position in the record's list instead.
    enum FixedRow { RowNoAudio = -1, RowAllAudio = -2 };

    explicit QAudioOperationForm(QWidget* parent = nullptr);
    ~QAudioOperationForm() override;

    void setEditSettings(QVideoEditingSettings* settings);
    void resetAudioComboxData(VEEditConfig cfg);
    void resetAudioComboxDataLossless(VEEditConfig cfg);
    void resetAudioComboxDataNoLossless(VEEditConfig cfg);
    void InitComboxList(VEEditConfig cfg);
    // Rows from 2 on: 0 none checked, 1 all checked, 2 some checked.
    int comboboxSelectState(QCheckboxCombobox* combo) const;
    QAudioEffectManager* effectManager() const { return m_effectManager; }

signals:
    void emitApplyToAll();

public slots:
    void onSetBgVoice();
    void onRepeat();
    void valuetextEdited(QString text);
    void progressValue(double fraction);
    void audioSelectedChanged(int index);
    void effectsCurrentIndexChanged(int index);
    void reset();
    void AudioCheckClick(int row);
    void AudioCheckChange(int row, int state);
    void AudioSelChange(int row);
    void loadingSetting();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void initControls();
    void connectCombo(bool on);
    void addTrackRows(const VEEditConfig& cfg, bool takeSelection);
    int rowKind(int row) const;
    void chooseFirstSelectedTrack(VEProgramValueInfo& program) const;
    void pushProgram(VEProgramValueInfo program);
    void setBackgroundVolume(int volume);
    void setAudioVolume(int volume);
    void resetTrackChoice();

    bool m_bLoaded = false;
    // Both bars belong to the widgets they are installed in.
    QVelScrollBar* m_hScrollBar = nullptr;
    QVelScrollBar* m_vScrollBar = nullptr;
    QAudioEffectManager* m_effectManager = nullptr;
    QVideoEditingSettings* m_settings = nullptr;
};
