#include "EditingDlgDriver.h"
#include "TestMedia.h"
#include "TestProfiles.h"

#include "QAttributeSettingHolder.h"
#include "QComboboxCheckbox.h"
#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QPanelChooser.h"
#include "QProgressIndicator.h"
#include "QSubtitleOperationForm.h"
#include "QVideoConvertItem.h"
#include "QVideoCutManageDlg.h"
#include "QVideoEditTag.h"
#include "QVideoEditingDlg.h"
#include "QVideoEditingSettings.h"
#include "QVideoSettingXml.h"
#include "VelPlayerManager.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Where text was drawn: the rows and columns of pixels much brighter than the
// dark grey picture underneath.
QRect brightArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 160)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

QRect brightAreaAt(const QString& media, const QString& seconds, const QString& png)
{
    const TestMedia::ToolResult r =
        TestMedia::run("ffmpeg", {"-y", "-v", "error", "-ss", seconds, "-i", media, "-frames:v", "1", png});
    if (r.exitCode != 0)
        return QRect(-1, -1, 1, 1);
    return brightArea(QImage(png));
}

int subtitleStreams(const QString& media)
{
    const QJsonObject probe = QJsonDocument::fromJson(
        TestMedia::ffprobeJson(media, {"-show_streams", "-select_streams", "s"})).object();
    return probe.value("streams").toArray().size();
}
}

// The Subtitle tab inside the editing dialog, opened from the real segment
// manager over a dark 10 s MKV with two chapters and two SubRip tracks (the
// first shows 1-3 s, the second 5-8 s); the outputs are judged by ffmpeg.
class TestSubtitleDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sourceTrackShowsItsOwnText();
    void unreadableFileChangesNothing_data();
    void unreadableFileChangesNothing();
    void externalFileBurnedAtTopDuringItsCue();
    void losslessTracksCopied_data();
    void losslessTracksCopied();

private:
    void addSegments(int count);
    bool edit(int row, const std::function<void(QVideoEditingDlg*, QSubtitleOperationForm*)>& steps);
    QStringList convert();

    QString m_clip;
    QString m_external;
    EditingDlgDriver m_driver;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestSubtitleDlg::initTestCase()
{
    qRegisterMetaType<uint64_t>("uint64_t");
    const QString one = EditingDlgDriver::writeText("subdlg_one.srt", "1\n00:00:01,000 --> 00:00:03,000\nONE ONE\n\n");
    const QString two = EditingDlgDriver::writeText("subdlg_two.srt", "1\n00:00:05,000 --> 00:00:08,000\nTWO TWO\n\n");
    const QString meta = EditingDlgDriver::writeText("subdlg_chapters.txt", ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=4000\n"
                                                          "title=One\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=4000\nEND=10000\n"
                                                          "title=Two\n");
    m_clip = TestMedia::make("subdlg_clip.mkv",
                             {"-f", "lavfi", "-i", "color=c=0x202020:size=320x240:rate=25:duration=10", "-f", "lavfi",
                              "-i", "sine=frequency=440:duration=10", "-i", one, "-i", two, "-i", meta, "-map", "0:v",
                              "-map", "1:a", "-map", "2:s", "-map", "3:s", "-map_chapters", "4", "-c:v", "libx264",
                              "-g", "25", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-c:s", "srt"});
    QVERIFY(!m_clip.isEmpty());
    m_external = EditingDlgDriver::writeText("subdlg_external.srt", "1\n00:00:02,000 --> 00:00:04,000\nEXTERNAL\n\n");
}

void TestSubtitleDlg::init()
{
    QVideoSettingXml::GetItemValue("EDIT_REMIND_ITEM", "isEditRemind", "N");
    QVideoSettingXml::SetItemValue("EDIT_REMIND_ITEM", "isEditRemind", "N");
    m_out.reset(new QTemporaryDir);
    EditingDlgDriver::setOutput(m_out->path(), m_clip);
    QVERIFY(m_driver.showPanel());
}

void TestSubtitleDlg::cleanup()
{
    QPanelChooser::setFileChooser({});
    QPanelChooser::setMessageHandler({});
    m_driver.closePanel();
}

void TestSubtitleDlg::addSegments(int count)
{
    for (int i = 0; i < count; ++i)
        QVERIFY(m_driver.addSegment(m_clip, i == 0, EditingDlgDriver::Range{0, 10}));
}

// Opens the row's editor, switches to the Subtitle tab once loaded and runs the
// steps; returns whether they ran.
bool TestSubtitleDlg::edit(int row, const std::function<void(QVideoEditingDlg*, QSubtitleOperationForm*)>& steps)
{
    return m_driver.edit(row, [&](QVideoEditingDlg* dlg) {
        QTest::mouseClick(dlg->editTag()->buttons().at(QVideoEditingDlg::TabSubtitle), Qt::LeftButton);
        if (dlg->subtitleForm()->isVisible())
            steps(dlg, dlg->subtitleForm());
        else
            QWARN("the Subtitle tab did not show");
    });
}

QStringList TestSubtitleDlg::convert()
{
    QStringList messages;
    if (!m_driver.runConversion(messages))
        return {"still converting"};
    if (!messages.isEmpty())
        return messages;
    QStringList outputs = EditingDlgDriver::filesBelow(m_out->path() + "/Converted");
    outputs.sort();
    return outputs;
}

// The preview draws the chosen source track's own cues: the second track's
// text at 6 s and nothing at 2 s, the first track the other way round.
void TestSubtitleDlg::sourceTrackShowsItsOwnText()
{
    addSegments(1);
    QTemporaryDir shots;
    QVERIFY(edit(0, [&](QVideoEditingDlg* dlg, QSubtitleOperationForm* form) {
        QCheckboxCombobox* list = form->m_cbbSubtitleList;
        const VEEditConfig& cfg = dlg->editingSettings()->getEditConfig();
        QCOMPARE(cfg.m_subtitleTracks.size(), 2);
        const QStringList rows{"No Subtitle", QString::fromUtf8(cfg.m_subtitleTracks.at(0).m_trackInfo.m_displayText),
                               QString::fromUtf8(cfg.m_subtitleTracks.at(1).m_trackInfo.m_displayText),
                               "Video Internet CC"};
        QStringList shown;
        for (int row = 0; row < list->count(); ++row)
            shown << list->itemText(row);
        QCOMPARE(shown, rows);
        QCOMPARE(list->currentIndex(), 0);

        VelPlayerManager* player = dlg->playerManager();
        player->onPause();
        const auto textAt = [&](double fraction) {
            player->progressValueChange(fraction);
            const QString png = shots.path() + "/preview.png";
            QFile::remove(png);
            return player->captureImage(png, "png") ? brightArea(QImage(png)) : QRect(-1, -1, 1, 1);
        };
        list->setCurrentIndex(2);
        QCOMPARE(cfg.m_programValue.subtlType, 0);
        QCOMPARE(cfg.m_programValue.m_subtitleIndex, 1);
        QCOMPARE(cfg.m_subtitleTracks.at(0).m_bSelected, uint8_t(0));
        QCOMPARE(cfg.m_subtitleTracks.at(1).m_bSelected, uint8_t(1));
        QTRY_VERIFY_WITH_TIMEOUT(textAt(0.6).height() > 4, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(textAt(0.2).isEmpty(), 20000);

        list->setCurrentIndex(1);
        QCOMPARE(cfg.m_programValue.m_subtitleIndex, 0);
        QCOMPARE(cfg.m_subtitleTracks.at(1).m_bSelected, uint8_t(0));
        QTRY_VERIFY_WITH_TIMEOUT(textAt(0.2).height() > 4, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(textAt(0.6).isEmpty(), 20000);
        QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
    }));
    const VEEditConfig& kept = VelVideoConvertManager::getConvertManagerObject()->GetItem(0)->m_editConfig;
    QCOMPARE(kept.m_programValue.subtlType, 0);
    QCOMPARE(kept.m_programValue.m_subtitleIndex, 0);
}

void TestSubtitleDlg::unreadableFileChangesNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("sound named .srt") << TestMedia::make(
        "subdlg_sound.srt", {"-f", "lavfi", "-i", "sine=frequency=440:duration=0.5", "-f", "wav"});
    QTest::newRow("text without cues") << EditingDlgDriver::writeText("subdlg_nocues.srt", "no cue here\nat all\n");
}

// The message names the file; the list and the record stay as they were.
void TestSubtitleDlg::unreadableFileChangesNothing()
{
    QFETCH(QString, file);
    QVERIFY(!file.isEmpty());
    addSegments(1);
    QStringList messages;
    QPanelChooser::setMessageHandler([&](QWidget*, const QString& message) { messages << message; });
    QString startFolder;
    QString filter;
    QPanelChooser::setFileChooser([&](QWidget*, const QString&, const QString& dir, const QString& f) {
        startFolder = dir;
        filter = f;
        return file;
    });
    QVERIFY(edit(0, [&](QVideoEditingDlg* dlg, QSubtitleOperationForm* form) {
        const VEEditConfig before = dlg->editingSettings()->getEditConfig();
        const int rows = form->m_cbbSubtitleList->count();
        QTest::mouseClick(form->m_btnSetFamily, Qt::LeftButton);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.at(0).contains(file), qPrintable(messages.at(0)));
        QVERIFY(dlg->editingSettings()->getEditConfig() == before);
        QCOMPARE(form->m_cbbSubtitleList->count(), rows);
        QCOMPARE(form->m_leFamilyPath->text(), QString());
    }));
    QCOMPARE(startFolder, QDir::homePath());
    const QString patterns = filter.section('(', 1).section(')', 0, 0);
    for (const QString& pattern : {"*.srt", "*.SRT", "*.vtt", "*.VTT", "*.ass"})
        QVERIFY2(patterns.split(' ').contains(pattern), qPrintable(filter));
    QVERIFY2(filter.endsWith(";;All files (*)"), qPrintable(filter));
}

// Two segments get the same file at the top, one at scale 150 and one at 100:
// both outputs carry the text in the top third from 2 to 4 s only, and one
// draws it about half as tall again as the other.
void TestSubtitleDlg::externalFileBurnedAtTopDuringItsCue()
{
    addSegments(2);
    QPanelChooser::setFileChooser([&](QWidget*, const QString&, const QString&, const QString&) { return m_external; });
    for (int row = 0; row < 2; ++row) {
        QVERIFY(edit(row, [&](QVideoEditingDlg* dlg, QSubtitleOperationForm* form) {
            QTest::mouseClick(form->m_rbtnTop, Qt::LeftButton);
            if (row == 0) {
                form->m_leScaleValue->selectAll();
                QTest::keyClicks(form->m_leScaleValue, "150");
            }
            QTest::mouseClick(form->m_btnSetFamily, Qt::LeftButton);
            QCheckboxCombobox* list = form->m_cbbSubtitleList;
            QCOMPARE(list->currentText(), QStringLiteral("subdlg_external (SRT)"));
            QCOMPARE(list->currentIndex(), list->count() - 1);
            QVERIFY(list->itemCheckState(list->count() - 1));
            QCOMPARE(form->m_leFamilyPath->text(), m_external);
            const VEEditConfig& cfg = dlg->editingSettings()->getEditConfig();
            QCOMPARE(cfg.m_programValue.subtlType, -3);
            QCOMPARE(cfg.m_programValue.m_subtitleIndex, 2);
            QCOMPARE(QString::fromUtf8(cfg.m_programValue.m_subtitleFile), m_external);
            QCOMPARE(cfg.m_subtitleSettings.m_align, uint32_t(16));
            QCOMPARE(cfg.m_subtitleSettings.m_scaleX, uint32_t(row == 0 ? 150 : 100));
            QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
        }));
    }
    const QStringList outputs = convert();
    QCOMPARE(outputs.size(), 2);
    QList<int> heights;
    for (const QString& out : outputs) {
        QVERIFY2(QFileInfo::exists(out), qPrintable(out));
        const QString png = m_out->path() + "/frame.png";
        const QRect during = brightAreaAt(out, "3", png);
        QVERIFY2(during.height() > 4, qPrintable(out));
        QVERIFY2(during.bottom() < 80, qPrintable(QString("%1: bottom %2").arg(out).arg(during.bottom())));
        for (const QString outside : {"1", "6"})
            QVERIFY2(brightAreaAt(out, outside, png).isEmpty(), qPrintable(QString("%1 at %2 s").arg(out, outside)));
        heights << during.height();
    }
    // Which output is which segment's is not known by name: one is the other
    // half as tall again.
    std::sort(heights.begin(), heights.end());
    const double ratio = double(heights.at(1)) / heights.at(0);
    QVERIFY2(ratio > 1.3 && ratio < 1.7, qPrintable(QString("%1 / %2").arg(heights.at(0)).arg(heights.at(1))));
}

void TestSubtitleDlg::losslessTracksCopied_data()
{
    QTest::addColumn<QList<int>>("boxClicks");
    QTest::addColumn<int>("streams");
    QTest::addColumn<QByteArray>("firstText");
    QTest::newRow("All Subtitle") << QList<int>{0, 1} << 2 << QByteArray("ONE ONE");
    QTest::newRow("No Subtitle") << QList<int>{0} << 0 << QByteArray();
    QTest::newRow("second track") << QList<int>{0, 3} << 1 << QByteArray("TWO TWO");
}

// Lossless mode keeps the source's container; the boxes decide which tracks
// are copied.
void TestSubtitleDlg::losslessTracksCopied()
{
    QFETCH(QList<int>, boxClicks);
    QFETCH(int, streams);
    QFETCH(QByteArray, firstText);
    AttributeSetting& profile = *QAttributeSettingHolder::attributeSetting();
    profile = AttributeSetting();
    profile.bLossless = true;
    profile.fileFormat = "Original";
    addSegments(1);
    QVERIFY(edit(0, [&](QVideoEditingDlg* dlg, QSubtitleOperationForm* form) {
        QCheckboxCombobox* list = form->m_cbbSubtitleList;
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->itemText(1), QStringLiteral("All Subtitle"));
        QVERIFY(!form->m_btnSetFamily->isEnabled());
        for (int row : boxClicks)
            list->checkBox(row)->click();
        const VEEditConfig& cfg = dlg->editingSettings()->getEditConfig();
        QCOMPARE(cfg.m_programValue.subtlType, streams == 0 ? -1 : 0);
        int selected = 0;
        for (const EVSubtitleTrack& track : cfg.m_subtitleTracks)
            selected += track.m_bSelected;
        QCOMPARE(selected, streams);
        QCOMPARE(list->itemCheckState(0), streams == 0);
        QCOMPARE(list->itemCheckState(1), streams == 2);
        QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
    }));
    const QStringList outputs = convert();
    QCOMPARE(outputs.size(), 1);
    QCOMPARE(subtitleStreams(outputs.at(0)), streams);
    if (streams == 0)
        return;
    const TestMedia::ToolResult text =
        TestMedia::run("ffmpeg", {"-v", "error", "-i", outputs.at(0), "-map", "0:s:0", "-f", "srt", "-"});
    QVERIFY2(text.out.contains(firstText), text.out.constData());
}

QTEST_MAIN(TestSubtitleDlg)
#include "tst_subtitledlg.moc"
