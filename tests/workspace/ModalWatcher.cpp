#include "ModalWatcher.h"

#include "QVelMessageBox.h"

#include <QApplication>

ModalWatcher::ModalWatcher(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start();
    // A dialog may come and go between two polls; its showing is noted here.
    qApp->installEventFilter(this);
}

bool ModalWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isWindow() && qobject_cast<QDialog *>(widget))
            note(widget);
    }
    return false;
}

void ModalWatcher::note(QWidget *dialog)
{
    const QString name = QString::fromLatin1(dialog->metaObject()->className());
    if (m_classes.isEmpty() || m_classes.last() != name)
        m_classes << name;
}

void ModalWatcher::clear()
{
    m_messages.clear();
    m_classes.clear();
}

void ModalWatcher::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    note(modal);
    if (auto *box = qobject_cast<QVelMessageBox *>(modal)) {
        m_messages << box->getMessage();
        box->done(QDialog::Accepted);
    }
}
