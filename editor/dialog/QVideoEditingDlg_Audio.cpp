#include "QVideoEditingDlg.h"

#include "QAudioOperationForm.h"
#include "QAudioTagForm.h"
#include "QVideoEditTag.h"

// The Audio tab's panel, and the tag panel, which is built and handed the model
// but whose tab stays hidden. Both edit the model's record only; OK hands the
// record, tags included, back to the segment.
void QVideoEditingDlg::initAudioPanels()
{
    m_audioForm = new QAudioOperationForm(this);
    m_audioForm->hide();
    m_audioForm->setEditSettings(m_editSettings);
    connect(m_audioForm, &QAudioOperationForm::emitApplyToAll, this, [this] { markApplyToAll(TabAudio); });
    connect(m_editTag, &QVideoEditTag::emitSelectedTag, this,
            [this](int index) { m_audioForm->setVisible(index == TabAudio); });

    m_audioTagForm = new QAudioTagForm(this);
    m_audioTagForm->setEditSettings(m_editSettings);
    m_audioTagForm->hide();
}
