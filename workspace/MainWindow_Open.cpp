// Opening a file: the open dialog, drops, the file-adding worker behind the
// loading dialog, and handing the probed file to the player and the panels.
#include "MainWindow.h"
#include "WorkspaceLog.h"

#include "AudioDeviceProbe.h"
#include "QConverterOperate.h"
#include "QLoadingDlg.h"
#include "QPlayObject.h"
#include "QWorkspaceMessage.h"
#include "SettingKeys.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {
const char *const kPatterns = "*.m4v *.avi *.mts *.ts *.m2ts *.m2t *.tp *.trp *.mp4 *.mpg *.mpeg *.3gp *.3g2 "
                              "*.wmv *.asf *.rm *.rmvb *.dat *.mov *.flv *.f4v *.mkv *.dv *.dvr-ms *.h.264 "
                              "*.nsv *.vob *.webm *.ogv";
VelVideoConvertManager *items() { return VelVideoConvertManager::getConvertManagerObject(nullptr); }
} // namespace

void MainWindow::OnAddFile()
{
    m_pathList.clear();
    const QString filter =
        tr("All Supported Formats(%1);;Apple Video files(*.m4v);;AVI Video files(*.avi);;High-definition "
           "files(*.mts *.ts *.m2ts *.m2t *.tp *.trp);; MPEG4 files(*.mp4 *.m4v);;MPEG files(*.mpg "
           "*.mpeg);;3GP files(*.3gp *.3g2);;Windows Media Video(*.wmv *.asf);; Real Media files(*.rm "
           "*.rmvb);;audio files(*.wav;*.mp3;*.aac;*.m4a;*.wma;*.ogg;*.ape;*.flac);;Video CD files(*.dat);; "
           "Quick Time files(*.mov);; Flash Video files(*.flv *.f4v);;MKV files(*.mkv);; Digital Video "
           "files(*.dv);;Microsoft Digital Video Recorder(*.dvr-ms);; Raw h.264 Video files(*.h.264);; "
           "Nullsoft Stream Video(*.nsv);;Unprotected VOB Files(*.vob);;WEBM Files(*.webm);;OGV "
           "Files(*.ogv);;All files(*.*)")
            .arg(QLatin1String(kPatterns));
    const QString file = QFileDialog::getOpenFileName(this, QString(), open_path, filter);
    if (!file.isEmpty()) {
        open_path = QFileInfo(file).absolutePath();
        updateSetting(SettingKeys::OpenFolder, open_path);
        m_pathList.append(file);
    }
    addImportFile(QStringList(m_pathList));
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list")))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || m_bIsConverting)
        return;
    m_dropList.clear();
    m_dropPath.clear();
    for (const QUrl &url : urls) {
        m_dropPath = url.toLocalFile();
        qCDebug(lcWorkspace) << m_dropPath;
    }
    // A web link or a path that is gone would only clear the workspace and
    // then fail; say so and keep what is open.
    if (m_dropPath.isEmpty() || !QFileInfo(m_dropPath).isFile()) {
        QWorkspaceMessage::warning(this, tr("Please drop an existing local file. "));
        return;
    }
    m_dropList.append(m_dropPath);
    emit emitAddFileNames(m_dropList);
    emit emitAddFileName(m_dropPath);
}

void MainWindow::addImportFile(QStringList paths)
{
    if (paths.isEmpty())
        return;
    // A stopped run may still be giving up on its probe: wait for it, so that
    // the new run neither shares the path list with it nor starts while the
    // stopped run's interrupt is still raised.
    m_worker.JoinThread();
    lowerInterruptOfFinishedRun();
    delete m_loadingDlg;
    m_loadingDlg = nullptr;

    m_pathList = paths;
    ++m_runsStarted;
    m_loadingDlg = new QLoadingDlg(this);
    centerDlg(m_loadingDlg);
    connect(m_loadingDlg, &QLoadingDlg::seedStopAddFile, this, &MainWindow::StopAddFileThree);
    m_bStopAdd = false;
    m_worker.StartThread();
    m_loadingDlg->exec();
}

void MainWindow::lowerInterruptOfFinishedRun()
{
    m_stopInterrupt.reset();
}

void MainWindow::OnExecute()
{
    // The GUI thread leaves these alone until this run's completion arrives.
    const QStringList paths = m_pathList;
    QLoadingDlg *dialog = m_loadingDlg;
    if (paths.isEmpty()) {
        emit seedAddComplete(false);
        return;
    }
    qCDebug(lcWorkspace) << ".........m_pathList.length.........." << paths.size();
    const int n = paths.size();
    for (int i = 1; i <= n; ++i) {
        if (m_bStopAdd) {
            emit seedAddComplete(false);
            return;
        }
        const QString path = paths.at(i - 1);
        if (dialog) {
            QMetaObject::invokeMethod(dialog, "setAddFilePath", Qt::QueuedConnection, Q_ARG(QString, path));
            QMetaObject::invokeMethod(dialog, "setAddCount", Qt::QueuedConnection,
                                      Q_ARG(QString, QStringLiteral("%1/%2").arg(i).arg(n)));
            QMetaObject::invokeMethod(dialog, "setProgressVale", Qt::QueuedConnection,
                                      Q_ARG(float, float(double(i) * 100.0 / double(n))));
        }
        emit seedConvertItem(std::make_shared<std::unique_ptr<VelVideoConvertItem>>(CreateConvertItemInfo(path, -1)));
    }
    emit seedAddComplete(false);
}

std::unique_ptr<VelVideoConvertItem> MainWindow::CreateConvertItemInfo(QString path, int index)
{
    // Read on the GUI thread once the (queued) null item has arrived.
    m_openFailurePath = path;
    if (!IsSupportFile(path)) {
        m_openFailure = tr("This kind of file is not supported.");
        return nullptr;
    }
    auto item = std::make_unique<VelVideoConvertItem>(nullptr);
    if (!item->setVideoPath(path, index, false)) {
        qCDebug(lcWorkspace) << "open failed:" << path << item->lastError();
        m_openFailure = item->lastError();
        return nullptr;
    }
    // The item lives on the GUI thread from here on; the item manager is
    // touched only there, when the player has opened the file.
    item->moveToThread(QCoreApplication::instance()->thread());
    return item;
}

bool MainWindow::IsSupportFile(QString path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    return IsSupportSuffix(path.mid(dot));
}

bool MainWindow::IsSupportSuffix(QString suffix)
{
    const QString key = suffix.toLower() + QLatin1Char(';');
    return !QStringLiteral(".aa; .aax;").contains(key);
}

void MainWindow::addConvertItem(OpenedItem opened)
{
    std::unique_ptr<VelVideoConvertItem> item = opened ? std::move(*opened) : nullptr;
    // A result of a run that was stopped, by the user or by a newer run: a
    // probe the stop interrupted is no failure worth a message.
    if (m_runsFinished + 1 != m_runsStarted || m_bStopAdd)
        return;
    if (!item) {
        if (items()->IsEmpty())
            segmentsShow(false);
        showOpenFailure(m_openFailurePath, m_openFailure);
        return;
    }
    // The file counts as opened only once the player has it; until then the
    // previous file stays open and playing.
    auto play = std::make_unique<QPlayObject>(nullptr);
    if (!play->SetVideoFile(item->m_sourcePath, 0, 0)) {
        showOpenFailure(item->m_sourcePath, tr("The player cannot play it."));
        return;
    }
    finishOpen(std::move(item), std::move(play));
}

void MainWindow::finishOpen(std::unique_ptr<VelVideoConvertItem> opened, std::unique_ptr<QPlayObject> play)
{
    segmentsClear();
    m_videoCutToolbar->resetCutDlg();
    items()->ClearItems();
    const bool shown = m_videoPlayDlg->SetVideoPlay(opened->m_sourcePath, play->m_hPlayer);
    m_playObject = std::move(play);
    if (!shown) {
        m_videoPlayDlg->resetPlayDlg();
        showOpenFailure(opened->m_sourcePath, tr("The player cannot show it."));
        return;
    }
    m_videoCutToolbar->OnStopTrim();
    m_videoCutToolbar->setCtrlEnable(true);
    VelVideoConvertItem *item = opened.get();
    item->m_trimStart = m_videoPlayDlg->GetStartTime();
    item->m_trimEnd = m_videoPlayDlg->GetEndTime();
    item->m_duration = m_videoPlayDlg->getPlayLength();
    item->m_bSelected = true;
    item->m_picture.reset(m_videoPlayDlg->getVideoImage(item->m_trimStart));
    items()->addConverItem(opened.release(), -1);
    segmentsAdd(item);
    m_videoCutToolbar->setVideoItemInfo(item);
    qCDebug(lcWorkspace) << QStringLiteral("..addConvertItem..item->m_videoName..: %1").arg(item->m_displayName);
    QConverterOperate::setAdjustFileName(item->m_displayName, item->m_sourceExtension);
    if (m_playObject->IsAudioRendererOpenFailed() && AudioDeviceProbe::anyOutputDevice())
        showError(tr("Open audio device failed. "));
}

void MainWindow::showOpenFailure(const QString &path, const QString &reason)
{
    // The message keeps its own text; the file and the reason go below it.
    QString text = tr("Open file failed. ");
    if (!path.isEmpty()) {
        const QString why = reason.isEmpty() ? tr("No reason was given.") : reason;
        text += QLatin1Char('\n') + tr("%1: %2").arg(QFileInfo(path).fileName(), why);
    }
    showError(text);
}

void MainWindow::AddFileComplete(bool)
{
    ++m_runsFinished;
    if (m_runsFinished != m_runsStarted)
        return;   // a stopped run ending after a newer one started
    if (m_loadingDlg) {
        QLoadingDlg *dialog = m_loadingDlg;
        m_loadingDlg = nullptr;
        dialog->done(QDialog::Accepted);
        dialog->deleteLater();
    }
    lowerInterruptOfFinishedRun();
    if (items()->GetItemCount() > 0)
        segmentsShow(true);
}

void MainWindow::StopAddFileThree()
{
    m_bStopAdd = true;
    if (!m_stopInterrupt)
        m_stopInterrupt.emplace();
}

void MainWindow::addImportFile(QString path)
{
    if (!IsSupportFile(path))
        return;
    auto play = std::make_unique<QPlayObject>(nullptr);
    if (!play->SetVideoFile(path, 0, 0))
        return;
    auto item = std::make_unique<VelVideoConvertItem>(nullptr);
    if (!item->setVideoPath(path, -1, false))
        return;
    finishOpen(std::move(item), std::move(play));
}
