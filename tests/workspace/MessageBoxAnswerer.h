#pragma once

#include "QVelMessageBox.h"
#include "QVelBaseButton.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>

// Answers the program's real message boxes while it waits in them: every box
// that comes up is recorded and its button of the given index is pressed
// (0: OK or Yes, 1: No).
class MessageBoxAnswerer : public QObject
{
public:
    explicit MessageBoxAnswerer(int buttonIndex = 0) : m_buttonIndex(buttonIndex)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { answer(); });
        m_timer.start(30);
    }

    void setButtonIndex(int index) { m_buttonIndex = index; }
    QStringList messages;

private:
    void answer()
    {
        auto* box = qobject_cast<QVelMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == m_last)
            return;
        m_last = box;
        messages.append(box->getMessage());
        const auto buttons = box->buttons();
        if (m_buttonIndex < buttons.size())
            QTest::mouseClick(buttons.at(m_buttonIndex), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    }

    QTimer m_timer;
    int m_buttonIndex;
    QPointer<QVelMessageBox> m_last;
};
