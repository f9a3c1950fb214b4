// The audio tag panel: the record is shown as it is and loading writes nothing,
// n-of-m numbers are composed only when the user edits them, and a cover file
// is checked before it is stored.
#include "QAudioTagForm.h"
#include "QPanelChooser.h"
#include "QVelBaseTextEdit.h"
#include "QVideoEditingSettings.h"

#include <QDir>
#include <QImage>
#include <QtTest>

class tst_AudioTag : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void coverIsCheckedBeforeItIsStored();
    void loadingShowsTheRecordAndWritesNothing_data();
    void loadingShowsTheRecordAndWritesNothing();
    void editsAreComposedAndStored_data();
    void editsAreComposedAndStored();

private:
    QTemporaryDir m_dir;
};

void tst_AudioTag::cleanup()
{
    QPanelChooser::setFileChooser({});
    QPanelChooser::setMessageHandler({});
}

void tst_AudioTag::coverIsCheckedBeforeItIsStored()
{
    const QString good = m_dir.filePath("cover.PNG");
    QImage picture(64, 48, QImage::Format_ARGB32);
    picture.fill(QColor(200, 30, 30, 128));
    QVERIFY(picture.save(good, "PNG"));
    const QString bad = m_dir.filePath("corrupt.png");
    QFile corrupt(bad);
    QVERIFY(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("\x89PNG not really a picture");
    corrupt.close();

    QVideoEditingSettings model;
    QAudioTagForm form;
    form.setEditSettings(&model);
    form.show();

    QString answer = good, dir, filter;
    QPanelChooser::setFileChooser([&](QWidget*, const QString&, const QString& d, const QString& f) {
        dir = d;
        filter = f;
        return answer;
    });
    QStringList warnings;
    QPanelChooser::setMessageHandler([&](QWidget*, const QString& m) { warnings << m; });

    form.m_btnTagImg->click();
    QCOMPARE(dir, QDir::homePath());
    QVERIFY(QDir::match(filter.section("(", 1).section(")", 0, 0), "x.png"));
    QVERIFY(QDir::match(filter.section("(", 1).section(")", 0, 0), "x.JPG"));
    QVERIFY(filter.endsWith("All files (*)"));
    VEAudioTagInfo info;
    model.getAudioTagInfo(info);
    QFile file(good);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(info.m_cover, file.readAll());
    QCOMPARE(int(info.m_coverSize), info.m_cover.size());
    QCOMPARE(form.getThumbnailPath(), good);
    QVERIFY(form.m_btnDelete->isVisibleTo(&form));
    QVERIFY(warnings.isEmpty());

    // A file that does not decode: said so, and nothing changes.
    answer = bad;
    form.m_btnTagImg->click();
    QCOMPARE(dir, m_dir.path());
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().contains("corrupt.png"));
    VEAudioTagInfo after;
    model.getAudioTagInfo(after);
    QVERIFY(after == info);
    QCOMPARE(form.getThumbnailPath(), good);
    QVERIFY(form.m_btnDelete->isVisibleTo(&form));

    // Cancelled: nothing.
    answer.clear();
    form.m_btnTagImg->click();
    model.getAudioTagInfo(after);
    QVERIFY(after == info);

    form.m_btnDelete->click();
    model.getAudioTagInfo(after);
    QVERIFY(after.m_cover.isEmpty());
    QCOMPARE(after.m_coverSize, 0u);
    QVERIFY(form.getThumbnailPath().isEmpty());
    QVERIFY(!form.m_btnDelete->isVisibleTo(&form));
}

void tst_AudioTag::loadingShowsTheRecordAndWritesNothing_data()
{
    QTest::addColumn<QByteArray>("disc");
    QTest::addColumn<QByteArray>("track");
    QTest::addColumn<QByteArray>("year");
    QTest::addColumn<QByteArray>("comment");
    QTest::addColumn<QStringList>("shown"); // disc1, disc2, track1, track2, year, comment

    QTest::newRow("n of m") << QByteArray("3/12") << QByteArray("5") << QByteArray("2001") << QByteArray("plain")
                            << QStringList{"3", "12", "5", "0", "2001", "plain"};
    QTest::newRow("leading zeros, backslash") << QByteArray("03/012") << QByteArray("7\\9") << QByteArray()
                                               << QByteArray() << QStringList{"03", "012", "7", "9", "", ""};
    QTest::newRow("empty parts") << QByteArray("/5") << QByteArray("3/") << QByteArray() << QByteArray()
                                 << QStringList{"0", "5", "3", "0", "", ""};
    QTest::newRow("second slash, empty") << QByteArray("1/2/3") << QByteArray() << QByteArray() << QByteArray()
                                         << QStringList{"1", "2/3", "0", "0", "", ""};
    QTest::newRow("markup is text") << QByteArray() << QByteArray() << QByteArray()
                                    << QByteArray("<b>loud</b> &amp; clear")
                                    << QStringList{"0", "0", "0", "0", "", "<b>loud</b> &amp; clear"};
}

void tst_AudioTag::loadingShowsTheRecordAndWritesNothing()
{
    QFETCH(QByteArray, disc);
    QFETCH(QByteArray, track);
    QFETCH(QByteArray, year);
    QFETCH(QByteArray, comment);
    QFETCH(QStringList, shown);

    VEAudioTagInfo tags;
    tags.m_title = QString::fromUtf8("Ünïcode title").toUtf8();
    tags.m_genre = "Chiptune";
    tags.m_date = "1999-12-31";
    tags.m_disc = disc;
    tags.m_track = track;
    tags.m_year = year;
    tags.m_comment = comment;
    QVideoEditingSettings model;
    model.setAudioTagInfo(tags);
    QAudioTagForm form;
    form.setEditSettings(&model);
    form.show();

    const QStringList actual{form.m_editDisc1->text(),  form.m_editDisc2->text(), form.m_editTrack1->text(),
                             form.m_editTrack2->text(), form.m_editYear->text(),
                             form.m_editComments->textEdit()->toPlainText()};
    shown[4] = year.isEmpty() ? QString("1999") : shown[4];
    QCOMPARE(actual, shown);
    QCOMPARE(form.m_editTitle->text(), QString::fromUtf8("Ünïcode title"));
    QCOMPARE(form.m_editGenre->currentText(), QString("Chiptune"));

    VEAudioTagInfo after;
    model.getAudioTagInfo(after);
    QVERIFY(after == tags);
    QVERIFY(!form.audioTagInfoChange());
}

void tst_AudioTag::editsAreComposedAndStored_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("track");
    QTest::addColumn<QByteArray>("disc");

    // The record starts with track "0/0"-like emptiness and disc "2/9".
    QTest::newRow("count while the number is empty") << "m_editTrack2" << "12" << QByteArray() << QByteArray("2/9");
    QTest::newRow("number alone") << "m_editTrack1" << "4" << QByteArray("4") << QByteArray("2/9");
    QTest::newRow("leading zeros dropped") << "m_editDisc1" << "002" << QByteArray() << QByteArray("2/9");
    QTest::newRow("count cleared keeps the number") << "m_editDisc2" << "" << QByteArray() << QByteArray("2");
    QTest::newRow("above 32 bits counts as 0") << "m_editDisc1" << "2147483648" << QByteArray() << QByteArray();
}

void tst_AudioTag::editsAreComposedAndStored()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QByteArray, track);
    QFETCH(QByteArray, disc);

    VEAudioTagInfo tags;
    tags.m_disc = "2/9";
    QVideoEditingSettings model;
    model.setAudioTagInfo(tags);
    QAudioTagForm form;
    form.setEditSettings(&model);
    form.show();

    form.findChild<QLineEdit*>(control)->setText(text);
    VEAudioTagInfo after;
    model.getAudioTagInfo(after);
    QCOMPARE(after.m_track, track);
    QCOMPARE(after.m_disc, disc);
    QVERIFY(form.audioTagInfoChange() == (after.m_disc != tags.m_disc || after.m_track != tags.m_track));

    // Genre and comments store what the user typed, as text.
    form.m_editGenre->setEditText("Free form");
    form.m_editComments->textEdit()->setPlainText("<i>a</i>");
    model.getAudioTagInfo(after);
    QCOMPARE(after.m_genre, QByteArray("Free form"));
    QCOMPARE(after.m_comment, QByteArray("<i>a</i>"));
    form.m_editGenre->setEditText(QString());
    model.getAudioTagInfo(after);
    QVERIFY(after.m_genre.isEmpty());
}

QTEST_MAIN(tst_AudioTag)
#include "tst_audiotag.moc"
