#include "VelAVCodecAnalysis.h"

#include <QtTest>

class TstCodecTables : public QObject
{
    Q_OBJECT
private slots:
    void codecIds_data();
    void codecIds();
    void containers_data();
    void containers();
    void sourceFormats_data();
    void sourceFormats();
    void formatOfCodecId_data();
    void formatOfCodecId();
    void frameRates_data();
    void frameRates();
    void frameRatesAreReduced();
};

void TstCodecTables::codecIds_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<uint>("id");
    const struct { const char *code; uint id; } rows[] = {
        {"AC3", 0x15003}, {"in24", 0x1000D}, {"mp43", 0x11}, {"wma3", 0x15026},
        {"wma2", 0x15008}, {"wma1", 0x15007}, {"MP3", 0x15001}, {"VP8", 0x8D},
        {"VP9", 0xA9}, {"AAC", 0x15002}, {"MJPG", 0x8}, {"MP4V", 0xD},
        {"OGG", 0x15005}, {"WMV1", 0x12}, {"WMV2", 0x13}, {"VBIS", 0x15005},
        {"mpg1", 0x1}, {"HMP2", 0x2}, {"mp2v", 0x2}, {"mp1v", 0x1}, {"H263", 0x5},
        {"H264", 0x1C}, {"H265", 0x48323635}, {"Xvid", 0x44495658}, {"DIVX", 0x30355844},
        {"MP2A", 0x15000}, {"PCM", 0x10000}, {"APE", 0x10000}, {"caf", 0x11000},
        {"DV60", 0x19}, {"flac", 0x1500C}, {"AMRN", 0x12000}, {"flv1", 0x16},
        {"fmp3", 0x1100D}, {"DV50", 0x19}, {"WMV3", 0x48}, {"vc-1", 0x47},
        {"pcmb", 0x10001}, {"alac", 0x15010}, {"OGV", 0x1F},
        // Case-sensitive, untrimmed, whole-text comparisons.
        {"h264", 0}, {"AAC ", 0}, {" MP3", 0}, {"", 0}, {"Original", 0}, {"H26", 0},
    };
    for (const auto &row : rows)
        QTest::newRow(*row.code ? row.code : "(empty)") << QString::fromLatin1(row.code) << row.id;
}

void TstCodecTables::codecIds()
{
    QFETCH(QString, code);
    QFETCH(uint, id);
    QCOMPARE(VelAVCodecAnalysis::codecIDOfFourcc(code.toStdString()), uint32_t(id));
}

void TstCodecTables::containers_data()
{
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("container");
    const char *rows[][2] = {
        {"m4v", "mp4"}, {"m4a", "mp4"}, {"m4b", "mp4"}, {"m4r", "mp4"}, {"wmv", "asf"},
        {"wma", "asf"}, {"mkv", "matroska"}, {"mka", "matroska"}, {"mpg", "mpeg"},
        {"ts", "mpegts"}, {"trp", "mpegts"}, {"DivX", "avi"}, {"ogv", "ogg"},
        {"WebM", "webm"}, {"aac", "adts"}, {"alac", "mov"},
        {"mp4", "mp4"}, {"webm", "webm"}, {"divx", "divx"}, {"MKV", "MKV"}, {"", ""},
    };
    for (const auto &row : rows)
        QTest::newRow(*row[0] ? row[0] : "(empty)") << row[0] << row[1];
}

void TstCodecTables::containers()
{
    QFETCH(QString, ext);
    QFETCH(QString, container);
    QCOMPARE(QString::fromStdString(VelAVCodecAnalysis::formatOfFourCC(ext.toStdString())),
             container);
}

void TstCodecTables::sourceFormats_data()
{
    QTest::addColumn<QString>("demuxer");
    QTest::addColumn<QString>("brand");
    QTest::addColumn<QString>("format");
    const QString mov = QStringLiteral("mov,mp4,m4a,3gp,3g2,mj2");
    const QString mkv = QStringLiteral("matroska,webm");
    QTest::newRow("qt brand") << mov << "qt  " << "mov";
    QTest::newRow("qt without blanks") << mov << "qt" << "mp4";
    QTest::newRow("f4v") << mov << "f4v " << "f4v";
    QTest::newRow("3gp4") << mov << "3gp4" << "3gp";
    QTest::newRow("3g2a") << mov << "3g2a" << "3g2";
    QTest::newRow("isom") << mov << "isom" << "mp4";
    QTest::newRow("mov no brand") << mov << "" << "mp4";
    QTest::newRow("matroska brand") << mkv << "matroska" << "matroska";
    QTest::newRow("webm brand") << mkv << "webm" << "webm";
    // A Matroska source never becomes MP4, whatever (or no) brand it has.
    QTest::newRow("matroska no brand") << mkv << "" << "matroska";
    QTest::newRow("matroska odd brand") << mkv << "isom" << "matroska";
    QTest::newRow("DVD") << "DVD" << "x" << "vob";
    QTest::newRow("Bluray") << "Bluray" << "" << "mpegts";
    QTest::newRow("ACD") << "ACD" << "" << "wav";
    QTest::newRow("avi") << "avi" << "" << "avi";
    QTest::newRow("mpegts") << "mpegts" << "isom" << "mpegts";
}

void TstCodecTables::sourceFormats()
{
    QFETCH(QString, demuxer);
    QFETCH(QString, brand);
    QFETCH(QString, format);
    QCOMPARE(QString::fromStdString(VelAVCodecAnalysis::formatForFormatName(
                 demuxer.toStdString(), brand.toStdString())),
             format);
}

void TstCodecTables::formatOfCodecId_data()
{
    QTest::addColumn<uint>("id");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("ext");
    QTest::newRow("mp3") << 0x15001u << "mp3" << "mp3";
    QTest::newRow("aac") << 0x15002u << "mp4" << "m4a";
    QTest::newRow("asf") << 0x1502Au << "asf" << "asf";
    QTest::newRow("other") << 0x1Cu << "mp3" << "mp3";
}

void TstCodecTables::formatOfCodecId()
{
    QFETCH(uint, id);
    QFETCH(QString, container);
    QFETCH(QString, ext);
    std::string extension = "unchanged?";
    QCOMPARE(QString::fromStdString(VelAVCodecAnalysis::formatOfCodecID(id, extension)), container);
    QCOMPARE(QString::fromStdString(extension), ext);
}

void TstCodecTables::frameRates_data()
{
    QTest::addColumn<double>("fps");
    QTest::addColumn<uint>("num");
    QTest::addColumn<uint>("den");
    QTest::newRow("23.976") << 23.976 << 24000u << 1001u;
    QTest::newRow("23.98") << 23.98 << 24000u << 1001u;
    QTest::newRow("29.97") << 29.97 << 30000u << 1001u;
    QTest::newRow("59.94") << 59.94 << 60000u << 1001u;
    QTest::newRow("23.5 edge") << 23.5 << 47u << 2u;
    QTest::newRow("23.99 edge") << 23.99 << 24u << 1u;
    QTest::newRow("29.99 edge") << 29.99 << 30u << 1u;
    QTest::newRow("59.99 edge") << 59.99 << 60u << 1u;
    QTest::newRow("24.995") << 24.995 << 25u << 1u;
    QTest::newRow("25") << 25.0 << 25u << 1u;
    QTest::newRow("30.004") << 30.004 << 30u << 1u;
    QTest::newRow("60") << 60.0 << 60u << 1u;
    QTest::newRow("zero keeps source") << 0.0 << 0u << 1u;
    QTest::newRow("negative") << -25.0 << 0u << 1u;
    QTest::newRow("not a number") << std::nan("") << 0u << 1u;
    // Fractional rates outside the NTSC bands keep their exact value.
    QTest::newRow("12.5") << 12.5 << 25u << 2u;
    QTest::newRow("14.985") << 14.985 << 2997u << 200u;
    QTest::newRow("15000/1001") << 15000.0 / 1001.0 << 15000u << 1001u;
    QTest::newRow("7.5") << 7.5 << 15u << 2u;
    QTest::newRow("119.88") << 119.88 << 2997u << 25u;
}

void TstCodecTables::frameRates()
{
    QFETCH(double, fps);
    QFETCH(uint, num);
    QFETCH(uint, den);
    unsigned int gotNum = 99, gotDen = 99;
    VelAVCodecAnalysis::GetVideoFrameRate(fps, gotNum, gotDen);
    QCOMPARE(gotNum, num);
    QCOMPARE(gotDen, den);
}

void TstCodecTables::frameRatesAreReduced()
{
    // Every rate a user can type with up to three decimals comes back exact and reduced.
    for (int milli = 1000; milli <= 120000; milli += 7) {
        const double fps = milli / 1000.0;
        unsigned int num = 0, den = 0;
        VelAVCodecAnalysis::GetVideoFrameRate(fps, num, den);
        QVERIFY2(den > 0, qPrintable(QString::number(fps)));
        if (den == 1001)
            continue; // NTSC band
        const double got = double(num) / den;
        if (den == 1) {
            QVERIFY2(std::fabs(got - fps) <= 0.0100001, qPrintable(QString::number(fps)));
        } else {
            QVERIFY2(std::fabs(got - fps) < 1e-9, qPrintable(QString::number(fps)));
            QVERIFY2(std::gcd(num, den) == 1, qPrintable(QString::number(fps)));
        }
    }
}

QTEST_GUILESS_MAIN(TstCodecTables)
#include "tst_codectables.moc"
