#pragma once
// The modal dialog shown while a file is added: which file, how many of how
// many, a progress bar and Stop. Its setters are called on the GUI thread.

#include "QNinePointsImageDialog.h"
#include "ui_QLoadingDlg.h"

class QLoadingDlg : public QNinePointsImageDialog, public Ui_QLoadingDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QLoadingDlg)

public:
    explicit QLoadingDlg(QWidget *parent = nullptr);
    ~QLoadingDlg() override;

public slots:
    void setAddFilePath(QString path);
    void setAddCount(QString count);
    void setProgressVale(float percent);
    void OnCloseStop();

signals:
    void seedStopAddFile();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showAddingPath();

    QString m_addingPath;
};
