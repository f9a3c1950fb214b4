// The picture generator fails the build on a manifest it cannot honour instead of
// writing an empty or wrongly sized picture that a widget would show as nothing.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class tst_Skingen : public QObject
{
    Q_OBJECT

private slots:
    void manifestLine_data();
    void manifestLine();
};

void tst_Skingen::manifestLine_data()
{
    QTest::addColumn<QString>("manifest");
    QTest::addColumn<bool>("succeeds");

    QTest::newRow("glyph strip") << "a/btn.png strip4 144x36 glyph src=breeze:actions/22/go-next.svg size=14 tone=dark"
                                 << true;
    QTest::newRow("text badge") << "a/hd.png icon 74x74 textbadge text=HD" << true;
    QTest::newRow("overlay and its thumbnail")
        << "p/01_x/snow_16x9.png single 192x108 overlay:snow dpr=1\np/01_x/thumb.png single 96x96 thumb:effect of=snow"
        << true;
    QTest::newRow("frame thumbnail") << "p/02_x/thumb.png single 96x96 thumb:frame of=film" << true;
    QTest::newRow("unknown style") << "a/x.png single 20x20 sparkle" << false;
    QTest::newRow("missing icon") << "a/x.png icon 64x64 icon src=breeze:actions/22/no-such-icon.svg mode=colour"
                                  << false;
    QTest::newRow("icon outside the theme") << "a/x.png icon 64x64 icon src=/etc/x.svg mode=colour" << false;
    QTest::newRow("strip not in whole cells") << "a/x.png strip4 100x36 dot kind=close" << false;
    QTest::newRow("unknown tone") << "a/x.png strip4 144x36 glyph src=breeze:actions/22/go-next.svg tone=pale"
                                  << false;
    QTest::newRow("bad colour") << "a/x.png icon 48x48 icon src=breeze:actions/22/globe.svg mode=tint color=300,0,0"
                                << false;
    QTest::newRow("thumbnail of an unknown look") << "p/01_x/thumb.png single 96x96 thumb:frame of=snow" << false;
    QTest::newRow("listed twice") << "a/m.png icon 32x32 mark\na/m.png icon 32x32 mark" << false;
    QTest::newRow("badge text without its font") << "a/hd.png icon 74x74 textbadge text=HD nofont=1" << false;
    QTest::newRow("malformed line") << "a/x.png strip4 144x36" << false;
}

void tst_Skingen::manifestLine()
{
    QFETCH(QString, manifest);
    QFETCH(bool, succeeds);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("manifest.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(manifest.toUtf8() + '\n');
    file.close();

    QStringList fonts = {QStringLiteral("--font"), QStringLiteral(ZV_FONT)};
    if (manifest.contains(QLatin1String("nofont=1")))
        fonts.clear();
    QProcess skingen;
    skingen.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    skingen.setProcessEnvironment(environment);
    const QStringList arguments = {QStringLiteral("--manifest"), file.fileName(),
                                   QStringLiteral("--out"), dir.filePath(QStringLiteral("out")),
                                   QStringLiteral("--breeze"), QStringLiteral(ZV_BREEZE_DIR),
                                   QStringLiteral("--packs"), dir.path()};
    skingen.start(QStringLiteral(ZV_SKINGEN), arguments + fonts);
    QVERIFY(skingen.waitForFinished(30000));
    const QByteArray output = skingen.readAll();
    QCOMPARE(skingen.exitStatus(), QProcess::NormalExit);
    QVERIFY2((skingen.exitCode() == 0) == succeeds, output.constData());
    if (succeeds) {
        // Every listed picture was written with the listed size.
        for (const QString &line : manifest.split(QLatin1Char('\n'))) {
            const QStringList fields = line.split(QLatin1Char(' '));
            const QImage image(dir.filePath(QStringLiteral("out/") + fields.at(0)));
            QCOMPARE(QStringLiteral("%1x%2").arg(image.width()).arg(image.height()), fields.at(2));
        }
    }
}

QTEST_GUILESS_MAIN(tst_Skingen)
#include "tst_skingen.moc"
