#include "MouseEvents.h"
#include "WidgetPictures.h"

#include "QCustomImageWidget.h"
#include "QDualSlider.h"
#include "QImageButton.h"
#include "QImageButtonEx.h"
#include "QImageWidget.h"
#include "QSliderCtrlBtn.h"
#include "QTextImageButton.h"
#include "qSliderCtrl.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(QMouseEvent*)

namespace {

// One image-strip widget of any of the four kinds, behind one interface.
struct StripWidget
{
    std::unique_ptr<QWidget> widget;
    std::function<void(const QString&)> setStrip;
    std::function<int()> state;
};

StripWidget make(const QString& kind)
{
    StripWidget w;
    if (kind == "text") {
        auto* b = new QTextImageButton;
        w.setStrip = [b](const QString& p) { b->setBtnImage(p); };
        w.state = [b] { return b->state(); };
        w.widget.reset(b);
    } else if (kind == "image") {
        auto* b = new QImageButton;
        w.setStrip = [b](const QString& p) { b->setBtnImage(p); };
        w.state = [b] { return b->state(); };
        w.widget.reset(b);
    } else if (kind == "custom") {
        auto* b = new QCustomImageWidget;
        w.setStrip = [b](const QString& p) { b->setBtnImage(p); };
        w.state = [b] { return b->state(); };
        w.widget.reset(b);
    } else {
        auto* b = new QSliderCtrlBtn;
        w.setStrip = [b](const QString& p) { b->setBtnImage(p); };
        w.state = [b] { return b->state(); };
        w.widget.reset(b);
    }
    return w;
}

void apply(QWidget* w, const QString& step)
{
    const QPoint inside = w->mapToGlobal(QPoint(2, 2));
    if (step == "enter") {
        QEvent event(QEvent::Enter);
        QApplication::sendEvent(w, &event);
    } else if (step == "leave") {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(w, &event);
    } else if (step == "press") {
        MouseEvents::press(w, inside);
    } else if (step == "release") {
        MouseEvents::release(w, inside);
    } else if (step == "rpress") {
        MouseEvents::press(w, inside, Qt::RightButton);
    } else if (step == "disable") {
        w->setEnabled(false);
    } else if (step == "enable") {
        w->setEnabled(true);
    }
}

} // namespace

class TestStripButtons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QMouseEvent*>(); }
    void cellSize_data();
    void cellSize();
    void stateMachine_data();
    void stateMachine();
    void checkedLookWins();
    void overStateDrawsPressedCellWhenDisabled();
    void imageForRectWithoutWidthKeepsDrawingRect();
    void badge_data();
    void badge();
    void imageButtonReportsDragsOnlyWhilePressed();
    void missingPictureIsLogged_data();
    void missingPictureIsLogged();

private:
    QTemporaryDir m_dir;
};

void TestStripButtons::cellSize_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QSize>("size");
    for (const QString kind : {"text", "image", "custom", "slider"}) {
        QTest::addRow("%s 400x60", qPrintable(kind)) << kind << QSize(400, 60) << QSize(50, 30);
        QTest::addRow("%s 402x60", qPrintable(kind)) << kind << QSize(402, 60) << QSize(50, 30);
        QTest::addRow("%s 128x32", qPrintable(kind)) << kind << QSize(128, 32) << QSize(16, 16);
    }
}

void TestStripButtons::cellSize()
{
    QFETCH(QString, kind);
    QFETCH(QSize, pixels);
    QFETCH(QSize, size);
    StripWidget w = make(kind);
    w.setStrip(WidgetPictures::strip(m_dir, QString("s%1x%2.png").arg(pixels.width()).arg(pixels.height()),
                                     pixels.width(), pixels.height()));
    QCOMPARE(w.widget->size(), size);
    QCOMPARE(w.widget->minimumSize(), size);
    QCOMPARE(w.widget->maximumSize(), size);
    QCOMPARE(WidgetPictures::colorAt(*w.widget, QPoint(size.width() / 2, size.height() / 2)),
             WidgetPictures::cellColors().at(0));
}

void TestStripButtons::stateMachine_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("state");

    const QList<QPair<QString, QPair<QStringList, int>>> rows = {
        {"hover", {{"enter"}, 1}},
        {"press", {{"enter", "press"}, 2}},
        {"release shows normal while over", {{"enter", "press", "release"}, 0}},
        {"leave after hover", {{"enter", "leave"}, 0}},
        {"leave while pressed keeps pressed", {{"enter", "press", "leave"}, 2}},
        {"right press leaves state", {{"enter", "rpress"}, 1}},
        {"disabled ignores hover", {{"disable", "enter"}, 3}},
        {"enabling again shows normal", {{"enter", "disable", "enter", "enable"}, 0}},
    };
    for (const QString kind : {"text", "image", "custom", "slider"})
        for (const auto& row : rows)
            QTest::addRow("%s: %s", qPrintable(kind), qPrintable(row.first))
                << kind << row.second.first << row.second.second;
}

void TestStripButtons::stateMachine()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, steps);
    QFETCH(int, state);
    StripWidget w = make(kind);
    w.setStrip(WidgetPictures::strip(m_dir, "state.png", 400, 60));
    w.widget->move(40, 40);
    w.widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.widget.get()));
    for (const QString& step : steps)
        apply(w.widget.get(), step);
    QCOMPARE(w.state(), state);
    QCOMPARE(WidgetPictures::colorAt(*w.widget, QPoint(25, 15)), WidgetPictures::cellColors().at(state));
}

void TestStripButtons::checkedLookWins()
{
    QTextImageButton button;
    button.setBtnImage(WidgetPictures::strip(m_dir, "check.png", 400, 60));
    button.setCheckState(true);
    const QColor pressed = WidgetPictures::cellColors().at(2);
    QCOMPARE(WidgetPictures::colorAt(button, QPoint(25, 15)), pressed);
    apply(&button, "enter");
    QCOMPARE(WidgetPictures::colorAt(button, QPoint(25, 15)), pressed);
    button.setEnabled(false);
    QCOMPARE(WidgetPictures::colorAt(button, QPoint(25, 15)), pressed);
    button.setCheckState(false);
    QCOMPARE(WidgetPictures::colorAt(button, QPoint(25, 15)), WidgetPictures::cellColors().at(3));
}

void TestStripButtons::overStateDrawsPressedCellWhenDisabled()
{
    QTextImageButton text;
    QImageButton image;
    const QString strip = WidgetPictures::strip(m_dir, "over.png", 400, 60);
    text.setBtnImage(strip);
    image.setBtnImage(strip);
    for (QWidget* w : {static_cast<QWidget*>(&text), static_cast<QWidget*>(&image)}) {
        w->setEnabled(false);
        QCOMPARE(WidgetPictures::colorAt(*w, QPoint(25, 15)), WidgetPictures::cellColors().at(3));
    }
    text.setOverState(true);
    image.setOverState(true);
    for (QWidget* w : {static_cast<QWidget*>(&text), static_cast<QWidget*>(&image)})
        QCOMPARE(WidgetPictures::colorAt(*w, QPoint(25, 15)), WidgetPictures::cellColors().at(2));
}

void TestStripButtons::imageForRectWithoutWidthKeepsDrawingRect()
{
    const QString strip = WidgetPictures::strip(m_dir, "rect.png", 400, 60);
    QTextImageButton button;
    button.setBtnImageForRect(strip, QRect(0, 0, 80, 24));
    QCOMPARE(button.size(), QSize(80, 24));
    QCOMPARE(button.imageRect(), QRect(0, 0, 80, 24));
    button.setBtnImageForRect(strip, QRect(0, 0, 0, 10));
    QCOMPARE(button.size(), QSize(50, 30));
    QCOMPARE(button.imageRect(), QRect(0, 0, 80, 24));
    QCOMPARE(button.textRect(), QRect(0, 0, 50, 30));
    button.setTextPOS(7, 3);
    QCOMPARE(button.textRect(), QRect(QPoint(7, 3), QPoint(49, 29)));
}

void TestStripButtons::badge_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("1") << 1 << "1" << 11;
    QTest::newRow("99") << 99 << "99" << 11;
    QTest::newRow("100") << 100 << "99+" << 9;
    QTest::newRow("12345") << 12345 << "99+" << 9;
}

void TestStripButtons::badge()
{
    QFETCH(int, count);
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    int size = 0;
    QCOMPARE(QImageButtonEx::badgeText(count, &size), text);
    QCOMPARE(size, pixelSize);

    QImageButtonEx button;
    button.setBtnImage(WidgetPictures::strip(m_dir, "badge.png", 640, 48));
    for (int i = 0; i < count && i < 120; ++i)
        button.addItemCount();
    QCOMPARE(button.count(), std::min(count, 120));
    // The white count stays inside its round badge (20 x 20 at (W - 22, 5)) with a ring
    // of the badge showing round it; only the text carries blue here.
    const QImage image = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPointF centre(button.width() - 12, 15);
    int textPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).blue() <= 70)
                continue;
            ++textPixels;
            QVERIFY2(QLineF(centre, QPointF(x + 0.5, y + 0.5)).length() < 8.5,
                     qPrintable(QString("count at %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(textPixels > 5);
    button.resetCount();
    QCOMPARE(button.count(), 0);
}

void TestStripButtons::imageButtonReportsDragsOnlyWhilePressed()
{
    QImageButton button;
    button.setBtnImage(WidgetPictures::strip(m_dir, "drag.png", 400, 60));
    button.move(100, 100);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy moved(&button, &QImageButton::mouseMove);
    const QPoint origin = button.mapToGlobal(QPoint(0, 0));
    MouseEvents::move(&button, origin + QPoint(5, 5));
    QCOMPARE(moved.count(), 0);
    MouseEvents::press(&button, origin + QPoint(7, 5));
    MouseEvents::move(&button, origin + QPoint(20, 5), Qt::LeftButton);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(1).toInt(), 7);
    MouseEvents::release(&button, origin + QPoint(20, 5));
    MouseEvents::move(&button, origin + QPoint(25, 5));
    QCOMPARE(moved.count(), 1);
}

void TestStripButtons::missingPictureIsLogged_data()
{
    QTest::addColumn<int>("setter");
    const char* names[] = {"QTextImageButton", "QImageButton", "QCustomImageWidget", "QSliderCtrlBtn",
                           "QDualSlider track", "qSliderCtrl track", "QImageWidget"};
    for (int i = 0; i < 7; ++i)
        QTest::newRow(names[i]) << i;
}

void TestStripButtons::missingPictureIsLogged()
{
    QFETCH(int, setter);
    const QString path = m_dir.filePath("nowhere/absent.png");
    QTest::ignoreMessage(QtWarningMsg, qPrintable("Skin picture failed to load: " + path));
    switch (setter) {
    case 0: QCOMPARE(QTextImageButton().setBtnImage(path), true); break;
    case 1: QCOMPARE(QImageButton().setBtnImage(path), true); break;
    case 2: QCOMPARE(QCustomImageWidget().setImageForRect(path, QRect()), true); break;
    case 3: QCOMPARE(QSliderCtrlBtn().setBtnImage(path), true); break;
    case 4: QCOMPARE(QDualSlider().setBottomImage(path), true); break;
    case 5: QCOMPARE(qSliderCtrl().setBottomImage(path), true); break;
    case 6: QImageWidget().setBackgroundImage(path, true); break;
    }
}

QTEST_MAIN(TestStripButtons)
#include "tst_stripbuttons.moc"
