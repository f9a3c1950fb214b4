#pragma once

#include "ui_QWaitForDlg.h"

#include <QDialog>

// An invisible modal dialog whose event loop holds the user off the editing
// dialog while a segment loads. Keys, Escape and close requests leave it
// running; only finishWait() ends it.
class QWaitForDlg : public QDialog, public Ui_QWaitForDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QWaitForDlg)

public:
    explicit QWaitForDlg(QWidget* parent = nullptr);
    ~QWaitForDlg() override;

    void finishWait();

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void initControls();

    bool m_bFinished = false;
};
