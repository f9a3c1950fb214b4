// The menu bar, the pop-up menu, the product pages and the language.
#include "MainWindow.h"

#include "FormatWidget.h"
#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QVelMenu.h"
#include "QVelProjectPlatform.h"
#include "QVelMessageBox.h"
#include "QVideoSettingXml.h"
#include "SettingKeys.h"
#include "UserGuide.h"
#include "VelSystemActions.h"
#include "VelUpdater.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QUrl>

namespace {
// There is no product web service: Home and Help both open the guide shipped
// in the bundle, in the interface language.
void openUserGuide()
{
    VelSystemActions::openUrl(QUrl::fromLocalFile(UserGuide::page()));
}
} // namespace

void MainWindow::CreatMenu()
{
    m_actHome = new QAction(tr("Home"), this);
    m_actHelp = new QAction(tr("Help"), this);
    m_actAbout = new QAction(tr("About"), this);
    m_actPreferences = new QAction(tr("Preferences"), this);
    m_actUpdates = new QAction(tr("Check for Updates"), this);

    m_menu = new QVelMenu(this);
    m_menu->setFrameWidth(1);
    m_menu->setFrameColor(QColor(74, 74, 74));
    m_menu->setAreaColor(QColor(51, 51, 51));
    m_menu->setItemColor(QColor(51, 51, 51));
    m_menu->setItemTextColor(QColor(228, 228, 228));
    m_menu->setItemSelectColor(QColor(105, 105, 105));
    m_menu->setItemTextEabledColor(QColor(150, 150, 150));
    m_menu->setItemEabledColor(QColor(51, 51, 51));
    m_menu->setSeparatorColor(QColor(74, 74, 74));
    QFont menuFont = m_menu->font();
    menuFont.setFamily(QStringLiteral("Tahoma"));
    menuFont.setPointSize(12);
    m_menu->setFont(menuFont);
    m_menu->addAction(m_actPreferences);
    m_menu->addAction(m_actAbout);
    m_menu->setAutoFillBackground(true);

    m_menuBar = new QMenuBar(this);
    m_helpMenu = m_menuBar->addMenu(tr("Help"));
    m_helpMenu->addAction(m_actPreferences);
    m_helpMenu->addAction(m_actAbout);
    m_helpMenu->addAction(m_actHelp);
    m_helpMenu->addAction(m_actHome);
    m_helpMenu->addAction(m_actUpdates);
    m_menuBar->addMenu(m_menu);
    // Where the menu bar is not the desktop's global one it sits inside the
    // window, so it wears the window's dark skin.
    m_menuBar->setStyleSheet(QStringLiteral(
        "QMenuBar{background:rgb(51,51,51);color:rgb(228,228,228);}"
        "QMenuBar::item:selected{background:rgb(105,105,105);}"));
    setMenuBar(m_menuBar);

    connect(m_actHome, &QAction::triggered, this, &MainWindow::ActOnHome);
    connect(m_actHelp, &QAction::triggered, this, &MainWindow::ActOnHelp);
    connect(m_actAbout, &QAction::triggered, this, &MainWindow::ActOnAbout);
    connect(m_actPreferences, &QAction::triggered, this, &MainWindow::ActOnPreferDlg);
    connect(m_actUpdates, &QAction::triggered, this, &MainWindow::ActOnUpdates);
    // The updater's answer is for the user who asked, in their language.
    connect(VelUpdater::sharedUpdater(), &VelUpdater::checkFinished, this, [this](const QString &answer) {
        QVelMessageBox::ShowMessage(this, answer, tr("Check for Updates"), QVelMessageBox::Information,
                                    QVelMessageBox::OkButton);
    });
}

void MainWindow::OnMenu() { m_menu->popup(QCursor::pos() - QPoint(50, 0)); }

void MainWindow::ActOnHome() { openUserGuide(); }

void MainWindow::ActOnHelp() { openUserGuide(); }

void MainWindow::ActOnUpdates() { QVelProjectPlatform::checkForUpdate(); }

void MainWindow::InitLanguge()
{
    const QString name = readSetting(SettingKeys::Language);
    const QString folder = QIAnyUtil::getResourcePath() + "/Language/";
    const QPair<QString, QString> entry = QVideoSettingXml::GetLanguageFile(folder + "Language.xml", name);
    // A name missing from the list keeps the language that is in use.
    if (entry.first.isEmpty())
        return;
    QConverterOperate::setLanguageType(entry.second);
    setLanguge(folder + entry.first);
}

bool MainWindow::setLanguge(QString path)
{
    if (!QFileInfo(path).isFile())
        return false;
    auto *translator = new QTranslator(this);
    if (!translator->load(path)) {
        delete translator;
        return false;
    }
    if (m_translator) {
        QApplication::removeTranslator(m_translator);
        delete m_translator;
    }
    m_translator = translator;
    QApplication::installTranslator(m_translator);
    setQtLanguage(qtTranslationFile(path));
    retranslateUi();
    return true;
}

QString MainWindow::qtTranslationFile(const QString &ourFile)
{
    const QFileInfo info(ourFile);
    QString code = info.completeBaseName();
    code.remove(QRegularExpression(QStringLiteral("^lang_")));
    return info.absolutePath() + QStringLiteral("/qtbase_") + code + QStringLiteral(".qm");
}

// English has no Qt file: Qt's texts then stay its built-in English ones.
void MainWindow::setQtLanguage(const QString &path)
{
    if (m_qtTranslator) {
        QApplication::removeTranslator(m_qtTranslator);
        delete m_qtTranslator;
        m_qtTranslator = nullptr;
    }
    auto *translator = new QTranslator(this);
    if (!QFileInfo(path).isFile() || !translator->load(path)) {
        delete translator;
        return;
    }
    m_qtTranslator = translator;
    QApplication::installTranslator(m_qtTranslator);
}

void MainWindow::retranslateUi()
{
    if (m_menu) {
        m_actHome->setText(tr("Home"));
        m_actHelp->setText(tr("Help"));
        m_actUpdates->setText(tr("Check for Updates"));
        m_actAbout->setText(tr("About"));
        m_actPreferences->setText(tr("Preferences"));
    }
    if (m_helpMenu)
        m_helpMenu->setTitle(tr("Help"));
    m_btnClose->setToolTip(tr("Close"));
    m_btnMax->setToolTip(tr("Maximization"));
    m_btnRestore->setToolTip(tr("Restore"));
    m_btnMenu->setToolTip(tr("Menu"));
    m_btnMin->setToolTip(tr("Minimize"));
    m_videoCutToolbar->retranslateUi();
    if (QObject *manager = segmentManager())
        QMetaObject::invokeMethod(manager, "retranslateUi", Qt::DirectConnection);
    m_videoPlayDlg->retranslateUi();
    if (m_formatWidget)
        m_formatWidget->retranslateUi();
}
