#include "QVideoEditingDlg.h"

#include "QEffectOperationForm.h"

// The Effect tab sits where the Adjust tab does, under the player bar.
void QVideoEditingDlg::initEffectPanel()
{
    m_effectForm = new QEffectOperationForm(this);
    m_effectForm->hide();
    m_effectForm->setEditSettings(m_editSettings);
    connect(m_effectForm, &QEffectOperationForm::emitApplyToAll, this, [this] { markApplyToAll(TabEffect); });
}

void QVideoEditingDlg::layoutEffectPanel()
{
    m_effectForm->setGeometry(6, height() - 184, width() - 12, 128);
}
