#pragma once

#include "VEEditConfig.h"
#include "ui_QSubtitleOperationForm.h"

#include <QWidget>

class QVelScrollBar;
class QVideoEditingSettings;

// The Subtitle tab: which subtitles go into the segment (source tracks, the
// source's closed captions or an external file) and where and how large the
// text is drawn. Keeps no copy of a record: every action reads the part it
// needs from the editing model, changes it and writes it back, so the preview
// follows at once. Only the tracks' selected flags are set in place.
class QSubtitleOperationForm : public QWidget, public Ui_QSubtitleOperationForm
{
    Q_OBJECT
    Q_DISABLE_COPY(QSubtitleOperationForm)

public:
    // What a row of the track list stands for, kept in the row's data: a track
    // row holds its entry's position in the model's track list (0 and up).
    enum FixedRow { RowNoSubtitle = -1, RowAllSubtitle = -2, RowClosedCaptions = -3, RowUnknown = -4 };

    explicit QSubtitleOperationForm(QWidget* parent = nullptr);
    ~QSubtitleOperationForm() override;

    void setEditSettings(QVideoEditingSettings* settings);
    void resetSubtlComboxData(VEEditConfig cfg);
    void InitComboxList(VEEditConfig cfg);
    int comboboxSelectState(QCheckboxCombobox* combo);

    // "name (EXT)" for a subtitle file: its name up to the last '.', and the
    // text after that '.' in upper case.
    static QString subtitleFileLabel(const QString& path);

signals:
    void emitApplyToAll();
    void emitAddSubtitleToCmb(QString name, QString path);
    void emitSubtitleSetting();

public slots:
    void loadingSetting();
    void SubtlCheckClick(int row);
    void SubtlCheckChange(int row, int state);
    void SubtlSelChange(int row);
    void subtitleSelectedChanged(int row);
    void onSetFamily();
    void progressValue(double fraction);
    void valueTextEdited(QString text);
    void onRadioButton();
    void reset();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void initControls();
    void resetSubtlComboxDataLossless(const VEEditConfig& cfg);
    void resetSubtlComboxDataNoLossless(const VEEditConfig& cfg);
    void connectList(bool on);
    // The row's fixed meaning, or the position of its entry in the model's list
    // (range-checked); RowUnknown for a row that is neither.
    int rowData(int row) const;
    int entryOfRow(int row) const;
    int rowOfData(int data) const;
    void writeChoice(const VEProgramValueInfo& choice);
    void resendStyle();
    void showFilePath(const QString& path);
    void setScaleSlider(int scale);
    int columnWidth() const;
    void fitRadioButtons();

    static constexpr int kRadioWidth = 70;

    bool m_bLoaded = false;
    QVelScrollBar* m_scrollBar = nullptr;
    QVideoEditingSettings* m_settings = nullptr;
};
