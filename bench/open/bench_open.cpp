// bench_open [file]: times the main window's addImportFile of a file until its
// first picture is on screen (the frame view swapped a frame that the player
// handed over), ten times, and `ffprobe -show_format -show_streams` on the
// same file ten times; prints both medians and their ratio. Without an
// argument it makes a 10 s 1920x1080 H.264/AAC MP4 to measure.
//   xvfb-run -a -s "-screen 0 1280x1024x24" <build>/bench/bench_open
#include "MainWindow.h"
#include "QVelVideoShowWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 10;

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

// Notes the first swap of a frame view after a frame reached it.
class FirstPicture : public QObject
{
public:
    QElapsedTimer clock;
    double elapsedMs = -1;

    void arm()
    {
        m_frameArrived = false;
        elapsedMs = -1;
        clock.start();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *view = qobject_cast<QVelVideoShowWidget *>(watched); view && !m_hooked.contains(view)) {
                m_hooked << view;
                const auto arrived = [this] { m_frameArrived = true; };
                connect(view, &QVelVideoShowWidget::emitDrawYUVImageData, this, arrived, Qt::QueuedConnection);
                connect(view, &QVelVideoShowWidget::emitDrawImageData, this, arrived, Qt::QueuedConnection);
                connect(view, &QOpenGLWidget::frameSwapped, this, [this] {
                    if (m_frameArrived && elapsedMs < 0)
                        elapsedMs = double(clock.nsecsElapsed()) / 1e6;
                });
                connect(view, &QObject::destroyed, this, [this, view] { m_hooked.removeAll(view); });
            }
        }
        return false;
    }

private:
    bool m_frameArrived = false;
    QList<QObject *> m_hooked;
};

bool run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(300000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("ZV_AUDIO", "null");
    QApplication app(argc, argv);

    QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (file.isEmpty()) {
        file = home.path() + "/bench_1080p.mp4";
        std::printf("making %s ...\n", qPrintable(file));
        if (!run("ffmpeg", {"-y", "-v", "error", "-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=25:duration=10",
                            "-f", "lavfi", "-i", "sine=frequency=440:duration=10", "-c:v", "libx264", "-preset",
                            "veryfast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest", file})) {
            std::fprintf(stderr, "ffmpeg could not make the test file\n");
            return 1;
        }
    }

    MainWindow window;
    window.show();
    FirstPicture watcher;
    app.installEventFilter(&watcher);
    QVector<double> opens;
    for (int i = 0; i < kRuns; ++i) {
        watcher.arm();
        window.addImportFile(QStringList{file});
        QElapsedTimer wait;
        wait.start();
        while (watcher.elapsedMs < 0 && wait.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        if (watcher.elapsedMs < 0) {
            std::fprintf(stderr, "run %d: no picture within 10 s\n", i + 1);
            return 1;
        }
        opens << watcher.elapsedMs;
        window.m_videoPlayDlg->OnBtnStop();
    }

    QVector<double> probes;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        if (!run("ffprobe", {"-v", "error", "-show_format", "-show_streams", file})) {
            std::fprintf(stderr, "ffprobe failed\n");
            return 1;
        }
        probes << double(t.nsecsElapsed()) / 1e6;
    }

    const double open = median(opens);
    const double probe = median(probes);
    std::printf("%-44s %10s %10s %8s\n", "file", "open->pic", "ffprobe", "ratio");
    std::printf("%-44s %8.1fms %8.1fms %7.2fx\n", qPrintable(QFileInfo(file).fileName()), open, probe,
                probe > 0 ? open / probe : 0.0);
    std::printf("(median of %d; open->pic = addImportFile to the first picture swapped on screen)\n", kRuns);
    return 0;
}
