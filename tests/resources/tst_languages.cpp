// The shipped language list names translations that exist and load, and the
// translation sources hold no unfinished entry.
#include "ResourceRoot.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTranslator>
#include <QtTest>

class tst_Languages : public QObject
{
    Q_OBJECT

private slots:
    void listNamesFiveLanguagesInOrder();
    void translationLoads_data();
    void translationLoads();
    void sourcesAreFinished_data();
    void sourcesAreFinished();
};

namespace {
QDomElement languageList()
{
    QFile file(resourceRoot() + QStringLiteral("/Language/Language.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return QDomElement();
    QDomDocument document;
    QString error;
    int line = 0;
    if (!document.setContent(&file, false, &error, &line)) {
        qWarning("Language.xml:%d: %s", line, qPrintable(error));
        return QDomElement();
    }
    return document.documentElement();
}
}

void tst_Languages::listNamesFiveLanguagesInOrder()
{
    const QDomElement root = languageList();
    QVERIFY2(!root.isNull(), "Resources/Language/Language.xml is missing or does not parse");
    QStringList names, types;
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        names << e.attribute(QStringLiteral("Language_Name"));
        types << e.attribute(QStringLiteral("Language_Type"));
    }
    // English first: it is the settings default; the types select layouts by number 0-4.
    QCOMPARE(names, (QStringList{QStringLiteral("English"), QStringLiteral("简体中文"), QStringLiteral("Deutsch"),
                                 QStringLiteral("Français"), QStringLiteral("日本語")}));
    QCOMPARE(types, (QStringList{QStringLiteral("English"), QStringLiteral("Chinese"), QStringLiteral("German"),
                                 QStringLiteral("French"), QStringLiteral("Japanese")}));
}

void tst_Languages::translationLoads_data()
{
    QTest::addColumn<QString>("file");
    const QDomElement root = languageList();
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        QTest::newRow(qPrintable(e.attribute(QStringLiteral("Language_Name")))) << e.attribute(QStringLiteral("Language_File"));
    if (root.isNull())
        QTest::newRow("no language list") << QString();
}

void tst_Languages::translationLoads()
{
    QFETCH(QString, file);
    QVERIFY2(!file.isEmpty(), "no Language_File");
    const QString path = resourceRoot() + QStringLiteral("/Language/") + file;
    QVERIFY2(QFile::exists(path), qPrintable(path + QStringLiteral(" is missing")));
    QTranslator translator;
    QVERIFY2(translator.load(path), qPrintable(path + QStringLiteral(" does not load")));
}

void tst_Languages::sourcesAreFinished_data()
{
    QTest::addColumn<QString>("source");
    const QDir dir(QStringLiteral(ZV_TRANSLATIONS_DIR));
    for (const QString &name : dir.entryList({QStringLiteral("*.ts")}, QDir::Files))
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

// English holds the source texts only; every other language translates all of them.
void tst_Languages::sourcesAreFinished()
{
    QFETCH(QString, source);
    QFile file(source);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument document;
    QString error;
    QVERIFY2(document.setContent(&file, &error), qPrintable(error));
    QCOMPARE(document.documentElement().tagName(), QStringLiteral("TS"));
    if (source.endsWith(QLatin1String("lang_en.ts")))
        return;
    QStringList unfinished;
    const QDomNodeList messages = document.elementsByTagName(QStringLiteral("message"));
    for (int i = 0; i < messages.size(); ++i) {
        const QDomElement message = messages.at(i).toElement();
        const QDomElement translation = message.firstChildElement(QStringLiteral("translation"));
        const QString type = translation.attribute(QStringLiteral("type"));
        if (type == QLatin1String("obsolete") || type == QLatin1String("vanished"))
            continue;
        const bool plural = !translation.firstChildElement(QStringLiteral("numerusform")).isNull();
        if (type == QLatin1String("unfinished") || (!plural && translation.text().isEmpty()))
            unfinished << message.firstChildElement(QStringLiteral("source")).text();
    }
    QVERIFY2(unfinished.isEmpty(), qPrintable(QStringLiteral("untranslated: ") + unfinished.join(QStringLiteral(" | "))));
}

QTEST_GUILESS_MAIN(tst_Languages)
#include "tst_languages.moc"
