#include "QAudioOperationForm.h"
#include "QPanelChooser.h"
#include "QSubtitleOperationForm.h"
#include "QVideoEditingSettings.h"
#include "QWatermarkOperationForm.h"
#include "TestMedia.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

#include <unistd.h>

namespace {
// Keeps the model's records without a preview behind them.
class SilentPlayer : public VelPlayerManager
{
};

QByteArray chosenFile(const VEEditConfig& cfg, const QByteArray& kind)
{
    if (kind == "picture")
        return cfg.m_watermark.m_imageSettings.m_imageFile;
    if (kind == "sound")
        return cfg.m_audioBackground.m_file;
    return cfg.m_programValue.m_subtitleFile;
}
}

// A file picked in a panel is recorded by the bytes that name it on disk, so the
// preview and the conversion open it under any locale, not only a UTF-8 one.
class TestChosenNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void recordedAsNamedOnDisk_data();
    void recordedAsNamedOnDisk();

private:
    QTextCodec* m_codec = nullptr;
    QTemporaryDir m_dir;
};

void TestChosenNames::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_codec = QTextCodec::codecForLocale();
    // A Latin-1 locale: "é" is one byte on disk, two in UTF-8.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
}

void TestChosenNames::cleanupTestCase()
{
    // Removed while the names still decode, or the folder would stay behind.
    QVERIFY(m_dir.remove());
    QTextCodec::setCodecForLocale(m_codec);
    QPanelChooser::setFileChooser({});
    QPanelChooser::setMessageHandler({});
}

void TestChosenNames::recordedAsNamedOnDisk_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QByteArray>("suffix");
    QTest::newRow("watermark picture") << QByteArray("picture") << TestMedia::tinyPng() << QByteArray(".png");
    QTest::newRow("background sound") << QByteArray("sound") << TestMedia::sineWav() << QByteArray(".wav");
    QTest::newRow("subtitle file") << QByteArray("subtitle") << QString() << QByteArray(".srt");
}

void TestChosenNames::recordedAsNamedOnDisk()
{
    QFETCH(QByteArray, kind);
    QFETCH(QString, fixture);
    QFETCH(QByteArray, suffix);

    const QByteArray onDisk = QFile::encodeName(m_dir.path()) + "/caf\xe9-" + kind + suffix;
    const QString chosen = QFile::decodeName(onDisk);
    QVERIFY(chosen.endsWith(QStringLiteral("caf\u00e9-") + QString::fromLatin1(kind + suffix)));
    QFile file(chosen);
    QVERIFY(file.open(QIODevice::WriteOnly));
    if (fixture.isEmpty()) {
        file.write("1\n00:00:01,000 --> 00:00:02,000\nhello\n\n");
    } else {
        QFile source(fixture);
        QVERIFY(source.open(QIODevice::ReadOnly));
        file.write(source.readAll());
    }
    file.close();
    QCOMPARE(::access(onDisk.constData(), R_OK), 0);

    QStringList warnings;
    QPanelChooser::setMessageHandler([&](QWidget*, const QString& message) { warnings << message; });
    QPanelChooser::setFileChooser([&](QWidget*, const QString&, const QString&, const QString&) { return chosen; });

    SilentPlayer player;
    QVideoEditingSettings model;
    model.setPlayerManager(&player);
    VEEditConfig cfg;
    model.setConfigSettings(cfg);
    std::unique_ptr<QWidget> panel;
    const char* slot = nullptr;
    if (kind == "picture") {
        auto* form = new QWatermarkOperationForm;
        form->setEditSettings(&model);
        panel.reset(form);
        slot = "onSetAddWKImg";
    } else if (kind == "sound") {
        auto* form = new QAudioOperationForm;
        form->setEditSettings(&model);
        panel.reset(form);
        slot = "onSetBgVoice";
    } else {
        auto* form = new QSubtitleOperationForm;
        form->setEditSettings(&model);
        panel.reset(form);
        slot = "onSetFamily";
    }
    QVERIFY(QMetaObject::invokeMethod(panel.get(), slot));
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    QCOMPARE(chosenFile(model.getEditConfig(), kind), onDisk);
}

QTEST_MAIN(TestChosenNames)
#include "tst_chosennames.moc"
