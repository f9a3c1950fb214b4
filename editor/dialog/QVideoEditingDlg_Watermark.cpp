// The Watermark tab of the editing dialog and the watermark text style dialog
// it opens.
#include "QVideoEditingDlg.h"

#include "QVideoEditingSettings.h"
#include "QWatermarkOperationForm.h"
#include "QWatermartTextSettingDlg.h"

void QVideoEditingDlg::initWatermarkPanel()
{
    m_watermarkForm = new QWatermarkOperationForm(this);
    connect(m_watermarkForm, &QWatermarkOperationForm::emitApplyToAll, this, &QVideoEditingDlg::onApplyToAll);
    connect(m_watermarkForm, &QWatermarkOperationForm::emitWatermartTextSetting, this,
            &QVideoEditingDlg::onWatermartTextSetting);
    m_watermarkForm->hide();
    m_watermarkForm->setEditSettings(m_editSettings);
}

void QVideoEditingDlg::onWatermartTextSetting()
{
    QWatermartTextSettingDlg dlg(this);
    dlg.setEditSettings(m_editSettings);
    connect(&dlg, &QWatermartTextSettingDlg::emitDlgClose, this, &QVideoEditingDlg::dlgClose);
    dlg.exec();
}
