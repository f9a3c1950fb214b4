#include "QProjectConfig.h"
#include "QVelBaseButton.h"
#include "QVelMessageBox.h"
#include "TestPictures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QtTest>

namespace {

QString s_pictures;
int s_hookCalls = 0;

// Mirrors the application's start-up hook, with the pictures taken from the test folder.
void testHook(QVelMessageBoxOption* option)
{
    ++s_hookCalls;
    for (QColor& color : option->buttonTextColor)
        color = QColor(55, 55, 55);
    option->dlgTop = 22;
    option->dlgBottom = 50;
    QFont font("Tahoma");
    font.setPixelSize(12);
    option->titleFont = font;
    option->messageFont = font;
    option->iconOffset = -7;
    option->imagePath = s_pictures;
}

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        s_pictures = m_dir.path();
        TestPictures::strip(m_dir, "btn_common.png", 640, 48);
        TestPictures::strip(m_dir, "btn_close.png", 128, 32);
        TestPictures::flat(m_dir, "bg_msg.png", 524, 324, QColor(51, 51, 51));
        TestPictures::flat(m_dir, "warning.png", 64, 64, Qt::yellow);
        QProjectConfig* config = QProjectConfig::getProjectConfig();
        config->setProjectName("Zededera Raziz Azodor");
        config->setTransparentMargins(4);
        config->setDlgTopAndBottom(22, 30);
        QVelMessageBox::setOptionCallback(testHook);
    }

    void startUpSizesAndHook()
    {
        const int before = s_hookCalls;
        QVelMessageBox box;
        QCOMPARE(s_hookCalls, before + 1);
        QCOMPARE(box.minSize(), QSize(262, 162));
        QCOMPARE(box.size(), QSize(262, 162));
        QCOMPARE(box.getTitle(), QString("Zededera Raziz Azodor"));
        QCOMPARE(box.windowTitle(), QString("Zededera Raziz Azodor"));
        QCOMPARE(box.getMessageBoxOption().transparentMargins, QMargins(4, 4, 4, 4));
        QCOMPARE(box.getBtnRect(), QRect(QPoint(4, 162 - 4 - 50), QPoint(262 - 1 - 4, 162 - 4 - 1)));
    }

    void buttonsOfEachStyle_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("OK") << int(QVelMessageBox::OkButton) << QStringList{"OK"};
        QTest::newRow("Cancel") << int(QVelMessageBox::CancelButton) << QStringList{"Cancel"};
        QTest::newRow("Yes and No") << int(QVelMessageBox::YesNoButton) << QStringList{"Yes", "No"};
        QTest::newRow("none (3)") << 3 << QStringList{};
        QTest::newRow("none (0)") << 0 << QStringList{};
    }

    void buttonsOfEachStyle()
    {
        QFETCH(int, style);
        QFETCH(QStringList, texts);
        QVelMessageBox box;
        box.setButtonStyle(QVelMessageBox::ButtonStyle(style));
        QStringList shown;
        for (QVelBaseButton* button : box.buttons()) {
            shown << button->text();
            QCOMPARE(button->width(), 80);
            QCOMPARE(button->height(), 24);
        }
        QCOMPARE(shown, texts);
    }

    // Each row runs ShowMessage modally and acts on the box the way a user would.
    void returnValues_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << int(QVelMessageBox::OkButton) << "button0" << 0x400;
        QTest::newRow("Cancel") << int(QVelMessageBox::CancelButton) << "button0" << 0x400000;
        QTest::newRow("Yes") << int(QVelMessageBox::YesNoButton) << "button0" << 0x4000;
        QTest::newRow("No") << int(QVelMessageBox::YesNoButton) << "button1" << 0x10000;
        QTest::newRow("close button") << int(QVelMessageBox::YesNoButton) << "close" << 0x200000;
        QTest::newRow("Escape") << int(QVelMessageBox::OkButton) << "escape" << 0;
        QTest::newRow("no buttons, Escape") << 3 << "escape" << 0;
    }

    void returnValues()
    {
        QFETCH(int, style);
        QFETCH(QString, action);
        QFETCH(int, result);
        bool acted = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QVelMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            acted = true;
            if (action == "escape") {
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (action == "close") {
                QTest::mouseClick(box->closeButton(), Qt::LeftButton);
            } else {
                const int index = action.mid(6).toInt();
                QTest::mouseClick(box->buttons().at(index), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
            }
        });
        const int value = QVelMessageBox::ShowMessage(nullptr, "Message", QString(), QVelMessageBox::Warning,
                                                      QVelMessageBox::ButtonStyle(style));
        QVERIFY(acted);
        QCOMPARE(value, result);
    }

    void wrapsLongWords()
    {
        QVelMessageBox box;
        const QFontMetrics metrics(box.messageFont());
        const QString word(300, QChar('W'));
        box.setMessage(word);
        const QStringList lines = box.displayText().split('\n');
        QVERIFY(lines.size() > 1);
        QCOMPARE(lines.join(QString()), word);
        for (const QString& line : lines)
            QVERIFY(metrics.horizontalAdvance(line) <= 500);
        // Each line but the last is the longest prefix that fits.
        QVERIFY(metrics.horizontalAdvance(lines.first() + "W") > 500);
        QCOMPARE(box.getMessage(), word);
    }

    void wrapsBetweenWords()
    {
        QVelMessageBox box;
        const QFontMetrics metrics(box.messageFont());
        QStringList words;
        for (int i = 0; i < 80; ++i)
            words << QString("word%1").arg(i);
        box.setMessage(words.join(' '));
        const QStringList lines = box.displayText().split('\n');
        QVERIFY(lines.size() > 1);
        QCOMPARE(lines.join(' '), words.join(' '));
        for (int i = 0; i + 1 < lines.size(); ++i) {
            QVERIFY(metrics.horizontalAdvance(lines.at(i)) <= 500);
            const QString next = lines.at(i + 1).section(' ', 0, 0);
            QVERIFY(metrics.horizontalAdvance(lines.at(i) + " " + next) > 500);
        }
    }

    // Wrapped lines, a long word cut up and a message with its own breaks: every
    // line gets the full height of the font and no two lines share a pixel row.
    void messageLinesStayApart_data()
    {
        QTest::addColumn<QString>("message");
        QStringList words;
        for (int i = 0; i < 30; ++i)
            words << "jumping" << "quirky";
        QTest::newRow("wrapped words") << words.join(' ');
        QTest::newRow("one long word") << QString(120, QChar('W'));
        QTest::newRow("own breaks") << QString("gjpqy\nÉÀÖ gjpqy\n\nÉÀÖ");
    }

    void messageLinesStayApart()
    {
        QFETCH(QString, message);
        QVelMessageBox box;
        box.setMessageIcon(QVelMessageBox::Warning);
        box.setMessage(message);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QVector<QRect> lines = box.messageLineRects();
        QCOMPARE(lines.size(), box.displayText().count('\n') + 1);
        QVERIFY(lines.size() > 1);
        const int fontHeight = QFontMetrics(box.messageFont()).height();
        for (int i = 0; i < lines.size(); ++i) {
            QVERIFY(lines.at(i).height() >= fontHeight);
            QVERIFY(box.getTextRect().contains(lines.at(i).topLeft()));
            QVERIFY(lines.at(i).bottom() < box.getBtnRect().top());
            if (i > 0)
                QVERIFY2(!lines.at(i).intersects(lines.at(i - 1)) && lines.at(i).top() > lines.at(i - 1).bottom(),
                         qPrintable(QString("line %1 meets line %2").arg(i).arg(i - 1)));
        }
    }

    void emptyLineKeepsItsHeight()
    {
        QVelMessageBox box;
        box.setMessage("one\ntwo");
        const int twoLines = box.textSize().height();
        box.setMessage("one\n\ntwo");
        QCOMPARE(box.displayText(), QString("one\n\ntwo"));
        QVERIFY(box.textSize().height() > twoLines);
        QCOMPARE(box.textSize().height() * 2, twoLines * 3);
    }

    void emptyMessageKeepsMinimumSize()
    {
        QVelMessageBox box;
        box.setMessage(QString());
        QCOMPARE(box.textSize(), QSize(0, 0));
        box.setButtonStyle(QVelMessageBox::OkButton);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.size(), QSize(262, 162));
    }

    void layoutWithIconAndButtons()
    {
        QVelMessageBox box;
        box.setButtonStyle(QVelMessageBox::YesNoButton);
        box.setMessageIcon(QVelMessageBox::Warning);
        QStringList words;
        for (int i = 0; i < 40; ++i)
            words << "layout";
        box.setMessage(words.join(' '));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QSize text = box.textSize();
        // Icon column 64 / 2 + 40; text column text width + 20; margins 4 on each side.
        QCOMPARE(box.getIconRect().width(), 72);
        QCOMPARE(box.width(), std::max(4 + 72 + text.width() + 20 + 4, 262));
        QCOMPARE(box.height(), std::max(text.height() + 40 + 22 + 50 + 8, 162));
        QCOMPARE(box.getTextRect().left(), 4 + 72);
        const QList<QVelBaseButton*> buttons = box.buttons();
        QCOMPARE(buttons.at(1)->geometry().right(), box.width() - 1 - 4 - 20);
        QCOMPARE(buttons.at(1)->x() - buttons.at(0)->geometry().right() - 1, 15);
        // Centred in the 50-high bottom band.
        QCOMPARE(buttons.at(0)->y(), box.height() - 50 - 4 + (50 - 24) / 2);
        QCOMPARE(box.closeButton()->pos(), QPoint(4 + 8, 4 + 5));
    }

    void centredOnScreenWithoutParent()
    {
        QVelMessageBox box;
        box.setMessage("centre");
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(box.pos(), QPoint((screen.width() - box.width()) / 2, (screen.height() - box.height()) / 2));
    }

    void parentOffScreenClampsToFifty()
    {
        QWidget parent;
        parent.setGeometry(-300, -300, 200, 100);
        QVelMessageBox box(&parent);
        box.setMessage("clamped");
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.pos(), QPoint(50, 50));
    }

    void wideButtonText()
    {
        QVelMessageBox box;
        const QString text("A considerably longer button caption");
        box.addButton(text, 7);
        const int expected = std::max(80, QFontMetrics(box.getMessageBoxOption().buttonFont).horizontalAdvance(text) + 21);
        QCOMPARE(box.buttons().last()->width(), expected);
        QCOMPARE(box.buttons().last()->getDoneSign(), 7);
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
