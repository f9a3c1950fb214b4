#include "QSubtitleSettingDlg.h"

#include "QVideoEditingSettings.h"

QSubtitleSettingDlg::QSubtitleSettingDlg(QWidget* parent) : QTextStyleDlg(parent, 6, 70)
{
    setTexts();
    connect(m_btnOK, &QAbstractButton::clicked, this, &QDialog::accept);
}

QSubtitleSettingDlg::~QSubtitleSettingDlg() = default;

QTextStyle QSubtitleSettingDlg::readStyle() const
{
    VESubtitleSettings settings;
    if (editSettings())
        editSettings()->getSubtitleSettings(settings);
    return QTextStyle::from(settings);
}

void QSubtitleSettingDlg::writeStyle(const QTextStyle& style)
{
    if (!editSettings())
        return;
    VESubtitleSettings settings;
    editSettings()->getSubtitleSettings(settings);
    style.applyTo(settings);
    editSettings()->setSubtitleSettings(settings);
}
