// The Audio panel over an editing model without a player: the track combo and
// the choice it writes, volume and weight from sliders and edits, the
// sound-effect packs, the background file and Reset.
#include "TestAudioPacks.h"
#include "TestMedia.h"

#include "QAudioOperationForm.h"
#include "QComboboxCheckbox.h"
#include "QHorizontalListItem.h"
#include "QPanelChooser.h"
#include "QVideoEditingSettings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
EVAudioTrack track(const char* name, bool selected)
{
    EVAudioTrack t;
    t.m_bSelected = selected ? 1 : 0;
    t.m_trackInfo.m_displayText = name;
    return t;
}

QList<EVAudioTrack> tracks(const QStringList& names, const QList<bool>& selected)
{
    QList<EVAudioTrack> list;
    for (int i = 0; i < names.size(); ++i)
        list << track(names.at(i).toUtf8().constData(), selected.value(i));
    return list;
}

// Rows as "text" with "*" when checked, current row marked by ">".
QStringList rowsOf(QCheckboxCombobox* combo)
{
    QStringList rows;
    for (int r = 0; r < combo->count(); ++r)
        rows << (r == combo->currentIndex() ? ">" : "") + combo->itemText(r) + (combo->itemCheckState(r) ? "*" : "");
    return rows;
}

QList<bool> selection(const QVideoEditingSettings& model)
{
    QList<bool> flags;
    VEEditConfig cfg;
    model.getEditConfig(cfg);
    for (const EVAudioTrack& t : cfg.m_audioTracks)
        flags << (t.m_bSelected != 0);
    return flags;
}

QHorizontalListItem* packItem(QAudioOperationForm& form, int index)
{
    // Children come in the order the list made them.
    return form.m_effectsList->findChildren<QHorizontalListItem*>().value(index);
}
}

class tst_AudioPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void comboFollowsTheRecord_data();
    void comboFollowsTheRecord();
    void losslessChecksWriteTheChoice();
    void encodingChoiceByRowNotByText();
    void slidersAndEdits_data();
    void slidersAndEdits();
    void soundEffectPacks();
    void backgroundFileIsCheckedOnce_data();
    void backgroundFileIsCheckedOnce();
    void resetRestoresDefaults_data();
    void resetRestoresDefaults();

private:
    void load(QAudioOperationForm& form, QVideoEditingSettings& model, const VEEditConfig& cfg);

    QTemporaryDir m_root;
};

void tst_AudioPanel::initTestCase()
{
    QVERIFY(TestAudioPacks::install(
        m_root.path(), {{"00_none", TestAudioPacks::pack("None", {})},
                        {"01_two_bands", TestAudioPacks::pack("Two", "<B hz=\"1000\" db=\"12\"/><B hz=\"60\" db=\"-3\"/>")},
                        {"02_slow", TestAudioPacks::pack("Slow", {}, 90)}}));
}

void tst_AudioPanel::cleanup()
{
    QPanelChooser::setFileChooser({});
    QPanelChooser::setMessageHandler({});
}

void tst_AudioPanel::load(QAudioOperationForm& form, QVideoEditingSettings& model, const VEEditConfig& cfg)
{
    model.setEditConfig(cfg);
    form.setEditSettings(&model);
    form.resize(1040, 202);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
}

void tst_AudioPanel::comboFollowsTheRecord_data()
{
    QTest::addColumn<bool>("lossless");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<bool>>("selected");
    QTest::addColumn<int>("audioType");
    QTest::addColumn<int>("audioIndex");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("lossless, no tracks") << true << QStringList() << QList<bool>() << 0 << 0
                                         << QStringList{">No Audio"};
    QTest::newRow("encoding, no tracks") << false << QStringList() << QList<bool>() << 0 << 0
                                         << QStringList{">No Audio*"};
    QTest::newRow("lossless, all kept") << true << QStringList{"A", "B", "C"} << QList<bool>{true, true, true} << 0
                                        << 0 << QStringList{"No Audio", ">All Audio*", "A*", "B*", "C*"};
    QTest::newRow("lossless, some kept") << true << QStringList{"A", "B"} << QList<bool>{false, true} << 0 << 1
                                         << QStringList{"No Audio", "All Audio", ">A", "B*"};
    QTest::newRow("lossless, none") << true << QStringList{"A", "B"} << QList<bool>{true, false} << -1 << 1
                                    << QStringList{">No Audio*", "All Audio", "A*", "B"};
    QTest::newRow("encoding, second") << false << QStringList{"A", "B"} << QList<bool>{false, true} << 0 << 1
                                      << QStringList{"No Audio", "A", ">B*"};
    QTest::newRow("encoding, none") << false << QStringList{"A", "B"} << QList<bool>{true, false} << -1 << 0
                                    << QStringList{">No Audio*", "A", "B"};
    // An index the list does not hold shows "No Audio" current, not a wrong row.
    QTest::newRow("encoding, index outside") << false << QStringList{"A"} << QList<bool>{true} << 0 << 7
                                             << QStringList{">No Audio*", "A"};
}

void tst_AudioPanel::comboFollowsTheRecord()
{
    QFETCH(bool, lossless);
    QFETCH(QStringList, names);
    QFETCH(QList<bool>, selected);
    QFETCH(int, audioType);
    QFETCH(int, audioIndex);
    QFETCH(QStringList, rows);

    VEEditConfig cfg;
    cfg.m_bLossless = lossless;
    cfg.m_audioTracks = tracks(names, selected);
    cfg.m_programValue.audioType = audioType;
    cfg.m_programValue.m_audioIndex = audioIndex;
    QVideoEditingSettings model;
    QAudioOperationForm form;
    load(form, model, cfg);
    QCOMPARE(rowsOf(form.m_cbbAudioList), rows);
    QCOMPARE(form.m_cbbAudioList->checkMode(), lossless);
    // Building the rows wrote nothing back.
    QCOMPARE(selection(model), selected);
    QCOMPARE(model.getEditConfig().m_programValue.audioType, audioType);
}

void tst_AudioPanel::losslessChecksWriteTheChoice()
{
    VEEditConfig cfg;
    cfg.m_bLossless = true;
    cfg.m_audioTracks = tracks({"A", "B", "C"}, {false, true, false});
    cfg.m_programValue.m_audioIndex = 1;
    QVideoEditingSettings model;
    QAudioOperationForm form;
    load(form, model, cfg);
    QCheckboxCombobox* combo = form.m_cbbAudioList;
    const auto click = [combo](int row) { combo->checkBox(row)->click(); };
    VEProgramValueInfo program;

    click(3); // the last checked track
    model.getProgramValueInfo(program);
    QCOMPARE(program.audioType, -1);
    QCOMPARE(selection(model), (QList<bool>{false, false, false}));
    QVERIFY(combo->itemCheckState(0));

    click(4);
    model.getProgramValueInfo(program);
    QCOMPARE(program.audioType, 0);
    QCOMPARE(program.m_audioIndex, 2);
    QVERIFY(!combo->itemCheckState(0));
    QVERIFY(!combo->itemCheckState(1));

    click(1); // "All Audio"
    model.getProgramValueInfo(program);
    QCOMPARE(selection(model), (QList<bool>{true, true, true}));
    QCOMPARE(program.audioType, 0);
    QCOMPARE(program.m_audioIndex, 0);
    QVERIFY(!combo->itemCheckState(0));

    click(0); // "No Audio"
    model.getProgramValueInfo(program);
    QCOMPARE(selection(model), (QList<bool>{false, false, false}));
    QCOMPARE(program.audioType, -1);
    for (int row = 1; row < combo->count(); ++row)
        QVERIFY(!combo->itemCheckState(row));
}

// A track may carry any name, the captions included: only the row's data
// decides what choosing it means.
void tst_AudioPanel::encodingChoiceByRowNotByText()
{
    VEEditConfig cfg;
    cfg.m_audioTracks = tracks({"A", "No Audio", "All Audio"}, {true, false, false});
    QVideoEditingSettings model;
    QAudioOperationForm form;
    load(form, model, cfg);
    QCheckboxCombobox* combo = form.m_cbbAudioList;
    VEProgramValueInfo program;

    combo->setCurrentIndex(2);
    model.getProgramValueInfo(program);
    QCOMPARE(selection(model), (QList<bool>{false, true, false}));
    QCOMPARE(program.audioType, 0);
    QCOMPARE(program.m_audioIndex, 1);

    combo->setCurrentIndex(3);
    model.getProgramValueInfo(program);
    QCOMPARE(selection(model), (QList<bool>{false, false, true}));
    QCOMPARE(program.audioType, 0);
    QCOMPARE(program.m_audioIndex, 2);

    combo->setCurrentIndex(0);
    model.getProgramValueInfo(program);
    QCOMPARE(selection(model), (QList<bool>{false, false, false}));
    QCOMPARE(program.audioType, -1);
}

void tst_AudioPanel::slidersAndEdits_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QVariant>("input"); // a fraction for sliders, typed text for edits
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("volume"); // audio and background volume
    QTest::addColumn<int>("weight");

    QTest::newRow("volume slider truncates") << "m_sliderVolume" << QVariant(0.7555) << "151" << 151 << 50;
    QTest::newRow("weight slider truncates") << "m_sliderBgVoice" << QVariant(0.999) << "99" << 100 << 99;
    QTest::newRow("volume above the top") << "m_leVolumeValue" << QVariant("250") << "200" << 200 << 50;
    QTest::newRow("volume typed") << "m_leVolumeValue" << QVariant("50") << "50" << 50 << 50;
    QTest::newRow("weight typed") << "m_leBgVoiceValue" << QVariant("100") << "100" << 100 << 100;
    QTest::newRow("weight above the top") << "m_leBgVoiceValue" << QVariant("1000") << "100" << 100 << 100;
}

void tst_AudioPanel::slidersAndEdits()
{
    QFETCH(QString, control);
    QFETCH(QVariant, input);
    QFETCH(QString, shown);
    QFETCH(int, volume);
    QFETCH(int, weight);

    QVideoEditingSettings model;
    QAudioOperationForm form;
    load(form, model, VEEditConfig());
    QCOMPARE(form.m_leBgVoiceValue->text(), QString("50"));
    QCOMPARE(form.m_leVolumeValue->text(), QString("100"));
    QLineEdit* shownIn = control.contains("Volume") ? static_cast<QLineEdit*>(form.m_leVolumeValue)
                                                    : static_cast<QLineEdit*>(form.m_leBgVoiceValue);
    if (auto* slider = form.findChild<QVelBaseSlider*>(control)) {
        emit slider->sendProgressValue(input.toDouble());
    } else {
        auto* edit = form.findChild<QLineEdit*>(control);
        edit->selectAll();
        QTest::keyClicks(edit, input.toString());
    }
    QCOMPARE(shownIn->text(), shown);
    VEAudioSettings audio;
    model.getAudioSettings(audio);
    VEAudioBackgroundSettings bg;
    model.getAudioBackgroundSettings(bg);
    QCOMPARE(int(audio.m_effect.m_volume), volume);
    QCOMPARE(int(bg.m_volume), volume);
    QCOMPARE(int(bg.m_weight), weight);
}

void tst_AudioPanel::soundEffectPacks()
{
    QVideoEditingSettings model;
    QAudioOperationForm form;
    load(form, model, VEEditConfig());
    QCOMPARE(form.m_effectsList->getCurrentIndex(), 0);
    QSignalSpy chosen(form.m_effectsList, &QHorizontalListFrom::currentIndexChanged);
    QTest::mousePress(packItem(form, 0), Qt::LeftButton);
    QCOMPARE(chosen.size(), 0);

    QTest::mousePress(packItem(form, 1), Qt::LeftButton);
    VEAudioSettings audio;
    model.getAudioSettings(audio);
    QCOMPARE(audio.m_equalize.count(), 2);
    QCOMPARE(audio.m_equalize.frequency(0), 60.0);
    QCOMPARE(audio.m_equalize.gain(0), -3.0);
    QCOMPARE(audio.m_equalize.frequency(1), 1000.0);
    QCOMPARE(audio.m_equalize.gain(1), 12.0);
    QCOMPARE(audio.m_effectIndex, uint64_t(1));

    QTest::mousePress(packItem(form, 2), Qt::LeftButton);
    model.getAudioSettings(audio);
    QCOMPARE(audio.m_equalize.count(), 0);
    QCOMPARE(audio.m_effect.m_rate, 90u);
    QCOMPARE(audio.m_effectIndex, uint64_t(2));
    QCOMPARE(audio.m_effect.m_volume, 100u);

    // After Reset nothing is highlighted, so the first pack applies again.
    form.reset();
    QCOMPARE(form.m_effectsList->getCurrentIndex(), -1);
    QVERIFY(model.getEditConfig().m_audioSettings == VEAudioSettings());
    chosen.clear();
    QTest::mousePress(packItem(form, 0), Qt::LeftButton);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(form.m_effectsList->getCurrentIndex(), 0);
}

void tst_AudioPanel::backgroundFileIsCheckedOnce_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("tone") << TestMedia::sineWav() << true;
    QTest::newRow("clip with sound") << TestMedia::h264AacMp4() << true;
    QTest::newRow("picture named mp3") << "picture.mp3" << false;
    QTest::newRow("noise named mp3") << "noise.mp3" << false;
    QTest::newRow("empty mp3") << "empty.mp3" << false;
    QTest::newRow("silent video") << "silent.mp4" << false;
}

void tst_AudioPanel::backgroundFileIsCheckedOnce()
{
    QFETCH(QString, file);
    QFETCH(bool, accepted);

    QTemporaryDir dir;
    if (file == "picture.mp3") {
        QVERIFY(QFile::copy(TestMedia::tinyPng(), dir.filePath(file)));
    } else if (file == "noise.mp3" || file == "empty.mp3") {
        QFile out(dir.filePath(file));
        QVERIFY(out.open(QIODevice::WriteOnly));
        if (file == "noise.mp3") {
            QByteArray bytes(4096, '\0');
            for (int i = 0; i < bytes.size(); ++i)
                bytes[i] = char((i * 7919 + 13) % 251);
            out.write(bytes);
        }
    } else if (file == "silent.mp4") {
        file = TestMedia::make("audio_panel_silent.mp4", {"-f", "lavfi", "-i", "testsrc=size=64x48:rate=10:duration=1",
                                                          "-c:v", "mpeg4"});
        QVERIFY(!file.isEmpty());
    }
    if (!QFileInfo(file).isAbsolute())
        file = dir.filePath(file);
    QVERIFY(QFileInfo::exists(file));

    VEEditConfig cfg;
    cfg.m_trimStart = 2000000;
    cfg.m_audioBackground.m_showStart = 123;
    cfg.m_audioBackground.m_showEnd = 456;
    QVideoEditingSettings model;
    model.setIsWatermarkAudioStartTime(true);
    QAudioOperationForm form;
    load(form, model, cfg);

    QString dirAsked, filter;
    QPanelChooser::setFileChooser([&](QWidget*, const QString&, const QString& d, const QString& f) {
        dirAsked = d;
        filter = f;
        return file;
    });
    QStringList warnings;
    QPanelChooser::setMessageHandler([&](QWidget*, const QString& m) { warnings << m; });
    VEAudioBackgroundSettings before;
    model.getAudioBackgroundSettings(before);
    form.m_btnSetBgVoice->click();

    QCOMPARE(dirAsked, QDir::homePath());
    const QStringList audioPatterns = filter.section(";;", 0, 0).section("(", 1).section(")", 0, 0).split(' ');
    QVERIFY(QDir::match(audioPatterns, "x.mp3") && QDir::match(audioPatterns, "X.MP3"));
    QVERIFY(QDir::match(audioPatterns, "a.flac"));
    QVERIFY(filter.endsWith(";;All files (*)"));

    VEAudioBackgroundSettings bg;
    model.getAudioBackgroundSettings(bg);
    if (accepted) {
        QVERIFY(warnings.isEmpty());
        QCOMPARE(bg.m_file, file.toUtf8());
        QCOMPARE(form.m_leBgVoicePath->text(), file);
        QCOMPARE(bg.m_showStart, uint64_t(2000000));
        QCOMPARE(bg.m_showEnd, uint64_t(0));
    } else {
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().contains(QFileInfo(file).fileName()), qPrintable(warnings.first()));
        QVERIFY(bg == before);
        QVERIFY(form.m_leBgVoicePath->text().isEmpty());
    }
}

void tst_AudioPanel::resetRestoresDefaults_data()
{
    QTest::addColumn<bool>("lossless");
    QTest::addColumn<int>("trackCount");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("audioType");

    QTest::newRow("encoding") << false << 2 << QStringList{"No Audio", ">A*", "B"} << 0;
    QTest::newRow("lossless") << true << 2 << QStringList{"No Audio", ">All Audio*", "A*", "B*"} << 0;
    QTest::newRow("lossless, no tracks") << true << 0 << QStringList{">No Audio*"} << -1;
}

void tst_AudioPanel::resetRestoresDefaults()
{
    QFETCH(bool, lossless);
    QFETCH(int, trackCount);
    QFETCH(QStringList, rows);
    QFETCH(int, audioType);

    VEEditConfig cfg;
    cfg.m_bLossless = lossless;
    cfg.m_audioTracks = tracks(QStringList{"A", "B"}.mid(0, trackCount), {false, true});
    cfg.m_programValue.audioType = trackCount ? 0 : -1;
    cfg.m_programValue.m_audioIndex = 1;
    cfg.m_audioBackground.m_file = "/somewhere/else.wav";
    cfg.m_audioBackground.m_weight = 7;
    cfg.m_audioSettings.m_effect.m_volume = 30;
    QVideoEditingSettings model;
    QAudioOperationForm form;
    load(form, model, cfg);
    QCOMPARE(form.m_leBgVoicePath->text(), QString("/somewhere/else.wav"));

    emit form.m_buttonFrom->emitReset();
    VEEditConfig after;
    model.getEditConfig(after);
    QVERIFY(after.m_audioBackground == VEAudioBackgroundSettings());
    QVERIFY(after.m_audioSettings == VEAudioSettings());
    QCOMPARE(after.m_programValue.audioType, audioType);
    QCOMPARE(after.m_programValue.m_audioIndex, 0);
    QCOMPARE(rowsOf(form.m_cbbAudioList), rows);
    QVERIFY(form.m_leBgVoicePath->text().isEmpty());
    QCOMPARE(form.m_leVolumeValue->text(), QString("100"));
    QCOMPARE(form.m_leBgVoiceValue->text(), QString("50"));
}

QTEST_MAIN(tst_AudioPanel)
#include "tst_audiopanel.moc"
