#include "QVideoEditingDlg.h"

#include "QAdjustOperationForm.h"
#include "QEffectOperationForm.h"
#include "QAudioOperationForm.h"
#include "QAudioTagForm.h"
#include "QMediaForm.h"
#include "QMessageOpacityForm.h"
#include "QPlayerOperationForm.h"
#include "QProgressIndicator.h"
#include "QSubtitleOperationForm.h"
#include "QTrimOperationForm.h"
#include "QVEInitCtrlStyle.h"
#include "QVelMenu.h"
#include "QVideoEditTag.h"
#include "QVideoEditingSettings.h"
#include "QWatermarkOperationForm.h"
#include "QWaitForDlg.h"
#include "VECommonClass.h"
#include "VelInfoManager.h"
#include "VelPlayerManager.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

namespace {
QString picture(const char* name) { return VECommonClass::getCustomResPath() + QLatin1String(name); }
}

QVideoEditingDlg::QVideoEditingDlg(QWidget* parent) : QVelDialog(parent)
{
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setBackgroundImage(picture("/background.png"), true);
    initData();
    initControls();
    initMenu();
    ininScreenshotsInfo();
    initEditTag();
    initAudioPanels();
    setStretchPolicy(QBaseDrawWidget::StretchNone);
    setFixedSize(826, 546);
    m_editTag->setHiddenTag(TabTag);
    QVEInitCtrlStyle::SetPalette(this, QPalette::WindowText, QColor(246, 246, 246));
    QVEInitCtrlStyle::SetFont(this, 12);
    const rectSize corner{70, 70};
    setGridViewInfo(corner, corner, corner, corner);
    m_editConfig.setDefaults();
    m_applyConfig.setDefaults();
    setWindowTitle(tr("Video Edit"));
    qRegisterMetaType<VECropSettings>("VECropSettings");
    qRegisterMetaType<VEWatermarkSettings>("VEWatermarkSettings");
}

// The player reports to this dialog and its panels: it goes while they are
// whole. The panels are children and go with the dialog.
QVideoEditingDlg::~QVideoEditingDlg()
{
    finishLoadingOnClose();
    m_playerManager.reset();
    m_infoManager.reset();
}

// A loader still running is joined without serving this thread's events, which
// would reach a dialog being destroyed: its waits for this thread give up
// instead, and it ends on its own.
void QVideoEditingDlg::finishLoadingOnClose()
{
    m_bClosing = true;
    if (m_timer)
        m_timer->stop();
    m_handOver.close();
    m_loader.StopThread();
}

void QVideoEditingDlg::initData()
{
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &QVideoEditingDlg::loadingTimer);
    // The loading worker emits it.
    connect(this, &QVideoEditingDlg::emitThreadComplete, this, &QVideoEditingDlg::threadComplete,
            Qt::QueuedConnection);
    // Emitted on this thread through the loader's hand-over, which waits for it.
    connect(this, &QVideoEditingDlg::emitPlayer, this, &QVideoEditingDlg::startPlayerCon, Qt::DirectConnection);
}

void QVideoEditingDlg::initControls()
{
    m_playerManager = std::make_unique<VelPlayerManager>(nullptr);
    m_infoManager = std::make_unique<VelInfoManager>(nullptr);
    m_infoManager->createrPlayer();
    m_editSettings = new QVideoEditingSettings(this);
    m_editSettings->setPlayerManager(m_playerManager.get());

    m_btnClose->setButtonImage(picture("/btn_close.png"));
    m_btnMin->setButtonImage(picture("/btn_min.png"));
    m_btnMin->setEnabled(false);
    m_btnMax->setButtonImage(picture("/btn_max.png"));
    m_btnMax->setEnabled(false);
    QVEInitCtrlStyle::SetVelButton(m_btnOK, 70, 28);
    QVEInitCtrlStyle::SetVelButton(m_btnCancel, 70, 28);
    m_btnOK->setText(tr("OK"));
    m_btnCancel->setText(tr("Cancel"));
    m_btnPreviousFile->setButtonImage(picture("/btn_previous.png"));
    m_btnNextFile->setButtonImage(picture("/btn_next.png"));
    m_btnPreviousFile->hide();
    m_btnNextFile->hide();
    connect(m_btnClose, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_btnMin, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(m_btnOK, &QAbstractButton::clicked, this, &QVideoEditingDlg::onOK);
    connect(m_btnCancel, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_btnPreviousFile, &QAbstractButton::clicked, this, &QVideoEditingDlg::emitPreviousFile);
    connect(m_btnNextFile, &QAbstractButton::clicked, this, &QVideoEditingDlg::emitNextFile);

    m_playerForm = new QPlayerOperationForm(this);
    m_mediaForm = new QMediaForm(m_playerManager.get(), this);
    m_trimForm = new QTrimOperationForm(this);
    m_adjustForm = new QAdjustOperationForm(this);
    initEffectPanel();
    initPlayerWiring();
    initTrimWiring();
    connect(m_adjustForm, &QAdjustOperationForm::emitApplyToAll, this, &QVideoEditingDlg::onApplyToAll);
    initSubtitlePanel();

    m_progressIndicator = new QProgressIndicator(this);
    m_progressIndicator->setIndicatorPolicy(QProgressIndicator::Dots);
    m_progressIndicator->resize(80, 80);
    m_progressIndicator->setColor(QColor(157, 157, 204));
    m_progressIndicator->hide();
    m_progressIndicator->stopAnimation();

    m_adjustForm->hide();
    m_playerForm->hide();
    m_trimForm->setEditSettings(m_editSettings);
    m_adjustForm->setEditSettings(m_editSettings);
    m_subtitleForm->setEditSettings(m_editSettings);
    initWatermarkPanel();
}

void QVideoEditingDlg::initPlayerWiring()
{
    VelPlayerManager* player = m_playerManager.get();
    QPlayerOperationForm* bar = m_playerForm;
    connect(player, &VelPlayerManager::emitPlayFinish, bar, &QPlayerOperationForm::playFinish);
    connect(player, &VelPlayerManager::emitPlayProgress, bar, &QPlayerOperationForm::setPlayProcess);
    connect(player, &VelPlayerManager::emitPlayTime, bar, &QPlayerOperationForm::setTime);
    connect(player, QOverload<bool>::of(&VelPlayerManager::emitPlayState), bar, &QPlayerOperationForm::showPlayOrPause);
    connect(player, &VelPlayerManager::emitIsHaveVideo, this, &QVideoEditingDlg::isHaveVideo);
    connect(bar, &QPlayerOperationForm::emitPlay, player, &VelPlayerManager::onPlay);
    connect(bar, &QPlayerOperationForm::emitPause, player, &VelPlayerManager::onPause);
    connect(bar, &QPlayerOperationForm::emitStop, player, &VelPlayerManager::onStop);
    connect(bar, &QPlayerOperationForm::emitProgressValue, player, &VelPlayerManager::progressValueChange);
    connect(bar, &QPlayerOperationForm::emitSliderPress, player, &VelPlayerManager::beginAsyncSeek);
    connect(bar, &QPlayerOperationForm::emitSliderRelease, player, &VelPlayerManager::endAsyncSeek);
    connect(bar, &QPlayerOperationForm::emitSnapshot, this, &QVideoEditingDlg::onSnapshot);
    connect(bar, &QPlayerOperationForm::emitSnapshotMenu, this, &QVideoEditingDlg::onSnapshotMenu);
}

void QVideoEditingDlg::initTrimWiring()
{
    VelPlayerManager* player = m_playerManager.get();
    QTrimOperationForm* trim = m_trimForm;
    connect(player, &VelPlayerManager::emitPlayFinish, trim, &QTrimOperationForm::playFinish);
    connect(player, &VelPlayerManager::emitPlayProgress, trim, &QTrimOperationForm::setPlayProcess);
    connect(player, &VelPlayerManager::emitPlayTime2, trim, &QTrimOperationForm::setTime);
    connect(player, QOverload<bool>::of(&VelPlayerManager::emitPlayState), trim, &QTrimOperationForm::showPlayOrPause);
    connect(player, &VelPlayerManager::emitTrimPlayState, trim, &QTrimOperationForm::showTrimPlayOrPause);
    connect(player, &VelPlayerManager::emitStartEndProgressValue, trim, &QTrimOperationForm::setStartEndProgressValue);
    connect(player, &VelPlayerManager::emitTrimTimeChange, trim, &QTrimOperationForm::trimTimeChange);
    connect(trim, &QTrimOperationForm::emitTrimPlay, player, &VelPlayerManager::onTrimPlay);
    connect(trim, &QTrimOperationForm::emitPause, player, &VelPlayerManager::onPause);
    connect(trim, &QTrimOperationForm::emitTrimPause, player, &VelPlayerManager::onTrimPause);
    connect(trim, &QTrimOperationForm::emitStop, player, &VelPlayerManager::onStop);
    connect(trim, &QTrimOperationForm::emitPlay, player, &VelPlayerManager::onPlay);
    connect(trim, &QTrimOperationForm::emitSliderSendPlayProToPlay, player, &VelPlayerManager::progressValueChange);
    connect(trim, &QTrimOperationForm::emitSliderMousePress, player, &VelPlayerManager::beginAsyncSeek);
    connect(trim, &QTrimOperationForm::emitSliderMouseRelease, player, &VelPlayerManager::endAsyncSeek);
    connect(trim, &QTrimOperationForm::emitPreviousStep, player, &VelPlayerManager::onPreviousStep);
    connect(trim, &QTrimOperationForm::emitNextStep, player, &VelPlayerManager::onNextStep);
    connect(trim, &QTrimOperationForm::emitTrim, player, &VelPlayerManager::onTrim);
    connect(trim, &QTrimOperationForm::emitTrimChapter, player, &VelPlayerManager::onTrimChapter);
    connect(trim, &QTrimOperationForm::emitReset, player, &VelPlayerManager::onReset);
    connect(trim, &QTrimOperationForm::emitSnapshot, this, &QVideoEditingDlg::onSnapshot);
    connect(trim, &QTrimOperationForm::emitSnapshotMenu, this, &QVideoEditingDlg::onSnapshotMenu);
}

// The first selection is made before the bar is wired, so it does not reach
// the dialog: the Trim tab shows from the start with the player bar hidden.
void QVideoEditingDlg::initEditTag()
{
    m_editTag = new QVideoEditTag(this);
    m_editTag->resize(width(), 25);
    m_editTag->createTag({tr("Trim"), tr("Adjust"), tr("Effect"), tr("Watermark"), tr("Subtitle"), tr("Audio"),
                          tr("Tag")});
    m_editTag->setBackgroundColor(QColor(74, 74, 74));
    m_editTag->show();
    m_editTag->setSelectedTag(TabTrim);
    connect(m_editTag, &QVideoEditTag::emitSelectedTag, this, &QVideoEditingDlg::selectedTag);
}

void QVideoEditingDlg::setVideoFile(QString path, unsigned int width, unsigned int height)
{
    m_videoPath = path;
    m_videoWidth = width;
    m_videoHeight = height;
}

void QVideoEditingDlg::setEditConfig(VEEditConfig& cfg) { m_editConfig = cfg; }

void QVideoEditingDlg::setIsWatermarkAudioStartTime(bool follows)
{
    if (m_editSettings)
        m_editSettings->setIsWatermarkAudioStartTime(follows);
}

void QVideoEditingDlg::getEditConfig(VEEditConfig& cfg) { m_editSettings->getEditConfig(cfg); }

// The model lets go of the player before it goes, so nothing reaches a deleted
// player through it afterwards.
void QVideoEditingDlg::hideMediaForm()
{
    if (m_editSettings)
        m_editSettings->releasePlayerManager();
    m_playerManager.reset();
    delete m_mediaForm;
    m_mediaForm = nullptr;
}

void QVideoEditingDlg::setPlayer(ZvPlayer* handle, QString path, unsigned int width, unsigned int height)
{
    m_player = handle;
    m_videoPath = path;
    m_videoWidth = width;
    m_videoHeight = height;
    m_bSetPlayer = true;
}

void QVideoEditingDlg::setIsNoPlayerAudio(bool noAudio) { m_bNoPlayerAudio = noAudio; }

void QVideoEditingDlg::setHiddenTag(int index) { m_editTag->setHiddenTag(index); }

QString QVideoEditingDlg::getTrimTimeLength()
{
    if (!m_editSettings)
        return QStringLiteral("00:00:00");
    const uint64_t ms = uint64_t(m_editSettings->getTrimTimeLength() / 1000.0);
    const QChar zero('0');
    return QStringLiteral("%1:%2:%3")
        .arg(ms / 3600000, 2, 10, zero)
        .arg((ms / 60000) % 60, 2, 10, zero)
        .arg((ms / 1000) % 60, 2, 10, zero);
}

void QVideoEditingDlg::isHaveVideo(bool hasVideo)
{
    if (!hasVideo) {
        for (int tab = TabAdjust; tab <= TabSubtitle; ++tab)
            m_editTag->setHiddenTag(tab);
    }
    m_trimForm->setDisableSnapshot(!hasVideo);
}

void QVideoEditingDlg::selectedTag(int index)
{
    if (index < TabTrim || index > TabTag)
        return;
    m_currentTag = index;
    if (m_mediaForm) {
        m_mediaForm->setVisible(index != TabTag);
        m_mediaForm->setOperationType(index);
    }
    m_trimForm->setVisible(index == TabTrim);
    m_adjustForm->setVisible(index == TabAdjust);
    m_effectForm->setVisible(index == TabEffect);
    m_subtitleForm->setVisible(index == TabSubtitle);
    m_watermarkForm->setVisible(index == TabWatermark);
    m_playerForm->setVisible(index != TabTrim && index != TabTag);
    updateMediaFormGeometry();
}

void QVideoEditingDlg::updateMediaFormGeometry()
{
    if (!m_mediaForm)
        return;
    const int bottom = m_currentTag == TabTrim ? m_trimForm->y() : m_playerForm->y();
    m_mediaForm->setGeometry(0, 47, width(), bottom - 47);
}

void QVideoEditingDlg::resizeEvent(QResizeEvent* event)
{
    QVelDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_progressIndicator->move((w - m_progressIndicator->width()) / 2, (h - m_progressIndicator->height()) / 2);
    m_btnClose->move(5, 5);
    m_btnMin->move(m_btnClose->geometry().right() + 1 + 8, 5);
    m_btnMax->move(m_btnMin->geometry().right() + 1 + 8, 5);
    const int bandTop = h - 49;
    const auto bandY = [bandTop](const QWidget* widget) { return bandTop + (49 - widget->height()) / 2; };
    m_btnCancel->move(w - 15 - m_btnCancel->width(), bandY(m_btnCancel));
    m_btnOK->move(m_btnCancel->x() - 15 - m_btnOK->width(), bandY(m_btnOK));
    m_btnPreviousFile->move(15, bandY(m_btnPreviousFile));
    m_btnNextFile->move(m_btnPreviousFile->geometry().right() + 1, bandY(m_btnNextFile));
    m_editTag->setGeometry(0, 22, w, 25);
    m_trimForm->setGeometry(6, h - 142, w - 12, 86);
    m_adjustForm->setGeometry(6, h - 184, w - 12, 128);
    layoutEffectPanel();
    m_subtitleForm->setGeometry(6, h - 184, w - 12, 128);
    m_watermarkForm->setGeometry(6, h - 184, w - 12, 128);
    if (m_audioForm)
        m_audioForm->setGeometry(6, h - 184, w - 12, 128);
    m_playerForm->setGeometry(6, h - 184 - 32, w - 12, 26);
    updateMediaFormGeometry();
}

void QVideoEditingDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    resetControlLocation();
    if (m_bShown)
        return;
    m_bShown = true;
    m_timer->start(100);
}

void QVideoEditingDlg::mouseDoubleClickEvent(QMouseEvent*) {}

void QVideoEditingDlg::mouseMoveEvent(QMouseEvent* event)
{
    QVelDialog::mouseMoveEvent(event);
    if (m_mediaForm)
        m_mediaForm->resetBorderFrameLocation();
}

void QVideoEditingDlg::paintEvent(QPaintEvent* event) { QVelDialog::paintEvent(event); }

// Until the segment has loaded, nothing may end the dialog: the worker still
// writes into it.
void QVideoEditingDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !m_bLoaded) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void QVideoEditingDlg::closeEvent(QCloseEvent* event)
{
    if (!m_bLoaded && m_bShown) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void QVideoEditingDlg::reject()
{
    if (!m_bLoaded && m_bShown)
        return;
    QDialog::reject();
}

void QVideoEditingDlg::dlgClose() {}
