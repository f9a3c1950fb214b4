#pragma once
// Draws the program's own message box while the program waits in it: the next
// QVelMessageBox that comes up modal is written to a PNG once it has painted,
// then answered with the button of the given index (0: OK or Yes, 1: No).

#include "QVelBaseButton.h"
#include "QVelMessageBox.h"
#include "SnapshotSupport.h"

#include <QApplication>
#include <QTimer>

class MessageBoxSnapshot : public QObject
{
public:
    MessageBoxSnapshot(const QString& file, int buttonIndex) : m_file(file), m_buttonIndex(buttonIndex)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(30);
    }

    // False until a box was seen and written.
    bool saved() const { return m_saved; }

private:
    void poll()
    {
        auto* box = qobject_cast<QVelMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        m_timer.stop();
        // Its skin pictures and fonts settle after the first paint.
        QTimer::singleShot(300, box, [this, box] {
            m_saved = SnapshotSupport::save(box, m_file);
            const auto buttons = box->buttons();
            if (m_buttonIndex < buttons.size())
                buttons.at(m_buttonIndex)->click();
            else
                box->reject();
        });
    }

    QTimer m_timer;
    QString m_file;
    int m_buttonIndex;
    bool m_saved = false;
};
