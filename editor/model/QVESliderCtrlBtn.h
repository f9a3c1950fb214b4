#pragma once

#include "QSliderCtrlBtn.h"

// A handle of the trim slider: the widget set's four-state strip handle, which
// reports presses, moves and releases with the grab offset inside the handle.
class QVESliderCtrlBtn : public QSliderCtrlBtn
{
    Q_OBJECT
    Q_DISABLE_COPY(QVESliderCtrlBtn)

public:
    explicit QVESliderCtrlBtn(QWidget* parent = nullptr);
    ~QVESliderCtrlBtn() override;
};
