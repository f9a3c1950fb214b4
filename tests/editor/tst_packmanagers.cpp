// Finding the packs: walk order on a fixture tree (case-blind sort, nested packs,
// backup copies, hidden folders, a link loop), and the packs the program ships.
#include "QAudioEffectManager.h"
#include "QFrameChunk.h"
#include "QFrameChunkManager.h"
#include "QResourcePackManager.h"
#include "QVideoEffectManager.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include "QIAnyUtil.h"

class tst_PackManagers : public QObject
{
    Q_OBJECT

private slots:
    void walkOrder();
    void linkLoopsEndTheWalk();
    void missingFolderGivesNoPacks();
    void shippedPacksLoad_data();
    void shippedPacksLoad();
    void shippedPackNamesTranslated_data();
    void shippedPackNamesTranslated();

private:
    static void pack(const QString& folder, const QString& name, const QString& file = QStringLiteral("config.xml"));
    static QStringList names(const QResourcePackManager& manager);
};

void tst_PackManagers::pack(const QString& folder, const QString& name, const QString& file)
{
    QVERIFY(QDir().mkpath(folder));
    QFile config(folder + QLatin1Char('/') + file);
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("<Pack Name=\"%1\" Thumbnail=\"thumb.png\"/>").arg(name).toUtf8());
}

QStringList tst_PackManagers::names(const QResourcePackManager& manager)
{
    QStringList list;
    for (int i = 0; manager.getFrameChunk(i); ++i)
        list << manager.getFrameChunk(i)->Name;
    return list;
}

void tst_PackManagers::walkOrder()
{
    QTemporaryDir dir;
    const QString root = dir.path();
    pack(root + QStringLiteral("/b"), QStringLiteral("b"));
    pack(root + QStringLiteral("/A"), QStringLiteral("A"));
    pack(root + QStringLiteral("/A"), QStringLiteral("A backup"), QStringLiteral("config.xml.bak"));
    pack(root + QStringLiteral("/c"), QStringLiteral("c"));
    pack(root + QStringLiteral("/c/D"), QStringLiteral("c/D"));
    pack(root + QStringLiteral("/c/a"), QStringLiteral("c/a"));
    pack(root + QStringLiteral("/.hidden"), QStringLiteral("hidden"));
    pack(root + QStringLiteral("/e"), QStringLiteral("unused"), QStringLiteral("settings.xml"));
    QFile broken(root + QStringLiteral("/d/config.xml"));
    QVERIFY(QDir().mkpath(root + QStringLiteral("/d")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("<Pack Name=\"d\"");
    broken.close();

    QResourcePackManager manager(root, nullptr);
    // A backup copy counts as a pack; a nested pack sorts among its siblings'
    // names ("a" < "config.xml" < "D"); an unparsable one is an empty pack.
    QCOMPARE(names(manager), (QStringList{"A", "A backup", "b", "c/a", "c", "c/D", ""}));
    QCOMPARE(manager.getFrameChunk(0)->FilePath, root + QStringLiteral("/A"));
    QCOMPARE(manager.getFrameChunk(5)->FilePath, root + QStringLiteral("/c/D"));
    QCOMPARE(manager.getFrameChunk(6)->Rate, 100);
    QVERIFY(!manager.getFrameChunk(-1));
    QVERIFY(!manager.getFrameChunk(7));
}

void tst_PackManagers::linkLoopsEndTheWalk()
{
    QTemporaryDir dir;
    const QString root = dir.path();
    pack(root + QStringLiteral("/01_one"), QStringLiteral("one"));
    pack(root + QStringLiteral("/02_two"), QStringLiteral("two"));
    // Links back up the tree, to itself, and across to a sibling.
    QVERIFY(QFile::link(root, root + QStringLiteral("/01_one/up")));
    QVERIFY(QFile::link(root + QStringLiteral("/02_two"), root + QStringLiteral("/02_two/self")));
    QVERIFY(QFile::link(root + QStringLiteral("/01_one"), root + QStringLiteral("/02_two/zz_sibling")));
    // A chain far deeper than any pack layout.
    QString deep = root + QStringLiteral("/03_deep");
    for (int i = 0; i < 40; ++i)
        deep += QStringLiteral("/d");
    pack(deep, QStringLiteral("too deep"));

    QResourcePackManager manager(root, nullptr);
    QCOMPARE(names(manager), (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
}

void tst_PackManagers::missingFolderGivesNoPacks()
{
    QTemporaryDir dir;
    QResourcePackManager manager(dir.filePath(QStringLiteral("missing")), nullptr);
    QVERIFY(!manager.getFrameChunk(0));
}

void tst_PackManagers::shippedPacksLoad_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("video effects") << "video";
    QTest::newRow("frames") << "frames";
    QTest::newRow("audio effects") << "audio";
}

// Every shipped pack is found, "None" first, with its thumbnail and pictures.
void tst_PackManagers::shippedPacksLoad()
{
    QFETCH(QString, kind);
    QObject owner;
    QList<QFrameChunk*> packs;
    if (kind == QLatin1String("video"))
        packs = (new QVideoEffectManager(&owner))->getVideoEffectlist();
    else if (kind == QLatin1String("frames"))
        packs = (new QFrameChunkManager(&owner))->getFrameChunklist();
    else
        packs = (new QAudioEffectManager(&owner))->getFrameChunklist();
    QVERIFY(packs.size() >= 4);
    QCOMPARE(packs.first()->Name, QStringLiteral("None"));
    QVERIFY(packs.first()->FrameInfoList.isEmpty() && packs.first()->EQ.isEmpty());
    for (int i = 0; i < packs.size(); ++i) {
        const QFrameChunk* chunk = packs.at(i);
        QVERIFY2(QDir(chunk->FilePath).dirName().startsWith(QStringLiteral("%1_").arg(i, 2, 10, QLatin1Char('0'))),
                 qPrintable(chunk->FilePath));
        QVERIFY2(!QImage(chunk->getThumbnailImage()).isNull(), qPrintable(chunk->getThumbnailImage()));
        QCOMPARE(chunk->Rate, 100);
        for (const FrameInfoItem& item : chunk->FrameInfoList) {
            const QImage picture(chunk->FilePath + QLatin1Char('/') + item.FileName);
            QCOMPARE(picture.size(), QSize(item.Width, item.Height));
        }
        if (kind == QLatin1String("audio"))
            QVERIFY(chunk->FrameInfoList.isEmpty());
        else if (i > 0)
            QVERIFY(chunk->getBestFrameInfoIndex(QSize(1280, 720)) >= 0);
    }
}

void tst_PackManagers::shippedPackNamesTranslated_data()
{
    QTest::addColumn<QString>("file");
    for (const char* file : {"lang_de.qm", "lang_fr.qm", "lang_zh_CN.qm", "lang_ja.qm"})
        QTest::newRow(file) << QString::fromLatin1(file);
}

// Every shipped pack's name is shown translated, while `Name` keeps the English
// key the settings and comparisons use.
void tst_PackManagers::shippedPackNamesTranslated()
{
    QFETCH(QString, file);
    QTranslator translator;
    QVERIFY(translator.load(QIAnyUtil::getResourcePath() + "/Language/" + file));
    QCoreApplication::installTranslator(&translator);
    QObject owner;
    QList<QFrameChunk*> packs = (new QVideoEffectManager(&owner))->getVideoEffectlist();
    packs += (new QFrameChunkManager(&owner))->getFrameChunklist();
    packs += (new QAudioEffectManager(&owner))->getFrameChunklist();
    QStringList missing;
    for (const QFrameChunk* pack : packs) {
        const QString translated = translator.translate("PackName", pack->Name.toUtf8().constData());
        if (translated.isEmpty() || pack->shownName() != translated)
            missing << pack->Name;
    }
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(packs.size() >= 12);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    QCOMPARE(packs.first()->Name, QStringLiteral("None"));
    QFrameChunk own;
    own.Name = QStringLiteral("My Own Pack");
    QCOMPARE(own.shownName(), own.Name);
}

QTEST_GUILESS_MAIN(tst_PackManagers)
#include "tst_packmanagers.moc"
