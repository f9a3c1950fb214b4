// The conversion state, the preferences and about entries, closing and
// shutting down.
#include "MainWindow.h"

#include "CodecInterrupt.h"
#include "QInitProject.h"
#include "QLoadingDlg.h"
#include "QPlayObject.h"
#include "QAboutDlg.h"
#include "QConverterOperate.h"
#include "QPreferencesDlg.h"
#include "QSettingsResetNotice.h"
#include "QShowCloseDlg.h"
#include "QVelProjectPlatform.h"
#include "SettingKeys.h"

#include <QApplication>
#include <QTranslator>

MainWindow::~MainWindow()
{
    // The worker reports to this window: let it end before anything goes,
    // interrupting a probe that may wait for data that never comes.
    m_bStopAdd = true;
    if (m_worker.isRunning()) {
        CodecInterrupt interrupt;
        m_worker.JoinThread();
    }
    m_worker.JoinThread();
    QSettingsResetNotice::setListener(nullptr);
    QInitProject::releseProject();
    delete m_loadingDlg;
    m_playObject.reset();
    if (m_translator)
        QApplication::removeTranslator(m_translator);
    delete m_translator;
    if (m_qtTranslator)
        QApplication::removeTranslator(m_qtTranslator);
    delete m_qtTranslator;
}

void MainWindow::IsStartToConverter(bool converting)
{
    m_videoPlayDlg->IsStartConverterSet(converting);
    m_videoCutToolbar->IsStartConverterSet(converting);
    m_bIsConverting = converting;
}

void MainWindow::ActOnAbout()
{
    QAboutDlg dialog(this);
    centerDlg(&dialog);
    dialog.exec();
}

void MainWindow::ActOnPreferDlg()
{
    QPreferencesDlg dialog(this);
    connect(&dialog, &QPreferencesDlg::emitAutoUpdate, this, &MainWindow::setAutoUpdate);
    centerDlg(&dialog);
    connect(&dialog, &QPreferencesDlg::emitLangugeChangeSet, this, &MainWindow::LangugeChangeSet);
    // The dialog previews a picked language on its own; the window's
    // translator comes back when it reports how it was closed.
    if (m_translator)
        QApplication::removeTranslator(m_translator);
    dialog.exec();
    SetOutPath(QConverterOperate::getConverterPath());
}

void MainWindow::setAutoUpdate(bool on) { QVelProjectPlatform::setAutoCheckUpdate(on); }

void MainWindow::LangugeChangeSet(bool changed)
{
    if (m_translator)
        QApplication::installTranslator(m_translator);
    if (changed)
        InitLanguge();
}

void MainWindow::OnClose()
{
    if (!stopConversionBeforeClose())
        return;
    if (!readSetting(SettingKeys::AskOnClose)) {
        if (readSetting(SettingKeys::CloseQuits))
            startCloseAnimation();
        else
            showMinimized();
        return;
    }
    QShowCloseDlg prompt(this);
    centerDlg(&prompt);
    if (prompt.exec() != QDialog::Accepted)
        return;
    if (prompt.isNoShowThisDlg())
        updateSetting(SettingKeys::AskOnClose, false);
    if (prompt.isCloseDlg()) {
        updateSetting(SettingKeys::CloseQuits, true);
        startCloseAnimation();
    } else {
        updateSetting(SettingKeys::CloseQuits, false);
        showMinimized();
    }
}
