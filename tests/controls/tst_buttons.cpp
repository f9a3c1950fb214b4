#include "QVelBaseButton.h"
#include "QVelCheckBox.h"
#include "QVelRadioButton.h"
#include "TestPictures.h"

#include <QSignalSpy>
#include <QtTest>

// Colour at the centre of a grabbed widget: tells which frame of a test strip was drawn.
static QColor centreColor(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

class TestButtons : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_sheet;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_sheet = TestPictures::strip(m_dir, "sheet.png", 320, 64);
    }

    void sheetSizesButton()
    {
        QVelBaseButton button;
        QVERIFY(!button.isCustomDraw());
        QVERIFY(button.setButtonImage(m_sheet, false));
        QVERIFY(button.isCustomDraw());
        QCOMPARE(button.size(), QSize(40, 32));
        QVERIFY(!button.setButtonImage(m_dir.filePath("missing.png"), true));
        QCOMPARE(button.size(), QSize(40, 32));
    }

    // Each row drives the button with real mouse events and checks the state, the frame
    // drawn and the signals emitted.
    void stateMachine_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("downs");
        QTest::addColumn<int>("moves");
        QTest::addColumn<int>("releases");
        QTest::newRow("enter") << "enter" << false << 1 << 1 << 0 << 0 << 0;
        QTest::newRow("enter, leave") << "enter leave" << false << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("left press") << "enter press" << false << 2 << 2 << 1 << 0 << 0;
        QTest::newRow("press and drag") << "enter press move" << false << 2 << 2 << 1 << 1 << 0;
        QTest::newRow("click") << "enter press release" << false << 0 << 0 << 1 << 0 << 1;
        QTest::newRow("click checkable") << "enter press release" << true << 0 << 2 << 1 << 0 << 1;
        QTest::newRow("right press") << "enter rpress" << false << 1 << 1 << 0 << 0 << 0;
        QTest::newRow("disable") << "disable" << false << 3 << 3 << 0 << 0 << 0;
        QTest::newRow("disable, enable") << "disable enable" << false << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("press while disabled") << "disable press" << false << 3 << 3 << 0 << 0 << 0;
    }

    void stateMachine()
    {
        QFETCH(QString, script);
        QFETCH(bool, checkable);
        QFETCH(int, state);
        QFETCH(int, frame);
        QFETCH(int, downs);
        QFETCH(int, moves);
        QFETCH(int, releases);

        QWidget window;
        window.resize(200, 100);
        auto* button = new QVelBaseButton(&window);
        button->setButtonImage(m_sheet, false);
        button->setCheckable(checkable);
        const QVector<QColor> textColors = {Qt::black, Qt::white, Qt::yellow, Qt::gray};
        button->setTextColor(textColors[0], textColors[1], textColors[2], textColors[3]);
        button->move(10, 10);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy down(button, &QVelBaseButton::mouseDown);
        QSignalSpy move(button, &QVelBaseButton::mouseMove);
        QSignalSpy release(button, &QVelBaseButton::mouseRelease);
        const QPoint at(7, 9);
        for (const QString& step : script.split(' ')) {
            if (step == "enter") {
                QEvent enter(QEvent::Enter);
                QApplication::sendEvent(button, &enter);
            } else if (step == "leave") {
                QEvent leave(QEvent::Leave);
                QApplication::sendEvent(button, &leave);
            } else if (step == "press") {
                QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, at);
            } else if (step == "rpress") {
                QTest::mousePress(button, Qt::RightButton, Qt::NoModifier, at);
            } else if (step == "move") {
                QMouseEvent event(QEvent::MouseMove, QPointF(at + QPoint(3, 0)), button->mapToGlobal(at + QPoint(3, 0)),
                                  Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(button, &event);
            } else if (step == "release") {
                QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, at);
            } else if (step == "disable") {
                button->setEnabled(false);
            } else if (step == "enable") {
                button->setEnabled(true);
            }
        }
        QCOMPARE(button->getBtnState(), state);
        QCOMPARE(button->currentFrame(), frame);
        QCOMPARE(centreColor(*button), TestPictures::frameColors().at(frame));
        button->setText("A");
        button->grab();
        QCOMPARE(button->currentDrawColor(), textColors[frame]);
        QCOMPARE(down.count(), downs);
        QCOMPARE(move.count(), moves);
        QCOMPARE(release.count(), releases);
        if (downs > 0)
            QCOMPARE(down.first().at(1).toInt(), at.x());
    }

    void staticStateIgnoresHover()
    {
        QVelBaseButton button;
        button.setButtonImage(m_sheet, false);
        button.setStaticState(true);
        button.setBtnState(3);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&button, &enter);
        QCOMPARE(button.getBtnState(), 3);
    }

    void countTag_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("tagDrawn");
        QTest::newRow("no count") << 0 << false;
        QTest::newRow("seven") << 7 << true;
        QTest::newRow("hundred") << 100 << true;
    }

    void countTag()
    {
        QFETCH(int, count);
        QFETCH(bool, tagDrawn);
        QVelBaseButton button;
        button.setButtonImage(TestPictures::flat(m_dir, "white.png", 320, 64, Qt::white), false);
        for (int i = 0; i < count; ++i)
            button.addItemCount();
        QCOMPARE(button.itmeCount(), count);
        // The orange tag sits at the top-right corner: its centre is 10 pixels in.
        const QImage image = button.grab().toImage();
        const QColor tag = image.pixelColor(button.width() - 10, 3);
        QCOMPARE(tag == QColor(255, 120, 0), tagDrawn);
        button.resetCount();
        QCOMPARE(button.itmeCount(), 0);
    }

    // The tag is a whole circle inside the 20 x 20 square at the button's top-right
    // corner (nothing of it cut off by the button's edges), and its count, "99+" too,
    // stays inside the circle.
    void countTagFitsItsCircle_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one digit") << 7;
        QTest::newRow("two digits") << 88;
        QTest::newRow("99+") << 100;
    }

    void countTagFitsItsCircle()
    {
        QFETCH(int, count);
        QVelBaseButton button;
        button.setButtonImage(TestPictures::flat(m_dir, "dark.png", 320, 64, QColor(40, 40, 40)), false);
        button.resize(90, 24);
        for (int i = 0; i < count; ++i)
            button.addItemCount();
        const QImage image = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), button.size());
        const QRect square(button.width() - 20, 0, 20, 20);
        const QPointF centre = QRectF(square).center();
        int textPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                // The orange tag over the grey button shows as red above blue.
                const bool tag = c.red() - c.blue() > 24;
                // White count text, and its smoothed edges over orange, carry blue.
                const bool text = c.blue() > 70;
                const double distance = QLineF(centre, QPointF(x + 0.5, y + 0.5)).length();
                if (tag)
                    QVERIFY2(square.contains(x, y), qPrintable(QString("tag at %1,%2").arg(x).arg(y)));
                if (text) {
                    ++textPixels;
                    // A ring of the tag shows round the text.
                    QVERIFY2(distance < 8.5, qPrintable(QString("count at %1,%2").arg(x).arg(y)));
                }
            }
        }
        QVERIFY(textPixels > 5);
    }

    // Pictures with one frame carry no disabled look: a disabled box must still not
    // pass for an enabled one.
    void checkBoxDisabledDiffers_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("checked") << int(Qt::Checked);
        QTest::newRow("unchecked") << int(Qt::Unchecked);
    }

    void checkBoxDisabledDiffers()
    {
        QFETCH(int, state);
        const QString on = TestPictures::flat(m_dir, "on1.png", 40, 40, QColor(240, 220, 120));
        const QString off = TestPictures::flat(m_dir, "off1.png", 40, 40, QColor(90, 90, 90));
        QWidget window;
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(20, 20, 20));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        auto* box = new QVelCheckBox(&window);
        box->setCheckImage(on, off, QString(), false);
        box->resize(20, 20);
        box->setCheckState(Qt::CheckState(state));
        window.resize(40, 40);
        const QColor enabled = window.grab().toImage().pixelColor(10, 10);
        box->setEnabled(false);
        const QColor disabled = window.grab().toImage().pixelColor(10, 10);
        QVERIFY2(disabled.lightness() < enabled.lightness() - 20,
                 qPrintable(QString("%1 vs %2").arg(disabled.name(), enabled.name())));
    }

    void checkBoxTwoFrames()
    {
        const QString on = TestPictures::strip(m_dir, "on.png", 80, 40, 2);
        const QString off = TestPictures::strip(m_dir, "off.png", 80, 40, 2);
        QVelCheckBox box;
        box.setText("Label text");
        box.setCheckImage(on, off, QString(), true);
        QCOMPARE(box.checkRect(), QRect(0, 0, 20, 20));
        QCOMPARE(box.textRect().left(), 25);
        box.resize(120, 20);
        box.setChecked(true);
        QCOMPARE(box.grab().toImage().pixelColor(10, 10), TestPictures::frameColors().at(0));
        box.setEnabled(false);
        QCOMPARE(box.grab().toImage().pixelColor(10, 10), TestPictures::frameColors().at(1));
    }

    void checkBoxClickOnText()
    {
        QWidget window;
        auto* box = new QVelCheckBox(&window);
        box->setText("A long label to click on");
        box->resize(200, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(180, 10));
        QVERIFY(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(120, 10));
        QVERIFY(!box->isChecked());
    }

    void radioButtonModeTogglesOnPress()
    {
        QWidget window;
        auto* radio = new QVelRadioButton(&window);
        radio->setCheckImage(m_sheet, QString(), true);
        QVERIFY(radio->isButtonMode());
        QCOMPARE(radio->size(), QSize(40, 32));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mousePress(radio, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(radio->isChecked());
        QTest::mouseRelease(radio, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(radio->isChecked());
        QCOMPARE(centreColor(*radio), TestPictures::frameColors().at(2));
    }
};

QTEST_MAIN(TestButtons)
#include "tst_buttons.moc"
