#pragma once

#include "QTextStyleDlg.h"

// The style of the watermark text (overlay layer 0); its image half is kept.
class QWatermartTextSettingDlg : public QTextStyleDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QWatermartTextSettingDlg)

public:
    explicit QWatermartTextSettingDlg(QWidget* parent = nullptr);
    ~QWatermartTextSettingDlg() override;

signals:
    void emitDlgClose();

protected:
    QTextStyle readStyle() const override;
    void writeStyle(const QTextStyle& style) override;
    void closeEvent(QCloseEvent* event) override;
};
