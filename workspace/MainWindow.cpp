// Start-up of the main window: the form, the wiring of the panels, the format
// state, the output folder, the codec set-up and the title-bar layout.
#include "MainWindow.h"

#include "AttributeSetting.h"
#include "CodecLibrary.h"
#include "FormatWidget.h"
#include "QAttributeSettingHolder.h"
#include "QConverterOperate.h"
#include "QDualSlider.h"
#include "QIAnyUtil.h"
#include "QInitProject.h"
#include "QLoadingDlg.h"
#include "QPlayObject.h"
#include "QSettingsResetNotice.h"
#include "QWorkspaceMessage.h"
#include "SettingKeys.h"
#include "VelCommonInterface.h"
#include "VelOutputLeftovers.h"
#include "VelVideoConvertItem.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QTranslator>

QString MainWindow::open_path = QStringLiteral(".");
bool MainWindow::m_bIsConverting = false;

namespace {
const QString kTitle = QStringLiteral("Zededera Raziz Azodor");
QString res(const char *name) { return QIAnyUtil::getResourcePath() + QLatin1String(name); }
} // namespace

MainWindow::MainWindow(QWidget *parent) : QVariableSizeWidget(parent)
{
    setupUi(this);
    setWindowTitle(kTitle);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
    setMouseTracking(true);
    setBackgroundImage(res("/image/backgroud.png"), true);
    setLogoImage(res("/image/Common_bg/main_logo.png"));
    resize(720, 702);
    qRegisterMetaType<OpenedItem>("OpenedItem");
    qRegisterMetaType<QList<QImage>>("QList<QImage>");

    OnInitDlg();
    OnInitBtn();
    CreatMenu();
    InitLanguge();

    setDlgTitle(kTitle);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    setLogoImage(QString());
    VelCommonInterface::InitInfoToFile((QIAnyUtil::getApplicationDirPath() + "Info.plist").toStdString());
    setTitleColor(QColor(245, 245, 245, 255));
    setTitlePixel(11);
    open_path = readSetting(SettingKeys::OpenFolder);
    setGlobalFunction();
    QInitProject::InitProject(this);
    setAcceptDrops(true);
    // A reset is reported in the middle of a settings read; the message waits
    // for the event loop, by when the user's language is in place.
    QSettingsResetNotice::setListener([this](const QString &path, const QString &keptAs) {
        QMetaObject::invokeMethod(this, [this, path, keptAs] { showSettingsReset(path, keptAs); },
                                  Qt::QueuedConnection);
    });
}

void MainWindow::showSettingsReset(const QString &path, const QString &keptAs)
{
    QWorkspaceMessage::warning(this, tr("The settings file could not be read and has been reset to the defaults.")
                                         + QLatin1Char('\n')
                                         + tr("%1 (the old file was kept as %2)")
                                               .arg(QDir::toNativeSeparators(path),
                                                    QFileInfo(keptAs).fileName()));
}

void MainWindow::OnInitDlg()
{
    m_showTimer = new QTimer(this);
    connect(m_showTimer, &QTimer::timeout, this, &MainWindow::showTimer);
    Ui::MainWindow::centralWidget->setMouseTracking(true);
    m_mainVLayout->setContentsMargins(5, 22, 5, 5);
    setMinimumSize(720, 520);
    resize(720, 530);
    m_videoPlayDlg->setMinimumHeight(m_playMinHeight);
    m_videoCutToolbar->setMinimumHeight(110);
    m_videoCutToolbar->setMaximumHeight(110);
    connectPanels();
    handOverFormatState();
}

void MainWindow::connectPanels()
{
    QVideoPlayDlg *player = m_videoPlayDlg;
    QVideoCutDlg *cutBar = m_videoCutToolbar;
    connect(this, &MainWindow::emitAddFileNames, this, qOverload<QStringList>(&MainWindow::addImportFile));
    connect(player, &QVideoPlayDlg::emitTrimDSliderEnable, cutBar, &QVideoCutDlg::TrimDSliderEnable);
    connect(player, &QVideoPlayDlg::emitPlayProValue, cutBar, &QVideoCutDlg::videoPlayPro);
    connect(cutBar, &QVideoCutDlg::sendPlayProToPlay, player, &QVideoPlayDlg::PlayProValueChange);
    connect(player, &QVideoPlayDlg::emitPausePlayTrim, cutBar, &QVideoCutDlg::OnPauseTrim);
    connect(player, &QVideoPlayDlg::emitStopPlayTrim, cutBar, &QVideoCutDlg::OnStopTrim);
    connect(this, &MainWindow::emitStopPlay, player, &QVideoPlayDlg::OnBtnStop);
    connect(this, &MainWindow::emitPausePlay, player, &QVideoPlayDlg::OnBtnPause);
    connect(cutBar, &QVideoCutDlg::emitStartValueChange, this, &MainWindow::StartValueChange);
    connect(cutBar, &QVideoCutDlg::emitEndValueChange, this, &MainWindow::EndValueChange);
    connect(cutBar, &QVideoCutDlg::emitStartTimeChange, this, &MainWindow::StartTimeChange);
    connect(cutBar, &QVideoCutDlg::emitEndTimeChange, this, &MainWindow::EndTimeChange);
    connect(cutBar, &QVideoCutDlg::emitSliderMousePress, this, &MainWindow::sliderMousePress);
    connect(cutBar, &QVideoCutDlg::emitSliderMouseRelease, this, &MainWindow::sliderMouseRelease);
    connect(cutBar, &QVideoCutDlg::emitOnBtnStartSet, this, &MainWindow::OnBtnStartSet);
    connect(cutBar, &QVideoCutDlg::emitOnBtnEndSet, this, &MainWindow::OnBtnEndSet);
    // Start and stop of a conversion go to the segment manager (its rows of
    // the wiring are made where it is built).
    connect(cutBar, &QVideoCutDlg::emitShowFormatDlg, this, &MainWindow::OnFormatDlg);
    connect(cutBar, &QVideoCutDlg::emitPlaySelect, this, &MainWindow::OnPlayTrim);
    connect(cutBar, &QVideoCutDlg::emitPauseSelect, this, &MainWindow::OnPauseTrim);
    connect(cutBar, &QVideoCutDlg::emitStopSelect, this, &MainWindow::OnStopPlayTrim);
    connect(cutBar, &QVideoCutDlg::OnBtnAdd, this, &MainWindow::OnAddFile);
    // Left and Right on the slider step the picture. A click on the player panel
    // (the picture lets clicks through to it) hands the slider the keyboard, so the
    // arrows work right after it.
    QDualSlider *slider = cutBar->m_TrimDSlider;
    connect(slider, &QDualSlider::emitPreviousFrame, player, &QVideoPlayDlg::OnBtnPrevious);
    connect(slider, &QDualSlider::emitNextFrame, player, &QVideoPlayDlg::OnBtnNext);
    player->setFocusPolicy(Qt::ClickFocus);
    player->setFocusProxy(slider);
    connect(this, &MainWindow::emitRestoreDlg, this, &MainWindow::RestoreDlg);
    // The file-adding worker emits these two; the queue brings them to this thread.
    connect(this, &MainWindow::seedAddComplete, this, &MainWindow::AddFileComplete, Qt::QueuedConnection);
    connect(this, &MainWindow::seedConvertItem, this, &MainWindow::addConvertItem, Qt::QueuedConnection);
    connectSegmentManager();
}

void MainWindow::handOverFormatState()
{
    const bool lossless = readSetting(SettingKeys::LosslessMode);
    m_formatWidget = FormatWidget::getFormatWidget(nullptr);
    if (lossless)
        m_formatWidget->setFormatIdLossLess(readSetting(SettingKeys::LosslessCategory),
                                            readSetting(SettingKeys::LosslessPresetId), true);
    else
        m_formatWidget->setFormatId(readSetting(SettingKeys::EncodingCategory),
                                    readSetting(SettingKeys::EncodingPresetId), true);
    m_formatWidget->setDefaultSet();
    const int quality = readSetting(SettingKeys::Quality);
    if (lossless)
        m_formatWidget->InitLossless();
    else
        m_formatWidget->InitCustomizeFormat();
    m_formatWidget->setDefaultQuality(static_cast<QualityItem>(quality));
    m_formatWidget->saveDefaultQuality();
    // The mode the profile starts in, so the first format dialog reports only a real change.
    if (const AttributeSetting *profile = QAttributeSettingHolder::m_attributeSetting)
        m_bLastLossless = profile->bLossless;
}

void MainWindow::OnInitBtn()
{
    m_btnMenu->setBtnImage(res("/image/btn_meun.png"));
    m_btnMin->setBtnImage(res("/image/btn_min.png"));
    m_btnMax->setBtnImage(res("/image/btn_max.png"));
    m_btnRestore->setBtnImage(res("/image/btn_restore.png"));
    m_btnClose->setBtnImage(res("/image/btn_main_close.png"));
    m_btnRestore->hide();
    m_btnMax->hide();
    connect(m_btnClose, &QPushButton::clicked, this, &MainWindow::OnClose);
    connect(m_btnMenu, &QPushButton::clicked, this, &MainWindow::OnMenu);
    connect(m_btnMin, &QPushButton::clicked, this, &QWidget::showMinimized);
    m_btnMenu->hide();
    m_btnMax->show();
    m_btnMax->setEnabled(false);

    const QString root = QIAnyUtil::getDocumentPath() + "/Converted/";
    if (!QDir(root).exists())
        QDir().mkdir(root);
    QString fallback = root;
    fallback.replace(QLatin1String("\\"), QLatin1String("/"));
    const QString outPath = readSetting(SettingKeys::OutputFolder, fallback);
    // Before any source picks its folder, so a killed run's leftovers do not push it to a numbered one.
    VelOutputLeftovers::sweep(outPath);
    SetOutPath(outPath);
}

void MainWindow::SetOutPath(QString path)
{
    m_outPath = path;
    QConverterOperate::setConverterPath(path);
    QConverterOperate::updateAdjustFileName();
    updateSetting(SettingKeys::OutputFolder, path);
}

void MainWindow::setGlobalFunction()
{
    CodecLibrary::setUp(QIAnyUtil::getAppDataPath());
}

void MainWindow::resizeEvent(QResizeEvent *)
{
    m_btnClose->move(6, 5);
    m_btnMin->move(26, 5);
    m_btnMax->move(46, 5);
    m_btnRestore->move(56, 5);
    m_btnMenu->move(46, 5);
}

void MainWindow::paintEvent(QPaintEvent *event) { QVariableSizeWidget::paintEvent(event); }

void MainWindow::showEvent(QShowEvent *) {}

void MainWindow::centerDlg(QWidget *dialog)
{
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    int x = origin.x() + (width() - dialog->width()) / 2;
    int y = origin.y() + (height() - dialog->height()) / 2;
    dialog->move(x < 1 ? 50 : x, y < 1 ? 50 : y);
}

void MainWindow::showError(const QString &text)
{
    QWorkspaceMessage::error(this, text);
}

void MainWindow::showTimer()
{
    m_showTimer->stop();
    const int w = width();
    resize(w - 1, height());
    resize(w, height());
}
