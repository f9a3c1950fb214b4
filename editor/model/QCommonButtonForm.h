#pragma once

#include "ui_QCommonButtonForm.h"

#include <QWidget>

// "Reset" above "Apply to all", centred in whatever room the editing panel gives
// the block; the clicks become the block's two signals.
class QCommonButtonForm : public QWidget, private Ui_QCommonButtonForm
{
    Q_OBJECT
    Q_DISABLE_COPY(QCommonButtonForm)

public:
    explicit QCommonButtonForm(QWidget* parent = nullptr);
    ~QCommonButtonForm() override;

    void initControls();

signals:
    void emitReset();
    void emitApplyToAll();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
