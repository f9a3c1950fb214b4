#include "QWaitForDlg.h"

#include <QCloseEvent>
#include <QKeyEvent>

QWaitForDlg::QWaitForDlg(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Loading"));
    initControls();
}

QWaitForDlg::~QWaitForDlg() = default;

void QWaitForDlg::initControls() {}

void QWaitForDlg::finishWait()
{
    m_bFinished = true;
    close();
}

// Escape and the window manager's close would otherwise end the wait while the
// loading worker still needs the dialogs it works for.
void QWaitForDlg::reject()
{
    if (m_bFinished)
        QDialog::reject();
}

void QWaitForDlg::closeEvent(QCloseEvent* event)
{
    if (!m_bFinished) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void QWaitForDlg::keyPressEvent(QKeyEvent* event) { event->accept(); }

void QWaitForDlg::resizeEvent(QResizeEvent*) {}
