#pragma once
// The shipped executable run under its own home folder, driven from inside by
// the preloaded window driver (WindowDriverPreload.cpp), with sound on through
// SDL's dummy driver.

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>

class ShippedProgram
{
public:
    explicit ShippedProgram(const QString &home) : m_home(home) {}
    ~ShippedProgram() { stop(); }

    QString dataDir() const { return m_home + "/.local/share/Zededera Raziz Azodor"; }
    QString outputRoot() const { return m_home + "/Documents/Zededera Raziz Azodor/Converted"; }

    // source: the file to open; convert: press Start once it is open.
    void start(const QString &source, bool convert)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_home);
        env.insert("XDG_DATA_HOME", m_home + "/.local/share");
        env.insert("XDG_CONFIG_HOME", m_home + "/.config");
        env.insert("XDG_RUNTIME_DIR", m_home);
        env.insert("TMPDIR", m_home);
        env.remove("ZV_AUDIO");
        env.insert("SDL_AUDIODRIVER", "dummy");
        env.insert("LD_PRELOAD", ZV_WINDOW_DRIVER);
        env.insert("ASAN_OPTIONS", "verify_asan_link_order=0");
        env.insert("ZV_DRIVE_OPEN", source);
        env.insert("ZV_DRIVE_CONVERT", convert ? "1" : "0");
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationDirPath() + "/../bin/zededera-raziz-azodor", QStringList());
    }

    // True once the driver printed line; false when the program ended or the
    // time ran out first.
    bool waitForLine(const QByteArray &line, int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            m_out += process.readAllStandardOutput();
            if (m_out.split('\n').contains(line))
                return true;
            if (process.state() == QProcess::NotRunning)
                return false;
            process.waitForReadyRead(100);
        }
        return false;
    }

    // Every line the driver printed so far.
    QList<QByteArray> lines()
    {
        m_out += process.readAllStandardOutput();
        return m_out.split('\n');
    }

    QString report()
    {
        m_out += process.readAllStandardOutput();
        return QString::fromLocal8Bit(m_out + process.readAllStandardError().right(2000));
    }

    void stop()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.kill();
        process.waitForFinished(10000);
    }

    QProcess process;

private:
    QString m_home;
    QByteArray m_out;
};
