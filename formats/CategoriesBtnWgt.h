#pragma once

#include "ui_CategoriesBtnWgt.h"

#include <QWidget>

class QTextImageButton;

// A row of category tabs, left to right.
class CategoriesBtnWgt : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(CategoriesBtnWgt)

public:
    explicit CategoriesBtnWgt(QWidget* parent = nullptr);

    void AddBtnItem(QTextImageButton* btn);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Ui_CategoriesBtnWgt m_ui;
};
