// The Audio tab inside the real editing dialog, opened from the segment
// manager, and what its edits do to the converted segment as the ffmpeg tools
// hear it: level, a background tone, an equaliser band, no sound at all, and
// the source's tags carried into the output.
#include "EditingDlgDriver.h"
#include "TestAudioPacks.h"
#include "TestMedia.h"
#include "TestProfiles.h"

#include "QAttributeSettingHolder.h"
#include "QAudioOperationForm.h"
#include "QAudioTagForm.h"
#include "QConverterOperate.h"
#include "QHorizontalListItem.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QPanelChooser.h"
#include "QProgressIndicator.h"
#include "QVelBaseTextEdit.h"
#include "QVideoConvertItem.h"
#include "QVideoCutManageDlg.h"
#include "QVideoEditTag.h"
#include "QVideoEditingDlg.h"
#include "QVideoEditingSettings.h"
#include "QVideoSettingXml.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
// Overall RMS level in dB of [start, start + length) seconds after the filter.
double levelDb(const QString& file, const QString& filter, double start, double length)
{
    const QString chain = (filter.isEmpty() ? QString() : filter + ",") + "astats=measure_perchannel=none";
    const TestMedia::ToolResult r =
        TestMedia::run("ffmpeg", {"-hide_banner", "-nostats", "-ss", QString::number(start), "-t",
                                  QString::number(length), "-i", file, "-vn", "-af", chain, "-f", "null", "-"});
    const QRegularExpression rms("RMS level dB: (-?[0-9.]+|-inf)");
    QRegularExpressionMatchIterator it = rms.globalMatch(QString::fromUtf8(r.err));
    double level = qQNaN();
    while (it.hasNext()) {
        const QString v = it.next().captured(1);
        level = v == "-inf" ? -200.0 : v.toDouble();
    }
    return level;
}

QString band(int hz) { return QStringLiteral("bandpass=f=%1:width_type=q:width=4").arg(hz); }

int audioStreams(const QString& file)
{
    const QJsonObject probe = QJsonDocument::fromJson(TestMedia::ffprobeJson(file, {"-show_streams"})).object();
    int count = 0;
    for (const QJsonValue& s : probe.value("streams").toArray())
        count += s.toObject().value("codec_type").toString() == "audio" ? 1 : 0;
    return count;
}

QJsonObject formatTags(const QString& file)
{
    const QJsonObject probe = QJsonDocument::fromJson(TestMedia::ffprobeJson(file, {"-show_format"})).object();
    return probe.value("format").toObject().value("tags").toObject();
}
}

class TestAudioDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void editsReachTheOutput_data();
    void editsReachTheOutput();
    void tagsLoadAndReachTheOutput();
    void corruptFilesChangeNothing();

private:
    void addSegment(const QString& file, double start, double end);
    bool edit(const std::function<void(QVideoEditingDlg*)>& steps) { return m_driver.edit(0, steps); }
    QAudioOperationForm* openAudioTab(QVideoEditingDlg* dlg);
    // Converts the segment with a preset; returns the one output file.
    QString convert(const char* category, const char* id);

    QTemporaryDir m_packs;
    QString m_clip;
    QString m_tone;
    QString m_tagged;
    EditingDlgDriver m_driver;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestAudioDlg::initTestCase()
{
    qRegisterMetaType<uint64_t>("uint64_t");
    QVERIFY(TestAudioPacks::install(
        m_packs.path(), {{"00_none", TestAudioPacks::pack("None", {})},
                         {"01_presence", TestAudioPacks::pack("Presence", "<Band hz=\"1000\" db=\"12\"/>")}}));
    // White noise, so that every band has something to raise.
    m_clip = TestMedia::make("audio_dlg_noise_stereo.mkv",
                             {"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=4", "-f", "lavfi", "-i",
                              "anoisesrc=color=white:amplitude=0.2:sample_rate=44100:duration=4", "-ac", "2", "-c:v", "libx264",
                              "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "pcm_s16le"});
    m_tone = TestMedia::make("audio_dlg_tone_3k.wav",
                             {"-f", "lavfi", "-i", "sine=frequency=3000:sample_rate=44100:duration=4", "-c:a",
                              "pcm_s16le"});
    m_tagged = TestMedia::make("audio_dlg_tagged.mp3",
                               {"-f", "lavfi", "-i", "sine=frequency=440:duration=3", "-i", TestMedia::tinyPng(),
                                "-map", "0:a", "-map", "1:v", "-c:a", "libmp3lame", "-c:v", "png", "-disposition:v",
                                "attached_pic", "-id3v2_version", "3", "-metadata", "title=Grüße vom Band",
                                "-metadata", "artist=Test Artist", "-metadata", "album=Fixtures", "-metadata",
                                "track=03/012", "-metadata", "date=1999", "-metadata", "comment=<b>bold</b> & co"});
    QVERIFY(!m_clip.isEmpty() && !m_tone.isEmpty() && !m_tagged.isEmpty());
}

void TestAudioDlg::init()
{
    QAttributeSettingHolder::attributeSetting()->bLossless = false;
    m_out.reset(new QTemporaryDir);
    QVERIFY(m_driver.showPanel());
}

void TestAudioDlg::cleanup()
{
    m_driver.closePanel();
    QPanelChooser::setFileChooser({});
    QPanelChooser::setMessageHandler({});
}

void TestAudioDlg::addSegment(const QString& file, double start, double end)
{
    QVERIFY(m_driver.addSegment(file, true, EditingDlgDriver::Range{start, end}));
}

QAudioOperationForm* TestAudioDlg::openAudioTab(QVideoEditingDlg* dlg)
{
    QTest::mouseClick(dlg->editTag()->buttons().at(QVideoEditingDlg::TabAudio), Qt::LeftButton);
    return dlg->currentTab() == QVideoEditingDlg::TabAudio && dlg->audioForm()->isVisible() ? dlg->audioForm()
                                                                                            : nullptr;
}

QString TestAudioDlg::convert(const char* category, const char* id)
{
    EditingDlgDriver::setOutput(m_out->path(),
                                VelVideoConvertManager::getConvertManagerObject()->GetItem(0)->getFilePath(), category,
                                id);
    QStringList messages;
    if (!m_driver.runConversion(messages) || !messages.isEmpty())
        return QString();
    const QStringList outputs = EditingDlgDriver::filesBelow(m_out->path());
    return outputs.size() == 1 ? outputs.first() : QString();
}

void TestAudioDlg::editsReachTheOutput_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("volume 50") << "volume";
    QTest::newRow("background tone at weight 50") << "background";
    QTest::newRow("sound effect +12 dB at 1 kHz") << "effect";
    QTest::newRow("No Audio") << "none";
}

// The segment runs from 1 s to 3 s of the source, so the output's first
// second is the source's second one.
void TestAudioDlg::editsReachTheOutput()
{
    QFETCH(QString, change);
    addSegment(m_clip, 1, 3);
    QStringList warnings;
    QPanelChooser::setMessageHandler([&](QWidget*, const QString& m) { warnings << m; });
    QPanelChooser::setFileChooser([this](QWidget*, const QString&, const QString&, const QString&) { return m_tone; });
    QVERIFY(edit([&](QVideoEditingDlg* dlg) {
        QAudioOperationForm* form = openAudioTab(dlg);
        QVERIFY(form);
        if (change == "volume") {
            form->m_leVolumeValue->selectAll();
            QTest::keyClicks(form->m_leVolumeValue, "50");
        } else if (change == "background") {
            QTest::mouseClick(form->m_btnSetBgVoice, Qt::LeftButton);
            QCOMPARE(form->m_leBgVoicePath->text(), m_tone);
            form->m_leBgVoiceValue->selectAll();
            QTest::keyClicks(form->m_leBgVoiceValue, "50");
        } else if (change == "effect") {
            QHorizontalListItem* presence = form->m_effectsList->findChildren<QHorizontalListItem*>().value(1);
            QVERIFY(presence);
            QTest::mousePress(presence, Qt::LeftButton);
        } else {
            form->m_cbbAudioList->setCurrentIndex(0);
            QCOMPARE(dlg->editingSettings()->getEditConfig().m_programValue.audioType, -1);
        }
        QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
    }));
    QCOMPARE(warnings, QStringList());
    const VEEditConfig& cfg = VelVideoConvertManager::getConvertManagerObject()->GetItem(0)->m_editConfig;
    const QString out = convert("General Video", "4000");
    QVERIFY(!out.isEmpty());

    if (change == "none") {
        QCOMPARE(audioStreams(out), 0);
        return;
    }
    QCOMPARE(audioStreams(out), 1);
    // The encoder drops the top octave of the noise: levels are taken below it.
    const QString audible = QStringLiteral("lowpass=f=10000");
    if (change == "volume") {
        QCOMPARE(int(cfg.m_audioSettings.m_effect.m_volume), 50);
        const double source = levelDb(m_clip, audible, 1.2, 1.5);
        const double output = levelDb(out, audible, 0.2, 1.5);
        QVERIFY2(qAbs(output - source + 6.02) < 1.5, qPrintable(QString("%1 -> %2").arg(source).arg(output)));
    } else if (change == "background") {
        QCOMPARE(int(cfg.m_audioBackground.m_weight), 50);
        // In the noise every band is alike; the tone's band stands out from the
        // first moment of the segment to its end.
        for (double at : {0.05, 1.5}) {
            const double tone = levelDb(out, band(3000), at, 0.4);
            const double beside = levelDb(out, band(1500), at, 0.4);
            QVERIFY2(tone - beside > 10, qPrintable(QString("at %1: %2 vs %3").arg(at).arg(tone).arg(beside)));
        }
    } else if (change == "effect") {
        QCOMPARE(cfg.m_audioSettings.m_equalize.count(), 1);
        // The 1 kHz band against one two octaves away, before and after.
        const double source = levelDb(m_clip, band(1000), 1.2, 1.5) - levelDb(m_clip, band(4000), 1.2, 1.5);
        const double output = levelDb(out, band(1000), 0.2, 1.5) - levelDb(out, band(4000), 0.2, 1.5);
        QVERIFY2(output - source > 8 && output - source < 16,
                 qPrintable(QString("%1 -> %2").arg(source).arg(output)));
    }
}

// The tag panel's tab stays hidden, so its load step is run by hand here: it
// shows the tags as text and writes nothing back, and OK hands them on to the
// conversion unchanged.
void TestAudioDlg::tagsLoadAndReachTheOutput()
{
    addSegment(m_tagged, 0, 0);
    QVERIFY(edit([&](QVideoEditingDlg* dlg) {
        QVERIFY(dlg->editTag()->buttons().at(QVideoEditingDlg::TabTag)->isHidden());
        QAudioTagForm* tags = dlg->audioTagForm();
        QVERIFY(!tags->isVisible());
        VEAudioTagInfo before;
        dlg->editingSettings()->getAudioTagInfo(before);
        QCOMPARE(before.m_year, QByteArray("1999"));
        QCOMPARE(before.m_date, QByteArray("1999"));
        tags->loadingSetting();
        QCOMPARE(tags->m_editTitle->text(), QString::fromUtf8("Grüße vom Band"));
        QCOMPARE(tags->m_editArtist->text(), QString("Test Artist"));
        QCOMPARE(tags->m_editTrack1->text(), QString("03"));
        QCOMPARE(tags->m_editTrack2->text(), QString("012"));
        QCOMPARE(tags->m_editYear->text(), QString("1999"));
        QCOMPARE(tags->m_editComments->textEdit()->toPlainText(), QString("<b>bold</b> & co"));
        QVERIFY(tags->m_btnDelete->isVisibleTo(tags));
        QVERIFY(!QImage::fromData(before.m_cover).isNull());
        VEAudioTagInfo after;
        dlg->editingSettings()->getAudioTagInfo(after);
        QVERIFY(after == before);
        QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
    }));
    const QString out = convert("General Audio", "4100");
    QVERIFY(!out.isEmpty());
    const QJsonObject tags = formatTags(out);
    QCOMPARE(tags.value("title").toString(), QString::fromUtf8("Grüße vom Band"));
    QCOMPARE(tags.value("artist").toString(), QString("Test Artist"));
    QCOMPARE(tags.value("track").toString().section('/', 0, 0).toInt(), 3);
}

// Files that cannot serve as background audio or as a cover: each is named in
// a message, and the record, the path box and the tags stay as they were.
void TestAudioDlg::corruptFilesChangeNothing()
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("picture.mp3");
    QVERIFY(QFile::copy(TestMedia::tinyPng(), picture));
    const QString noise = dir.filePath("noise.mp3");
    const QString empty = dir.filePath("empty.mp3");
    const QString cut = dir.filePath("cut.mp3");
    {
        QFile n(noise), e(empty), c(cut), whole(m_tagged);
        QVERIFY(n.open(QIODevice::WriteOnly) && e.open(QIODevice::WriteOnly) && c.open(QIODevice::WriteOnly));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        n.write(QByteArray(3000, '\x5a'));
        // The tag header alone: the cover and the sound are cut away.
        c.write(whole.read(40));
    }
    const QString badCover = dir.filePath("cover.png");
    QVERIFY(QFile::copy(noise, badCover));

    addSegment(m_clip, 0, 2);
    QStringList warnings;
    QPanelChooser::setMessageHandler([&](QWidget*, const QString& m) { warnings << m; });
    QString answer;
    QPanelChooser::setFileChooser([&](QWidget*, const QString&, const QString&, const QString&) { return answer; });
    QVERIFY(edit([&](QVideoEditingDlg* dlg) {
        QAudioOperationForm* form = openAudioTab(dlg);
        QVERIFY(form);
        const VEEditConfig before = dlg->editingSettings()->getEditConfig();
        for (const QString& file : {picture, noise, empty, cut}) {
            answer = file;
            warnings.clear();
            QTest::mouseClick(form->m_btnSetBgVoice, Qt::LeftButton);
            QCOMPARE(warnings.size(), 1);
            QVERIFY2(warnings.first().contains(QFileInfo(file).fileName()), qPrintable(warnings.first()));
            QVERIFY2(dlg->editingSettings()->getEditConfig() == before, qPrintable(file));
            QVERIFY(form->m_leBgVoicePath->text().isEmpty());
        }
        for (const QString& file : {badCover, noise, empty}) {
            answer = file;
            warnings.clear();
            dlg->audioTagForm()->setTagImage();
            QCOMPARE(warnings.size(), 1);
            QVERIFY2(dlg->editingSettings()->getEditConfig() == before, qPrintable(file));
        }
        QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
    }));
    const VEEditConfig& cfg = VelVideoConvertManager::getConvertManagerObject()->GetItem(0)->m_editConfig;
    QVERIFY(cfg.m_audioBackground.m_file.isEmpty());
    QVERIFY(cfg.m_audioTagInfo.m_cover.isEmpty() || !QImage::fromData(cfg.m_audioTagInfo.m_cover).isNull());
}

QTEST_MAIN(TestAudioDlg)
#include "tst_audiodlg.moc"
