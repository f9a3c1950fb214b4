#pragma once

#include "QNinePointsImageDialog.h"
#include "ui_QMessageCommonDlg.h"

// A small skinned message with a link to the maker's site and an OK button.
class QMessageCommonDlg : public QNinePointsImageDialog, public Ui::QMessageCommonDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QMessageCommonDlg)

public:
    explicit QMessageCommonDlg(QWidget* parent = nullptr);
    ~QMessageCommonDlg() override;

    void setMsgText(QString text);
    static QString siteAddress();

public slots:
    void OnClickLink(QString link);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void InitCtrl();
};
