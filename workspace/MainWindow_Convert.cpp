// Closing the window while a conversion runs.
#include "MainWindow.h"

#include "QVelMessageBox.h"
#include "QVideoCutManageDlg.h"

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
