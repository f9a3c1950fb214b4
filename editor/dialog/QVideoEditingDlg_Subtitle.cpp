#include "QVideoEditingDlg.h"

#include "QSubtitleOperationForm.h"
#include "QSubtitleSettingDlg.h"

// The Subtitle tab, hidden until its tag is chosen.
void QVideoEditingDlg::initSubtitlePanel()
{
    m_subtitleForm = new QSubtitleOperationForm(this);
    connect(m_subtitleForm, &QSubtitleOperationForm::emitAddSubtitleToCmb, this,
            &QVideoEditingDlg::emitAddSubtitleToCmb);
    connect(m_subtitleForm, &QSubtitleOperationForm::emitApplyToAll, this, &QVideoEditingDlg::onApplyToAll);
    connect(m_subtitleForm, &QSubtitleOperationForm::emitSubtitleSetting, this, &QVideoEditingDlg::onSubtitleSetting);
    m_subtitleForm->hide();
}

// The style dialog edits the model live; its result changes nothing more.
void QVideoEditingDlg::onSubtitleSetting()
{
    QSubtitleSettingDlg dlg(this);
    dlg.setEditSettings(m_editSettings);
    dlg.exec();
}
