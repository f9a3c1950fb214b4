// Closing the window while a conversion runs, by the user or by a
// termination request of the system.
#include "MainWindow.h"

#include "QVelMessageBox.h"
#include "QVideoCutManageDlg.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

bool MainWindow::stopConversionBeforeClose()
{
    if (!m_bIsConverting)
        return true;
    const int answer = QVelMessageBox::ShowMessage(this, tr("A conversion is running. Stop it and close?"),
                                                   QStringLiteral("Zededera Raziz Azodor"), QVelMessageBox::Warning,
                                                   QVelMessageBox::YesNoButton);
    if (answer != QMessageBox::Yes)
        return false;
    // The converter joins its worker and the partial output goes before the
    // window (and the event loop) does.
    m_videoItemDlg->stopConversionForClose();
    return true;
}

void MainWindow::OnTerminationRequest()
{
    // Any dialog that runs its own event loop (a message, the open dialog,
    // the close prompt, the editing dialog) is answered with Cancel, so that
    // its caller goes on and nothing waits for a user who is gone.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<QDialog *>(widget);
        if (dialog && dialog->isVisible())
            dialog->reject();
    }
    if (m_bIsConverting)
        m_videoItemDlg->stopConversionForClose();
    startCloseAnimation();
    // Closing the window ends the program only when it was the last one
    // shown; a request to end must not depend on that.
    QCoreApplication::exit(0);
}
