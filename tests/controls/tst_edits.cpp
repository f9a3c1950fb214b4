#include "QVelBaseButton.h"
#include "QVelBaseTextEdit.h"
#include "QVelDoubleSpinBox.h"
#include "QVelLineEdit.h"
#include "QVelTextEdit.h"
#include "QVelTimeEdit.h"
#include "TestPictures.h"
#include "TestTiming.h"

#include <QElapsedTimer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QSignalSpy>
#include <QValidator>
#include <QtTest>

class TestEdits : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_up;
    QString m_down;

    // Holds the button down for `holdMs`, returning the value steps seen while held.
    template <typename Edit, typename Value>
    static int stepsWhileHeld(Edit* edit, QVelBaseButton* button, int holdMs, Value (Edit::*read)() const,
                              int* afterRelease)
    {
        const Value start = (edit->*read)();
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QTest::qWait(holdMs);
        const Value held = (edit->*read)();
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        *afterRelease = (edit->*read)() == held ? 0 : 1;
        return int(held - start);
    }

    // Column of the leftmost light (text) pixel, -1 when there is none.
    static int firstTextColumn(const QImage& image)
    {
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) > 128)
                    return x;
        return -1;
    }

    // Light pixels in the left half of a grabbed field, where its text is: white text
    // gives dozens, faded text none.
    static int lightPixels(QWidget* field)
    {
        const QImage image = field->grab().toImage();
        int light = 0;
        for (int x = 0; x < image.width() / 2; ++x)
            for (int y = 0; y < image.height(); ++y)
                light += qGray(image.pixel(x, y)) > 150;
        return light;
    }

    // White text in every colour group, set on the control as the forms do.
    static void lightText(QWidget* widget)
    {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Text, Qt::white);
        widget->setPalette(palette);
    }

    // A spin box or a time edit on the dark test picture, with the test buttons.
    QAbstractSpinBox* field(QWidget* parent, bool timeEdit, const QString& ground)
    {
        if (timeEdit) {
            auto* edit = new QVelTimeEdit(QTime(8, 8, 8), parent);
            edit->setDisplayFormat("HH:mm:ss");
            edit->setBackgroundImage(ground);
            edit->setUpAndDownBtnImage(m_up, m_down, true);
            return edit;
        }
        auto* spin = new QVelDoubleSpinBox(parent);
        spin->setDecimals(0);
        spin->setValue(88);
        spin->setBackgroundImage(ground);
        spin->setUpAndDownBtnImage(m_up, m_down, true);
        return spin;
    }

    static void addFieldKinds()
    {
        QTest::addColumn<bool>("timeEdit");
        QTest::newRow("spin box") << false;
        QTest::newRow("time edit") << true;
    }

    static QVelBaseButton* upButtonOf(QAbstractSpinBox* field)
    {
        if (auto* spin = qobject_cast<QVelDoubleSpinBox*>(field))
            return spin->upButton();
        return static_cast<QVelDateTimeEdit*>(field)->upButton();
    }

    static QVelBaseButton* downButtonOf(QAbstractSpinBox* field)
    {
        if (auto* spin = qobject_cast<QVelDoubleSpinBox*>(field))
            return spin->downButton();
        return static_cast<QVelDateTimeEdit*>(field)->downButton();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_up = TestPictures::strip(m_dir, "up.png", 128, 20);
        m_down = TestPictures::strip(m_dir, "down.png", 128, 20);
    }

    void numbersOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::newRow("12") << "12" << int(QValidator::Acceptable);
        QTest::newRow("007") << "007" << int(QValidator::Acceptable);
        QTest::newRow("0") << "0" << int(QValidator::Intermediate);
        QTest::newRow("000") << "000" << int(QValidator::Intermediate);
        QTest::newRow("empty") << "" << int(QValidator::Intermediate);
        QTest::newRow("minus") << "-1" << int(QValidator::Invalid);
        QTest::newRow("decimal point") << "1.5" << int(QValidator::Invalid);
        QTest::newRow("letter") << "a" << int(QValidator::Invalid);
    }

    void numbersOnly()
    {
        QFETCH(QString, text);
        QFETCH(int, state);
        QVelLineEdit edit;
        edit.onlyInputNumber();
        int pos = 0;
        QCOMPARE(int(edit.validator()->validate(text, pos)), state);
    }

    void typingIntoNumbersOnly()
    {
        QVelLineEdit edit;
        edit.onlyInputNumber();
        QTest::keyClicks(&edit, "1a-2.0");
        QCOMPARE(edit.text(), QString("120"));
    }

    void lineEditBackground()
    {
        QVelLineEdit plain;
        QVERIFY(!plain.setBackgroundImage(m_dir.filePath("missing.png")));
        QVERIFY(plain.styleSheet().isEmpty());
        QCOMPARE(plain.textMargins(), QMargins());
        QVelLineEdit skinned;
        QVERIFY(skinned.setBackgroundImage(TestPictures::flat(m_dir, "field.png", 40, 40, Qt::darkGray)));
        QVERIFY(skinned.styleSheet().contains("border:none"));
        QCOMPARE(skinned.textMargins(), QMargins(3, 0, 2, 0));
        skinned.resize(100, 24);
        QCOMPARE(skinned.grab().toImage().pixelColor(50, 12), QColor(Qt::darkGray));
    }

    void placeholderColouring()
    {
        QWidget window;
        auto* edit = new QVelLineEdit(&window);
        auto* other = new QVelLineEdit(&window);
        other->move(0, 40);
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Text, Qt::black);
        edit->setPalette(pal);
        edit->setPlaceholderText("hint");
        edit->setPlaceholderTextColor(Qt::red, true);
        QCOMPARE(edit->placeholderText(), QString("hint"));
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::red));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QVERIFY(edit->placeholderText().isEmpty());
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::black));
        other->setFocus();
        QTRY_VERIFY(!edit->hasFocus());
        QCOMPARE(edit->placeholderText(), QString("hint"));
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::red));
    }

    void textEditReportsPlainText()
    {
        QVelTextEdit edit;
        QSignalSpy changed(&edit, &QVelTextEdit::textChanged);
        edit.textEdit()->setPlainText("two\nlines");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toString(), QString("two\nlines"));
        edit.resize(200, 100);
        edit.setBackgroundImage(TestPictures::flat(m_dir, "text.png", 40, 40, Qt::darkGray));
        edit.setEditMargins(5, 6, 7, 8);
        edit.grab();
        QCOMPARE(edit.textEdit()->geometry(), QRect(QPoint(5, 6), QPoint(200 - 1 - 7, 100 - 1 - 8)));
    }

    void spinButtonPlacement_data()
    {
        QTest::addColumn<bool>("keepSize");
        QTest::addColumn<QRect>("up");
        QTest::addColumn<QRect>("down");
        QTest::newRow("keep size") << true << QRect(44, 0, 16, 10) << QRect(44, 14, 16, 10);
        QTest::newRow("stretched") << false << QRect(44, 0, 16, 12) << QRect(44, 12, 16, 12);
    }

    void spinButtonPlacement()
    {
        QFETCH(bool, keepSize);
        QFETCH(QRect, up);
        QFETCH(QRect, down);
        QVelDoubleSpinBox spin;
        spin.resize(60, 24);
        spin.setUpAndDownBtnImage(m_up, m_down, keepSize);
        QVERIFY(spin.upButton());
        QCOMPARE(spin.upButton()->geometry(), up);
        QCOMPARE(spin.downButton()->geometry(), down);
    }

    void spinWithoutPictureHasNoButtons()
    {
        QVelDoubleSpinBox spin;
        spin.setUpAndDownBtnImage(m_dir.filePath("missing.png"), m_down);
        QVERIFY(!spin.upButton());
    }

    void spinRepeatsWhileHeld()
    {
        QWidget window;
        auto* spin = new QVelDoubleSpinBox(&window);
        spin->resize(60, 24);
        spin->setRange(0, 100);
        spin->setValue(50);
        spin->setUpAndDownBtnImage(m_up, m_down);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy started(spin, &QVelDoubleSpinBox::emitStartEditing);
        // Held, it steps on the seventh tick of 100 ms and on each one after,
        // however late the ticks come here; a coarse timer may be 5% early, so
        // two steps take at least 8 x 95 ms. The click adds one on release.
        QElapsedTimer clock;
        clock.start();
        QTest::mousePress(spin->downButton(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QTRY_VERIFY_WITH_TIMEOUT(spin->value() <= 48.0, TestTiming::scaled(3000));
        QVERIFY2(clock.elapsed() >= 8 * 95, qPrintable(QString::number(clock.elapsed())));
        const double held = spin->value();
        QTest::mouseRelease(spin->downButton(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(spin->value(), held - 1);
        int released = 0;
        spin->setValue(50);
        const int quick = stepsWhileHeld<QDoubleSpinBox, double>(spin, spin->upButton(), 300, &QDoubleSpinBox::value,
                                                                  &released);
        QCOMPARE(quick, 0);
        QCOMPARE(released, 1);
        QCOMPARE(spin->value(), 51.0);
    }

    void firstRepeatWaitsSevenTicks()
    {
        QWidget window;
        auto* spin = new QVelDoubleSpinBox(&window);
        spin->resize(60, 24);
        spin->setRange(0, 100);
        spin->setUpAndDownBtnImage(m_up, m_down);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QElapsedTimer clock;
        clock.start();
        QTest::mousePress(spin->upButton(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QTRY_VERIFY_WITH_TIMEOUT(spin->value() > 0, TestTiming::scaled(3000));
        QVERIFY2(clock.elapsed() >= 7 * 95, qPrintable(QString::number(clock.elapsed())));
        QTest::mouseRelease(spin->upButton(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    }

    void timeEditButtons()
    {
        QVelTimeEdit edit;
        QCOMPARE(edit.time(), QTime(0, 0, 0, 0));
        edit.resize(80, 24);
        edit.setUpAndDownBtnImage(m_up, m_down, true);
        QCOMPARE(edit.upButton()->pos(), QPoint(64, 0));
        QCOMPARE(edit.downButton()->pos(), QPoint(64, 14));
        // The computed left margin is kept when the edit grows.
        edit.resize(120, 24);
        QCOMPARE(edit.upButton()->pos(), QPoint(64, 0));
        QCOMPARE(edit.btnMargins().left(), 64);
        QVelTimeEdit bare;
        bare.setUpAndDownBtnImage(m_dir.filePath("missing.png"), m_down, true);
        QVERIFY(!bare.upButton());
    }

    // Forms set the pictures first and size the field afterwards: the buttons still end
    // up inside the field, flush with its right edge.
    void buttonsFollowTheFormsSize_data() { addFieldKinds(); }
    void buttonsFollowTheFormsSize()
    {
        QFETCH(bool, timeEdit);
        QWidget window;
        QAbstractSpinBox* edit = field(&window, timeEdit, TestPictures::flat(m_dir, "ground.png", 156, 44, QColor(30, 30, 30)));
        edit->resize(78, 22);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(upButtonOf(edit)->geometry(), QRect(62, 0, 16, 10));
        QCOMPARE(downButtonOf(edit)->geometry(), QRect(62, 12, 16, 10));
    }

    // The text of a field keeps the inner margin of a line edit's text.
    void fieldTextInsetLikeLineEdit_data() { addFieldKinds(); }
    void fieldTextInsetLikeLineEdit()
    {
        QFETCH(bool, timeEdit);
        const QString ground = TestPictures::flat(m_dir, "ground.png", 156, 44, QColor(30, 30, 30));
        QWidget window;
        auto* line = new QVelLineEdit(&window);
        line->setGeometry(0, 0, 100, 22);
        line->setBackgroundImage(ground);
        // The same first glyph as the field's, so both start at the same place.
        line->setText(timeEdit ? "08:08:08" : "88");
        lightText(line);
        QAbstractSpinBox* edit = field(&window, timeEdit, ground);
        edit->setGeometry(0, 30, 100, 22);
        lightText(edit);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int lineText = firstTextColumn(line->grab().toImage());
        const int fieldText = firstTextColumn(edit->grab().toImage());
        QVERIFY(lineText > 1);
        QVERIFY2(fieldText == lineText, qPrintable(QString("%1 vs %2").arg(fieldText).arg(lineText)));
    }

    // A field's picture has no disabled look: its text fades instead, whatever colour
    // the palette gives disabled text.
    void disabledFieldFadesItsText_data() { addFieldKinds(); }
    void disabledFieldFadesItsText()
    {
        QFETCH(bool, timeEdit);
        QWidget window;
        QAbstractSpinBox* edit = field(&window, timeEdit, TestPictures::flat(m_dir, "ground.png", 156, 44, QColor(30, 30, 30)));
        edit->setGeometry(0, 0, 100, 22);
        lightText(edit);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(lightPixels(edit) > 20);
        edit->setEnabled(false);
        QTRY_COMPARE(lightPixels(edit), 0);
        edit->setEnabled(true);
        QTRY_VERIFY(lightPixels(edit) > 20);
    }

    void timeEditRepeatsWhileHeld()
    {
        QWidget window;
        auto* edit = new QVelTimeEdit(QTime(1, 0, 0), &window);
        edit->setDisplayFormat("HH:mm:ss");
        edit->resize(100, 24);
        edit->setUpAndDownBtnImage(m_up, m_down, true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        edit->setCurrentSection(QDateTimeEdit::SecondSection);
        QSignalSpy edited(edit, &QVelDateTimeEdit::emitTimeEdited);
        // Steps from the seventh tick of 100 ms on (see spinRepeatsWhileHeld),
        // then one more for the click.
        QElapsedTimer clock;
        clock.start();
        QTest::mousePress(edit->upButton(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QTRY_VERIFY_WITH_TIMEOUT(QTime(1, 0, 0).secsTo(edit->time()) >= 2, TestTiming::scaled(3000));
        QVERIFY2(clock.elapsed() >= 8 * 95, qPrintable(QString::number(clock.elapsed())));
        const int held = QTime(1, 0, 0).secsTo(edit->time());
        QTest::mouseRelease(edit->upButton(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(QTime(1, 0, 0).secsTo(edit->time()), held + 1);
        QCOMPARE(edited.count(), held + 1);
        QCOMPARE(edited.last().at(0).toString(), edit->text());
    }

    // Stepping one section at its limit: Qt's time edit neither carries into nor
    // borrows from the next section, and stops at the ends of the day.
    void timeEditSectionLimits_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QTime>("result");
        QTest::newRow("seconds up within minute") << QTime(1, 2, 58) << int(QDateTimeEdit::SecondSection) << 1
                                                  << QTime(1, 2, 59);
        QTest::newRow("seconds up at 59") << QTime(1, 2, 59) << int(QDateTimeEdit::SecondSection) << 1
                                          << QTime(1, 2, 59);
        QTest::newRow("seconds down at 0") << QTime(1, 2, 0) << int(QDateTimeEdit::SecondSection) << -1
                                           << QTime(1, 2, 0);
        QTest::newRow("minutes up at 59") << QTime(1, 59, 30) << int(QDateTimeEdit::MinuteSection) << 1
                                          << QTime(1, 59, 30);
        QTest::newRow("hours down") << QTime(1, 59, 30) << int(QDateTimeEdit::HourSection) << -1 << QTime(0, 59, 30);
        QTest::newRow("hours down at 0") << QTime(0, 10, 0) << int(QDateTimeEdit::HourSection) << -1
                                         << QTime(0, 10, 0);
    }

    void timeEditSectionLimits()
    {
        QFETCH(QTime, start);
        QFETCH(int, section);
        QFETCH(int, steps);
        QFETCH(QTime, result);
        QVelTimeEdit edit(start);
        edit.setDisplayFormat("HH:mm:ss");
        edit.setCurrentSection(QDateTimeEdit::Section(section));
        if (steps > 0)
            edit.stepUp();
        else
            edit.stepDown();
        QCOMPARE(edit.time(), result);
    }

    // A long path in a read-only path field shows its start and its end with
    // "…" between; text() and the tool tip keep the whole path, and a path that
    // fits shows as it is.
    void pathFieldElidesInTheMiddle_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("shortened");
        QTest::newRow("long") << "/home/user/Videos/Family/2026 Summer/Day 3 - boat trip/clip.mp4" << true;
        QTest::newRow("fits") << "/tmp/a.srt" << false;
    }

    void pathFieldElidesInTheMiddle()
    {
        QFETCH(QString, path);
        QFETCH(bool, shortened);
        QVelLineEdit field;
        field.setReadOnly(true);
        field.setElidePath(true);
        field.resize(160, 22);
        field.setText(path);
        QCOMPARE(field.text(), path);
        QCOMPARE(field.toolTip(), path);

        // The same field showing the shortened text as plain text must look alike.
        const QFontMetrics metrics(field.font());
        QVelLineEdit plain;
        plain.setReadOnly(true);
        plain.resize(field.size());
        QStyleOptionFrame option;
        option.initFrom(&field);
        option.lineWidth = field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field) : 0;
        const int room = field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field).width() - 4;
        const QString expected = metrics.elidedText(path, Qt::ElideMiddle, room);
        QCOMPARE(expected.contains(QChar(0x2026)), shortened);
        plain.setText(expected);
        plain.setCursorPosition(0);
        const QImage drawn = field.grab().toImage();
        const QImage reference = plain.grab().toImage();
        int differing = 0, inked = 0;
        const QRgb ground = reference.pixel(0, 0);
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                differing += drawn.pixel(x, y) != reference.pixel(x, y);
                inked += reference.pixel(x, y) != ground;
            }
        QVERIFY(inked > 0);
        QVERIFY2(differing * 10 <= inked, qPrintable(QStringLiteral("%1 of %2").arg(differing).arg(inked)));
        field.setElidePath(false);
        QVERIFY(field.toolTip().isEmpty());
    }
};

QTEST_MAIN(TestEdits)
#include "tst_edits.moc"
