#include "QWatermartTextSettingDlg.h"

#include "QVideoEditingSettings.h"

QWatermartTextSettingDlg::QWatermartTextSettingDlg(QWidget* parent) : QTextStyleDlg(parent, 10, 64)
{
    setTexts();
    connect(m_btnOK, &QAbstractButton::clicked, this, &QWidget::close);
}

QWatermartTextSettingDlg::~QWatermartTextSettingDlg() = default;

QTextStyle QWatermartTextSettingDlg::readStyle() const
{
    VEWatermarkSettings settings;
    if (editSettings())
        editSettings()->getWatermarkSettings(settings);
    return QTextStyle::from(settings.m_textSettings);
}

void QWatermartTextSettingDlg::writeStyle(const QTextStyle& style)
{
    if (!editSettings())
        return;
    VEWatermarkSettings settings;
    editSettings()->getWatermarkSettings(settings);
    style.applyTo(settings.m_textSettings);
    // The player re-measures the text box; the picture file is not reloaded.
    editSettings()->setWatermarkSettings(settings, true, false);
}

void QWatermartTextSettingDlg::closeEvent(QCloseEvent* event)
{
    emit emitDlgClose();
    QTextStyleDlg::closeEvent(event);
}
