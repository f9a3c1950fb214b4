#include "MD5.h"

#include <QtTest>
#include <sstream>

class TestMd5 : public QObject
{
    Q_OBJECT

private slots:
    void knownDigests_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("digest");
        // The test suite of RFC 1321.
        QTest::newRow("empty") << QByteArray("") << QByteArray("d41d8cd98f00b204e9800998ecf8427e");
        QTest::newRow("a") << QByteArray("a") << QByteArray("0cc175b9c0f1b6a831c399e269772661");
        QTest::newRow("abc") << QByteArray("abc") << QByteArray("900150983cd24fb0d6963f7d28e17f72");
        QTest::newRow("message digest") << QByteArray("message digest")
                                        << QByteArray("f96b697d7cb7938d525a2f31aaf161d0");
        QTest::newRow("alphabet") << QByteArray("abcdefghijklmnopqrstuvwxyz")
                                  << QByteArray("c3fcd3d76192e4007dfb496cca67e13b");
        QTest::newRow("alphanumeric")
            << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789")
            << QByteArray("d174ab98d277d9f5a5611c2c9f419d9f");
        QTest::newRow("80 digits")
            << QByteArray("1234567890123456789012345678901234567890"
                          "1234567890123456789012345678901234567890")
            << QByteArray("57edf4a22be3c955ac49da2e2107b67a");
    }

    void knownDigests()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, digest);
        QCOMPARE(QByteArray::fromStdString(MD5(input.toStdString()).hexdigest()), digest);
        QCOMPARE(QByteArray::fromStdString(MD5(input.toStdString()).md5()), digest);
    }

    // Feeding in odd-sized pieces must give the digest of the whole, across
    // block boundaries; checked against Qt's own MD5.
    void piecewiseMatchesWhole()
    {
        QByteArray data;
        for (int i = 0; i < 1000; ++i)
            data.append(char(i * 7 + 3));
        MD5 md5;
        int offset = 0;
        for (int piece : {1, 63, 64, 65, 127, 200, 480}) {
            md5.update(data.constData() + offset, unsigned(piece));
            offset += piece;
        }
        md5.update(reinterpret_cast<const unsigned char *>(data.constData()) + offset, unsigned(data.size() - offset));
        md5.finalize();
        QCOMPARE(QByteArray::fromStdString(md5.hexdigest()),
                 QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex());
    }

    void lifecycle()
    {
        MD5 md5;
        QVERIFY(md5.hexdigest().empty());
        md5.update("abc", 3);
        QVERIFY(md5.hexdigest().empty());
        md5.finalize();
        const std::string first = md5.hexdigest();
        md5.finalize();   // a second call changes nothing
        QCOMPARE(md5.hexdigest(), first);
        md5.update("more", 4);   // ignored once finalized
        QCOMPARE(md5.hexdigest(), first);

        std::ostringstream out;
        out << md5;
        QCOMPARE(out.str(), std::string("900150983cd24fb0d6963f7d28e17f72"));

        md5.init();
        QVERIFY(md5.hexdigest().empty());
        md5.finalize();
        QCOMPARE(md5.hexdigest(), std::string("d41d8cd98f00b204e9800998ecf8427e"));
    }
};

QTEST_APPLESS_MAIN(TestMd5)
#include "tst_md5.moc"
