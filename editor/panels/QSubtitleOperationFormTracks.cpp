// The track list of the Subtitle tab: its rows, the choice they make and the
// external subtitle files added to it.
#include "QSubtitleOperationForm.h"

#include "QPanelChooser.h"
#include "QVideoEditingSettings.h"
#include "VelInfoClass.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// Both spellings of every pattern: the file dialog matches names case by case
// on case-sensitive file systems.
QString subtitleFilter()
{
    const QStringList suffixes{"ass", "ssa", "srt", "sub", "smi", "sami", "sup", "lrc", "vtt", "webvtt"};
    QStringList patterns;
    for (const QString& suffix : suffixes)
        patterns << "*." + suffix;
    for (const QString& suffix : suffixes)
        patterns << "*." + suffix.toUpper();
    return QObject::tr("Subtitles (%1)").arg(patterns.join(' ')) + ";;" + QObject::tr("All files (*)");
}

// The file is read once here, by the same library that later burns it in, so
// a file it cannot use never enters the record.
bool isReadableSubtitleFile(const QString& path)
{
    VelInfoClass info;
    info.Create_Info();
    return info.SetSubtlFile_Info(QFile::encodeName(path).constData());
}
}

QString QSubtitleOperationForm::subtitleFileLabel(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf('.');
    const QString base = dot < 0 ? name : name.left(dot);
    const QString suffix = dot < 0 ? QString() : name.mid(dot + 1).toUpper();
    return QStringLiteral("%2 (%1)").arg(suffix, base);
}

void QSubtitleOperationForm::connectList(bool on)
{
    QCheckboxCombobox* list = m_cbbSubtitleList;
    if (!on) {
        disconnect(list, &QCheckboxCombobox::emitClickCheckbox, this, &QSubtitleOperationForm::SubtlCheckClick);
        disconnect(list, &QCheckboxCombobox::emitStateChange, this, &QSubtitleOperationForm::SubtlCheckChange);
        disconnect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                   &QSubtitleOperationForm::SubtlSelChange);
        return;
    }
    connect(list, &QCheckboxCombobox::emitClickCheckbox, this, &QSubtitleOperationForm::SubtlCheckClick);
    connect(list, &QCheckboxCombobox::emitStateChange, this, &QSubtitleOperationForm::SubtlCheckChange);
    connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &QSubtitleOperationForm::SubtlSelChange);
}

int QSubtitleOperationForm::rowData(int row) const
{
    const QVariant data = m_cbbSubtitleList->itemData(row);
    bool ok = false;
    const int value = data.toInt(&ok);
    return data.isValid() && ok && value >= RowClosedCaptions ? value : RowUnknown;
}

// A track row's entry, only while it is inside the model's track list.
int QSubtitleOperationForm::entryOfRow(int row) const
{
    const int entry = rowData(row);
    if (!m_settings || entry < 0 || entry >= m_settings->getEditConfig().m_subtitleTracks.size())
        return -1;
    return entry;
}

int QSubtitleOperationForm::rowOfData(int data) const { return qMax(0, m_cbbSubtitleList->findData(data)); }

void QSubtitleOperationForm::resetSubtlComboxData(VEEditConfig cfg)
{
    if (cfg.m_bLossless)
        resetSubtlComboxDataLossless(cfg);
    else
        resetSubtlComboxDataNoLossless(cfg);
}

void QSubtitleOperationForm::InitComboxList(VEEditConfig cfg) { resetSubtlComboxData(cfg); }

void QSubtitleOperationForm::resetSubtlComboxDataLossless(const VEEditConfig& cfg)
{
    QCheckboxCombobox* list = m_cbbSubtitleList;
    list->deleteAllItem();
    list->setCheckMode(true);
    list->addItem(QObject::tr("No Subtitle"), int(RowNoSubtitle));
    const QList<EVSubtitleTrack>& tracks = cfg.m_subtitleTracks;
    if (!tracks.isEmpty()) {
        list->addItem(QObject::tr("All Subtitle"), int(RowAllSubtitle));
        list->addSeparator();
    }
    bool allSelected = true;
    for (int i = 0; i < tracks.size() && tracks.at(i).m_trackInfo.m_firstId != 1; ++i) {
        const EVSubtitleTrack& track = tracks.at(i);
        list->addItem(QString::fromUtf8(track.m_trackInfo.m_displayText), i);
        list->setCheckState(list->count() - 1, track.m_bSelected != 0);
        allSelected = allSelected && track.m_bSelected != 0;
    }
    const VEProgramValueInfo& choice = cfg.m_programValue;
    if (choice.subtlType == -1) {
        list->setCurrentIndex(0);
        list->setCheckState(0, true);
        return;
    }
    list->setCurrentIndex(tracks.isEmpty() ? 0 : rowOfData(choice.m_subtitleIndex));
    if (list->count() >= 2)
        list->setCheckState(1, allSelected);
}

void QSubtitleOperationForm::resetSubtlComboxDataNoLossless(const VEEditConfig& cfg)
{
    QCheckboxCombobox* list = m_cbbSubtitleList;
    list->deleteAllItem();
    list->setCheckMode(false);
    list->addItem(QObject::tr("No Subtitle"), int(RowNoSubtitle));
    bool captionsAdded = false;
    const QList<EVSubtitleTrack>& tracks = cfg.m_subtitleTracks;
    for (int i = 0; i < tracks.size(); ++i) {
        if (tracks.at(i).m_trackInfo.m_firstId == 1 && !captionsAdded) {
            list->addItem(QObject::tr("Video Internet CC"), int(RowClosedCaptions));
            captionsAdded = true;
        }
        list->addItem(QString::fromUtf8(tracks.at(i).m_trackInfo.m_displayText), i);
    }
    if (!captionsAdded)
        list->addItem(QObject::tr("Video Internet CC"), int(RowClosedCaptions));

    const VEProgramValueInfo& choice = cfg.m_programValue;
    int row = 0;
    if (choice.subtlType == -2)
        row = rowOfData(RowClosedCaptions);
    else if (choice.subtlType != -1)
        row = rowOfData(choice.m_subtitleIndex);
    list->setCurrentIndex(row);
    list->setCheckState(row, true);
}

int QSubtitleOperationForm::comboboxSelectState(QCheckboxCombobox* combo)
{
    const int count = combo ? combo->count() : 0;
    if (count < 2)
        return 0;
    if (count == 2)
        return 1;
    int ticked = 0;
    for (int row = 2; row < count; ++row)
        ticked += combo->itemCheckState(row) ? 1 : 0;
    if (ticked == 0)
        return 0;
    return ticked == count - 2 ? 1 : 2;
}

void QSubtitleOperationForm::SubtlSelChange(int row)
{
    if (!m_settings)
        return;
    VEEditConfig cfg;
    m_settings->getEditConfig(cfg);
    VEProgramValueInfo choice = cfg.m_programValue;
    const int data = rowData(row);
    if (data == RowNoSubtitle || data == RowClosedCaptions) {
        choice.subtlType = data == RowNoSubtitle ? -1 : -2;
        writeChoice(choice);
        return;
    }
    if (data == RowAllSubtitle) {
        choice.subtlType = 0;
        choice.m_subtitleIndex = 0;
        writeChoice(choice);
        resendStyle();
        return;
    }
    choice.subtlType = -1;
    const int entry = entryOfRow(row);
    if (entry >= 0) {
        const SubtitleTrackInfo& track = cfg.m_subtitleTracks.at(entry).m_trackInfo;
        if (!cfg.m_bLossless) {
            choice.subtlType = track.m_firstId == 1 ? -3 : 0;
            if (track.m_firstId == 1)
                choice.m_subtitleFile = track.m_filePath;
            choice.m_subtitleIndex = entry;
        } else if (track.m_firstId == 0) {
            choice.subtlType = 0;
            choice.m_subtitleIndex = entry;
        }
    }
    writeChoice(choice);
    resendStyle();
    showFilePath(!cfg.m_bLossless && choice.subtlType == -3 ? QFile::decodeName(choice.m_subtitleFile) : QString());
}

void QSubtitleOperationForm::SubtlCheckChange(int row, int state)
{
    const int entry = entryOfRow(row);
    if (entry >= 0)
        m_settings->getEditConfig().m_subtitleTracks[entry].m_bSelected = state == Qt::Checked ? 1 : 0;
}

// After the box has toggled and its tick reached the entry's selected flag.
void QSubtitleOperationForm::SubtlCheckClick(int row)
{
    if (!m_settings)
        return;
    VEEditConfig cfg;
    m_settings->getEditConfig(cfg);
    VEProgramValueInfo choice = cfg.m_programValue;
    QCheckboxCombobox* list = m_cbbSubtitleList;
    const int data = rowData(row);
    if (data == RowAllSubtitle) {
        list->setCheckAll(true);
        list->setCheckState(0, false);
        if (choice.subtlType == -1) {
            choice.subtlType = 0;
            choice.m_subtitleIndex = 0;
            writeChoice(choice);
        }
        return;
    }
    if (data == RowNoSubtitle) {
        list->setCheckAll(false);
        list->setCheckState(0, true);
        choice.subtlType = -1;
        writeChoice(choice);
        return;
    }
    const int state = comboboxSelectState(list);
    list->setCheckState(0, state == 0);
    list->setCheckState(1, state == 1);
    if (data == RowClosedCaptions) {
        choice.subtlType = -2;
        writeChoice(choice);
        return;
    }
    choice.subtlType = -1;
    const QList<EVSubtitleTrack>& tracks = m_settings->getEditConfig().m_subtitleTracks;
    for (int i = 0; i < tracks.size(); ++i) {
        if (!tracks.at(i).m_bSelected)
            continue;
        if (tracks.at(i).m_trackInfo.m_firstId == 1) {
            choice.subtlType = -3;
            choice.m_subtitleFile = tracks.at(i).m_trackInfo.m_filePath;
        } else {
            choice.subtlType = 0;
            choice.m_subtitleIndex = i;
        }
        break;
    }
    writeChoice(choice);
}

// Nothing connects it; kept for the preview's older record of the choice.
void QSubtitleOperationForm::subtitleSelectedChanged(int row)
{
    if (!m_settings || row < 0 || row >= m_cbbSubtitleList->count())
        return;
    VESubtitleValue_Info info;
    m_settings->getSubtitleInfo(info);
    if (info.m_subtitleNumber == row)
        return;
    const QString text = m_cbbSubtitleList->itemData(row).toString();
    info.m_subtitleNumber = row;
    info.m_subtitleFile = QFile::encodeName(text);
    m_settings->setSubtitleInfo(info);
    m_leFamilyPath->setText(text);
    resendStyle();
}

void QSubtitleOperationForm::onSetFamily()
{
    const QString path =
        QPanelChooser::getOpenFileName(this, QObject::tr("Open Subtitle File"), QDir::homePath(), subtitleFilter());
    if (path.isEmpty() || path == m_leFamilyPath->text() || !m_settings)
        return;
    if (!isReadableSubtitleFile(path)) {
        QPanelChooser::showWarning(this, QObject::tr("\"%1\" cannot be read as a subtitle file.").arg(path));
        return;
    }
    const QString label = subtitleFileLabel(path);
    QList<EVSubtitleTrack>& tracks = m_settings->getEditConfig().m_subtitleTracks;
    const int id = tracks.size();
    EVSubtitleTrack entry;
    entry.m_bSelected = 0;
    entry.m_trackInfo.m_firstId = 1;
    entry.m_trackInfo.m_trackId = id;
    entry.m_trackInfo.m_displayText = label.toUtf8();
    entry.m_trackInfo.m_filePath = QFile::encodeName(path);
    tracks.append(entry);

    m_cbbSubtitleList->addItem(label, id);
    const int row = m_cbbSubtitleList->count() - 1;
    m_cbbSubtitleList->setCurrentIndex(row);
    m_cbbSubtitleList->setCheckState(row, true);

    VEProgramValueInfo choice;
    m_settings->getProgramValueInfo(choice);
    choice.subtlType = -3;
    choice.m_subtitleIndex = id;
    choice.m_subtitleFile = QFile::encodeName(path);
    writeChoice(choice);
    m_settings->setSubtitleTrackList(m_settings->getEditConfig().m_subtitleTracks);
    showFilePath(path);
    resendStyle();
}
