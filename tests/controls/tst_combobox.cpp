#include "QCheckboxCombobox.h"
#include "QComboboxCheckbox.h"
#include "QVelBaseButton.h"
#include "QVelComboBoxItem.h"
#include "TestPictures.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>

class TestComboBox : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_background;

    // The row widget under a list row, in the pop-up's coordinates.
    static QWidget* rowAt(QVelComboBox* combo, int row)
    {
        return combo->popupList()->itemWidget(combo->popupList()->item(row));
    }

    static void clickRow(QVelComboBox* combo, int row)
    {
        QListWidget* list = combo->popupList();
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_background = TestPictures::flat(m_dir, "combo.png", 60, 40, Qt::darkGray);
    }

    void repeatedRuleReplacesItself()
    {
        QVelComboBox combo;
        combo.setItemBgColor(QColor(1, 2, 3));
        combo.setItemHoverColor(QColor(9, 9, 9));
        combo.setItemBgColor(QColor(4, 5, 6));
        const QString sheet = combo.styleSheet();
        QCOMPARE(sheet.count("QListView::item {background: "), 1);
        QVERIFY(sheet.endsWith("QListView::item {background: #040506;}"));
        QVERIFY(sheet.contains("QListView::item:hover {background: #090909;}"));
        combo.setItemBorder(1, Qt::red);
        combo.setItemBorder(2, Qt::blue);
        QCOMPARE(combo.styleSheet().count("border: "), 1);
        QVERIFY(combo.styleSheet().endsWith("QComboBox QAbstractItemView{background-color:gray; border: 2px solid #0000ff}"));
    }

    void plainComboWithoutPicture()
    {
        QVelComboBox combo;
        combo.addItems({"a", "b"});
        QCOMPARE(combo.count(), 2);
        QVERIFY(!combo.popupList());
        QVERIFY(!combo.setBackgroundImage(m_dir.filePath("missing.png")));
        QVERIFY(!combo.popupList());
    }

    // Without pictures the box still shows its current text, painted the plain Qt way.
    void plainComboShowsItsText()
    {
        QVelComboBox empty;
        empty.resize(140, 24);
        QVelComboBox named;
        named.resize(140, 24);
        named.addItems({"Visible text"});
        QCOMPARE(named.currentText(), QString("Visible text"));
        QVERIFY(named.grab().toImage() != empty.grab().toImage());
    }

    void firstRowIsShownText()
    {
        QVelComboBox combo;
        QVERIFY(combo.setBackgroundImage(m_background));
        combo.addItem("first", 1);
        combo.addItem("second", 2);
        QCOMPARE(combo.count(), 2);
        QCOMPARE(combo.drawText(), QString("first"));
        QCOMPARE(combo.toolTip(), QString("first"));
        QCOMPARE(combo.itemData(1).toInt(), 2);
        combo.insertItem(0, "zero");
        QCOMPARE(combo.itemText(0), QString("zero"));
        QCOMPARE(combo.popupList()->item(0)->text(), QString("zero"));
        combo.setItemText(combo.currentIndex(), "renamed");
        QCOMPARE(combo.drawText(), QString("renamed"));
        combo.removeItem(0);
        QCOMPARE(combo.count(), 2);
        QCOMPARE(combo.itemText(0), QString("renamed"));
        combo.removeItem(7);
        QCOMPARE(combo.count(), 2);
    }

    void rowHeightsWithSpacing_data()
    {
        QTest::addColumn<int>("spacing");
        QTest::addColumn<QList<int>>("heights");
        QTest::newRow("no spacing") << 0 << QList<int>{19, 19, 19};
        QTest::newRow("spacing 4") << 4 << QList<int>{21, 23, 21};
    }

    void rowHeightsWithSpacing()
    {
        QFETCH(int, spacing);
        QFETCH(QList<int>, heights);
        QWidget window;
        auto* combo = new QVelComboBox(&window);
        combo->resize(120, 24);
        combo->setBackgroundImage(m_background);
        combo->setItemSpacing(spacing, Qt::black);
        combo->addItems({"a", "b", "c"});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        combo->showPopup();
        QList<int> seen;
        for (int i = 0; i < 3; ++i)
            seen << combo->popupList()->item(i)->sizeHint().height();
        QCOMPARE(seen, heights);
        QCOMPARE(combo->popupList()->item(0)->sizeHint().width(), 120);
        combo->hidePopup();
    }

    void separators()
    {
        QVelComboBox combo;
        combo.setBackgroundImage(m_background);
        combo.addSeparator();
        combo.addItems({"a", "b"});
        combo.addSeparator();
        QCOMPARE(combo.rowWidget(0)->separatorHeight(), 0);
        QCOMPARE(combo.rowWidget(1)->separatorHeight(), 1);
        combo.setSeparatorColor(Qt::red);
        QVelComboBoxItem* row = combo.rowWidget(1);
        row->resize(100, 19);
        const QImage image = row->grab().toImage();
        QCOMPARE(image.pixelColor(50, 18), QColor(Qt::red));
        QCOMPARE(image.pixelColor(0, 18), QColor(Qt::white));
        combo.setItemSeparator(9, true);
    }

    void buttonPushesTextMargin()
    {
        const QString arrow = TestPictures::strip(m_dir, "arrow.png", 128, 32);
        QVelComboBox combo;
        combo.resize(120, 24);
        combo.setBackgroundImage(m_background);
        combo.setButtonImage(arrow);
        QVERIFY(combo.dropDownButton());
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        QCOMPARE(combo.dropDownButton()->pos(), QPoint(120 - 16, (24 - 16) / 2));
        combo.grab();
        QCOMPARE(combo.drawTextMargins().right(), 16);
    }

    void clickOnBodyOpensPopupOnRelease()
    {
        QWidget window;
        auto* combo = new QVelComboBox(&window);
        combo->resize(120, 24);
        combo->setBackgroundImage(m_background);
        combo->addItems({"a", "b"});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicked(combo, &QVelComboBox::emitClicked);
        QTest::mousePress(combo, Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));
        QCOMPARE(clicked.count(), 1);
        QTest::mouseRelease(combo, Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));
        QTRY_VERIFY(combo->popupList()->isVisible());
        combo->hidePopup();
    }

    void pressWithButtonOnlySignals()
    {
        QWidget window;
        auto* combo = new QVelComboBox(&window);
        combo->resize(120, 24);
        combo->setBackgroundImage(m_background);
        combo->setButtonImage(TestPictures::strip(m_dir, "arrow.png", 128, 32));
        combo->addItems({"a", "b"});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicked(combo, &QVelComboBox::emitClicked);
        QTest::mousePress(combo, Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));
        QCOMPARE(clicked.count(), 1);
        QVERIFY(!combo->popupList()->isVisible());
    }

    void popupSelectionAndSignalOrder_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("another row") << 2 << QStringList{"text c", "index 2", "activated 2"};
        QTest::newRow("current row") << 0 << QStringList{"activated 0"};
    }

    void popupSelectionAndSignalOrder()
    {
        QFETCH(int, row);
        QFETCH(QStringList, events);
        QWidget window;
        auto* combo = new QVelComboBox(&window);
        combo->resize(120, 24);
        combo->setBackgroundImage(m_background);
        combo->addItems({"a", "b", "c"});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList seen;
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                [&](int index) { seen << QString("index %1").arg(index); });
        connect(combo, &QComboBox::currentTextChanged, this, [&](const QString& text) {
            if (!text.isEmpty())
                seen << QString("text %1").arg(text);
        });
        connect(combo, QOverload<int>::of(&QComboBox::activated), this,
                [&](int index) { seen << QString("activated %1").arg(index); });
        combo->showPopup();
        QTRY_VERIFY(combo->popupList()->isVisible());
        clickRow(combo, row);
        QTRY_VERIFY(!combo->popupList()->isVisible());
        QCOMPARE(seen, events);
        QCOMPARE(combo->currentIndex(), row);
        QCOMPARE(combo->drawText(), combo->itemText(row));
    }

    void multiSelectShowsCheckedRows()
    {
        QCheckboxCombobox combo;
        combo.setBackgroundImage(m_background);
        combo.addItems({"first", "second", "third"});
        QCOMPARE(combo.drawText(), QString());
        QSignalSpy states(&combo, &QCheckboxCombobox::emitStateChange);
        combo.setCheckState(0, true);
        combo.setCheckState(2, true);
        QCOMPARE(combo.drawText(), QString("first;third"));
        QCOMPARE(combo.getSelectItemText(), QString("first;third"));
        QCOMPARE(states.count(), 2);
        QCOMPARE(states.at(1).at(0).toInt(), 2);
        QCOMPARE(states.at(1).at(1).toInt(), int(Qt::Checked));
        combo.setCheckAll(false);
        QCOMPARE(combo.drawText(), QString());
        QVERIFY(!combo.itemCheckState(5));
        combo.setCheckState(5, true);
        QVERIFY(!combo.itemCheckState(5));
    }

    void multiSelectClickTogglesBox()
    {
        QWidget window;
        auto* combo = new QCheckboxCombobox(&window);
        combo->resize(120, 24);
        combo->setBackgroundImage(m_background);
        combo->addItems({"first", "second"});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(combo, &QCheckboxCombobox::emitClickCheckbox);
        combo->showPopup();
        QTRY_VERIFY(combo->popupList()->isVisible());
        QComboboxCheckbox* box = combo->checkBox(1);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QVERIFY(box->isChecked());
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.first().at(0).toInt(), 1);
        QCOMPARE(combo->drawText(), QString("second"));
        combo->hidePopup();
    }

    void singleSelectActsAsRadio()
    {
        QWidget window;
        auto* combo = new QCheckboxCombobox(&window);
        combo->resize(120, 24);
        combo->setBackgroundImage(m_background);
        combo->addItems({"first", "second", "third"});
        combo->setCheckMode(false);
        QVERIFY(combo->itemCheckState(0));
        QCOMPARE(combo->drawText(), QString("first"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(combo, &QCheckboxCombobox::emitClickCheckbox);
        combo->showPopup();
        QTRY_VERIFY(combo->popupList()->isVisible());
        QTest::mouseClick(combo->checkBox(2), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QTRY_VERIFY(!combo->popupList()->isVisible());
        QCOMPARE(combo->currentIndex(), 2);
        QVERIFY(!combo->itemCheckState(0));
        QVERIFY(!combo->itemCheckState(1));
        QVERIFY(combo->itemCheckState(2));
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(combo->drawText(), QString("third"));
    }

    void checkboxVisibilityAndImages()
    {
        const QString on = TestPictures::flat(m_dir, "on.png", 20, 20, Qt::green);
        const QString off = TestPictures::flat(m_dir, "off.png", 20, 20, Qt::red);
        QCheckboxCombobox combo;
        combo.setBackgroundImage(m_background);
        combo.setCheckImage(on, off);
        combo.addItem("a");
        QVERIFY(combo.checkBox(0)->isCustomDraw());
        combo.setCheckImage(m_dir.filePath("missing.png"), off);
        combo.addItem("b");
        QVERIFY(combo.checkBox(1)->isCustomDraw());
        combo.setItemCheckboxable(false);
        QVERIFY(combo.checkBox(0)->isHidden());
        combo.addItem("c");
        QVERIFY(combo.checkBox(2)->isHidden());
        QCOMPARE(combo.getItemWidgt(2), static_cast<QWidget*>(combo.checkBox(2)));
        QVERIFY(!combo.getItemWidgt(3));
        combo.deleteAllItem();
        QCOMPARE(combo.count(), 0);
        QVERIFY(!combo.checkBox(0));
    }
};

QTEST_MAIN(TestComboBox)
#include "tst_combobox.moc"
