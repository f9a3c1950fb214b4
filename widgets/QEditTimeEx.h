#pragma once

#include "QVelTimeEdit.h"

#include <QTime>

// A simpler time field over the control library's time edit: reports typed times
// in microseconds.
class QEditTimeEx : public QVelTimeEdit
{
    Q_OBJECT

public:
    explicit QEditTimeEx(QWidget* parent = nullptr);

    void setCurrentTime(quint64 micros);
    quint64 getCurrentTime();
    quint64 timeConvertToInt(QTime time);

signals:
    void emitTextEdited(quint64 micros);

public slots:
    void onTextEdited(QString text);

private:
    Q_DISABLE_COPY(QEditTimeEx)
    quint64 m_currentMicros = 0;
    QTime m_currentTime = QTime(0, 0, 0, 0);
    QString m_lastValidText;
};
