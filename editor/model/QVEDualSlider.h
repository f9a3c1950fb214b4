#pragma once

#include "QDualSlider.h"

// The range slider of the Trim tab: start, end and play handles over a track,
// driven in percent and read back as fractions of the usable track. It behaves
// as the cutting workspace's range slider does; only its handles are its own.
class QVEDualSlider : public QDualSlider
{
    Q_OBJECT
    Q_DISABLE_COPY(QVEDualSlider)

public:
    explicit QVEDualSlider(QWidget* parent = nullptr);
    ~QVEDualSlider() override;

    // Both ends at once; the start stays at least 2 px before the end.
    void setStartEndValue(float startPercent, float endPercent);

protected:
    QSliderCtrlBtn* createHandle() override;
};
