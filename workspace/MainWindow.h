#pragma once
// The application's window and the hub of the workspace: it builds the player
// panel, the cut tool bar and the segment area, wires every signal between
// them, opens files through a worker behind the loading dialog, and holds the
// menu, the language and the output folder.
//
// Its members are split over several sources by concern: start-up and layout
// (MainWindow.cpp), opening files (MainWindow_Open.cpp), the menu and language
// (MainWindow_Menu.cpp), the relays between the panels (MainWindow_Relay.cpp),
// the segment list (MainWindow_Segments.cpp), a conversion at closing
// (MainWindow_Convert.cpp) and the conversion state and closing (MainWindow_Close.cpp).

#include "CodecInterrupt.h"
#include "QUtilThread.h"
#include "QVariableSizeWidget.h"
#include "ui_MainWindow.h"

#include <QList>
#include <QImage>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

class FormatWidget;
class QAction;
class QLoadingDlg;
class QMenu;
class QMenuBar;
class QPlayObject;
class QSystemTrayIcon;
class QTimer;
class QTranslator;
class QVelMenu;
class VelVideoConvertItem;

// A probed item on its way from the file-adding worker to the GUI thread. The
// queued signal's copy holds it, so an item still queued when the window goes
// is freed with the queue; the receiver moves it out.
using OpenedItem = std::shared_ptr<std::unique_ptr<VelVideoConvertItem>>;
Q_DECLARE_METATYPE(OpenedItem)

class MainWindow : public QVariableSizeWidget, public Ui::MainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(MainWindow)

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void SetOutPath(QString path);
    bool setLanguge(QString path);
    void InitLanguge();
    // Qt's own translation shipped beside one of ours: lang_<code>.qm -> qtbase_<code>.qm.
    static QString qtTranslationFile(const QString &ourFile);
    void retranslateUi();
    static bool isConverting() { return m_bIsConverting; }

    static bool IsSupportFile(QString path);
    static bool IsSupportSuffix(QString suffix);
    std::unique_ptr<VelVideoConvertItem> CreateConvertItemInfo(QString path, int index);
    void addImportFile(QString path);
    Q_INVOKABLE int getPlayDlgVariableH();
    // Asks whether a running conversion may be stopped for closing; on yes it
    // stops the run and removes its partial output. True when closing may go on.
    bool stopConversionBeforeClose();

    QLoadingDlg *loadingDlg() const { return m_loadingDlg; }
    QPlayObject *playObject() const { return m_playObject.get(); }
    QTranslator *translator() const { return m_translator; }
    QTranslator *qtTranslator() const { return m_qtTranslator; }
    QString outPath() const { return m_outPath; }

    static QString open_path;
    static bool m_bIsConverting;

signals:
    void seedConvertItem(OpenedItem item);
    void seedAddComplete(bool bShowMsg);
    void emitLosslessChange();
    void emitStopPlay();
    void emitPausePlay();
    void emitAddFileName(QString path);
    void emitAddFileNames(QStringList paths);

public slots:
    void OnMenu();
    void ActOnHome();
    void ActOnHelp();
    void ActOnUpdates();
    void ActOnAbout();
    void ActOnPreferDlg();
    void OnClose();
    // A termination request of the system: ends the program as the close
    // button does during a conversion, without asking anything.
    void OnTerminationRequest();
    void OnAddFile();
    void addImportFile(QStringList paths);
    void addConvertItem(OpenedItem opened);
    void AddFileComplete(bool bShowMsg);
    void StopAddFileThree();
    void IsStartToConverter(bool converting);
    void setAutoUpdate(bool on);
    void LangugeChangeSet(bool changed);

    // Relays between the panels.
    void StartValueChange(double value);
    void EndValueChange(double value);
    void StartTimeChange(uint64_t time);
    void EndTimeChange(uint64_t time);
    void sliderMousePress();
    void sliderMouseRelease();
    void itemVideoImageChange();
    void progressValueChanged(double percent);
    void OnBtnStartSet();
    void OnBtnEndSet();
    void OnBtnAddItem();
    void SelectItemChange();
    void IsAddVideoFile(bool any);
    void OnPlayTrim();
    void OnPauseTrim();
    void OnStopPlayTrim();
    void OnFormatDlg();
    void showVideoList(int changeH, bool Show);
    void RestoreDlg();
    void showTimer();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void setQtLanguage(const QString &path);
    void OnInitDlg();
    void OnInitBtn();
    void CreatMenu();
    void connectPanels();
    void handOverFormatState();
    static void setGlobalFunction();
    void showError(const QString &text);
    void showSettingsReset(const QString &path, const QString &keptAs);
    void showOpenFailure(const QString &path, const QString &reason);
    void centerDlg(QWidget *dialog);
    void finishOpen(std::unique_ptr<VelVideoConvertItem> item, std::unique_ptr<QPlayObject> play);
    void lowerInterruptOfFinishedRun();
    void OnExecute();

    // Hooks into the segment list, called by the opening of a file.
    void connectSegmentManager();
    void refreshSelectedThumbnail();
    void segmentsClear();
    void segmentsAdd(VelVideoConvertItem *item);
    void segmentsShow(bool show);
    QObject *segmentManager() const;

    QVelMenu *m_menu = nullptr;
    QMenuBar *m_menuBar = nullptr;
    QAction *m_actHome = nullptr;
    QAction *m_actHelp = nullptr;
    QAction *m_actAbout = nullptr;
    QAction *m_actPreferences = nullptr;
    QAction *m_actUpdates = nullptr;
    QMenu *m_helpMenu = nullptr;
    std::unique_ptr<QPlayObject> m_playObject;
    QString m_outPath;
    FormatWidget *m_formatWidget = nullptr;
    bool m_bLastLossless = true;
    int m_playMinHeight = 300;
    int m_changeH = 0;
    QLoadingDlg *m_loadingDlg = nullptr;
    QStringList m_pathList;
    std::atomic<bool> m_bStopAdd{false};
    bool m_bTrayEnable = true;
    QAction *m_actHide = nullptr;
    QSystemTrayIcon *m_trayIcon = nullptr;
    QAction *m_actShow = nullptr;
    QAction *m_actQuit = nullptr;
    QMenu *m_trayMenu = nullptr;
    QTranslator *m_translator = nullptr;
    // Qt's own texts (file dialogs, message box buttons) in the same language.
    QTranslator *m_qtTranslator = nullptr;
    QString m_dropPath;
    QStringList m_dropList;
    QTimer *m_showTimer = nullptr;
    // The file and the reason of the worker's last failed open; written on the
    // worker before it reports the failure, read on the GUI thread after.
    QString m_openFailurePath;
    QString m_openFailure;

    // Runs of the file-adding worker, counted on the GUI thread. Each run ends
    // with exactly one completion and a run's results arrive before those of
    // the next, so a result belongs to run m_runsFinished + 1; anything that
    // is not the newest run is stale and is dropped.
    quint64 m_runsStarted = 0;
    quint64 m_runsFinished = 0;
    // Raised by a stop of the file-adding worker, so its probe gives up; held
    // until that run's completion arrives.
    std::optional<CodecInterrupt> m_stopInterrupt;
    QUtilThread m_worker{[this] { OnExecute(); }}; // last: joined before the members it uses go
};
