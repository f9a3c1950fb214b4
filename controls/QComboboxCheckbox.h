#pragma once

#include "QVelCheckBox.h"

// Row check box of the check-box combo box; in single-select mode it reports clicks
// instead of toggling.
class QComboboxCheckbox : public QVelCheckBox
{
    Q_OBJECT

public:
    explicit QComboboxCheckbox(QWidget* parent = nullptr);

    void setIgnoreClick(bool ignore);
    bool ignoreClick() const;

signals:
    void emitClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Q_DISABLE_COPY(QComboboxCheckbox)
    bool m_ignoreClick = false;
};
