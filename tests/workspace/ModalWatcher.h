#pragma once
// Answers the program's modal message boxes while a test drives a window:
// every few milliseconds it notes which modal dialogs are up, keeps the text
// of each message box and presses its OK.

#include <QObject>
#include <QStringList>
#include <QTimer>

class ModalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit ModalWatcher(QObject *parent = nullptr);

    QStringList messages() const { return m_messages; }
    QStringList dialogClasses() const { return m_classes; }
    void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void poll();
    void note(QWidget *dialog);

    QTimer m_timer;
    QStringList m_messages;
    QStringList m_classes;
};
