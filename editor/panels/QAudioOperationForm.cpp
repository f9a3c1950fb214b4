#include "QAudioOperationForm.h"

#include "QAudioEffectManager.h"
#include "QFrameChunk.h"
#include "QPanelChooser.h"
#include "QVEInitCtrlStyle.h"
#include "QVelScrollBar.h"
#include "QVideoEditingSettings.h"
#include "VECommonClass.h"
#include "VelInfoClass.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPainter>
#include <QVector>
#include <memory>

namespace {
QString picture(const char* name) { return VECommonClass::getCustomResPath() + QLatin1String(name); }

// Blank-separated patterns, each in both cases: the file dialog matches names
// case-sensitively here.
QString patterns(const char* const* suffixes, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("*.%1").arg(QLatin1String(suffixes[i]))
             << QStringLiteral("*.%1").arg(QString::fromLatin1(suffixes[i]).toUpper());
    return list.join(QLatin1Char(' '));
}

QString backgroundFilter()
{
    static const char* const audio[] = {"wav", "mp3", "aac", "m4a", "wma", "ogg", "ape", "flac"};
    static const char* const video[] = {"avi", "mp4", "mov", "3gp", "flv", "mkv", "rmvb", "wmv", "mpg", "mpeg",
                                        "ts", "trp"};
    return QObject::tr("Audio files (%1);;Video files (%2);;All files (*)")
        .arg(patterns(audio, int(std::size(audio))), patterns(video, int(std::size(video))));
}

// Opened once when chosen, so that a file the converter could not mix is never
// stored in the record.
bool hasAudioStream(const QString& path)
{
    VelInfoClass info;
    info.Create_Info();
    return info.Open_Info(QFile::encodeName(path).constData()) && info.HasAudio_Info();
}
}

QAudioOperationForm::QAudioOperationForm(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    initControls();
}

QAudioOperationForm::~QAudioOperationForm() = default;

void QAudioOperationForm::initControls()
{
    QVEInitCtrlStyle::SetCheckBox(m_cbxRepeat);
    m_cbxRepeat->setText(QObject::tr("Repeat"));
    QVEInitCtrlStyle::SetLabel(m_lblFile, QObject::tr("File:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblSoundEffects, QObject::tr("Sound effects:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblTrack, QObject::tr("Track:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblWeight, QObject::tr("Weight:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblVolume, QObject::tr("Volume:"), 12);
    m_btnSetBgVoice->setText(QString());
    m_btnSetBgVoice->setButtonImage(picture("/btn_family.png"));
    m_btnSetBgVoice->setToolTip(QObject::tr("Open File"));

    QVEInitCtrlStyle::SetQVelLineEdit(m_leBgVoicePath);
    m_leBgVoicePath->setReadOnly(true);
    m_leBgVoicePath->setElidePath(true);
    // The folder button covers the edit's right end, where the file name shows.
    m_leBgVoicePath->setTextMargins(0, 0, 12, 0);
    m_leBgVoicePath->resize(120, 22);
    QVEInitCtrlStyle::SetQVelLineEdit(m_leBgVoiceValue);
    QVEInitCtrlStyle::SetQVelLineEdit(m_leVolumeValue);

    QVEInitCtrlStyle::SetQVelSlider(m_sliderBgVoice);
    m_sliderBgVoice->setRange(0, 100);
    m_sliderBgVoice->setValue(100);
    QVEInitCtrlStyle::SetQVelSlider(m_sliderVolume);
    m_sliderVolume->setRange(0, 200);
    m_sliderVolume->setValue(100);

    m_hScrollBar = new QVelScrollBar(Qt::Horizontal, this);
    QVEInitCtrlStyle::SetQVelScrollBar(m_hScrollBar);
    m_effectsList->setHorizontalScrollBar(m_hScrollBar);
    m_effectsList->setBackgroundColor(QColor(74, 74, 74));

    m_vScrollBar = new QVelScrollBar(Qt::Vertical, this);
    QVEInitCtrlStyle::SetQVelScrollBar(m_vScrollBar);
    QVEInitCtrlStyle::InitVelCheckCombox(m_cbbAudioList);
    m_cbbAudioList->resize(164, 22);
    m_cbbAudioList->setBtnMargins(-1, -1, 2, 0);
    if (QListWidget* popup = m_cbbAudioList->popupList())
        popup->setVerticalScrollBar(m_vScrollBar);

    m_effectManager = new QAudioEffectManager(this);
    m_effectsList->clear();
    for (QFrameChunk* pack : m_effectManager->getFrameChunklist())
        m_effectsList->addListItem(pack->getThumbnailImage(), pack->shownName());

    connect(m_cbxRepeat, &QAbstractButton::clicked, this, &QAudioOperationForm::onRepeat);
    connect(m_btnSetBgVoice, &QAbstractButton::clicked, this, &QAudioOperationForm::onSetBgVoice);
    connect(m_leBgVoiceValue, &QLineEdit::textEdited, this, &QAudioOperationForm::valuetextEdited);
    connect(m_leVolumeValue, &QLineEdit::textEdited, this, &QAudioOperationForm::valuetextEdited);
    connect(m_sliderBgVoice, &QVelBaseSlider::sendProgressValue, this, &QAudioOperationForm::progressValue);
    connect(m_sliderVolume, &QVelBaseSlider::sendProgressValue, this, &QAudioOperationForm::progressValue);
    connect(m_effectsList, &QHorizontalListFrom::currentIndexChanged, this,
            &QAudioOperationForm::effectsCurrentIndexChanged);
    connect(m_buttonFrom, &QCommonButtonForm::emitReset, this, &QAudioOperationForm::reset);
    connect(m_buttonFrom, &QCommonButtonForm::emitApplyToAll, this, &QAudioOperationForm::emitApplyToAll);
}

void QAudioOperationForm::setEditSettings(QVideoEditingSettings* settings)
{
    m_settings = settings;
    m_bLoaded = false;
}

void QAudioOperationForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_bLoaded || !m_settings)
        return;
    m_bLoaded = true;
    loadingSetting();
}

// Filling the controls calls none of the panel's slots: code-set values raise
// nothing, and the combo is rebuilt with its connections broken.
void QAudioOperationForm::loadingSetting()
{
    if (!m_settings)
        return;
    VEEditConfig cfg;
    m_settings->getEditConfig(cfg);
    const VEAudioBackgroundSettings& bg = cfg.m_audioBackground;
    m_sliderBgVoice->setValue(int(bg.m_weight));
    m_leBgVoiceValue->setText(QString::number(bg.m_weight));
    m_cbxRepeat->setChecked(bg.m_loop != 0);
    m_leBgVoicePath->setText(QFile::decodeName(bg.m_file));
    m_sliderVolume->setValue(int(cfg.m_audioSettings.m_effect.m_volume));
    m_leVolumeValue->setText(QString::number(cfg.m_audioSettings.m_effect.m_volume));
    m_effectsList->setCurrentIndex(int(cfg.m_audioSettings.m_effectIndex));
    connectCombo(false);
    m_cbbAudioList->deleteAllItem();
    resetAudioComboxData(cfg);
    connectCombo(true);
}

void QAudioOperationForm::onSetBgVoice()
{
    const QString path = QPanelChooser::getOpenFileName(this, QObject::tr("Open Audio File"), QDir::homePath(),
                                                        backgroundFilter());
    if (path.isEmpty() || path == m_leBgVoicePath->text() || !m_settings)
        return;
    if (!hasAudioStream(path)) {
        QPanelChooser::showWarning(this, QObject::tr("The file \"%1\" holds no audio that can be played.")
                                             .arg(QFileInfo(path).fileName()));
        return;
    }
    VEAudioBackgroundSettings bg;
    m_settings->getAudioBackgroundSettings(bg);
    bg.m_file = QFile::encodeName(path);
    if (m_settings->getIsWatermarkAudioStartTime()) {
        bg.m_showStart = m_settings->getTrimStartTime();
        bg.m_showEnd = 0;
    }
    m_leBgVoicePath->setText(path);
    m_settings->setAudioBackgroundSettings(bg, true);
}

void QAudioOperationForm::onRepeat()
{
    if (!m_settings)
        return;
    VEAudioBackgroundSettings bg;
    m_settings->getAudioBackgroundSettings(bg);
    bg.m_loop = m_cbxRepeat->isChecked() ? 1 : 0;
    m_settings->setAudioBackgroundSettings(bg, false);
}

void QAudioOperationForm::setBackgroundVolume(int volume)
{
    VEAudioBackgroundSettings bg;
    m_settings->getAudioBackgroundSettings(bg);
    if (bg.m_volume == uint32_t(volume))
        return;
    bg.m_volume = uint32_t(volume);
    m_settings->setAudioBackgroundSettings(bg, false);
}

void QAudioOperationForm::setAudioVolume(int volume)
{
    VEAudioSettings audio;
    m_settings->getAudioSettings(audio);
    if (audio.m_effect.m_volume == uint32_t(volume))
        return;
    audio.m_effect.m_volume = uint32_t(volume);
    m_settings->setAudioSettings(audio);
}

void QAudioOperationForm::progressValue(double fraction)
{
    if (!m_settings)
        return;
    if (sender() == m_sliderVolume) {
        const int n = int(200 * fraction);
        m_leVolumeValue->setText(QString::number(n));
        setBackgroundVolume(n);
        setAudioVolume(n);
    } else if (sender() == m_sliderBgVoice) {
        const int n = int(100 * fraction);
        m_leBgVoiceValue->setText(QString::number(n));
        VEAudioBackgroundSettings bg;
        m_settings->getAudioBackgroundSettings(bg);
        if (bg.m_weight != uint32_t(n)) {
            bg.m_weight = uint32_t(n);
            m_settings->setAudioBackgroundSettings(bg, false);
        }
    }
}

void QAudioOperationForm::valuetextEdited(QString text)
{
    if (!m_settings)
        return;
    int n = text.isEmpty() ? 0 : text.toInt();
    if (sender() == m_leBgVoiceValue) {
        if (n > 100) {
            n = 100;
            m_leBgVoiceValue->setText(QStringLiteral("100"));
        }
        VEAudioBackgroundSettings bg;
        m_settings->getAudioBackgroundSettings(bg);
        bg.m_weight = uint32_t(n);
        m_sliderBgVoice->setValue(n);
        m_settings->setAudioBackgroundSettings(bg, false);
    } else if (sender() == m_leVolumeValue) {
        if (n > 200) {
            n = 200;
            m_leVolumeValue->setText(QStringLiteral("200"));
        }
        m_sliderVolume->setValue(n);
        setAudioVolume(n);
        setBackgroundVolume(n);
    }
}

void QAudioOperationForm::effectsCurrentIndexChanged(int index)
{
    if (!m_settings)
        return;
    const QFrameChunk* pack = m_effectManager->getFrameChunk(index);
    if (!pack)
        return;
    VEAudioSettings audio;
    m_settings->getAudioSettings(audio);
    const QVector<double> hz = QVector<double>::fromList(pack->EQ.keys());
    const QVector<double> db = QVector<double>::fromList(pack->EQ.values());
    audio.m_equalize.setBands(hz.constData(), db.constData(), hz.size());
    audio.m_effect.m_rate = uint32_t(pack->Rate);
    audio.m_effectIndex = uint64_t(index);
    m_settings->setAudioSettings(audio);
}

void QAudioOperationForm::reset()
{
    if (!m_settings)
        return;
    m_leBgVoicePath->clear();
    m_settings->setAudioBackgroundSettings(VEAudioBackgroundSettings(), true);
    m_settings->setAudioSettings(VEAudioSettings());
    resetTrackChoice();
    loadingSetting();
    m_effectsList->clearSelectState();
}

void QAudioOperationForm::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const QColor column(74, 74, 74);
    painter.fillRect(rect(), QColor(51, 51, 51));
    painter.fillRect(QRect(QPoint(0, 0), QPoint(189, h - 1)), column);
    painter.fillRect(QRect(QPoint(192, 0), QPoint(w - 380, h - 1)), column);
    painter.fillRect(QRect(QPoint(w - 377, 0), QPoint(w - 137, h - 1)), column);
    painter.fillRect(QRect(QPoint(w - 134, 0), QPoint(w - 1, h - 1)), column);
}

void QAudioOperationForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const auto below = [](const QWidget* above) { return above->geometry().bottom() + 10; };
    const auto rightOf = [](const QWidget* left, int gap) { return left->geometry().right() + gap; };
    const int w = width();

    m_lblTrack->move(13, 12);
    m_cbbAudioList->move(13, below(m_lblTrack));
    m_lblVolume->move(13, below(m_cbbAudioList));
    m_sliderVolume->move(7, below(m_lblVolume));
    m_leVolumeValue->move(rightOf(m_sliderVolume, 6), m_sliderVolume->y());

    m_lblFile->move(205, 12);
    m_leBgVoicePath->move(205, below(m_lblFile));
    m_btnSetBgVoice->move(rightOf(m_leBgVoicePath, -10), m_leBgVoicePath->y());
    m_cbxRepeat->move(rightOf(m_btnSetBgVoice, 6), m_btnSetBgVoice->y());
    m_lblWeight->move(205, below(m_leBgVoicePath));
    m_sliderBgVoice->move(199, below(m_lblWeight));
    m_leBgVoiceValue->move(rightOf(m_sliderBgVoice, 6), m_sliderBgVoice->y());

    m_lblSoundEffects->move(w - 366, 12);
    m_effectsList->resize(231, m_effectsList->height());
    m_effectsList->move(w - 371, m_lblSoundEffects->geometry().bottom() + 8);

    m_buttonFrom->resize(134, height());
    m_buttonFrom->move(w - 134, 0);
}
