#include "CategoriesBtnWgt.h"

#include "QTextImageButton.h"

CategoriesBtnWgt::CategoriesBtnWgt(QWidget* parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    // The row fills the strip from its top-left corner; layoutWidget stays empty.
    setLayout(m_ui.m_Layout);
}

void CategoriesBtnWgt::AddBtnItem(QTextImageButton* btn)
{
    m_ui.m_BtnHlLayout->addWidget(btn);
}

void CategoriesBtnWgt::paintEvent(QPaintEvent*)
{
}
