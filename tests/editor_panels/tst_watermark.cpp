// The Watermark tab on a model without a player: the transparency scales, the
// picture chosen through the file chooser (decoded once, refused when it cannot
// be read), the text and its start time, Delete and Reset.
#include "../editor/EditorMouse.h"
#include "QPanelChooser.h"
#include "QVideoEditingSettings.h"
#include "QVelBaseTextEdit.h"
#include "QWatermarkOperationForm.h"
#include "TestMedia.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
constexpr uint64_t kTrimStart = 2000000;

struct Fixture
{
    Fixture()
    {
        form.setEditSettings(&model);
        model.setTrimTimeNoSeekPlayer(kTrimStart, 0);
        form.resize(814, 128);
        form.show();
    }
    VEWatermarkSettings layer() const
    {
        VEWatermarkSettings s;
        model.getWatermarkSettings(s);
        return s;
    }
    QVideoEditingSettings model;
    QWatermarkOperationForm form;
};

// The next file chooser answers with `path` and remembers what it was asked.
struct FileAnswer
{
    explicit FileAnswer(const QString& path)
    {
        QPanelChooser::setFileChooser([this, path](QWidget*, const QString&, const QString& d, const QString& f) {
            dir = d;
            filter = f;
            ++asked;
            return path;
        });
    }
    ~FileAnswer() { QPanelChooser::setFileChooser({}); }
    QString dir, filter;
    int asked = 0;
};
}

class tst_Watermark : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void transparencyScales_data();
    void transparencyScales();
    void sameAlphaWritesNothing();
    void pictureChosen_data();
    void pictureChosen();
    void unreadablePictureChangesNothing_data();
    void unreadablePictureChangesNothing();
    void deleteKeepsTheAlpha();
    void textWrittenOnEveryChange();
    void resetBringsTheDefaults();

private:
    QString m_png;
};

void tst_Watermark::initTestCase()
{
    // Left half opaque blue, right half transparent.
    m_png = TestMedia::make("watermark_alpha.png",
                            {"-f", "lavfi", "-i", "color=c=0x2040E0:s=64x64", "-vf",
                             "format=rgba,geq=r='r(X,Y)':g='g(X,Y)':b='b(X,Y)':a='if(lt(X,32),255,0)'",
                             "-frames:v", "1"});
    QVERIFY(!m_png.isEmpty());
}

void tst_Watermark::cleanup()
{
    QPanelChooser::setFileChooser({});
    QPanelChooser::setMessageHandler({});
}

void tst_Watermark::transparencyScales_data()
{
    QTest::addColumn<bool>("image");
    QTest::addColumn<QString>("action"); // "drag" to a track fraction, "report" a fraction, or keys typed
    QTest::addColumn<double>("fraction");
    QTest::addColumn<uint>("alpha");
    QTest::addColumn<QString>("edit");

    QTest::newRow("image slider dragged past the right end") << true << "drag" << 1.3 << 255u << "100";
    QTest::newRow("image slider dragged past the left end") << true << "drag" << -0.3 << 0u << "0";
    QTest::newRow("text slider dragged past the left end") << false << "drag" << -0.3 << 0u << "0";
    // Half way is a pixel position on the track; the slider's report of it is exact.
    QTest::newRow("text slider half way") << false << "report" << 0.5 << 128u << "50";
    QTest::newRow("image typed 100") << true << "100" << 0.0 << 254u << "100";
    QTest::newRow("text typed 50") << false << "50" << 0.0 << 127u << "50";
    QTest::newRow("text typed 150 is 100") << false << "150" << 0.0 << 254u << "100";
    QTest::newRow("image edit cleared") << true << "\b" << 0.0 << 0u << "";
}

void tst_Watermark::transparencyScales()
{
    QFETCH(bool, image);
    QFETCH(QString, action);
    QFETCH(double, fraction);
    QFETCH(uint, alpha);
    QFETCH(QString, edit);

    Fixture f;
    QVelBaseSlider* slider = image ? f.form.m_sliderAlpha : f.form.m_sliderTextAlpha;
    QVelLineEdit* percent = image ? f.form.m_leAlphaValue : f.form.m_leTextAlphaValue;
    QCOMPARE(percent->text(), QString("100"));
    if (action == "drag") {
        const int y = slider->height() / 2;
        EditorMouse::press(slider, QPoint(slider->width() / 2, y));
        EditorMouse::move(slider, QPoint(int(fraction * slider->width()), y), Qt::LeftButton);
        EditorMouse::release(slider, QPoint(int(fraction * slider->width()), y));
    } else if (action == "report") {
        emit slider->sendProgressValue(fraction);
    } else {
        percent->selectAll();
        if (action == "\b")
            QTest::keyClick(percent, Qt::Key_Backspace);
        else
            QTest::keyClicks(percent, action);
    }
    const VEWatermarkSettings s = f.layer();
    QCOMPARE(image ? s.m_imageSettings.m_alpha : s.m_textSettings.m_alpha, alpha);
    QCOMPARE(image ? s.m_textSettings.m_alpha : s.m_imageSettings.m_alpha, 255u);
    QCOMPARE(percent->text(), edit);
    if (action != "report")
        QCOMPARE(slider->value(), double(alpha));
}

void tst_Watermark::sameAlphaWritesNothing()
{
    Fixture f;
    QSignalSpy writes(&f.model, &QVideoEditingSettings::emitWatermarkSettingsChange);
    f.form.m_leAlphaValue->setText("7");
    emit f.form.m_sliderAlpha->sendProgressValue(1.0);
    QCOMPARE(writes.count(), 0);
    QCOMPARE(f.form.m_leAlphaValue->text(), QString("100"));
    emit f.form.m_sliderTextAlpha->sendProgressValue(0.2);
    QCOMPARE(writes.count(), 1);
    QCOMPARE(f.layer().m_textSettings.m_alpha, 51u);
}

void tst_Watermark::pictureChosen_data()
{
    QTest::addColumn<bool>("followsTrim");
    QTest::newRow("start follows the trim") << true;
    QTest::newRow("times kept") << false;
}

void tst_Watermark::pictureChosen()
{
    QFETCH(bool, followsTrim);
    Fixture f;
    f.model.setIsWatermarkAudioStartTime(followsTrim);
    VEWatermarkSettings before = f.layer();
    before.m_imageSettings.m_showStart = 5;
    before.m_imageSettings.m_showEnd = 9;
    f.model.setWatermarkSettings(before, false, false);
    QSignalSpy dialogs(&f.form, &QWatermarkOperationForm::emitOpenDlg);
    QVERIFY(f.form.m_btnDelete->isHidden());

    FileAnswer answer(m_png);
    QTest::mouseClick(f.form.m_btnAddWKImg, Qt::LeftButton);
    QCOMPARE(answer.asked, 1);
    QCOMPARE(dialogs.count(), 2);
    QCOMPARE(dialogs.at(0).at(0).toBool(), true);
    QCOMPARE(dialogs.at(1).at(0).toBool(), false);
    // A filter Qt reads (blank-separated patterns, both cases), only formats the
    // media layer decodes, and a way to any file; started at home.
    QCOMPARE(answer.dir, QDir::homePath());
    const QStringList filters = answer.filter.split(";;");
    QCOMPARE(filters.size(), 2);
    QVERIFY2(filters.at(0).contains("(*.jpg *.jpeg *.png"), qPrintable(filters.at(0)));
    for (const char* pattern : {"*.png", "*.PNG", "*.jpg", "*.JPG", "*.webp", "*.WEBP"})
        QVERIFY2(filters.at(0).contains(pattern), pattern);
    QVERIFY(!answer.filter.contains("heic", Qt::CaseInsensitive));
    QCOMPARE(filters.at(1), QString("All files (*)"));

    const VEWatermarkSettings s = f.layer();
    QCOMPARE(QString::fromUtf8(s.m_imageSettings.m_imageFile), m_png);
    QCOMPARE(s.m_imageSettings.m_showStart, followsTrim ? kTrimStart : uint64_t(5));
    QCOMPARE(s.m_imageSettings.m_showEnd, followsTrim ? uint64_t(0) : uint64_t(9));
    QVERIFY(f.form.m_btnDelete->isVisible());
    // The thumbnail is drawn in the button's top left corner: the opaque half blue.
    const QImage face = f.form.m_btnAddWKImg->grab().toImage();
    const QColor thumb = face.pixelColor(10, 30);
    QVERIFY2(thumb.blue() > 150 && thumb.red() < 90, qPrintable(thumb.name()));

    // Cancelling the chooser changes nothing.
    FileAnswer cancelled{QString()};
    QTest::mouseClick(f.form.m_btnAddWKImg, Qt::LeftButton);
    QVERIFY(f.layer() == s);
    QVERIFY(f.form.m_btnDelete->isVisible());
}

void tst_Watermark::unreadablePictureChangesNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("sound bytes named .png") << "corrupt.png";
    QTest::newRow("missing file") << "nowhere.png";
}

void tst_Watermark::unreadablePictureChangesNothing()
{
    QFETCH(QString, file);
    QString path = TestMedia::mediaDir() + "/" + file;
    if (file == "corrupt.png") {
        path = TestMedia::make(file, {"-f", "lavfi", "-i", "sine=duration=0.05", "-f", "s16le"});
        QVERIFY(!path.isEmpty());
    }
    Fixture f;
    FileAnswer first(m_png);
    QTest::mouseClick(f.form.m_btnAddWKImg, Qt::LeftButton);
    const VEWatermarkSettings before = f.layer();
    QSignalSpy writes(&f.model, &QVideoEditingSettings::emitWatermarkSettingsChange);
    QStringList messages;
    QPanelChooser::setMessageHandler([&](QWidget*, const QString& m) { messages << m; });

    FileAnswer bad(path);
    QTest::mouseClick(f.form.m_btnAddWKImg, Qt::LeftButton);
    QCOMPARE(messages, QStringList{QString("The file \"%1\" is not a picture that can be read.").arg(file)});
    QCOMPARE(writes.count(), 0);
    QVERIFY(f.layer() == before);
    QVERIFY(f.form.m_btnDelete->isVisible());
}

void tst_Watermark::deleteKeepsTheAlpha()
{
    Fixture f;
    FileAnswer answer(m_png);
    QTest::mouseClick(f.form.m_btnAddWKImg, Qt::LeftButton);
    emit f.form.m_sliderAlpha->sendProgressValue(0.5);
    QTest::mouseClick(f.form.m_btnDelete, Qt::LeftButton);
    QVERIFY(f.form.m_btnDelete->isHidden());
    QVERIFY(f.layer().m_imageSettings.m_imageFile.isEmpty());
    QCOMPARE(f.layer().m_imageSettings.m_alpha, 128u);
    const QColor face = f.form.m_btnAddWKImg->grab().toImage().pixelColor(10, 30);
    QVERIFY2(!(face.blue() > 150 && face.red() < 90), qPrintable(face.name()));
    // A later picture starts with that alpha.
    QTest::mouseClick(f.form.m_btnAddWKImg, Qt::LeftButton);
    QCOMPARE(f.layer().m_imageSettings.m_alpha, 128u);
    QVERIFY(!f.layer().m_imageSettings.m_imageFile.isEmpty());
}

void tst_Watermark::textWrittenOnEveryChange()
{
    Fixture f;
    f.model.setIsWatermarkAudioStartTime(true);
    QSignalSpy writes(&f.model, &QVideoEditingSettings::emitWatermarkSettingsChange);
    QTest::keyClicks(f.form.m_leAddWKText->textEdit(), QString::fromUtf8("Ab©"));
    QCOMPARE(writes.count(), 3);
    const VEWatermarkSettings s = f.layer();
    QCOMPARE(QString::fromUtf8(s.m_textSettings.m_text), QString::fromUtf8("Ab©"));
    QCOMPARE(s.m_textSettings.m_showStart, kTrimStart);
    QCOMPARE(s.m_textSettings.m_showEnd, uint64_t(0));
    QCOMPARE(s.m_imageSettings.m_showStart, uint64_t(0));

    QSignalSpy style(&f.form, &QWatermarkOperationForm::emitWatermartTextSetting);
    QTest::mouseClick(f.form.m_btnSetWKTFont, Qt::LeftButton);
    QCOMPARE(style.count(), 1);
}

void tst_Watermark::resetBringsTheDefaults()
{
    Fixture f;
    FileAnswer answer(m_png);
    QTest::mouseClick(f.form.m_btnAddWKImg, Qt::LeftButton);
    QTest::keyClicks(f.form.m_leAddWKText->textEdit(), "ABC");
    emit f.form.m_sliderTextAlpha->sendProgressValue(0.1);
    emit f.form.m_sliderAlpha->sendProgressValue(0.3);
    VEWatermarkSettings styled = f.layer();
    styled.m_textSettings.m_bold = 1;
    styled.m_textSettings.m_color = 0xFFFF0000;
    styled.m_textSettings.m_posX = 0.4;
    f.model.setWatermarkSettings(styled, false, false);

    emit f.form.m_buttonFrom->emitReset();
    QVERIFY(f.layer() == VEWatermarkSettings());
    QVERIFY(f.form.m_leAddWKText->textEdit()->toPlainText().isEmpty());
    QCOMPARE(f.form.m_leAlphaValue->text(), QString("100"));
    QCOMPARE(f.form.m_leTextAlphaValue->text(), QString("100"));
    QCOMPARE(f.form.m_sliderAlpha->value(), 255.0);
    QCOMPARE(f.form.m_sliderTextAlpha->value(), 255.0);
    QVERIFY(f.form.m_btnDelete->isHidden());
}

QTEST_MAIN(tst_Watermark)
#include "tst_watermark.moc"
