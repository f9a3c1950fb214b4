#pragma once

#include "QNinePointsImageDialog.h"
#include "ui_QShowCloseDlg.h"

// Asked when the main window's close button is pressed: minimise or exit,
// and whether to ask again. It only offers the choice, preselecting the
// stored one; the main window stores the answer and acts on it.
class QShowCloseDlg : public QNinePointsImageDialog, public Ui_QShowCloseDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QShowCloseDlg)

public:
    explicit QShowCloseDlg(QWidget* parent = nullptr);
    ~QShowCloseDlg() override;

    bool isNoShowThisDlg();
    bool isCloseDlg();

public slots:
    void OnClickRadio();
};
