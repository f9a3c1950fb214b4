// The shipped program asked to end by the system (logout, kill, a closed
// terminal) while sound is on: it ends at once and in order, also in the
// middle of a conversion, whose partial output it removes.
#include "ShippedProgram.h"
#include "TestMedia.h"
#include "TestTiming.h"

#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

// A source that takes the encoder several seconds, so that a request comes
// while the output is being written.
QString longSource()
{
    return TestMedia::make("h264_aac_1280x720_25fps_40s.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=25:duration=40",
                            "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=40",
                            "-ac", "2", "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p",
                            "-c:a", "aac", "-shortest"});
}

// Every regular file below folder (hidden ones included).
QStringList filesBelow(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

} // namespace

class TestTermination : public QObject
{
    Q_OBJECT

private slots:
    void requestEndsTheProgramWithSoundOn_data();
    void requestEndsTheProgramWithSoundOn();
    void requestDuringConversionRemovesThePartialOutput_data();
    void requestDuringConversionRemovesThePartialOutput();

private:
    void addSignalRows();
};

void TestTermination::addSignalRows()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("TERM") << int(SIGTERM);
    QTest::newRow("INT") << int(SIGINT);
    QTest::newRow("HUP") << int(SIGHUP);
}

void TestTermination::requestEndsTheProgramWithSoundOn_data() { addSignalRows(); }

void TestTermination::requestEndsTheProgramWithSoundOn()
{
    QFETCH(int, signalNumber);
    const QString source = TestMedia::h264AacMp4();
    QVERIFY(!source.isEmpty());
    QTemporaryDir home;
    ShippedProgram program(home.path());
    program.start(source, false);
    QVERIFY(program.process.waitForStarted(10000));
    const bool opened = program.waitForLine("opened", TestTiming::scaled(30000));
    if (!opened)
        program.stop();
    QVERIFY2(opened, qPrintable(program.report()));

    ::kill(pid_t(program.process.processId()), signalNumber);
    const bool ended = program.process.waitForFinished(TestTiming::scaled(3000));
    program.stop();
    QVERIFY2(ended, "the program is still running after the request");
    // Ended by its own hand, not by the signal's default action.
    QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.process.exitCode(), 0);
}

void TestTermination::requestDuringConversionRemovesThePartialOutput_data() { addSignalRows(); }

void TestTermination::requestDuringConversionRemovesThePartialOutput()
{
    QFETCH(int, signalNumber);
    const QString source = longSource();
    QVERIFY(!source.isEmpty());
    QTemporaryDir home;
    ShippedProgram program(home.path());
    // Encoding, not the lossless copy, so that the run lasts a while.
    QVERIFY(QDir().mkpath(program.dataDir()));
    QFile settings(program.dataDir() + "/VideoDefaultSetting.xml");
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("<ROOTITEM>\n    <LOSSLESS_ITEM Lossless_convert=\"N\"/>\n</ROOTITEM>\n");
    settings.close();

    program.start(source, true);
    QVERIFY(program.process.waitForStarted(10000));
    const bool started = program.waitForLine("started", TestTiming::scaled(60000));
    if (!started)
        program.stop();
    QVERIFY2(started, qPrintable(program.report()));
    // The request comes once the output is being written.
    const auto writing = [&] {
        for (const QString &file : filesBelow(program.outputRoot())) {
            if (QFileInfo(file).size() > 0)
                return true;
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(writing(), TestTiming::scaled(30000));

    ::kill(pid_t(program.process.processId()), signalNumber);
    const bool ended = program.process.waitForFinished(TestTiming::scaled(3000));
    program.stop();
    QVERIFY2(ended, "the program is still running after the request");
    QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.process.exitCode(), 0);
    QVERIFY2(program.report().split('\n').contains("modal QVelMessageBox") == false, qPrintable(program.report()));
    QCOMPARE(filesBelow(program.outputRoot()), QStringList());

    // The settings are whole and keep what was stored.
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QDomDocument document;
    QVERIFY(document.setContent(&settings));
    QCOMPARE(document.documentElement().firstChildElement("LOSSLESS_ITEM").attribute("Lossless_convert"),
             QString("N"));
}

QTEST_GUILESS_MAIN(TestTermination)
#include "tst_termination.moc"
