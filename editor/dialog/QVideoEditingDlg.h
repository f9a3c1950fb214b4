#pragma once

#include "QBlockingHandOver.h"
#include "QUtilThread.h"
#include "QVelDialog.h"
#include "VEEditConfig.h"
#include "ui_QVideoEditingDlg.h"

#include <QImage>
#include <QString>
#include <array>
#include <atomic>
#include <memory>

class QAction;
class QAdjustOperationForm;
class QEffectOperationForm;
class QAudioOperationForm;
class QAudioTagForm;
class QMediaForm;
class QMessageOpacityForm;
class QPlayerOperationForm;
class QProgressIndicator;
class QSubtitleOperationForm;
class QTimer;
class QTrimOperationForm;
class QVelMenu;
class QVideoEditTag;
class QVideoEditingSettings;
class QWaitForDlg;
class QWatermarkOperationForm;
class VelInfoManager;
class VelPlayerManager;
struct ZvPlayer;

// The modal editor of one segment's edit record. It loads the source on its
// worker while an invisible wait dialog holds the user off, previews every edit
// through its own player, and hands back the edited record and the sections
// marked "Apply to all". Tabs: Trim, Adjust, Effect, Watermark, Subtitle,
// Audio and Tag (kept hidden).
class QVideoEditingDlg : public QVelDialog, public Ui_QVideoEditingDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QVideoEditingDlg)

public:
    enum Tab { TabTrim = 0, TabAdjust, TabEffect, TabWatermark, TabSubtitle, TabAudio, TabTag };
    // The sections "Apply to all" copies, in the order they are applied.
    enum ApplySection {
        ApplyCrop = 0,
        ApplyColour,
        ApplyWatermark,
        ApplyEffectOverlay,
        ApplyFrameOverlay,
        ApplySubtitleChoice,
        ApplyAudioChoice,
        ApplySubtitleStyle,
        ApplyBackgroundAudio,
        ApplyAudioSettings,
        ApplySectionCount
    };

    explicit QVideoEditingDlg(QWidget* parent = nullptr);
    ~QVideoEditingDlg() override;

    void setVideoFile(QString path, unsigned int width, unsigned int height);
    void setEditConfig(VEEditConfig& cfg);
    void setIsWatermarkAudioStartTime(bool follows);
    void getEditConfig(VEEditConfig& cfg);
    void getApplyConfig(VEEditConfig& target);
    void hideMediaForm();
    void setPlayer(ZvPlayer* handle, QString path, unsigned int width, unsigned int height);
    void setIsNoPlayerAudio(bool noAudio);
    void setHiddenTag(int index);
    QString getTrimTimeLength();

    bool isLoaded() const { return m_bLoaded; }
    int currentTab() const { return m_currentTag; }
    QString snapshotFolder() const { return m_imgPath; }
    QString snapshotSuffix() const { return m_imgSuffix; }
    QVideoEditTag* editTag() const { return m_editTag; }
    QMediaForm* mediaForm() const { return m_mediaForm; }
    QPlayerOperationForm* playerBar() const { return m_playerForm; }
    QTrimOperationForm* trimForm() const { return m_trimForm; }
    QAdjustOperationForm* adjustForm() const { return m_adjustForm; }
    QEffectOperationForm* effectForm() const { return m_effectForm; }
    QSubtitleOperationForm* subtitleForm() const { return m_subtitleForm; }
    QWatermarkOperationForm* watermarkForm() const { return m_watermarkForm; }
    QAudioOperationForm* audioForm() const { return m_audioForm; }
    QAudioTagForm* audioTagForm() const { return m_audioTagForm; }
    VelPlayerManager* playerManager() const { return m_playerManager.get(); }
    QVideoEditingSettings* editingSettings() const { return m_editSettings; }
    QMessageOpacityForm* opacityForm() const { return m_opacityForm; }
    QProgressIndicator* busyIndicator() const { return m_progressIndicator; }
    QVelMenu* snapshotMenu() const { return m_menu; }

signals:
    void emitAddSubtitleToCmb(QString name, QString path);
    void emitThreadComplete();
    void emitPreviousFile();
    void emitNextFile();
    void emitConvertFile(VEEditConfig cfg);
    void emitAudioTagChange(VEAudioTagInfo tags, QString path);
    void emitPlayer();

public slots:
    void isHaveVideo(bool hasVideo);
    void selectedTag(int index);
    void onWatermartTextSetting();
    void dlgClose();
    void onSubtitleSetting();
    void onApplyToAll();
    void onSnapshot();
    void onSnapshotMenu();
    void openImgPath();
    void showPathSettingDlg();
    void loadingTimer();
    void threadComplete();
    void startPlayerCon();
    void onOK();
    void reject() override;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void initData();
    void initControls();
    void initPlayerWiring();
    void initTrimWiring();
    void initWatermarkPanel();
    void initMenu();
    void ininScreenshotsInfo();
    void initEditTag();
    void initEffectPanel();
    void layoutEffectPanel();
    void initSubtitlePanel();
    void initAudioPanels();
    void updateMediaFormGeometry();
    void showOpacityMsgDlg(QString text);
    void markApplyToAll(Tab panel);
    QString reserveSnapshotFile(const QString& folder, const QString& stamp, const QString& suffix) const;
    void finishLoadingOnClose();
    void OnExecute();

    std::unique_ptr<VelPlayerManager> m_playerManager;
    std::unique_ptr<VelInfoManager> m_infoManager;
    QVideoEditingSettings* m_editSettings = nullptr;
    QVideoEditTag* m_editTag = nullptr;
    int m_currentTag = 0;
    QMediaForm* m_mediaForm = nullptr;
    QPlayerOperationForm* m_playerForm = nullptr;
    QTrimOperationForm* m_trimForm = nullptr;
    QAdjustOperationForm* m_adjustForm = nullptr;
    QEffectOperationForm* m_effectForm = nullptr;
    QSubtitleOperationForm* m_subtitleForm = nullptr;
    QWatermarkOperationForm* m_watermarkForm = nullptr;
    QAudioOperationForm* m_audioForm = nullptr;
    QAudioTagForm* m_audioTagForm = nullptr;
    QVelMenu* m_menu = nullptr;
    QAction* m_actOpenFolder = nullptr;
    QAction* m_actSettings = nullptr;
    QString m_imgSuffix;
    QString m_imgPath;
    QMessageOpacityForm* m_opacityForm = nullptr;
    VEEditConfig m_applyConfig;
    std::array<bool, ApplySectionCount> m_applyFlags{};
    VEEditConfig m_editConfig;
    unsigned int m_videoWidth = 0;
    unsigned int m_videoHeight = 0;
    QString m_videoPath;
    bool m_bSetPlayer = false;
    ZvPlayer* m_player = nullptr;
    QTimer* m_timer = nullptr;
    QWaitForDlg* m_waitDlg = nullptr;
    QProgressIndicator* m_progressIndicator = nullptr;
    bool m_bLoaded = false;
    bool m_bNoPlayerAudio = true;
    bool m_bShown = false;
    std::atomic<bool> m_bClosing{false};
    QBlockingHandOver m_handOver{this};         // the loader's waits for this thread
    QUtilThread m_loader{[this] { OnExecute(); }}; // last: joined before the members it uses go
};
