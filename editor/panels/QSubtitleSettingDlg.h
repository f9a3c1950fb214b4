#pragma once

#include "QTextStyleDlg.h"

// The style of the segment's subtitles.
class QSubtitleSettingDlg : public QTextStyleDlg
{
    Q_OBJECT
    Q_DISABLE_COPY(QSubtitleSettingDlg)

public:
    explicit QSubtitleSettingDlg(QWidget* parent = nullptr);
    ~QSubtitleSettingDlg() override;

protected:
    QTextStyle readStyle() const override;
    void writeStyle(const QTextStyle& style) override;
};
