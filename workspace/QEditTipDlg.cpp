#include "QEditTipDlg.h"

#include "QPromptLook.h"

namespace {
void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette pal = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::WindowText, colour);
    widget->setPalette(pal);
}
}

QEditTipDlg::QEditTipDlg(QWidget* parent) : QNinePointsImageDialog(parent)
{
    setupUi(this);
    QPromptLook::dress(this, 425, m_btnOk, tr("OK"), m_btnCancel, tr("Cancel"));

    QPromptLook::dressNote(m_chkNote);
    m_lblText->setFont(QPromptLook::textFont());
    setTextColour(m_lblText, QPromptLook::textColour());

    m_lblText->resize(width() - 80, m_lblText->height());
    m_lblText->move(40, 50);
    m_chkNote->move(40, 120);
    m_chkNote->setText(tr("Don't show this window again"));
    m_lblText->setText(tr("Note: The currently selected output mode is High-Speed mode (Lossless). The edited "
                          "effect won't be applied to the output file."));
}

QEditTipDlg::~QEditTipDlg() = default;

bool QEditTipDlg::isNoShowThisDlg() { return m_chkNote->isChecked(); }
