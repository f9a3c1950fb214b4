#include "PlistDocument.h"
#include "QPlistRead.h"

#include <QTemporaryDir>
#include <QtTest>

using Strings = std::vector<std::string>;
Q_DECLARE_METATYPE(Strings)

namespace {

// Small preset list showing each reading rule once: padded codes, a missing
// low bit rate, a duplicated (code, resolution) pair, a filter, "auto",
// an empty video dictionary and an audio code without entries.
const char kFixture[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0">
<dict>
  <key>Categories</key>
  <array><string>Video</string><string>Audio</string><string>Empty</string><string>Missing</string></array>
  <key>Video</key>
  <array>
    <dict>
      <key>baseinfo</key>
      <dict><key>title</key><string>Plain</string><key>id</key><string>1</string>
        <key>ext</key><string>mp4</string><key>icon</key><string>video</string><key>auto</key><string>0</string></dict>
      <key>videoencoders</key>
      <dict><key>supports</key><string>H264, MP4V</string><key>default</key><string> H264 </string></dict>
      <key>resolution</key><dict><key>default</key><string>1280*720</string></dict>
      <key>videoparams</key>
      <array>
        <dict><key>fourcc</key><string> H264 </string><key>resolution</key><string>1920*1080</string>
          <key>videobitrate</key><dict><key>default</key><string>6000</string><key>low</key><string>4000</string>
            <key>high</key><string>8000</string><key>supports</key><string>4000,6000,8000</string></dict>
          <key>framerate</key><dict><key>default</key><string>0</string><key>supports</key><string>0,25,29.97</string></dict></dict>
        <dict><key>fourcc</key><string>H264</string><key>resolution</key><string>1280*720</string>
          <key>videobitrate</key><dict><key>default</key><string>4000</string>
            <key>high</key><string>5000</string><key>supports</key><string>0, 2500,,4000 </string></dict>
          <key>framerate</key><dict><key>default</key><string>25</string><key>supports</key><string>25,30</string></dict></dict>
        <dict><key>fourcc</key><string>MP4V</string><key>resolution</key><string>640*480</string>
          <key>videobitrate</key><dict><key>default</key><string>2000</string><key>low</key><string>1500</string>
            <key>high</key><string>3000</string><key>supports</key><string>1500,2000,3000</string></dict>
          <key>framerate</key><dict><key>default</key><string>30</string><key>supports</key><string>30</string></dict></dict>
        <dict><key>fourcc</key><string>H264</string><key>resolution</key><string>1280*720</string>
          <key>videobitrate</key><dict><key>default</key><string>4100</string><key>low</key><string>2600</string>
            <key>high</key><string>5100</string><key>supports</key><string>4100</string></dict>
          <key>framerate</key><dict><key>default</key><string>24</string><key>supports</key><string>24</string></dict></dict>
      </array>
      <key>audioencoders</key><dict><key>supports</key><string>AAC,MP3</string><key>default</key><string>AAC</string></dict>
      <key>channels</key><dict><key>default</key><string>2</string></dict>
      <key>audioparams</key>
      <array>
        <dict><key>fourcc</key><string>AAC</string><key>channel</key><string>2</string>
          <key>audiobitrate</key><dict><key>default</key><string>128</string><key>high</key><string>192</string>
            <key>supports</key><string>96,128,192</string></dict>
          <key>samplerate</key><dict><key>default</key><string>48000</string><key>supports</key><string>44100,48000</string></dict></dict>
        <dict><key>fourcc</key><string>AAC</string><key>channel</key><string>1</string>
          <key>audiobitrate</key><dict><key>default</key><string>96</string><key>low</key><string>64</string>
            <key>high</key><string>128</string><key>supports</key><string>64,96,128</string></dict>
          <key>samplerate</key><dict><key>default</key><string>44100</string><key>supports</key><string>22050,44100</string></dict></dict>
        <dict><key>fourcc</key><string>MP3 </string><key>channel</key><string>2</string>
          <key>audiobitrate</key><dict><key>default</key><string>192</string><key>low</key><string>128</string>
            <key>high</key><string>320</string><key>supports</key><string>128,192,320</string></dict>
          <key>samplerate</key><dict><key>default</key><string>44100</string><key>supports</key><string>44100</string></dict></dict>
      </array>
    </dict>
    <dict>
      <key>baseinfo</key>
      <dict><key>title</key><string>Filtered</string><key>id</key><string>2</string>
        <key>ext</key><string>mkv</string><key>icon</key><string>hd</string><key>auto</key><string>1</string></dict>
      <key>videoencoders</key>
      <dict><key>supports</key><string>H264,MP4V</string><key>default</key><string>MP4V</string>
        <key>filter</key><string>H264:AAC,MP3|MP4V: MP3 ,AC3</string></dict>
      <key>resolution</key><dict><key>default</key><string>Original</string></dict>
      <key>videoparams</key>
      <array>
        <dict><key>fourcc</key><string>MP4V</string><key>resolution</key><string>Original</string>
          <key>videobitrate</key><dict><key>default</key><string>3000</string><key>low</key><string>2000</string>
            <key>high</key><string>4000</string><key>supports</key><string>2000,3000,4000</string></dict>
          <key>framerate</key><dict><key>default</key><string>25</string><key>supports</key><string>25</string></dict></dict>
        <dict><key>fourcc</key><string>H264</string><key>resolution</key><string>Original</string>
          <key>videobitrate</key><dict><key>default</key><string>5000</string><key>low</key><string>3000</string>
            <key>high</key><string>8000</string><key>supports</key><string>3000,5000,8000</string></dict>
          <key>framerate</key><dict><key>default</key><string>30</string><key>supports</key><string>30</string></dict></dict>
      </array>
      <key>audioencoders</key><dict><key>supports</key><string>AAC,MP3,AC3</string><key>default</key><string>AAC</string></dict>
      <key>channels</key><dict><key>default</key><string>6</string></dict>
      <key>audioparams</key>
      <array>
        <dict><key>fourcc</key><string>MP3</string><key>channel</key><string>2</string>
          <key>audiobitrate</key><dict><key>default</key><string>192</string><key>low</key><string>128</string>
            <key>high</key><string>256</string><key>supports</key><string>128,192,256</string></dict>
          <key>samplerate</key><dict><key>default</key><string>44100</string><key>supports</key><string>44100</string></dict></dict>
        <dict><key>fourcc</key><string>AC3</string><key>channel</key><string>6</string>
          <key>audiobitrate</key><dict><key>default</key><string>448</string><key>low</key><string>384</string>
            <key>high</key><string>640</string><key>supports</key><string>384,448,640</string></dict>
          <key>samplerate</key><dict><key>default</key><string>48000</string><key>supports</key><string>48000</string></dict></dict>
      </array>
    </dict>
    <dict>
      <key>baseinfo</key>
      <dict><key>title</key><string>Shadow</string><key>id</key><string>1</string>
        <key>ext</key><string>avi</string><key>icon</key><string>video</string><key>auto</key><string>0</string></dict>
    </dict>
  </array>
  <key>Audio</key>
  <array>
    <dict>
      <key>baseinfo</key>
      <dict><key>title</key><string>Tones</string><key>id</key><string>10</string>
        <key>ext</key><string>mp3</string><key>icon</key><string>audio</string><key>auto</key><string>0</string></dict>
      <key>videoencoders</key><dict/>
      <key>audioencoders</key><dict><key>supports</key><string>MP3</string><key>default</key><string>MP3</string></dict>
      <key>channels</key><dict><key>default</key><string>6</string></dict>
      <key>audioparams</key>
      <array>
        <dict><key>fourcc</key><string>MP3</string><key>channel</key><string>2</string>
          <key>audiobitrate</key><dict><key>default</key><string>0</string><key>low</key><string>0</string>
            <key>high</key><string>0</string><key>supports</key><string>0</string></dict>
          <key>samplerate</key><dict><key>default</key><string>44100</string><key>supports</key><string>0,44100</string></dict></dict>
        <dict><key>fourcc</key><string>MP3</string><key>channel</key><string>1</string>
          <key>audiobitrate</key><dict><key>default</key><string>96</string><key>low</key><string>64</string>
            <key>high</key><string>128</string><key>supports</key><string>64,96,128</string></dict>
          <key>samplerate</key><dict><key>default</key><string>22050</string><key>supports</key><string>22050</string></dict></dict>
      </array>
    </dict>
    <dict>
      <key>baseinfo</key>
      <dict><key>title</key><string>Orphan</string><key>id</key><string>11</string>
        <key>ext</key><string>ogg</string><key>icon</key><string>audio</string><key>auto</key><string>0</string></dict>
      <key>audioencoders</key><dict><key>supports</key><string>OGG</string><key>default</key><string>OGG</string></dict>
      <key>channels</key><dict><key>default</key><string>2</string></dict>
    </dict>
  </array>
  <key>Empty</key>
  <array/>
  <key>Codecs</key>
  <dict>
    <key>H264</key><string>H.264</string>
    <key>AAC </key><string>AAC</string>
    <key>MP3 </key><string>MPEG Layer 3</string>
    <key>VP8</key><string>no blank, never found</string>
    <key>Original</key><string>Original</string>
  </dict>
</dict>
</plist>
)";

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &data)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return {};
    return path;
}

QStringList toQt(const Strings &list)
{
    QStringList out;
    for (const auto &s : list)
        out << QString::fromStdString(s);
    return out;
}

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

// All twenty-five fields, so two records compare as wholes.
QStringList flatten(const FormatAllInfo &i)
{
    QStringList out{i.onlyAudio ? "audio-only" : "video", i.isAuto ? "auto" : "fixed"};
    for (const Strings *list : {&i.videoEncoderList, &i.resolutionList, &i.frameRateList,
                                &i.videoBitRateList, &i.audioEncoderList, &i.channelList,
                                &i.sampleRateList, &i.audioBitRateList})
        out << toQt(*list).join('|');
    for (const std::string *text :
         {&i.ext, &i.category, &i.id, &i.videoEncoder, &i.resolution, &i.videoBitRateLow,
          &i.videoBitRateHigh, &i.videoBitRateDefault, &i.frameRate, &i.audioEncoder, &i.channel,
          &i.audioBitRateLow, &i.audioBitRateHigh, &i.audioBitRateDefault, &i.sampleRate})
        out << q(*text);
    return out;
}

} // namespace

class TstPlistRead : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void trimBlanksOnly_data();
    void trimBlanksOnly();
    void commaLists_data();
    void commaLists();
    void filters_data();
    void filters();
    void codecNames_data();
    void codecNames();
    void dictValues();

    void categoriesAndTiles();
    void baseInfoKeys_data();
    void baseInfoKeys();

    void defaultsOfPlainPreset();
    void chosenValuesNarrowTheRecord();
    void unknownResolutionTakesFirstEntry();
    void autoChoiceEqualsNoChoice();
    void autoPresetWithFilter();
    void audioOnlyPreset();
    void audioCodeWithoutEntries();
    void unknownOrEmptyPreset();
    void binaryListReadsTheSame();

    void unusableFiles_data();
    void unusableFiles();
    void sharedReadersKeepFirstPath();

private:
    QTemporaryDir m_dir;
    QString m_fixture;
    std::unique_ptr<QPlistRead> m_reader;
};

void TstPlistRead::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_fixture = writeFile(m_dir, "fixture.plist", QByteArray(kFixture));
    QVERIFY(!m_fixture.isEmpty());
    m_reader = std::make_unique<QPlistRead>(m_fixture.toStdString());
    QVERIFY2(m_reader->errorString().isEmpty(), qPrintable(m_reader->errorString()));
}

void TstPlistRead::trimBlanksOnly_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("both ends") << "  AAC " << "AAC";
    QTest::newRow("inner blank kept") << " PCM 16 " << "PCM 16";
    QTest::newRow("tab kept") << "\tAAC\t" << "\tAAC\t";
    QTest::newRow("only blanks") << "   " << "";
    QTest::newRow("empty") << "" << "";
}

void TstPlistRead::trimBlanksOnly()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    std::string s = in.toStdString();
    std::string &result = trim(s);
    QCOMPARE(&result, &s);
    QCOMPARE(q(s), out);
}

void TstPlistRead::commaLists_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("zero, empty piece, blanks")
        << "0, 128,,256 " << " kbps" << QStringList{"prior", "Auto", "128 kbps", "256 kbps"};
    QTest::newRow("frame rates") << "0,23.976,25" << " fps"
                                 << QStringList{"prior", "Auto", "23.976 fps", "25 fps"};
    QTest::newRow("sample rates") << "44100" << " HZ" << QStringList{"prior", "44100 HZ"};
    QTest::newRow("no unit, zero is still Auto") << "H264,0" << ""
                                                  << QStringList{"prior", "H264", "Auto"};
    QTest::newRow("empty text") << "" << " kbps" << QStringList{"prior"};
    QTest::newRow("only commas") << " , ," << " kbps" << QStringList{"prior"};
    QTest::newRow("00 is a number") << "00" << " kbps" << QStringList{"prior", "00 kbps"};
}

void TstPlistRead::commaLists()
{
    QFETCH(QString, text);
    QFETCH(QString, unit);
    QFETCH(QStringList, expected);
    Strings out{"prior"}; // appended to, never cleared
    if (unit.isEmpty())
        m_reader->analysisTextInfo(text.toStdString(), out);
    else
        m_reader->analysisTextInfo(text.toStdString(), unit.toStdString(), out);
    QCOMPARE(toQt(out), expected);
}

void TstPlistRead::filters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("video");
    QTest::addColumn<QStringList>("expected");
    const QString f = QStringLiteral("H264:AAC,MP3|MP4V: MP3 ,AC3");
    QTest::newRow("first entry") << f << "H264" << QStringList{"AAC", "MP3"};
    QTest::newRow("last entry") << f << "MP4V" << QStringList{"MP3", "AC3"};
    QTest::newRow("code absent") << f << "VP9" << QStringList{};
    QTest::newRow("empty code") << f << "" << QStringList{};
    QTest::newRow("empty filter") << "" << "H264" << QStringList{};
    QTest::newRow("code at the very end") << "AAC|H264" << "H264" << QStringList{};
    // The code is found as a plain substring: the first occurrence wins.
    QTest::newRow("substring") << "XH264=OGG|H264=AAC" << "H264" << QStringList{"OGG"};
}

void TstPlistRead::filters()
{
    QFETCH(QString, filter);
    QFETCH(QString, video);
    QFETCH(QStringList, expected);
    Strings out;
    m_reader->analysisFilter(filter.toStdString(), video.toStdString(), out);
    QCOMPARE(toQt(out), expected);
}

void TstPlistRead::codecNames_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("four characters") << "H264" << "H.264";
    QTest::newRow("three characters get a blank") << "AAC" << "AAC";
    QTest::newRow("MP3") << "MP3" << "MPEG Layer 3";
    QTest::newRow("long code") << "Original" << "Original";
    QTest::newRow("unknown three keeps the blank") << "OGG" << "OGG ";
    QTest::newRow("key without blank is not found") << "VP8" << "VP8 ";
    QTest::newRow("unknown long") << "WMV2" << "WMV2";
    QTest::newRow("case-sensitive") << "aac" << "aac ";
    QTest::newRow("Auto") << "Auto" << "Auto";
    QTest::newRow("empty") << "" << "";
}

void TstPlistRead::codecNames()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(q(m_reader->getCodecsForKey(code.toStdString())), name);
}

void TstPlistRead::dictValues()
{
    PlistDocument doc = PlistDocument::newDictionary();
    plist_dict_set_item(doc.root(), "supports", plist_new_string("1,2"));
    plist_dict_set_item(doc.root(), "low", plist_new_string(" 5 "));
    plist_dict_set_item(doc.root(), "count", plist_new_uint(7));
    QCOMPARE(getDictValue(doc.root(), ""), std::string("1,2"));
    QCOMPARE(getDictValue(doc.root(), "low"), std::string(" 5 ")); // values are not trimmed
    QCOMPARE(getDictValue(doc.root(), "count"), std::string("7"));
    QCOMPARE(getDictValue(doc.root(), "missing"), std::string());
    QCOMPARE(getDictValue(nullptr, "low"), std::string());
    PlistDocument empty = PlistDocument::newDictionary();
    QCOMPARE(getDictValue(empty.root(), ""), std::string());
}

void TstPlistRead::categoriesAndTiles()
{
    QCOMPARE(toQt(m_reader->getCategories()), (QStringList{"Video", "Audio", "Empty", "Missing"}));
    // Refilled, not appended, on a second call.
    QCOMPARE(m_reader->getCategories().size(), size_t(4));

    std::vector<FormatBaseInfo *> *tiles = m_reader->getCategoriesInfoList("Video");
    QVERIFY(tiles);
    QCOMPARE(tiles->size(), size_t(3));
    const FormatBaseInfo first = *tiles->at(0);
    QCOMPARE(q(first.title), QString("Plain"));
    QCOMPARE(q(first.id), QString("1"));
    QCOMPARE(q(first.ext), QString("mp4"));
    QCOMPARE(q(first.icon), QString("video"));
    QCOMPARE(q(first.category), QString("Video"));
    QCOMPARE(q(tiles->at(2)->title), QString("Shadow"));

    tiles = m_reader->getCategoriesInfoList("Audio");
    QVERIFY(tiles);
    QCOMPARE(tiles->size(), size_t(2));
    QCOMPARE(q(tiles->at(1)->category), QString("Audio"));

    QVERIFY(!m_reader->getCategoriesInfoList(""));
    QVERIFY(!m_reader->getCategoriesInfoList("Empty"));
    QVERIFY(!m_reader->getCategoriesInfoList("Missing"));
    QVERIFY(!m_reader->getCategoriesInfoList("video"));
}

void TstPlistRead::baseInfoKeys_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("first of a duplicated id") << "Video" << "1" << "title" << "Plain";
    QTest::newRow("ext") << "Video" << "2" << "ext" << "mkv";
    QTest::newRow("auto") << "Video" << "2" << "auto" << "1";
    QTest::newRow("missing key") << "Video" << "2" << "colour" << "";
    QTest::newRow("wrong category") << "Audio" << "1" << "title" << "";
    QTest::newRow("empty id") << "Video" << "" << "title" << "";
    QTest::newRow("empty category") << "" << "1" << "title" << "";
}

void TstPlistRead::baseInfoKeys()
{
    QFETCH(QString, category);
    QFETCH(QString, id);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QCOMPARE(q(m_reader->getFormatInfoForKey(category.toStdString(), id.toStdString(),
                                             key.toStdString())),
             value);
}

void TstPlistRead::defaultsOfPlainPreset()
{
    const FormatAllInfo *info = m_reader->GetFormatInfoForPlist("Video", "1", "", "", "", "");
    QVERIFY(info);
    QVERIFY(!info->onlyAudio);
    QVERIFY(!info->isAuto);
    QCOMPARE(q(info->ext), QString("mp4"));
    QCOMPARE(q(info->category), QString("Video"));
    QCOMPARE(q(info->id), QString("1"));
    QCOMPARE(toQt(info->videoEncoderList), (QStringList{"H264", "MP4V"}));
    QCOMPARE(q(info->videoEncoder), QString("H264")); // default " H264 " trimmed
    // Every H264 entry lists its resolution (padded fourcc included), duplicates kept.
    QCOMPARE(toQt(info->resolutionList), (QStringList{"1920*1080", "1280*720", "1280*720"}));
    QCOMPARE(q(info->resolution), QString("1280*720"));
    // The last entry matching the chosen resolution wins.
    QCOMPARE(q(info->videoBitRateDefault), QString("4100 kbps"));
    QCOMPARE(q(info->videoBitRateLow), QString("2600 kbps"));
    QCOMPARE(q(info->frameRate), QString("24 fps"));
    QCOMPARE(toQt(info->frameRateList), (QStringList{"24 fps"}));

    QCOMPARE(toQt(info->audioEncoderList), (QStringList{"AAC", "MP3"}));
    QCOMPARE(q(info->audioEncoder), QString("AAC"));
    QCOMPARE(toQt(info->channelList), (QStringList{"2", "1"}));
    QCOMPARE(q(info->channel), QString("2"));
    // A missing audio low falls back to the default.
    QCOMPARE(q(info->audioBitRateLow), QString("128 kbps"));
    QCOMPARE(q(info->audioBitRateDefault), QString("128 kbps"));
    QCOMPARE(q(info->audioBitRateHigh), QString("192 kbps"));
    QCOMPARE(toQt(info->audioBitRateList), (QStringList{"96 kbps", "128 kbps", "192 kbps"}));
    QCOMPARE(q(info->sampleRate), QString("48000 HZ"));
    QCOMPARE(toQt(info->sampleRateList), (QStringList{"44100 HZ", "48000 HZ"}));
}

void TstPlistRead::chosenValuesNarrowTheRecord()
{
    const FormatAllInfo info =
        *m_reader->GetFormatInfoForPlist("Video", "1", "H264", "1920*1080", "MP3", "2");
    QCOMPARE(q(info.resolution), QString("1920*1080"));
    QCOMPARE(q(info.frameRate), QString("0 fps")); // selected "0" keeps its unit
    QCOMPARE(toQt(info.frameRateList), (QStringList{"Auto", "25 fps", "29.97 fps"}));
    QCOMPARE(q(info.videoBitRateHigh), QString("8000 kbps"));
    // The code "MP3 " of the entry is trimmed before comparing.
    QCOMPARE(q(info.audioEncoder), QString("MP3"));
    QCOMPARE(toQt(info.channelList), (QStringList{"2"}));
    QCOMPARE(q(info.audioBitRateDefault), QString("192 kbps"));
    QCOMPARE(q(info.sampleRate), QString("44100 HZ"));

    // A missing video low has no fallback: it stays a bare unit.
    const FormatAllInfo first =
        *m_reader->GetFormatInfoForPlist("Video", "1", "H264", "1280*720", "AAC", "1");
    QCOMPARE(q(first.channel), QString("1"));
    QCOMPARE(q(first.audioBitRateLow), QString("64 kbps"));

    const FormatAllInfo mp4v = *m_reader->GetFormatInfoForPlist("Video", "1", "MP4V", "", "", "");
    QCOMPARE(toQt(mp4v.resolutionList), (QStringList{"640*480"}));
    QCOMPARE(q(mp4v.resolution), QString("640*480"));
    QCOMPARE(q(mp4v.videoBitRateDefault), QString("2000 kbps"));
}

void TstPlistRead::unknownResolutionTakesFirstEntry()
{
    const FormatAllInfo info =
        *m_reader->GetFormatInfoForPlist("Video", "1", "H264", "3840*2160", "", "");
    QCOMPARE(q(info.resolution), QString("1920*1080"));
    QCOMPARE(q(info.videoBitRateDefault), QString("6000 kbps"));

    // A video code without entries keeps the chosen resolution and no rates.
    const FormatAllInfo none = *m_reader->GetFormatInfoForPlist("Video", "1", "VP9", "1280*720", "", "");
    QCOMPARE(q(none.videoEncoder), QString("VP9"));
    QCOMPARE(q(none.resolution), QString("1280*720"));
    QVERIFY(none.resolutionList.empty());
    QVERIFY(none.videoBitRateList.empty());
    QCOMPARE(q(none.videoBitRateDefault), QString());
    QCOMPARE(q(none.frameRate), QString());
}

void TstPlistRead::autoChoiceEqualsNoChoice()
{
    const std::pair<const char *, const char *> presets[] = {{"Video", "1"}, {"Video", "2"}, {"Audio", "10"}};
    for (const auto &[category, id] : presets) {
        const QStringList empty = flatten(*m_reader->GetFormatInfoForPlist(category, id, "", "", "", ""));
        const QStringList autos =
            flatten(*m_reader->GetFormatInfoForPlist(category, id, "Auto", "Auto", "Auto", "Auto"));
        QCOMPARE(autos, empty);
    }
}

void TstPlistRead::autoPresetWithFilter()
{
    const FormatAllInfo info = *m_reader->GetFormatInfoForPlist("Video", "2", "", "", "", "");
    QVERIFY(info.isAuto);
    QCOMPARE(toQt(info.videoEncoderList), (QStringList{"Auto", "H264", "MP4V"}));
    QCOMPARE(q(info.videoEncoder), QString("MP4V"));
    QCOMPARE(toQt(info.resolutionList), (QStringList{"Auto", "Original"}));
    QCOMPARE(toQt(info.videoBitRateList), (QStringList{"Auto", "2000 kbps", "3000 kbps", "4000 kbps"}));
    QCOMPARE(toQt(info.frameRateList), (QStringList{"Auto", "25 fps"}));
    // The filter's list replaces the supports list, without "Auto".
    QCOMPARE(toQt(info.audioEncoderList), (QStringList{"MP3", "AC3"}));
    QCOMPARE(q(info.audioEncoder), QString("MP3"));
    QCOMPARE(toQt(info.channelList), (QStringList{"Auto", "2"}));
    QCOMPARE(q(info.channel), QString("2")); // default "6" is not among MP3's entries
    QCOMPARE(toQt(info.audioBitRateList), (QStringList{"Auto", "128 kbps", "192 kbps", "256 kbps"}));
    QCOMPARE(toQt(info.sampleRateList), (QStringList{"Auto", "44100 HZ"}));

    const FormatAllInfo h264 = *m_reader->GetFormatInfoForPlist("Video", "2", "H264", "", "", "");
    QCOMPARE(toQt(h264.audioEncoderList), (QStringList{"AAC", "MP3"}));
    QCOMPARE(q(h264.audioEncoder), QString("AAC"));
    QCOMPARE(toQt(h264.channelList), QStringList{"Auto"}); // no AAC entries in this preset
    QCOMPARE(q(h264.channel), QString());
    QVERIFY(h264.sampleRateList.empty());

    // A video code the filter does not name leaves the audio list empty.
    const FormatAllInfo vp9 = *m_reader->GetFormatInfoForPlist("Video", "2", "VP9", "", "", "");
    QVERIFY(vp9.audioEncoderList.empty());
    QCOMPARE(q(vp9.audioEncoder), QString());
    QCOMPARE(q(vp9.channel), QString());
}

void TstPlistRead::audioOnlyPreset()
{
    const FormatAllInfo info = *m_reader->GetFormatInfoForPlist("Audio", "10", "", "", "", "");
    QVERIFY(info.onlyAudio);
    QVERIFY(info.videoEncoderList.empty());
    QVERIFY(info.resolutionList.empty());
    QVERIFY(info.frameRateList.empty());
    QVERIFY(info.videoBitRateList.empty());
    QCOMPARE(q(info.videoEncoder), QString());
    QCOMPARE(q(info.resolution), QString());
    QCOMPARE(q(info.ext), QString("mp3"));
    QCOMPARE(toQt(info.channelList), (QStringList{"2", "1"}));
    QCOMPARE(q(info.channel), QString("2")); // chosen "6" has no entry: the first one
    QCOMPARE(toQt(info.audioBitRateList), QStringList{"Auto"});
    QCOMPARE(q(info.audioBitRateDefault), QString("0 kbps"));
    QCOMPARE(toQt(info.sampleRateList), (QStringList{"Auto", "44100 HZ"}));
}

void TstPlistRead::audioCodeWithoutEntries()
{
    // No "videoencoders" key at all is audio-only too; an audio code without
    // entries leaves channel, rates and their lists empty.
    const FormatAllInfo info = *m_reader->GetFormatInfoForPlist("Audio", "11", "", "", "", "");
    QVERIFY(info.onlyAudio);
    QCOMPARE(q(info.audioEncoder), QString("OGG"));
    QVERIFY(info.channelList.empty());
    QCOMPARE(q(info.channel), QString());
    QCOMPARE(q(info.audioBitRateDefault), QString());
    QCOMPARE(q(info.sampleRate), QString());
    QVERIFY(info.sampleRateList.empty());
}

void TstPlistRead::unknownOrEmptyPreset()
{
    const FormatAllInfo unknown = *m_reader->GetFormatInfoForPlist("Video", "99", "H264", "", "", "");
    FormatAllInfo expected;
    expected.category = "Video";
    expected.id = "99";
    QCOMPARE(flatten(unknown), flatten(expected));

    QVERIFY(!m_reader->GetFormatInfoForPlist("Video", "", "", "", "", ""));
    QVERIFY(!m_reader->GetFormatInfoForPlist("", "1", "", "", "", ""));
}

void TstPlistRead::binaryListReadsTheSame()
{
    PlistDocument doc;
    QVERIFY(doc.load(m_fixture));
    const QString binary = m_dir.filePath("fixture.bplist");
    QVERIFY2(doc.save(binary, PlistDocument::Format::Binary), qPrintable(doc.errorString()));
    QFile file(binary);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(6) == "bplist");

    QPlistRead reader(binary.toStdString());
    QVERIFY(reader.errorString().isEmpty());
    QCOMPARE(reader.getCategories(), m_reader->getCategories());
    for (const char *id : {"1", "2"}) {
        const QStringList fromBinary = flatten(*reader.GetFormatInfoForPlist("Video", id, "", "", "", ""));
        QCOMPARE(fromBinary, flatten(*m_reader->GetFormatInfoForPlist("Video", id, "", "", "", "")));
    }
    QCOMPARE(reader.getCodecsForKey("AAC"), std::string("AAC"));
}

void TstPlistRead::unusableFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");
    QTest::addColumn<QString>("reason");
    const QByteArray fixture(kFixture);
    QTest::newRow("missing") << QByteArray() << false << "does not exist";
    QTest::newRow("empty") << QByteArray() << true << "is empty";
    QTest::newRow("truncated") << fixture.left(fixture.size() / 2) << true << "malformed";
    QTest::newRow("not a list") << QByteArray("Categories = (Video);\n") << true << "malformed";
    QTest::newRow("broken binary") << QByteArray("bplist00\x01\x02garbage", 17) << true << "malformed";
    QTest::newRow("array root")
        << QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><array><string>Video</string></array></plist>")
        << true << "not a dictionary";
}

void TstPlistRead::unusableFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, create);
    QFETCH(QString, reason);
    const QString name = QStringLiteral("bad-%1.plist").arg(QTest::currentDataTag()).replace(' ', '_');
    const QString path = create ? writeFile(m_dir, name, content) : m_dir.filePath(name);
    QVERIFY(!path.isEmpty());

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Preset list not loaded.*" + QRegularExpression::escape(path)));
    QPlistRead reader(path.toStdString());
    QVERIFY2(reader.errorString().contains(reason), qPrintable(reader.errorString()));
    QVERIFY(reader.errorString().contains(path));
    QVERIFY(reader.getCategories().empty());
    QVERIFY(!reader.getCategoriesInfoList("Video"));
    QCOMPARE(reader.getFormatInfoForKey("Video", "1", "title"), std::string());
    QCOMPARE(reader.getCodecsForKey("AAC"), std::string("AAC "));
    const FormatAllInfo *info = reader.GetFormatInfoForPlist("Video", "1", "", "", "", "");
    QVERIFY(info);
    FormatAllInfo expected;
    expected.category = "Video";
    expected.id = "1";
    QCOMPARE(flatten(*info), flatten(expected));
}

void TstPlistRead::sharedReadersKeepFirstPath()
{
    const std::string fixture = m_fixture.toStdString();
    QPlistRead *encoding = QPlistRead::getPlistRead(fixture);
    QVERIFY(encoding);
    QCOMPARE(QPlistRead::getPlistRead("/nowhere/else.plist"), encoding);
    QCOMPARE(QPlistRead::getPlistRead1(nullptr, 0), encoding);
    QCOMPARE(encoding->path(), fixture);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Preset list not loaded"));
    QPlistRead *lossless = QPlistRead::getPlistLosslessRead("/nowhere/lossless.plist");
    QVERIFY(lossless && lossless != encoding);
    QCOMPARE(QPlistRead::getPlistLosslessRead(fixture), lossless);
    QVERIFY(lossless->getCategories().empty());
    QCOMPARE(encoding->getCategories().size(), size_t(4));
}

QTEST_GUILESS_MAIN(TstPlistRead)
#include "tst_plistread.moc"
