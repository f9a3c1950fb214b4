// The preset lists the build ships, read the way the program reads them: every
// preset must resolve to a complete record whose codes the codec layer can
// encode and whose container it can write.
#include "PlistDocument.h"
#include "QIAnyUtil.h"
#include "QPlistRead.h"
#include "VelAVCodecAnalysis.h"

#include <QRegularExpression>
#include <QtTest>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <map>
#include <set>

namespace {

const char kEncodingList[] = "/profile/profiles_mac.plist";
const char kLosslessList[] = "/profile/profiles_mac_Lossless.plist";

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

bool contains(const std::vector<std::string> &list, const std::string &value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

// A selected value is in its list; a selected "0 <unit>" shows as the list's "Auto".
bool selectable(const std::vector<std::string> &list, const std::string &value, const char *unit)
{
    if (value == std::string("0") + unit)
        return contains(list, "Auto");
    return contains(list, value);
}

// Encoder the codec layer uses for each preset code (its numbering table).
const std::map<std::string, const char *> &encoders()
{
    static const std::map<std::string, const char *> table = {
        {"H264", "libx264"}, {"H265", "libx265"}, {"MP4V", "mpeg4"}, {"VP8", "libvpx"},
        {"VP9", "libvpx-vp9"}, {"WMV1", "wmv1"}, {"WMV2", "wmv2"}, {"mp2v", "mpeg2video"},
        {"mpg1", "mpeg1video"}, {"flv1", "flv"}, {"H263", "h263"}, {"OGV", "libtheora"},
        {"AAC", "aac"}, {"MP3", "libmp3lame"}, {"AC3", "ac3"}, {"OGG", "libvorbis"},
        {"MP2A", "mp2"}, {"wma2", "wmav2"}, {"wma1", "wmav1"}, {"PCM", "pcm_s16le"},
        {"flac", "flac"}, {"alac", "alac"},
    };
    return table;
}

// The codec layer's way from a container name to a muxer.
const AVOutputFormat *muxerFor(const std::string &container)
{
    static const std::map<std::string, std::string> aliases = {
        {"aac", "adts"}, {"m4a", "ipod"}, {"mpegvideo", "mpeg2video"}};
    const auto alias = aliases.find(container);
    const std::string name = alias == aliases.end() ? container : alias->second;
    if (const AVOutputFormat *format = av_guess_format(name.c_str(), nullptr, nullptr))
        return format;
    return av_guess_format(nullptr, ("x." + name).c_str(), nullptr);
}

bool evenSize(const std::string &resolution)
{
    if (resolution == "Original")
        return true;
    static const QRegularExpression size(QStringLiteral("^(\\d+)\\*(\\d+)$"));
    const auto match = size.match(q(resolution));
    return match.hasMatch() && match.captured(1).toInt() % 2 == 0
        && match.captured(2).toInt() % 2 == 0 && match.captured(1).toInt() > 0
        && match.captured(2).toInt() > 0;
}

bool allowedFrameRate(const std::string &item)
{
    static const std::set<std::string> ntsc = {"23.976 fps", "29.97 fps", "59.94 fps"};
    static const QRegularExpression whole(QStringLiteral("^[1-9]\\d* fps$"));
    return item == "Auto" || ntsc.count(item) || whole.match(q(item)).hasMatch();
}

struct PresetRow {
    bool lossless;
    std::string category;
    std::string id;
};

} // namespace

Q_DECLARE_METATYPE(PresetRow)

class TstShippedPresets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void categories();
    void idsTitlesAndKeys();
    void preset_data();
    void preset();

private:
    QPlistRead *reader(bool lossless) const { return lossless ? m_lossless : m_encoding; }
    void checkRawEntries(plist_t preset, const QString &where);

    QString m_resources;
    QPlistRead *m_encoding = nullptr;
    QPlistRead *m_lossless = nullptr;
    PlistDocument m_rawEncoding;
    PlistDocument m_rawLossless;
};

void TstShippedPresets::initTestCase()
{
    m_resources = QIAnyUtil::getResourcePath();
    const QString encoding = m_resources + kEncodingList;
    const QString lossless = m_resources + kLosslessList;
    QVERIFY2(QFile::exists(encoding), qPrintable(encoding + " is missing; build the resources target"));
    QVERIFY2(QFile::exists(lossless), qPrintable(lossless + " is missing; build the resources target"));
    m_encoding = QPlistRead::getPlistRead(encoding.toStdString());
    m_lossless = QPlistRead::getPlistLosslessRead(lossless.toStdString());
    QVERIFY2(m_encoding->errorString().isEmpty(), qPrintable(m_encoding->errorString()));
    QVERIFY2(m_lossless->errorString().isEmpty(), qPrintable(m_lossless->errorString()));
    QVERIFY(m_rawEncoding.load(encoding));
    QVERIFY(m_rawLossless.load(lossless));
}

void TstShippedPresets::categories()
{
    const std::vector<std::string> encoding = m_encoding->getCategories();
    const std::vector<std::string> lossless = m_lossless->getCategories();
    QCOMPARE(encoding, (std::vector<std::string>{"Devices", "HD Video", "Web Video",
                                                 "General Video", "General Audio"}));
    QCOMPARE(lossless, (std::vector<std::string>{"General Video", "General Audio"}));
    for (bool mode : {false, true}) {
        for (const std::string &category : reader(mode)->getCategories()) {
            const auto *tiles = reader(mode)->getCategoriesInfoList(category);
            QVERIFY2(tiles && !tiles->empty(), category.c_str());
        }
    }
    QCOMPARE(m_encoding->getFormatInfoForKey("General Video", "4000", "ext"), std::string("mp4"));
    QCOMPARE(m_lossless->getFormatInfoForKey("General Video", "3000", "title"), std::string("Original"));
    const FormatAllInfo first = *m_encoding->GetFormatInfoForPlist("General Video", "4000", "", "", "", "");
    QCOMPARE(q(first.videoEncoder), QString("H264"));
    QCOMPARE(q(first.audioEncoder), QString("AAC"));
}

void TstShippedPresets::idsTitlesAndKeys()
{
    // Id ranges by list and category.
    const std::map<std::string, int> encodingBase = {{"General Video", 4000}, {"General Audio", 4100},
                                                     {"Devices", 4200}, {"HD Video", 4300},
                                                     {"Web Video", 4400}};
    const std::map<std::string, int> losslessBase = {{"General Video", 3000}, {"General Audio", 3100}};
    std::set<std::string> ids;
    int presets = 0;
    for (bool mode : {false, true}) {
        const auto &bases = mode ? losslessBase : encodingBase;
        for (const std::string &category : reader(mode)->getCategories()) {
            QVERIFY2(bases.count(category), category.c_str());
            for (const FormatBaseInfo *tile : *reader(mode)->getCategoriesInfoList(category)) {
                ++presets;
                const QString where = q(category + "/" + tile->id);
                QVERIFY2(ids.insert(tile->id).second, qPrintable("duplicate id " + where));
                bool ok = false;
                const int id = q(tile->id).toInt(&ok);
                QVERIFY2(ok && id >= bases.at(category) && id < bases.at(category) + 100,
                         qPrintable("id out of range: " + where));
                const QString title = q(tile->title);
                QVERIFY2(!title.isEmpty() && title.size() <= 14, qPrintable("title length: " + where));
                for (QChar c : title)
                    QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7F, qPrintable("title not ASCII: " + where));
                const QString icon = QStringLiteral("%1/image/Format/icon_%2.png").arg(m_resources, q(tile->icon));
                QVERIFY2(QFile::exists(icon), qPrintable(where + ": no tile picture " + icon));
                QCOMPARE(reader(mode)->getFormatInfoForKey(category, tile->id, "auto"), std::string("0"));
            }
        }
    }
    QCOMPARE(presets, 39);
}

void TstShippedPresets::preset_data()
{
    QTest::addColumn<PresetRow>("row");
    for (bool mode : {false, true}) {
        for (const std::string &category : reader(mode)->getCategories()) {
            // Copy the ids first: the tile list dies at the next call.
            std::vector<std::string> presetIds;
            for (const FormatBaseInfo *tile : *reader(mode)->getCategoriesInfoList(category))
                presetIds.push_back(tile->id);
            for (const std::string &id : presetIds) {
                const QString tag = QStringLiteral("%1/%2/%3")
                                        .arg(mode ? "high-speed" : "encoding", q(category), q(id));
                QTest::newRow(qPrintable(tag)) << PresetRow{mode, category, id};
            }
        }
    }
}

void TstShippedPresets::preset()
{
    QFETCH(PresetRow, row);
    QPlistRead *list = reader(row.lossless);
    const FormatAllInfo info = *list->GetFormatInfoForPlist(row.category, row.id, "", "", "", "");
    const bool original = row.lossless && row.id == "3000";

    QCOMPARE(q(info.id), q(row.id));
    QVERIFY(!info.isAuto);
    QVERIFY2(original || !info.ext.empty(), "empty ext");
    QVERIFY(!info.audioEncoderList.empty());

    if (!info.onlyAudio) {
        QVERIFY(!info.videoEncoderList.empty());
        QVERIFY(!info.resolutionList.empty());
        QVERIFY(!info.frameRateList.empty());
        QVERIFY(!info.videoBitRateList.empty());
        QVERIFY(contains(info.videoEncoderList, info.videoEncoder));
        QVERIFY(contains(info.resolutionList, info.resolution));
        QVERIFY2(selectable(info.frameRateList, info.frameRate, " fps"), info.frameRate.c_str());
        for (const std::string *rate : {&info.videoBitRateLow, &info.videoBitRateDefault, &info.videoBitRateHigh}) {
            QVERIFY(*rate != " kbps");
            QVERIFY2(selectable(info.videoBitRateList, *rate, " kbps"), rate->c_str());
        }
    }
    QVERIFY(contains(info.audioEncoderList, info.audioEncoder));
    QVERIFY2(contains(info.channelList, info.channel), info.channel.c_str());
    QVERIFY2(selectable(info.sampleRateList, info.sampleRate, " HZ"), info.sampleRate.c_str());
    for (const std::string *rate : {&info.audioBitRateLow, &info.audioBitRateDefault, &info.audioBitRateHigh})
        QVERIFY2(selectable(info.audioBitRateList, *rate, " kbps"), rate->c_str());

    // Every code of the preset resolves with the preset's default size and channel.
    for (const std::string &code : info.videoEncoderList) {
        const FormatAllInfo v = *list->GetFormatInfoForPlist(row.category, row.id, code, "", "", "");
        QVERIFY2(contains(v.resolutionList, info.resolution), qPrintable(q(code + " lacks " + info.resolution)));
        QVERIFY2(v.videoBitRateLow != " kbps" && v.videoBitRateHigh != " kbps", code.c_str());
        for (const std::string &resolution : v.resolutionList) {
            QVERIFY2(evenSize(resolution), resolution.c_str());
            if (code == "H263") {
                static const std::set<std::string> h263 = {"128*96", "176*144", "352*288", "704*576", "1408*1152"};
                QVERIFY2(h263.count(resolution), resolution.c_str());
            }
            const FormatAllInfo r = *list->GetFormatInfoForPlist(row.category, row.id, code, resolution, "", "");
            QCOMPARE(q(r.resolution), q(resolution));
            for (const std::string &rate : r.frameRateList)
                QVERIFY2(allowedFrameRate(rate), rate.c_str());
            QVERIFY(selectable(r.frameRateList, r.frameRate, " fps"));
            QVERIFY(selectable(r.videoBitRateList, r.videoBitRateLow, " kbps"));
            QVERIFY(selectable(r.videoBitRateList, r.videoBitRateDefault, " kbps"));
            QVERIFY(selectable(r.videoBitRateList, r.videoBitRateHigh, " kbps"));
        }
    }
    for (const std::string &code : info.audioEncoderList) {
        const FormatAllInfo a = *list->GetFormatInfoForPlist(row.category, row.id, "", "", code, "");
        QVERIFY2(!a.channelList.empty(), code.c_str());
        QVERIFY2(contains(a.channelList, info.channel), qPrintable(q(code + " lacks channel " + info.channel)));
        for (const std::string &channel : a.channelList) {
            const FormatAllInfo c = *list->GetFormatInfoForPlist(row.category, row.id, "", "", code, channel);
            QCOMPARE(q(c.channel), q(channel));
            QVERIFY(selectable(c.sampleRateList, c.sampleRate, " HZ"));
            QVERIFY(selectable(c.audioBitRateList, c.audioBitRateLow, " kbps"));
            QVERIFY(selectable(c.audioBitRateList, c.audioBitRateHigh, " kbps"));
        }
    }

    // Codes the codec layer can encode; a container it can write.
    std::vector<std::string> codes = info.videoEncoderList;
    codes.insert(codes.end(), info.audioEncoderList.begin(), info.audioEncoderList.end());
    for (const std::string &code : codes) {
        if (code == "Original") {
            QVERIFY2(row.lossless, "Original is a stream-copy code");
            continue;
        }
        QVERIFY2(!row.lossless, qPrintable(q("high-speed preset offers " + code)));
        QVERIFY2(VelAVCodecAnalysis::codecIDOfFourcc(code) != 0, code.c_str());
        const auto encoder = encoders().find(code);
        QVERIFY2(encoder != encoders().end(), qPrintable(q("no encoder known for " + code)));
        QVERIFY2(avcodec_find_encoder_by_name(encoder->second),
                 qPrintable(QStringLiteral("FFmpeg lacks encoder %1").arg(encoder->second)));
    }
    if (!original) {
        const std::string container = VelAVCodecAnalysis::formatOfFourCC(info.ext);
        QVERIFY2(muxerFor(container), qPrintable(q("no muxer for " + container)));
    }

    // Raw structure the reader forgives but the data must keep.
    const PlistDocument &raw = row.lossless ? m_rawLossless : m_rawEncoding;
    std::set<std::string> codecKeys;
    const plist_t codecs = PlistDocument::dictItem(raw.root(), "Codecs");
    QVERIFY(PlistDocument::isDict(codecs));
    for (const std::string &code : codes)
        codecKeys.insert(code.size() == 3 ? code + ' ' : code);
    const plist_t presets = PlistDocument::dictItem(raw.root(), row.category.c_str());
    for (uint32_t i = 0; i < PlistDocument::arraySize(presets); ++i) {
        const plist_t preset = PlistDocument::arrayItem(presets, i);
        if (getDictValue(PlistDocument::dictItem(preset, "baseinfo"), "id") == row.id)
            checkRawEntries(preset, q(row.category + "/" + row.id));
    }
    for (const std::string &key : codecKeys)
        QVERIFY2(PlistDocument::dictItem(codecs, key.c_str()), qPrintable(q("Codecs lacks '" + key + "'")));
}

void TstShippedPresets::checkRawEntries(plist_t preset, const QString &where)
{
    const std::pair<const char *, const char *> arrays[] = {{"videoparams", "resolution"},
                                                            {"audioparams", "channel"}};
    for (const auto &[arrayKey, pairKey] : arrays) {
        const plist_t entries = PlistDocument::dictItem(preset, arrayKey);
        std::set<std::string> pairs;
        for (uint32_t i = 0; i < PlistDocument::arraySize(entries); ++i) {
            const plist_t entry = PlistDocument::arrayItem(entries, i);
            const std::string pair = getDictValue(entry, "fourcc") + "|" + getDictValue(entry, pairKey);
            QVERIFY2(pairs.insert(pair).second, qPrintable(where + " repeats " + q(pair)));
            const char *rateKey = arrayKey[0] == 'v' ? "videobitrate" : "audiobitrate";
            const plist_t rates = PlistDocument::dictItem(entry, rateKey);
            std::vector<std::string> supports;
            QPlistRead::getPlistRead("")->analysisTextInfo(getDictValue(rates, "supports"), supports);
            for (const char *key : {"low", "default", "high"}) {
                const std::string value = getDictValue(rates, key);
                QVERIFY2(!value.empty(), qPrintable(where + " " + q(pair) + " lacks " + key));
                QVERIFY2(contains(supports, value == "0" ? "Auto" : value),
                         qPrintable(where + " " + q(pair) + " " + key + " not in supports"));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TstShippedPresets)
#include "tst_shippedpresets.moc"
