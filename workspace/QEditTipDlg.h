#pragma once

#include "QNinePointsImageDialog.h"
#include "ui_QEditTipDlg.h"

// The note shown after an accepted edit in the lossless output mode: edits are
// not applied to the output there. It only reports its "don't show" box; the
// segment manager stores the answer.
class QEditTipDlg : public QNinePointsImageDialog, public Ui_QEditTipDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QEditTipDlg)

public:
    explicit QEditTipDlg(QWidget* parent = nullptr);
    ~QEditTipDlg() override;

    bool isNoShowThisDlg();
};
