#include "QVelMenu.h"
#include "QVelMenuStyle.h"
#include "QVelScrollBar.h"
#include "QVelScrollBarStyle.h"

#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QStyleOptionSlider>
#include <QtTest>

class TestStyles : public QObject
{
    Q_OBJECT

private:
    // Paints one menu item through the menu's style into an image.
    static QImage paintItem(QVelMenu& menu, QStyleOptionMenuItem option)
    {
        QImage image(option.rect.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        menu.style()->drawControl(QStyle::CE_MenuItem, &option, &painter, &menu);
        return image;
    }

    static QStyleOptionMenuItem itemOption(QVelMenu& menu, const QString& text)
    {
        QStyleOptionMenuItem option;
        option.initFrom(&menu);
        option.rect = QRect(0, 0, 200, 24);
        option.text = text;
        option.menuItemType = QStyleOptionMenuItem::Normal;
        option.checkType = QStyleOptionMenuItem::NotCheckable;
        option.state = QStyle::State_Enabled;
        option.maxIconWidth = 0;
        option.font = menu.font();
        return option;
    }

    static QImage paintBar(QVelScrollBar& bar, QStyle::State extra, QStyle::SubControls active)
    {
        const QStyleOptionSlider option = barOption(bar, extra, active);
        QImage image(bar.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        bar.style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, &bar);
        return image;
    }

    static QStyleOptionSlider barOption(QVelScrollBar& bar, QStyle::State extra, QStyle::SubControls active)
    {
        QStyleOptionSlider option;
        option.initFrom(&bar);
        option.rect = QRect(0, 0, bar.width(), bar.height());
        option.orientation = bar.orientation();
        option.minimum = bar.minimum();
        option.maximum = bar.maximum();
        option.sliderPosition = bar.value();
        option.sliderValue = bar.value();
        option.pageStep = bar.pageStep();
        option.singleStep = 1;
        option.subControls = QStyle::SC_All;
        option.activeSubControls = active;
        option.state |= extra;
        return option;
    }

    // A menu in the dark colours the program gives its menus.
    static void darkColours(QVelMenu& menu)
    {
        menu.setItemColor(QColor(51, 51, 51));
        menu.setItemTextColor(QColor(228, 228, 228));
        menu.setItemSelectColor(QColor(105, 105, 105));
        menu.setItemTextSelectColor(QColor(255, 255, 255));
        menu.setItemEabledColor(QColor(51, 51, 51));
        menu.setItemTextEabledColor(QColor(120, 120, 120));
    }

    static int lightestIn(const QImage& image, const QRect& area)
    {
        int lightest = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                lightest = qMax(lightest, qMax(c.red(), qMax(c.green(), c.blue())));
            }
        return lightest;
    }

private slots:
    void menuDefaults()
    {
        QVelMenu menu;
        const QVelMenuStyleAttribute* a = menu.styleAttribute();
        QCOMPARE(a->frameWidth, 3);
        QCOMPARE(a->frameColor, QColor(225, 225, 225));
        QCOMPARE(a->areaColor, QColor(225, 225, 225));
        QCOMPARE(a->itemColor, QColor(225, 225, 225));
        QCOMPARE(a->itemTextColor, QColor(0, 0, 0));
        QCOMPARE(a->itemSelectColor, QColor(144, 200, 246));
        QCOMPARE(a->itemTextSelectColor, QColor(255, 255, 255));
        QCOMPARE(a->itemTextDisabledColor, QColor(109, 109, 109));
        QCOMPARE(a->separatorColor, QColor(0, 223, 223));
        QCOMPARE(a->itemWidth, -1);
        QVERIFY(menu.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(menu.testAttribute(Qt::WA_TranslucentBackground));
    }

    void menuMetrics_data()
    {
        QTest::addColumn<int>("metric");
        QTest::addColumn<int>("value");
        QTest::newRow("horizontal margin") << int(QStyle::PM_MenuHMargin) << 0;
        QTest::newRow("vertical margin") << int(QStyle::PM_MenuVMargin) << 0;
        QTest::newRow("panel width") << int(QStyle::PM_MenuPanelWidth) << 1;
        QTest::newRow("small icon") << int(QStyle::PM_SmallIconSize) << 15;
    }

    void menuMetrics()
    {
        QFETCH(int, metric);
        QFETCH(int, value);
        QVelMenu menu;
        menu.setFrameWidth(1);
        QCOMPARE(menu.style()->pixelMetric(QStyle::PixelMetric(metric), nullptr, &menu), value);
    }

    void menuItemColours_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QColor>("background");
        QTest::newRow("normal") << int(QStyle::State_Enabled) << QColor(225, 225, 225);
        QTest::newRow("selected") << int(QStyle::State_Enabled | QStyle::State_Selected) << QColor(144, 200, 246);
        QTest::newRow("disabled") << int(QStyle::State_None) << QColor(10, 20, 30);
        QTest::newRow("selected but disabled") << int(QStyle::State_Selected) << QColor(10, 20, 30);
    }

    void menuItemColours()
    {
        QFETCH(int, state);
        QFETCH(QColor, background);
        QVelMenu menu;
        menu.setItemEabledColor(QColor(10, 20, 30));
        QStyleOptionMenuItem option = itemOption(menu, QString());
        option.state = QStyle::State(state);
        QCOMPARE(paintItem(menu, option).pixelColor(150, 12), background);
    }

    void checkedRadioWithoutPicture_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QColor>("centre");
        QTest::newRow("checked") << true << false << QColor(0, 0, 0);
        QTest::newRow("checked, selected") << true << true << QColor(255, 255, 255);
        QTest::newRow("unchecked") << false << false << QColor(225, 225, 225);
    }

    void checkedRadioWithoutPicture()
    {
        QFETCH(bool, checked);
        QFETCH(bool, selected);
        QFETCH(QColor, centre);
        QVelMenu menu;
        QStyleOptionMenuItem option = itemOption(menu, QString());
        option.checkType = QStyleOptionMenuItem::Exclusive;
        option.checked = checked;
        if (selected)
            option.state |= QStyle::State_Selected;
        const QImage image = paintItem(menu, option);
        // Mark rectangle x 7-20, y 5-18 (centre 11); the dot is that inset by 4.
        QColor expected = centre;
        if (selected && !checked)
            expected = QColor(144, 200, 246);
        QCOMPARE(image.pixelColor(14, 12), expected);
        QCOMPARE(image.pixelColor(10, 12), selected ? QColor(144, 200, 246) : QColor(225, 225, 225));
    }

    // On a dark menu nothing of an item is lighter than its text colour: a disabled item
    // is drawn once in its dim colour (no lighter etched copy), and a check mark without
    // pictures is drawn in the text's colour (no light platform box).
    void darkMenuItems_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<int>("lightest");
        QTest::newRow("disabled item") << false << false << QRect(0, 0, 200, 24) << 120;
        QTest::newRow("checked item's mark") << true << true << QRect(7, 5, 14, 14) << 228;
    }

    void darkMenuItems()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, checkable);
        QFETCH(QRect, area);
        QFETCH(int, lightest);
        QVelMenu menu;
        darkColours(menu);
        QStyleOptionMenuItem option = itemOption(menu, "Item text\tCtrl+D");
        option.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
        if (checkable) {
            option.checkType = QStyleOptionMenuItem::NonExclusive;
            option.checked = true;
            option.menuHasCheckableItems = true;
        }
        const QImage image = paintItem(menu, option);
        const int found = lightestIn(image, area);
        QVERIFY2(found <= lightest + 2, qPrintable(QString::number(found)));
        // Something is drawn there: text or mark, well above the item's ground.
        QVERIFY2(found >= lightest - 30, qPrintable(QString::number(found)));
    }

    void separatorLine()
    {
        QVelMenu menu;
        QStyleOptionMenuItem option = itemOption(menu, QString());
        option.menuItemType = QStyleOptionMenuItem::Separator;
        option.rect = QRect(0, 0, 200, 9);
        const QImage image = paintItem(menu, option);
        QCOMPARE(image.pixelColor(100, 4), QColor(0, 223, 223));
        QCOMPARE(image.pixelColor(2, 4), QColor(225, 225, 225));
        QCOMPARE(image.pixelColor(100, 1), QColor(225, 225, 225));
    }

    void frameWithoutPicture()
    {
        QVelMenu menu;
        menu.setFrameColor(QColor(1, 2, 3));
        QStyleOption option;
        option.rect = QRect(0, 0, 40, 40);
        QImage image(40, 40, QImage::Format_ARGB32);
        QPainter painter(&image);
        menu.style()->drawPrimitive(QStyle::PE_FrameMenu, &option, &painter, &menu);
        painter.end();
        QCOMPARE(image.pixelColor(20, 20), QColor(1, 2, 3));
    }

    void missingMarkPicturesClear()
    {
        QVelMenu menu;
        menu.styleAttribute()->radioImage = QImage(8, 8, QImage::Format_ARGB32);
        menu.setRadioImage("/no/such/file.png");
        QVERIFY(menu.styleAttribute()->radioImage.isNull());
        menu.setCheckStateImage("/no/such/on.png", "/no/such/off.png");
        QVERIFY(menu.styleAttribute()->checkedImage.isNull());
    }

    void itemSize_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<QSize>("size");
        QTest::newRow("both set") << 150 << 30 << true << QSize(150, 30);
        QTest::newRow("height set") << -1 << 30 << false << QSize(80 + 52, 30);
        // A menu with checkable items keeps 20 pixels for the marks, plus 2.
        QTest::newRow("height set, checkable menu") << -1 << 30 << true << QSize(80 + 20 + 2 + 52, 30);
    }

    void itemSize()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, checkable);
        QFETCH(QSize, size);
        QVelMenu menu;
        menu.setItemWidth(width);
        menu.setItemHeight(height);
        QStyleOptionMenuItem option = itemOption(menu, "Open");
        option.menuHasCheckableItems = checkable;
        QCOMPARE(menu.style()->sizeFromContents(QStyle::CT_MenuItem, &option, QSize(80, 20), &menu), size);
    }

    void mergedColours()
    {
        QCOMPARE(QVelMenuStyle::mergedColors(QColor(200, 100, 0), QColor(0, 100, 200), 50), QColor(100, 100, 100));
        QCOMPARE(QVelMenuStyle::mergedColors(QColor(255, 255, 255), QColor(0, 0, 0), 25), QColor(63, 63, 63));
    }

    void menuShowsItsActions()
    {
        QVelMenu menu;
        menu.setFrameWidth(1);
        menu.addAction("First");
        menu.addSeparator();
        QAction* disabled = menu.addAction("Disabled");
        disabled->setEnabled(false);
        QVelMenu* sub = menu.addMenu("More");
        sub->addAction("Inner");
        menu.popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCOMPARE(menu.actions().size(), 4);
        QVERIFY(menu.actionGeometry(menu.actions().at(0)).height() > 0);
        const QImage image = menu.grab().toImage();
        QCOMPARE(image.pixelColor(0, 0), QColor(225, 225, 225));
        menu.close();
    }

    void scrollBarThickness_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::newRow("vertical") << int(Qt::Vertical);
        QTest::newRow("horizontal") << int(Qt::Horizontal);
    }

    void scrollBarThickness()
    {
        QFETCH(int, orientation);
        QVelScrollBar bar{Qt::Orientation(orientation)};
        if (orientation == Qt::Vertical) {
            QCOMPARE(bar.minimumWidth(), 10);
            QCOMPARE(bar.maximumWidth(), 10);
        } else {
            QCOMPARE(bar.minimumHeight(), 10);
            QCOMPARE(bar.maximumHeight(), 10);
        }
        QCOMPARE(bar.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &bar), 11);
    }

    void scrollBarAttributeRoundTrip()
    {
        QVelScrollBar bar(Qt::Vertical);
        QVelScrollBarStyleAttribute attribute = bar.styleAttribute();
        QCOMPARE(attribute.grooveColor, QColor(240, 240, 240));
        QCOMPARE(attribute.hoverGrooveColor, QColor(149, 149, 153));
        QCOMPARE(attribute.handleColor, QColor(96, 96, 96));
        QCOMPARE(attribute.radius, -1);
        attribute.handleColor = QColor(51, 51, 51);
        bar.setStyleAttribute(attribute);
        QCOMPARE(bar.styleAttribute().handleColor, QColor(51, 51, 51));
    }

    // The handle sits at the top of a vertical bar 10 x 200 over 0-100 with page 100.
    void scrollBarLooks_data()
    {
        QTest::addColumn<bool>("emptyRange");
        QTest::addColumn<bool>("hoverAlways");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("handleActive");
        QTest::addColumn<QColor>("handle");
        QTest::addColumn<QColor>("groove");
        QTest::newRow("plain") << false << false << 0 << false << QColor(96, 96, 96) << QColor(240, 240, 240);
        QTest::newRow("empty range") << true << false << 0 << false << QColor(240, 240, 240) << QColor(240, 240, 240);
        QTest::newRow("hover look") << false << true << 0 << false << QColor(96, 96, 96) << QColor(149, 149, 153);
        QTest::newRow("hovered handle") << false << false << int(QStyle::State_MouseOver) << true << QColor(1, 1, 1)
                                        << QColor(149, 149, 153);
        QTest::newRow("pressed handle") << false << false << int(QStyle::State_MouseOver | QStyle::State_Sunken) << true
                                        << QColor(2, 2, 2) << QColor(149, 149, 153);
    }

    void scrollBarLooks()
    {
        QFETCH(bool, emptyRange);
        QFETCH(bool, hoverAlways);
        QFETCH(int, state);
        QFETCH(bool, handleActive);
        QFETCH(QColor, handle);
        QFETCH(QColor, groove);
        QVelScrollBar bar(Qt::Vertical);
        bar.resize(10, 200);
        bar.setRange(0, emptyRange ? 0 : 100);
        bar.setPageStep(100);
        QVelScrollBarStyleAttribute attribute = bar.styleAttribute();
        attribute.hoverAlways = hoverAlways;
        attribute.handleHoverColor = QColor(1, 1, 1);
        attribute.handlePressedColor = QColor(2, 2, 2);
        bar.setStyleAttribute(attribute);
        const QImage image = paintBar(bar, QStyle::State(state),
                                      handleActive ? QStyle::SC_ScrollBarSlider : QStyle::SC_None);
        QCOMPARE(image.pixelColor(5, 40), handle);
        QCOMPARE(image.pixelColor(5, 170), groove);
    }

    // The hover look changes colours only: the handle covers the same pixels as in the
    // plain look, and the groove stays one flat rectangle in the hover groove colour.
    void scrollBarHandleKeepsItsShape()
    {
        QVelScrollBar bar(Qt::Vertical);
        bar.resize(10, 200);
        bar.setRange(0, 100);
        bar.setPageStep(50);
        bar.setValue(40);
        QVelScrollBarStyleAttribute attribute = bar.styleAttribute();
        attribute.grooveColor = QColor(0, 0, 200);
        attribute.hoverGrooveColor = QColor(200, 0, 0);
        attribute.handleColor = attribute.handleHoverColor = attribute.handlePressedColor = QColor(1, 1, 1);
        attribute.handleMargin = 2;
        bar.setStyleAttribute(attribute);
        const QImage plain = paintBar(bar, QStyle::State_None, QStyle::SC_None);
        attribute.hoverAlways = true;
        bar.setStyleAttribute(attribute);
        const QImage hover = paintBar(bar, QStyle::State_None, QStyle::SC_None);
        const QImage hovered = paintBar(bar, QStyle::State_MouseOver, QStyle::SC_ScrollBarSlider);
        int handlePixels = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                const bool inPlain = plain.pixelColor(x, y) == QColor(1, 1, 1);
                handlePixels += inPlain;
                QCOMPARE(hover.pixelColor(x, y) == QColor(1, 1, 1), inPlain);
                QCOMPARE(hovered.pixelColor(x, y) == QColor(1, 1, 1), inPlain);
            }
        QVERIFY(handlePixels > 0);
        const QStyleOptionSlider option = barOption(bar, QStyle::State_None, QStyle::SC_None);
        const QRect groove = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, &bar);
        for (const QPoint& corner : {groove.topLeft(), groove.topRight(), groove.bottomLeft(), groove.bottomRight()})
            QCOMPARE(hover.pixelColor(corner), QColor(200, 0, 0));
    }

    void arrowImage()
    {
        const QImage image = QVelScrollBarStyle::createImage(QSize(20, 20), QVelScrollBarStyle::ArrowDown, Qt::red, true);
        QVERIFY(image.pixelColor(0, 10).alpha() > 0);
        QCOMPARE(image.pixelColor(0, 10).red(), 255);
        QCOMPARE(image.pixelColor(10, 8), QColor(Qt::red));
        QCOMPARE(image.pixelColor(10, 17).alpha(), 0);
    }
};

QTEST_MAIN(TestStyles)
#include "tst_styles.moc"
