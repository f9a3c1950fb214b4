#include "VEHelper.h"

#include <QtTest>

Q_DECLARE_METATYPE(QVector<uint32_t>)

class TestUtf32 : public QObject
{
    Q_OBJECT

private slots:
    void convert_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QVector<uint32_t>>("expected");
        QTest::newRow("empty") << QByteArray("") << QVector<uint32_t>{0};
        QTest::newRow("ascii") << QByteArray("Abc") << QVector<uint32_t>{'A', 'b', 'c', 0};
        QTest::newRow("two-byte") << QByteArray("\xC3\xA9t\xC3\xA9")          // "été"
                                  << QVector<uint32_t>{0xE9, 't', 0xE9, 0};
        QTest::newRow("three-byte") << QByteArray("\xE4\xB8\xAD\xE6\x96\x87")  // two CJK characters
                                    << QVector<uint32_t>{0x4E2D, 0x6587, 0};
        // Outside the basic plane: one code point, not a surrogate pair.
        QTest::newRow("four-byte") << QByteArray("\xF0\x9F\x8E\xB5/x")
                                   << QVector<uint32_t>{0x1F3B5, '/', 'x', 0};
        QTest::newRow("path") << QByteArray("/tmp/Caf\xC3\xA9 1.mp3")
                              << QVector<uint32_t>{'/', 't', 'm', 'p', '/', 'C', 'a', 'f', 0xE9, ' ', '1',
                                                   '.', 'm', 'p', '3', 0};
    }

    void convert()
    {
        QFETCH(QByteArray, utf8);
        QFETCH(QVector<uint32_t>, expected);
        const QVector<uint32_t> result = VEHelper::ConvertCharToUtft32(utf8.constData());
        QCOMPARE(result, expected);
        // Machine byte order, no byte-order mark: the first unit is the first character.
        if (!utf8.isEmpty())
            QVERIFY(result.first() != 0xFEFF && result.first() != 0xFFFE0000u);
    }

    void invalidInputGivesNoText_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::newRow("lone continuation") << QByteArray("a\x80z");
        QTest::newRow("truncated sequence") << QByteArray("ab\xE4\xB8");
        QTest::newRow("invalid lead byte") << QByteArray("\xFF\xFE");
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF");
    }

    void invalidInputGivesNoText()
    {
        QFETCH(QByteArray, utf8);
        QVERIFY(VEHelper::ConvertCharToUtft32(utf8.constData()).isEmpty());
    }

    void nullInput()
    {
        QVERIFY(VEHelper::ConvertCharToUtft32(nullptr).isEmpty());
    }

    void charToQString()
    {
        std::string text("Caf\xC3\xA9\0tail", 10);
        QCOMPARE(VEHelper::charToQString(text), QString::fromUtf8("Caf\xC3\xA9"));
    }
};

QTEST_APPLESS_MAIN(TestUtf32)
#include "tst_utf32.moc"
