// Where the editing side looks for its pictures and packs, and the services it
// forwards to the system and the engine.
#include "QVelProjectPath.h"
#include "VECommonClass.h"
#include "VEHelper.h"
#include "VelSystemActions.h"

#include <QCoreApplication>
#include <QDir>
#include <QtTest>

class tst_EditPaths : public QObject
{
    Q_OBJECT

private slots:
    void foldersLieInTheResources_data();
    void foldersLieInTheResources();
    void bundleFolderIsTheExecutablesParent();
    void revealNormalisesOnePassEach_data();
    void revealNormalisesOnePassEach();
    void utf32ForwardsToTheEngine();
    // Changes process-wide state: keep it last.
    void customPathGoesBelowTheBundleFolder();
};

namespace {
using Folder = QString (*)();
}
Q_DECLARE_METATYPE(Folder)

void tst_EditPaths::foldersLieInTheResources_data()
{
    QTest::addColumn<Folder>("folder");
    QTest::addColumn<QString>("sub");
    QTest::newRow("pictures") << Folder(&VECommonClass::getCustomResPath) << "/VEditSource";
    QTest::newRow("video effects") << Folder(&VECommonClass::getVideoEffectsPath) << "/VideoEffects";
    QTest::newRow("frames") << Folder(&VECommonClass::getVideoFramesPath) << "/VideoFrames";
    QTest::newRow("audio effects") << Folder(&VECommonClass::getAudioEffectsPath) << "/AudioEffects";
}

void tst_EditPaths::foldersLieInTheResources()
{
    QFETCH(Folder, folder);
    QFETCH(QString, sub);
    QCOMPARE(folder(), QVelProjectPath::getResourcePath(QString()) + sub);
    // The build ships all four folders.
    QVERIFY2(QDir(folder()).exists(), qPrintable(folder()));
}

void tst_EditPaths::bundleFolderIsTheExecutablesParent()
{
    const QString expected = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).absolutePath();
    QCOMPARE(VECommonClass::getResourcePath(), expected);
    QCOMPARE(VECommonClass::getResourcePath(), expected);
}

void tst_EditPaths::revealNormalisesOnePassEach_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("revealed");
    QTest::newRow("clean") << "/a/b.png" << "/a/b.png";
    QTest::newRow("doubled slash") << "/a//b.png" << "/a/b.png";
    QTest::newRow("backslashes") << "C:\\a\\b.png" << "C:/a/b.png";
    QTest::newRow("backslash beside a slash") << "/a/\\b.png" << "/a//b.png";
    QTest::newRow("tripled slash, one pass") << "/a///b.png" << "/a//b.png";
}

void tst_EditPaths::revealNormalisesOnePassEach()
{
    QFETCH(QString, given);
    QFETCH(QString, revealed);
    QStringList seen;
    const auto previous = VelSystemActions::setRevealHandler([&seen](const QString& path) { seen << path; });
    VECommonClass::setOpenFinder(given);
    VelSystemActions::setRevealHandler(previous);
    QCOMPARE(seen, QStringList{revealed});
}

void tst_EditPaths::utf32ForwardsToTheEngine()
{
    const char text[] = "Sn\xc3\xb6w \xe2\x9c\x93";
    QCOMPARE(VECommonClass::ConvertCharToUtft32(text), VEHelper::ConvertCharToUtft32(text));
    QCOMPARE(VECommonClass::ConvertCharToUtft32(text).size(), 7);
    QVERIFY(VECommonClass::ConvertCharToUtft32("\xc3").isEmpty());
}

void tst_EditPaths::customPathGoesBelowTheBundleFolder()
{
    VECommonClass::setCustomResPath(QStringLiteral("skins/dark"));
    const QString base = VECommonClass::getResourcePath() + QStringLiteral("/skins/dark");
    QCOMPARE(VECommonClass::getCustomResPath(), base + QStringLiteral("/VEditSource"));
    QCOMPARE(VECommonClass::getVideoEffectsPath(), base + QStringLiteral("/VideoEffects"));
    QCOMPARE(VECommonClass::getVideoFramesPath(), base + QStringLiteral("/VideoFrames"));
    QCOMPARE(VECommonClass::getAudioEffectsPath(), base + QStringLiteral("/AudioEffects"));
}

QTEST_MAIN(tst_EditPaths)
#include "tst_editpaths.moc"
