// Every preset tile of both shipped lists finds its picture: the format dialog builds
// "image/Format/icon_<icon>.png" from the list's data, which no source scan can see.
#include "QPlistRead.h"
#include "ResourceRoot.h"

#include <QFile>
#include <QImage>
#include <QtTest>

class tst_PresetIcons : public QObject
{
    Q_OBJECT

private slots:
    void iconExists_data();
    void iconExists();
};

void tst_PresetIcons::iconExists_data()
{
    QTest::addColumn<QString>("icon");
    for (const char *list : {"/profile/profiles_mac.plist", "/profile/profiles_mac_Lossless.plist"}) {
        const QString path = resourceRoot() + QLatin1String(list);
        QVERIFY2(QFile::exists(path), qPrintable(path + QStringLiteral(" is missing")));
        QPlistRead reader(path.toStdString());
        QVERIFY2(reader.errorString().isEmpty(), qPrintable(reader.errorString()));
        const std::vector<std::string> categories = reader.getCategories();
        QVERIFY(!categories.empty());
        for (const std::string &category : categories) {
            const std::vector<FormatBaseInfo *> *tiles = reader.getCategoriesInfoList(category);
            QVERIFY2(tiles, category.c_str());
            for (const FormatBaseInfo *tile : *tiles) {
                QTest::newRow(qPrintable(QStringLiteral("%1/%2/%3").arg(QLatin1String(list).mid(9),
                                             QString::fromStdString(category), QString::fromStdString(tile->id))))
                    << QString::fromStdString(tile->icon);
            }
        }
    }
}

void tst_PresetIcons::iconExists()
{
    QFETCH(QString, icon);
    QVERIFY(!icon.isEmpty());
    const QString path = resourceRoot() + QStringLiteral("/image/Format/icon_%1.png").arg(icon);
    const QImage picture(path);
    QVERIFY2(!picture.isNull(), qPrintable(path + QStringLiteral(" is missing")));
    // Tiles hold icons of at most 37x37 logical at device pixel ratio 2.
    QVERIFY(picture.width() <= 74 && picture.height() <= 74);
}

QTEST_GUILESS_MAIN(tst_PresetIcons)
#include "tst_preseticons.moc"
