#pragma once

#include "QVelDateTimeEdit.h"

#include <QTime>

// The skinned date-time edit holding a time of day.
class QVelTimeEdit : public QVelDateTimeEdit
{
    Q_OBJECT

public:
    explicit QVelTimeEdit(QWidget* parent = nullptr);
    QVelTimeEdit(const QTime& time, QWidget* parent = nullptr);

private:
    Q_DISABLE_COPY(QVelTimeEdit)
};
