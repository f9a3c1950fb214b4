#pragma once

#include <QTimeEdit>

class QLineEdit;

// The editor of the time field: relays its line edit's signals and announces the
// steps made through stepUp and stepDown (not those of keys or the wheel).
class QTimeEditEx : public QTimeEdit
{
    Q_OBJECT

public:
    explicit QTimeEditEx(QWidget* parent = nullptr);

    QLineEdit* getLindEdit();

signals:
    void emitTextEdited(QString text);
    void emitTextChanged(QString text);
    void emitTextFinish();
    void emitStepUp();
    void emitStepDown();

public slots:
    void stepUp();
    void stepDown();

private:
    Q_DISABLE_COPY(QTimeEditEx)
};
