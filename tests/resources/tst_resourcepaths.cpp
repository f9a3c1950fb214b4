// Every picture path the code writes whole in one literal must exist in the built
// Resources folder: a typo, a case slip or a picture missing from the manifest would
// otherwise give an invisible 0x0 widget.
#include "ResourceRoot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <QtTest>

namespace {
// Folders that hold no program code (tests name pictures that need not exist).
const QStringList kSkippedTopFolders = {QStringLiteral("tests"), QStringLiteral("resources"),
                                        QStringLiteral("bench"), QStringLiteral("scripts"),
                                        QStringLiteral("cmake")};

// Picture paths written whole in one line of C++ or of a .ui form. Paths assembled from
// pieces ("icon_" + key + ".png"), wildcards and format strings are not whole paths.
QStringList pictureLiterals(const QString &text, bool uiForm)
{
    static const QRegularExpression cpp(QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*\\.png)\""));
    static const QRegularExpression ui(QStringLiteral("(?:>|url\\()([^<>()\"]*\\.png)(?:<|\\))"));
    QStringList found;
    const QString trimmed = text.trimmed();
    if (!uiForm && (trimmed.startsWith(QLatin1String("//")) || trimmed.startsWith(QLatin1Char('*'))))
        return found;
    auto it = (uiForm ? ui : cpp).globalMatch(text);
    while (it.hasNext()) {
        QString path = it.next().captured(1);
        if (path.contains(QLatin1Char('%')) || path.contains(QLatin1Char('*')) || path.contains(QLatin1Char(' ')))
            continue;
        path.replace(QStringLiteral("\\\\"), QStringLiteral("/"));
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        path.remove(QRegularExpression(QStringLiteral("^:?/+")));
        if (path.startsWith(QLatin1Char('.')) || path.isEmpty())
            continue;
        found << path;
    }
    return found;
}

QString sourceRoot()
{
    return QStringLiteral(ZV_SOURCE_DIR);
}

bool isSkipped(const QString &relative)
{
    const QString top = relative.section(QLatin1Char('/'), 0, 0);
    return kSkippedTopFolders.contains(top) || top.startsWith(QLatin1String("build"))
        || top.startsWith(QLatin1Char('.'));
}
}

class tst_ResourcePaths : public QObject
{
    Q_OBJECT

private slots:
    void extractsWholePaths_data();
    void extractsWholePaths();
    void literalPictureExists_data();
    void literalPictureExists();
};

void tst_ResourcePaths::extractsWholePaths_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("uiForm");
    QTest::addColumn<QStringList>("paths");

    QTest::newRow("resources-relative") << "setImage(res + \"/image/CutListDlg/btn_size.png\");" << false
                                        << QStringList{"image/CutListDlg/btn_size.png"};
    QTest::newRow("backslashes") << "QString p = \"\\\\pic\\\\bg_msg.png\";" << false
                                 << QStringList{"pic/bg_msg.png"};
    QTest::newRow("bare name") << "box.setIcon(\"bg_msg.png\"); box.setClose(\"btn_close.png\");" << false
                               << QStringList{"bg_msg.png", "btn_close.png"};
    QTest::newRow("assembled from data") << "path + \"/image/Format/icon_\" + key + \".png\"" << false
                                         << QStringList{};
    QTest::newRow("format string") << "QString(\"%1/thumb_%2.png\").arg(a, b)" << false << QStringList{};
    QTest::newRow("file filter") << "tr(\"Images (*.png *.jpg)\")" << false << QStringList{};
    QTest::newRow("comment") << "// was \"/image/old.png\"" << false << QStringList{};
    QTest::newRow("ui property") << "<string>/image/Common_bg/btn_common.png</string>" << true
                                 << QStringList{"image/Common_bg/btn_common.png"};
    QTest::newRow("ui style sheet") << "<string>border-image: url(:/VEditSource/normal.png);</string>" << true
                                    << QStringList{"VEditSource/normal.png"};
}

void tst_ResourcePaths::extractsWholePaths()
{
    QFETCH(QString, line);
    QFETCH(bool, uiForm);
    QFETCH(QStringList, paths);
    QCOMPARE(pictureLiterals(line, uiForm), paths);
}

void tst_ResourcePaths::literalPictureExists_data()
{
    QTest::addColumn<QString>("picture");
    const QDir root(sourceRoot());
    QDirIterator it(sourceRoot(), {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")},
                    QDir::Files, QDirIterator::Subdirectories);
    int rows = 0;
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = root.relativeFilePath(file);
        if (isSkipped(relative))
            continue;
        QFile source(file);
        QVERIFY2(source.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file));
        QTextStream in(&source);
        in.setCodec("UTF-8");
        const bool uiForm = file.endsWith(QLatin1String(".ui"));
        for (int number = 1; !in.atEnd(); ++number) {
            for (const QString &picture : pictureLiterals(in.readLine(), uiForm)) {
                QTest::newRow(qPrintable(QStringLiteral("%1:%2 %3").arg(relative).arg(number).arg(picture)))
                    << picture;
                ++rows;
            }
        }
    }
    if (rows == 0)
        QTest::newRow("no picture literal in the code yet") << QString();
}

void tst_ResourcePaths::literalPictureExists()
{
    QFETCH(QString, picture);
    if (picture.isEmpty())
        QSKIP("no picture path written in the code yet");
    // The code prefixes one of three roots: Resources, the editing root, the message box's folder.
    const QString resources = resourceRoot();
    const QStringList roots = {resources, resources + QStringLiteral("/VEditSource"),
                               resources + QStringLiteral("/pic")};
    for (const QString &rootDir : roots) {
        if (QFile::exists(rootDir + QLatin1Char('/') + picture))
            return;
    }
    QFAIL(qPrintable(QStringLiteral("%1 is under none of Resources/, Resources/VEditSource/, Resources/pic/")
                         .arg(picture)));
}

QTEST_GUILESS_MAIN(tst_ResourcePaths)
#include "tst_resourcepaths.moc"
