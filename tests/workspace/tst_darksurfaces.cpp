// The surfaces Qt draws for the program (the Help menu, the Open dialog, a
// tooltip) wear the program's dark look: no light patch larger than one caption
// in a picture of them.
#include "MainWindow.h"
#include "QVelApplicationLook.h"
#include "TestTiming.h"

#include <QFileDialog>
#include <QHelpEvent>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <vector>

namespace {

int luma(QRgb c) { return (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c)) / 1000; }

// Pixels in the largest 4-connected patch brighter than 200 of luma.
int largestLightPatch(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    std::vector<char> seen(size_t(w) * h, 0);
    int largest = 0;
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (seen[start] || luma(image.pixel(start % w, start / w)) <= 200)
            continue;
        int size = 0;
        stack.assign(1, start);
        seen[start] = 1;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            ++size;
            const int x = at % w, y = at / w;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : next) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= w || n[1] >= h)
                    continue;
                const int i = n[1] * w + n[0];
                if (!seen[i] && luma(image.pixel(n[0], n[1])) > 200) {
                    seen[i] = 1;
                    stack.push_back(i);
                }
            }
        }
        largest = qMax(largest, size);
    }
    return largest;
}

// The area one caption of the surface covers, in device pixels.
int captionArea(const QWidget* widget, const QString& caption)
{
    const QFontMetrics metrics(widget->font());
    const qreal ratio = widget->devicePixelRatioF();
    return int(metrics.horizontalAdvance(caption) * metrics.height() * ratio * ratio);
}

QWidget* visibleTopLevel(const char* className)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits(className) && top->isVisible())
            return top;
    return nullptr;
}

} // namespace

class TestDarkSurfaces : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noLightGround_data();
    void noLightGround();

private:
    QImage helpMenu(MainWindow& window);
    QImage openDialog(MainWindow& window);
    QImage tooltip(MainWindow& window);
    QString m_caption;
    int m_captionArea = 0;
};

void TestDarkSurfaces::initTestCase() { QVelApplicationLook::apply(); }

QImage TestDarkSurfaces::helpMenu(MainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    QAction* help = bar->actions().value(0);
    if (!help || !help->menu())
        return QImage();
    bar->setActiveAction(help);
    QMenu* menu = help->menu();
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, TestTiming::scaled(5000)))
        return QImage();
    menu->setActiveAction(menu->actions().value(0));
    m_caption = menu->actions().value(0)->text();
    m_captionArea = captionArea(menu, m_caption);
    const QImage picture = menu->grab().toImage();
    menu->hide();
    return picture;
}

QImage TestDarkSurfaces::openDialog(MainWindow& window)
{
    QImage picture;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll.stop();
        m_caption = QStringLiteral("File name:");
        m_captionArea = captionArea(dialog, m_caption);
        picture = dialog->grab().toImage();
        dialog->reject();
    });
    poll.start(50);
    window.OnAddFile();
    return picture;
}

QImage TestDarkSurfaces::tooltip(MainWindow& window)
{
    QWidget* button = nullptr;
    for (QWidget* child : window.findChildren<QWidget*>())
        if (!child->toolTip().isEmpty() && child->isVisible())
            button = child;
    if (!button)
        return QImage();
    const QPoint local(button->width() / 2, button->height() / 2);
    QHelpEvent event(QEvent::ToolTip, local, button->mapToGlobal(local));
    QApplication::sendEvent(button, &event);
    QWidget* tip = nullptr;
    if (!QTest::qWaitFor([&tip] { return (tip = visibleTopLevel("QTipLabel")) != nullptr; },
                         TestTiming::scaled(5000)))
        return QImage();
    m_caption = button->toolTip();
    m_captionArea = captionArea(tip, m_caption);
    return tip->grab().toImage();
}

void TestDarkSurfaces::noLightGround_data()
{
    QTest::addColumn<int>("surface");
    QTest::newRow("help menu open") << 0;
    QTest::newRow("open dialog") << 1;
    QTest::newRow("tooltip") << 2;
}

void TestDarkSurfaces::noLightGround()
{
    QFETCH(int, surface);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const std::function<QImage(MainWindow&)> draw[] = {
        [this](MainWindow& w) { return helpMenu(w); }, [this](MainWindow& w) { return openDialog(w); },
        [this](MainWindow& w) { return tooltip(w); }};
    const QImage picture = draw[surface](window);
    QVERIFY2(!picture.isNull(), "the surface did not come up");
    const int patch = largestLightPatch(picture);
    QVERIFY2(patch <= m_captionArea, qPrintable(QStringLiteral("a light patch of %1 pixels, more than the %2 "
                                                               "pixels of the caption \"%3\"")
                                                    .arg(patch)
                                                    .arg(m_captionArea)
                                                    .arg(m_caption)));
}

QTEST_MAIN(TestDarkSurfaces)
#include "tst_darksurfaces.moc"
