#pragma once

#include <QTextEdit>

// Text edit that reports the start (focus in) and end (focus out) of editing.
class QVelBaseTextEdit : public QTextEdit
{
    Q_OBJECT

public:
    explicit QVelBaseTextEdit(QWidget* parent = nullptr);
    QVelBaseTextEdit(QString const& text, QWidget* parent = nullptr);

signals:
    void emitStartEditing();
    void editingFinished();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Q_DISABLE_COPY(QVelBaseTextEdit)
};
