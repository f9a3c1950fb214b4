#include "QVideoCutManageDlg.h"
#include "WorkspaceLog.h"

#include "QButtonListDlg.h"
#include "QCheckButton.h"
#include "QConverterObject.h"
#include "QConverterOperate.h"
#include "QImageButton.h"
#include "QImageButtonEx.h"
#include "QVelMessageBox.h"
#include "ShowMessage.h"
#include "VelSystemActions.h"
#include "qSliderCtrl.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QFileInfo>
#include <QUrl>

void QVideoCutManageDlg::OnConvert()
{
    const QString root = QConverterOperate::getConverterPath();
    qCDebug(lcWorkspace) << "output root:" << root;
    if (!QDir(root).exists() && (root.isEmpty() || !QDir().mkpath(root))) {
        QVelMessageBox::ShowMessage(parentWidget(), tr("The output path is invalid!"), QString(),
                                    QVelMessageBox::Error, QVelMessageBox::OkButton);
        return;
    }
    m_converter.reset();
    m_converter = std::make_unique<QConverterObject>();
    connect(m_converter.get(), &QConverterObject::emitIsStartConverter, this, &QVideoCutManageDlg::setConvertState);
    connect(m_converter.get(), &QConverterObject::emitIsStartConverter, this, &QVideoCutManageDlg::emitIsStartConverter);
    connect(m_converter.get(), &QConverterObject::emitConvertProToCtrl, this, &QVideoCutManageDlg::ConverterPro);
    connect(m_converter.get(), &QConverterObject::emitConvertedFinish, this, &QVideoCutManageDlg::convertedFinish);
    connect(m_converter.get(), &QConverterObject::emitConvertedFinishCount, m_btnOpen, &QImageButtonEx::addItemCount);
    m_converter->OnStartToCoverter(m_chkMerger->isChecked());
}

void QVideoCutManageDlg::OnStopConvert()
{
    if (m_converter)
        m_converter->StopConvert();
}

bool QVideoCutManageDlg::stopConversionForClose()
{
    if (!m_converter || !m_bConverting)
        return false;
    m_bConverting = false;
    // StopConvert joins the converter's worker, whose last act is to post its
    // stopped report; delivering that report now runs the driver's clean-up
    // (partial file and empty folder) before the event loop goes away.
    m_converter->StopConvert();
    QCoreApplication::sendPostedEvents(m_converter.get(), QEvent::MetaCall);
    return true;
}

void QVideoCutManageDlg::ConverterPro(int percent)
{
    m_progressBar->setValue(float(percent));
}

void QVideoCutManageDlg::setConvertState(bool converting)
{
    m_bConverting = converting;
    if (m_bShowList)
        OnBtnHideList();
    else
        updateStripVisibility();
    m_btnAddItem->setEnabled(!converting);
    m_btnShowList->setEnabled(!converting);
    m_chkMerger->setVisible(!converting);
    m_progressBar->setVisible(converting);
    if (!converting)
        m_progressBar->setValue(0);
}

void QVideoCutManageDlg::convertedFinish(bool ok)
{
    if (ok || !m_converter || m_converter->isStopConvert())
        return;
    // The message keeps its own text; the file and the reason go below it.
    QString text = tr("File conversion failed, please check whether the output format parameters \n"
                      "and output file directory are set correctly.");
    const QString source = m_converter->lastFailedSource();
    const QString reason = m_converter->lastFailure();
    if (!source.isEmpty() || !reason.isEmpty())
        text += QLatin1Char('\n') + tr("%1: %2").arg(QFileInfo(source).fileName(), reason);
    QVelMessageBox::ShowMessage(parentWidget(), text, QStringLiteral("Zededera Raziz Azodor"),
                                QVelMessageBox::Error, QVelMessageBox::OkButton);
}

void QVideoCutManageDlg::OnBtnOpen()
{
    m_btnOpen->resetCount();
    const QString root = QConverterOperate::getConverterPath();
    qCDebug(lcWorkspace) << "open output root:" << root;
    if (root.isEmpty() || !QDir(root).exists()) {
        ShowMessage(tr("Invalid path"), QString(), 0);
        return;
    }
    QPointer<QVideoCutManageDlg> self(this);
    VelSystemActions::openFolder(QDir::fromNativeSeparators(root), [self, root] {
        if (self)
            self->showOutputFolderPath(root);
    });
}

// Where no program opens folders, the user can still copy the path into one.
void QVideoCutManageDlg::showOutputFolderPath(const QString& folder)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Zededera Raziz Azodor"),
                    tr("No program on this desktop could open the output folder. You can find it here:") + "\n\n"
                        + QDir::toNativeSeparators(folder),
                    QMessageBox::Ok, window());
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}
