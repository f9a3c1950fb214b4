// Every text the program shows is translated in every shipped language. lupdate runs
// over the source tree into temporary copies of the translation files, so a text
// added in code but never translated shows up as unfinished here, even while the
// committed files still look complete. English holds the source texts and is left out.
#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Folders of the tree that hold no text of the program.
const QStringList kNotProgram = {QStringLiteral("tests"), QStringLiteral("bench"), QStringLiteral("resources"),
                                 QStringLiteral("cmake"), QStringLiteral("scripts")};

bool holdsSources(const QString &folder)
{
    QDirIterator it(folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")}, QDir::Files,
                    QDirIterator::Subdirectories);
    return it.hasNext();
}

// The program's top-level source folders; build trees (they hold a CMakeCache.txt)
// and hidden folders are skipped.
QStringList programFolders(const QDir &root)
{
    QStringList folders;
    for (const QString &name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (kNotProgram.contains(name) || QFile::exists(root.filePath(name + QStringLiteral("/CMakeCache.txt"))))
            continue;
        if (holdsSources(root.filePath(name)))
            folders << name;
    }
    return folders;
}

struct Message
{
    QString context;
    QString source;
    QStringList forms;   // one, or one per plural form
    bool unfinished = false;
};

QList<Message> readMessages(const QString &fileName, QString *error)
{
    QList<Message> messages;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QDomDocument document;
    if (!document.setContent(&file, error))
        return messages;
    for (QDomElement context = document.documentElement().firstChildElement(QStringLiteral("context"));
         !context.isNull(); context = context.nextSiblingElement(QStringLiteral("context"))) {
        const QString contextName = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement m = context.firstChildElement(QStringLiteral("message")); !m.isNull();
             m = m.nextSiblingElement(QStringLiteral("message"))) {
            const QDomElement translation = m.firstChildElement(QStringLiteral("translation"));
            const QString type = translation.attribute(QStringLiteral("type"));
            if (type == QLatin1String("obsolete") || type == QLatin1String("vanished"))
                continue;
            Message message;
            message.context = contextName;
            message.source = m.firstChildElement(QStringLiteral("source")).text();
            QStringList forms;
            for (QDomElement f = translation.firstChildElement(QStringLiteral("numerusform")); !f.isNull();
                 f = f.nextSiblingElement(QStringLiteral("numerusform")))
                forms << f.text();
            if (forms.isEmpty())
                forms << translation.text();
            message.forms = forms;
            message.unfinished = type == QLatin1String("unfinished") || forms.contains(QString());
            messages << message;
        }
    }
    return messages;
}

QString describe(const Message &message)
{
    return QStringLiteral("[%1] \"%2\"").arg(message.context, message.source);
}

// The %1..%99 markers of a text, each once, sorted.
QStringList argumentMarkers(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d{1,2})"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        const QString m = it.next().captured(0);
        if (!found.contains(m))
            found << m;
    }
    found.sort();
    return found;
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void argumentsKept_data();
    void argumentsKept();

private:
    QTemporaryDir m_copies;
    QStringList m_languages;   // file names of the updated copies
};

void tst_Translations::initTestCase()
{
    const QString lupdate = QStringLiteral(ZV_LUPDATE);
    QVERIFY2(QFileInfo(lupdate).isExecutable(),
             qPrintable(lupdate + QStringLiteral(" is not an executable lupdate (Debian package qttools5-dev-tools)")));
    QVERIFY(m_copies.isValid());

    const QDir translations(QStringLiteral(ZV_SOURCE_DIR "/resources/translations"));
    QStringList targets;
    for (const QString &name : translations.entryList({QStringLiteral("lang_*.ts")}, QDir::Files, QDir::Name)) {
        if (name == QLatin1String("lang_en.ts"))
            continue;
        const QString copy = m_copies.filePath(name);
        QVERIFY2(QFile::copy(translations.filePath(name), copy), qPrintable(name));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        m_languages << name;
        targets << copy;
    }
    QVERIFY2(!m_languages.isEmpty(), "no translation besides English");

    const QDir root(QStringLiteral(ZV_SOURCE_DIR));
    const QStringList folders = programFolders(root);
    QVERIFY2(!folders.isEmpty(), "no source folders found");

    QProcess process;
    process.setWorkingDirectory(root.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(lupdate, QStringList{QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none"),
                                       QStringLiteral("-extensions"), QStringLiteral("cpp,h,ui")}
                               + folders + QStringList{QStringLiteral("-ts")} + targets);
    QVERIFY2(process.waitForFinished(180000), "lupdate did not finish within three minutes");
    const QString output = QString::fromLocal8Bit(process.readAll());
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
             qPrintable(QStringLiteral("lupdate failed:\n") + output));
}

void tst_Translations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &name : m_languages)
        QTest::newRow(qPrintable(name)) << m_copies.filePath(name);
}

void tst_Translations::everyTextTranslated()
{
    QFETCH(QString, file);
    QString error;
    const QList<Message> messages = readMessages(file, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(!messages.isEmpty(), "lupdate found no text");
    QStringList missing;
    for (const Message &message : messages) {
        if (message.unfinished)
            missing << describe(message);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 text(s) not translated:\n  ").arg(missing.size())
                                           + missing.join(QStringLiteral("\n  "))));
}

void tst_Translations::argumentsKept_data()
{
    everyTextTranslated_data();
}

// A translation that drops or invents a %1 loses the file name, time or count the
// program puts there, or leaves the marker on screen.
void tst_Translations::argumentsKept()
{
    QFETCH(QString, file);
    QString error;
    const QList<Message> messages = readMessages(file, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList wrong;
    for (const Message &message : messages) {
        if (message.unfinished)
            continue;
        const QStringList expected = argumentMarkers(message.source);
        for (const QString &form : message.forms) {
            if (argumentMarkers(form) != expected) {
                wrong << describe(message) + QStringLiteral(" -> \"") + form + QLatin1Char('"');
                break;
            }
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("arguments differ from the source:\n  ")
                                         + wrong.join(QStringLiteral("\n  "))));
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
