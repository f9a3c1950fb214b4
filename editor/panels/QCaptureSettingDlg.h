#pragma once

#include "QVelDialog.h"
#include "ui_QCaptureSettingDlg.h"

#include <QString>

// "Snapshot Setting": the image format and the folder of the editing dialog's
// snapshots, shown from the edit defaults file and written back only on OK.
class QCaptureSettingDlg : public QVelDialog, public Ui_QCaptureSettingDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QCaptureSettingDlg)

public:
    explicit QCaptureSettingDlg(QWidget* parent = nullptr);
    ~QCaptureSettingDlg() override;

    QString savePath() const { return m_savePath; }

signals:
    void emitDlgClose();

public slots:
    void onOpenPath();
    void onOk();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void initControls();
    void initCbbSuffix();
    void setSavePath();
    void showPath(const QString& path);

    QString m_savePath;
};
