#include "QAudioOperationForm.h"

#include "QVideoEditingSettings.h"

#include "EditorModelLog.h"

// The track combo. Rows are told apart by their item data, never by their
// text: a translated caption could equal a track's name.

void QAudioOperationForm::connectCombo(bool on)
{
    QCheckboxCombobox* combo = m_cbbAudioList;
    if (!on) {
        disconnect(combo, &QCheckboxCombobox::emitStateChange, this, &QAudioOperationForm::AudioCheckChange);
        disconnect(combo, &QCheckboxCombobox::emitClickCheckbox, this, &QAudioOperationForm::AudioCheckClick);
        disconnect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                   &QAudioOperationForm::AudioSelChange);
        return;
    }
    connect(combo, &QCheckboxCombobox::emitStateChange, this, &QAudioOperationForm::AudioCheckChange,
            Qt::UniqueConnection);
    connect(combo, &QCheckboxCombobox::emitClickCheckbox, this, &QAudioOperationForm::AudioCheckClick,
            Qt::UniqueConnection);
    connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &QAudioOperationForm::AudioSelChange,
            Qt::UniqueConnection);
}

void QAudioOperationForm::resetAudioComboxData(VEEditConfig cfg)
{
    if (cfg.m_bLossless)
        resetAudioComboxDataLossless(cfg);
    else
        resetAudioComboxDataNoLossless(cfg);
}

void QAudioOperationForm::InitComboxList(VEEditConfig cfg) { resetAudioComboxData(cfg); }

void QAudioOperationForm::addTrackRows(const VEEditConfig& cfg, bool takeSelection)
{
    for (int k = 0; k < cfg.m_audioTracks.size(); ++k) {
        const EVAudioTrack& track = cfg.m_audioTracks.at(k);
        m_cbbAudioList->addItem(QString::fromUtf8(track.m_trackInfo.m_displayText), k);
        if (takeSelection)
            m_cbbAudioList->setCheckState(m_cbbAudioList->count() - 1, track.m_bSelected != 0);
    }
}

// The current row is the played track's row; an index outside the list falls
// back to "No Audio" rather than to a row of something else.
static int rowOfAudioIndex(const VEEditConfig& cfg)
{
    const int index = cfg.m_programValue.m_audioIndex;
    if (cfg.m_audioTracks.isEmpty() || index < 0 || index >= cfg.m_audioTracks.size())
        return 0;
    return index + 1;
}

void QAudioOperationForm::resetAudioComboxDataLossless(VEEditConfig cfg)
{
    QCheckboxCombobox* combo = m_cbbAudioList;
    combo->deleteAllItem();
    combo->setCheckMode(true);
    combo->addItem(QObject::tr("No Audio"), int(RowNoAudio));
    const bool hasTracks = !cfg.m_audioTracks.isEmpty();
    if (hasTracks) {
        combo->addItem(QObject::tr("All Audio"), int(RowAllAudio));
        combo->addSeparator();
    }
    addTrackRows(cfg, true);
    if (cfg.m_programValue.audioType == -1) {
        combo->setCurrentIndex(0);
        combo->setCheckState(0, true);
        return;
    }
    // The record names the current row by index + 1, here the same as in the
    // encoding mode although "All Audio" sits in between.
    combo->setCurrentIndex(hasTracks ? rowOfAudioIndex(cfg) : 0);
    if (combo->count() >= 2) {
        bool all = true;
        for (const EVAudioTrack& track : cfg.m_audioTracks)
            all = all && track.m_bSelected != 0;
        combo->setCheckState(1, all);
    }
}

void QAudioOperationForm::resetAudioComboxDataNoLossless(VEEditConfig cfg)
{
    QCheckboxCombobox* combo = m_cbbAudioList;
    combo->deleteAllItem();
    combo->setCheckMode(false);
    combo->addItem(QObject::tr("No Audio"), int(RowNoAudio));
    addTrackRows(cfg, false);
    const int row = cfg.m_programValue.audioType == -1 ? 0 : rowOfAudioIndex(cfg);
    combo->setCurrentIndex(row);
    combo->setCheckAll(false);
    combo->setCheckState(row, true);
}

int QAudioOperationForm::comboboxSelectState(QCheckboxCombobox* combo) const
{
    int checked = 0;
    int rows = 0;
    for (int row = 2; row < combo->count(); ++row, ++rows)
        checked += combo->itemCheckState(row) ? 1 : 0;
    if (checked == 0)
        return 0;
    return checked == rows ? 1 : 2;
}

int QAudioOperationForm::rowKind(int row) const
{
    const QVariant data = m_cbbAudioList->itemData(row);
    return data.isValid() ? data.toInt() : RowNoAudio;
}

void QAudioOperationForm::AudioCheckChange(int row, int state)
{
    if (!m_settings)
        return;
    const int k = rowKind(row);
    QList<EVAudioTrack>& tracks = m_settings->getEditConfig().m_audioTracks;
    if (k < 0 || k >= tracks.size())
        return;
    tracks[k].m_bSelected = state == Qt::Checked ? 1 : 0;
}

void QAudioOperationForm::chooseFirstSelectedTrack(VEProgramValueInfo& program) const
{
    program.audioType = -1;
    const QList<EVAudioTrack>& tracks = m_settings->getEditConfig().m_audioTracks;
    for (int k = 0; k < tracks.size(); ++k) {
        if (tracks.at(k).m_bSelected) {
            program.audioType = 0;
            program.m_audioIndex = k;
            return;
        }
    }
}

// Only a position inside the track list reaches the preview player and the
// converter.
void QAudioOperationForm::pushProgram(VEProgramValueInfo program)
{
    const int count = m_settings->getEditConfig().m_audioTracks.size();
    if (program.m_audioIndex < 0 || program.m_audioIndex >= count)
        program.m_audioIndex = 0;
    m_settings->setProgramValueInfo(program);
}

void QAudioOperationForm::AudioCheckClick(int row)
{
    if (!m_settings)
        return;
    VEProgramValueInfo program;
    m_settings->getProgramValueInfo(program);
    QCheckboxCombobox* combo = m_cbbAudioList;
    const int kind = rowKind(row);
    if (kind == RowAllAudio) {
        combo->setCheckAll(true);
        combo->setCheckState(0, false);
        program.audioType = 0;
        program.m_audioIndex = 0;
    } else if (kind == RowNoAudio) {
        combo->setCheckAll(false);
        combo->setCheckState(0, true);
        program.audioType = -1;
    } else {
        qCDebug(lcEditorModel) << (combo->itemCheckState(row) ? "true" : "false");
        const int state = comboboxSelectState(combo);
        combo->setCheckState(0, state == 0);
        if (rowKind(1) == RowAllAudio)
            combo->setCheckState(1, state == 1);
        chooseFirstSelectedTrack(program);
    }
    pushProgram(program);
}

void QAudioOperationForm::AudioSelChange(int row)
{
    if (!m_settings)
        return;
    VEProgramValueInfo program;
    m_settings->getProgramValueInfo(program);
    const int kind = rowKind(row);
    if (kind == RowNoAudio) {
        program.audioType = -1;
    } else if (kind == RowAllAudio) {
        program.audioType = 0;
        program.m_audioIndex = 0;
    } else {
        chooseFirstSelectedTrack(program);
    }
    pushProgram(program);
}

void QAudioOperationForm::audioSelectedChanged(int index)
{
    if (!m_settings)
        return;
    if (index < 0 || index >= m_settings->getEditConfig().m_audioTracks.size())
        return;
    VESubtitleValue_Info info;
    m_settings->getSubtitleInfo(info);
    if (info.m_audioIndex == index)
        return;
    info.m_audioIndex = index;
    m_settings->setSubtitleInfo(info);
}

// Lossless: with at least one track (the combo then holds at least two rows)
// every track is kept and the first is played; without tracks nothing is kept.
void QAudioOperationForm::resetTrackChoice()
{
    VEProgramValueInfo program;
    m_settings->getProgramValueInfo(program);
    program.audioType = 0;
    program.m_audioIndex = 0;
    QCheckboxCombobox* combo = m_cbbAudioList;
    if (!combo->checkMode()) {
        combo->setCheckAll(false);
        combo->setCheckState(1, true);
    } else if (combo->count() >= 2) {
        combo->setCheckAll(true);
        combo->setCheckState(0, false);
    } else {
        combo->setCheckState(0, true);
        program.audioType = -1;
    }
    pushProgram(program);
}
