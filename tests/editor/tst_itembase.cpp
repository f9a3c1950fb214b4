// The selectable item base (click, Shift, Control and context clicks, hover) and
// the extended button's swatch and fitted picture.
#include "EditorMouse.h"
#include "QBaseItem.h"
#include "QVelButtonExtend.h"

#include <QBuffer>
#include <QtTest>

using State = QBaseItem::QMouseState;
Q_DECLARE_METATYPE(QBaseItem::QMouseState)
Q_DECLARE_METATYPE(Qt::MouseButton)

class tst_ItemBase : public QObject
{
    Q_OBJECT

private slots:
    void pressSelects_data();
    void pressSelects();
    void hoverLeavesSelectionAlone();
    void paintsTheColourOfItsState();
    void tagPictureFitsItsRectangle_data();
    void tagPictureFitsItsRectangle();
    void tagPictureSources();
    void swatchAndPictureAreDrawn();
};

void tst_ItemBase::pressSelects_data()
{
    QTest::addColumn<State>("before");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<State>("after");
    QTest::addColumn<QStringList>("signals_");
    const State normal = QBaseItem::NormalState, selected = QBaseItem::SelectedState;
    const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier, control = Qt::ControlModifier;
    QTest::newRow("click") << normal << Qt::LeftButton << none << selected << QStringList{"press"};
    QTest::newRow("click on selected") << selected << Qt::LeftButton << none << selected << QStringList{"press"};
    QTest::newRow("shift click") << normal << Qt::LeftButton << shift << normal << QStringList{"shift"};
    QTest::newRow("control click on selected") << selected << Qt::LeftButton << control << normal
                                               << QStringList{"control"};
    QTest::newRow("control click on normal") << normal << Qt::LeftButton << control << selected
                                             << QStringList{"control"};
    QTest::newRow("shift and control is a plain click")
        << normal << Qt::LeftButton << (shift | control) << selected << QStringList{"press"};
    QTest::newRow("right on unselected") << normal << Qt::RightButton << none << selected
                                         << QStringList{"press", "menu"};
    QTest::newRow("right on selected") << selected << Qt::RightButton << none << selected << QStringList{"menu"};
    QTest::newRow("right with shift") << normal << Qt::RightButton << shift << selected
                                      << QStringList{"press", "menu"};
    QTest::newRow("middle") << normal << Qt::MiddleButton << none << normal << QStringList{};
}

void tst_ItemBase::pressSelects()
{
    QFETCH(State, before);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(State, after);
    QFETCH(QStringList, signals_);
    QBaseItem item;
    item.resize(50, 50);
    item.setMouseState(before);
    QStringList seen;
    connect(&item, &QBaseItem::emitMousePress, this, [&seen] { seen << "press"; });
    connect(&item, &QBaseItem::emitMouseShiftPress, this, [&seen] { seen << "shift"; });
    connect(&item, &QBaseItem::emitMouseCtrlPress, this, [&seen] { seen << "control"; });
    connect(&item, &QBaseItem::emitShowTreeMenu, this, [&seen] { seen << "menu"; });
    EditorMouse::press(&item, QPoint(5, 5), button, modifiers);
    QCOMPARE(item.getMouseState(), after);
    QCOMPARE(seen, signals_);
}

void tst_ItemBase::hoverLeavesSelectionAlone()
{
    QBaseItem item;
    QEvent enter(QEvent::Enter), leave(QEvent::Leave);
    QApplication::sendEvent(&item, &enter);
    QCOMPARE(item.getMouseState(), QBaseItem::HoverState);
    QApplication::sendEvent(&item, &leave);
    QCOMPARE(item.getMouseState(), QBaseItem::NormalState);
    item.setMouseState(QBaseItem::FourthState);
    QApplication::sendEvent(&item, &enter);
    QCOMPARE(item.getMouseState(), QBaseItem::HoverState);
    item.setMouseState(QBaseItem::SelectedState);
    QApplication::sendEvent(&item, &enter);
    QApplication::sendEvent(&item, &leave);
    QCOMPARE(item.getMouseState(), QBaseItem::SelectedState);
}

void tst_ItemBase::paintsTheColourOfItsState()
{
    QBaseItem item;
    item.resize(20, 20);
    const QList<QColor> colours = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    item.setBackgroundColor(colours.at(0), colours.at(1), colours.at(2), colours.at(3));
    for (int state = 0; state < 4; ++state) {
        item.setMouseState(State(state));
        QCOMPARE(item.grab().toImage().pixelColor(10, 10), colours.at(state));
    }
    item.setMouseState(State(7));
    QCOMPARE(item.grab().toImage().pixelColor(10, 10), colours.at(3));
}

void tst_ItemBase::tagPictureFitsItsRectangle_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("drawn");
    QTest::newRow("wide") << QSize(200, 100) << QRect(0, 0, 40, 40) << QRect(0, 10, 40, 20);
    QTest::newRow("tall") << QSize(100, 200) << QRect(0, 0, 40, 40) << QRect(10, 0, 20, 40);
    QTest::newRow("square") << QSize(50, 50) << QRect(3, 4, 40, 30) << QRect(3, 4, 40, 30);
    QTest::newRow("cover art in 125") << QSize(300, 200) << QRect(QPoint(0, 0), QPoint(124, 124))
                                      << QRect(0, 21, 125, 83);
}

void tst_ItemBase::tagPictureFitsItsRectangle()
{
    QFETCH(QSize, picture);
    QFETCH(QRect, rect);
    QFETCH(QRect, drawn);
    QCOMPARE(QVelButtonExtend::fitTagRect(picture, rect), drawn);
}

void tst_ItemBase::tagPictureSources()
{
    QVelButtonExtend button;
    QImage red(20, 10, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(button.setTagImg(QRect(0, 0, 10, 10), red));
    QVERIFY(!button.setTagImg(QRect(0, 0, 10, 10), QImage()));
    QVERIFY(!button.setTagImg(QRect(0, 0, 10, 10), QString()));
    // A file that does not load still counts as a picture (drawn empty).
    QVERIFY(button.setTagImg(QRect(0, 0, 10, 10), QStringLiteral("/nonexistent/cover.png")));
    QByteArray png;
    QBuffer buffer(&png);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && red.save(&buffer, "PNG"));
    QVERIFY(button.setTagImg(QRect(0, 0, 10, 10), png.toStdString()));
    QVERIFY(!button.setTagImg(QRect(0, 0, 10, 10), std::string("not a picture")));
    QVERIFY(!button.setTagImg(QRect(0, 0, 10, 10), std::string()));
}

void tst_ItemBase::swatchAndPictureAreDrawn()
{
    QVelButtonExtend button;
    button.resize(60, 40);
    button.setIconColor(Qt::green);
    // The default null swatch rectangle draws nothing.
    QVERIFY(button.grab().toImage().pixelColor(12, 10) != QColor(Qt::green));
    button.setIconColorRect(QRect(QPoint(5, 3), QPoint(20, 18)));
    const QImage swatch = button.grab().toImage();
    QCOMPARE(swatch.pixelColor(12, 10), QColor(Qt::green));
    QCOMPARE(swatch.pixelColor(5, 3), QColor(128, 128, 128));

    QImage red(200, 100, QImage::Format_ARGB32);
    red.fill(Qt::red);
    button.setIconColorRect(QRect());
    button.setBackgroundColor(Qt::blue);
    QVERIFY(button.setTagImg(QRect(0, 0, 40, 40), red));
    const QImage tagged = button.grab().toImage();
    QCOMPARE(tagged.pixelColor(20, 5), QColor(Qt::blue));
    QCOMPARE(tagged.pixelColor(20, 20), QColor(Qt::red));
    QCOMPARE(tagged.pixelColor(50, 35), QColor(Qt::blue));
}

QTEST_MAIN(tst_ItemBase)
#include "tst_itembase.moc"
