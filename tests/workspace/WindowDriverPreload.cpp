// Loaded into the real program with LD_PRELOAD by the tests that must drive the
// shipped executable itself (its signal handling lives in main()). It finds the
// main window through the meta-object system and, as the environment asks,
// opens a file (ZV_DRIVE_OPEN) and starts the conversion (ZV_DRIVE_CONVERT=1).
// Each step reached is printed on a line of standard output ("opened",
// "started"); every modal window met is reported as "modal <class>", and a
// message box is then answered with its Cancel (Escape) answer.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

enum class Step { FindWindow, WaitOpened, Start, Done };

void say(const QByteArray &line)
{
    std::fprintf(stdout, "%s\n", line.constData());
    std::fflush(stdout);
}

QWidget *mainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("MainWindow") && widget->isVisible())
            return widget;
    }
    return nullptr;
}

class Driver : public QObject
{
public:
    Driver()
    {
        m_path = qEnvironmentVariable("ZV_DRIVE_OPEN");
        m_convert = qEnvironmentVariable("ZV_DRIVE_CONVERT") == QLatin1String("1");
        connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_timer.start(50);
    }

private:
    void tick()
    {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            const QByteArray name = modal->metaObject()->className();
            if (name != m_lastModal) {
                say("modal " + name);
                if (name == "QVelMessageBox") {
                    for (const QLabel *label : modal->findChildren<QLabel *>())
                        say("  " + label->text().toUtf8().replace('\n', "\\n"));
                    QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
                }
            }
            m_lastModal = name;
            return;   // the program is busy with it (or waits for a user)
        }
        m_lastModal.clear();
        QWidget *window = mainWindow();
        if (!window)
            return;
        auto *start = window->findChild<QAbstractButton *>(QStringLiteral("m_btnConvert"));
        switch (m_step) {
        case Step::FindWindow:
            m_step = Step::WaitOpened;
            // Queued: the slot runs the loading dialog's own event loop.
            QMetaObject::invokeMethod(window, "addImportFile", Qt::QueuedConnection,
                                      Q_ARG(QStringList, QStringList(m_path)));
            break;
        case Step::WaitOpened:
            if (start && start->isEnabled() && start->isVisible()) {
                say("opened");
                m_step = m_convert ? Step::Start : Step::Done;
            }
            break;
        case Step::Start:
            m_step = Step::Done;
            QMetaObject::invokeMethod(start, "click", Qt::QueuedConnection);
            say("started");
            break;
        case Step::Done:
            m_timer.stop();
            break;
        }
    }

    QString m_path;
    bool m_convert = false;
    Step m_step = Step::FindWindow;
    QByteArray m_lastModal;
    QTimer m_timer;
};

void installDriver()
{
    if (qEnvironmentVariableIsEmpty("ZV_DRIVE_OPEN"))
        return;
    // Built once the event loop runs; the application is not finished yet here.
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] { new Driver; }, Qt::QueuedConnection);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installDriver)
