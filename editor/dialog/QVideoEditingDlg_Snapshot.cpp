#include "QVideoEditingDlg.h"

#include "QCaptureSettingDlg.h"
#include "QMessageOpacityForm.h"
#include "QVedioEditSettingXml.h"
#include "QVelMenu.h"
#include "VECommonClass.h"
#include "VelPlayerManager.h"

#include <QAction>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

void QVideoEditingDlg::initMenu()
{
    m_actOpenFolder = new QAction(tr("Open Folder"), this);
    m_actSettings = new QAction(tr("Settings"), this);
    m_menu = new QVelMenu(this);
    m_menu->setFrameWidth(1);
    m_menu->setFrameColor(QColor(74, 74, 74));
    m_menu->setAreaColor(QColor(51, 51, 51));
    m_menu->setItemColor(QColor(51, 51, 51));
    m_menu->setItemTextColor(QColor(246, 246, 246));
    m_menu->setItemSelectColor(QColor(105, 105, 105));
    m_menu->setItemTextSelectColor(QColor(246, 246, 246));
    m_menu->setItemTextEabledColor(QColor(150, 150, 150));
    m_menu->setItemEabledColor(QColor(51, 51, 51));
    m_menu->setSeparatorColor(QColor(74, 74, 74));
    m_menu->addAction(m_actOpenFolder);
    m_menu->addAction(m_actSettings);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    m_menu->setFont(font);
    connect(m_actOpenFolder, &QAction::triggered, this, &QVideoEditingDlg::openImgPath, Qt::QueuedConnection);
    connect(m_actSettings, &QAction::triggered, this, &QVideoEditingDlg::showPathSettingDlg);
}

void QVideoEditingDlg::ininScreenshotsInfo()
{
    m_imgSuffix = QVedioEditSettingXml::getCaptureImgSuffix();
    m_imgPath = QVedioEditSettingXml::getCaptrueImaSavePath().replace(QLatin1String("\\"), QLatin1String("/"));
}

// Two snapshots in one millisecond must not share a file: the name is taken
// by creating the file, with "_1", "_2", ... after a name already there.
QString QVideoEditingDlg::reserveSnapshotFile(const QString& folder, const QString& stamp, const QString& suffix) const
{
    for (int n = 0; n < 1000; ++n) {
        const QString name = n == 0 ? QStringLiteral("ScreenCapture_%1.%2").arg(stamp, suffix)
                                    : QStringLiteral("ScreenCapture_%1_%3.%2").arg(stamp, suffix).arg(n);
        const QString path = QStringLiteral("%1/%2").arg(folder, name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!file.exists())
            return QString();
    }
    return QString();
}

void QVideoEditingDlg::onSnapshot()
{
    if (!QDir(m_imgPath).exists()) {
        showOpacityMsgDlg(QStringLiteral("\"%1\"%2").arg(m_imgPath, tr("is not exists")));
        return;
    }
    if (!m_playerManager)
        return;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmsszzz"));
    const QString path = reserveSnapshotFile(m_imgPath, stamp, m_imgSuffix.toLower());
    const bool ok = !path.isEmpty() && m_playerManager->captureImage(path, m_imgSuffix);
    if (!ok && !path.isEmpty())
        QFile::remove(path);
    showOpacityMsgDlg(ok ? tr("Snapshot successfully!") : tr("Snapshot failed!"));
}

void QVideoEditingDlg::onSnapshotMenu() { m_menu->popup(QCursor::pos() - QPoint(2, 0)); }

void QVideoEditingDlg::openImgPath() { VECommonClass::setOpenFinder(m_imgPath); }

void QVideoEditingDlg::showPathSettingDlg()
{
    QCaptureSettingDlg dlg(this);
    dlg.setWindowFlags(windowFlags());
    connect(&dlg, &QCaptureSettingDlg::emitDlgClose, this, &QVideoEditingDlg::dlgClose);
    if (dlg.exec() == QDialog::Accepted)
        ininScreenshotsInfo();
}

void QVideoEditingDlg::showOpacityMsgDlg(QString text)
{
    if (!m_opacityForm)
        m_opacityForm = new QMessageOpacityForm(this);
    m_opacityForm->setBackgroundImage(VECommonClass::getCustomResPath() + QStringLiteral("/bg_3.png"), false);
    m_opacityForm->setMessageText(text);
    m_opacityForm->startOpacity();
    m_opacityForm->setShowlink(0, 0, false);
    m_opacityForm->setCheckShow(false);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int desktopWidth = screen ? screen->virtualGeometry().width() : 0;
    m_opacityForm->move(desktopWidth - 30 - m_opacityForm->width(), 10);
    m_opacityForm->show();
}
