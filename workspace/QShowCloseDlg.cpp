#include "QShowCloseDlg.h"

#include "QIAnyUtil.h"
#include "QPromptLook.h"
#include "SettingKeys.h"

namespace {
QString res(const char* name) { return QIAnyUtil::getResourcePath() + QLatin1String(name); }
}

QShowCloseDlg::QShowCloseDlg(QWidget* parent) : QNinePointsImageDialog(parent)
{
    setupUi(this);
    QPromptLook::dress(this, 325, m_btnOk, tr("OK"), m_btnCancel, tr("Cancel"));

    for (QCheckButton* choice : {m_radioMin, m_radioClose}) {
        choice->setCheckImage(res("/image/Common_bg/Edit_selections_yes.png"),
                              res("/image/Common_bg/Edit_selections_no.png"));
        choice->setButtonType(true);
        QPromptLook::dressChoice(choice);
    }
    QPromptLook::dressNote(m_chkNote);

    m_radioMin->move(50, 55);
    m_radioClose->move(50, 80);
    m_chkNote->move(35, 120);
    m_radioMin->setText(tr("Minimize to Tray"));
    m_radioClose->setText(tr("Exit"));
    m_chkNote->setText(tr("Don't show this window again"));

    const bool exits = readSetting(SettingKeys::CloseQuits);
    m_radioClose->setChecked(exits);
    m_radioMin->setChecked(!exits);
    m_chkNote->setChecked(false);

    connect(m_radioMin, &QCheckButton::clicked, this, &QShowCloseDlg::OnClickRadio);
    connect(m_radioClose, &QCheckButton::clicked, this, &QShowCloseDlg::OnClickRadio);
}

QShowCloseDlg::~QShowCloseDlg() = default;

bool QShowCloseDlg::isNoShowThisDlg() { return m_chkNote->isChecked(); }

bool QShowCloseDlg::isCloseDlg() { return m_radioClose->isChecked(); }

void QShowCloseDlg::OnClickRadio()
{
    QCheckButton* clicked = qobject_cast<QCheckButton*>(sender());
    if (!clicked)
        return;
    clicked->setChecked(true);
    (clicked == m_radioMin ? m_radioClose : m_radioMin)->setChecked(false);
}
