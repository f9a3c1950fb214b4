#pragma once

#include "QNinePointsImageDialog.h"
#include "ui_QAboutDlg.h"

// The about box: the product's name and version, its rights notice and a link
// to the product's home page.
class QAboutDlg : public QNinePointsImageDialog, public Ui::QAboutDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QAboutDlg)

public:
    explicit QAboutDlg(QWidget* parent = nullptr);
    ~QAboutDlg() override;

    static QString homeAddress();
    static QString versionText();

public slots:
    void OnClickHome(QString link);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void InitLabels();

    QImage m_logo;
};
