// The OpenGL frame view under a real (Mesa software) GL context: what it
// draws for BGRA and YUV 4:2:0 frames, odd sizes, the 9-frame queue bound,
// empty frames, reset, and frames whose strides it must refuse.
#include "QVelVideoShowWidget.h"

#include <QtTest>

#include <thread>
#include <vector>

namespace {

struct YuvFrame {
    int width, height;
    std::vector<unsigned char> y, u, v;
    int lines[3];
    unsigned char *planes[3];
    YuvFrame(int w, int h, unsigned char Y, unsigned char U, unsigned char V, int pad = 0)
        : width(w), height(h)
    {
        const int cw = (w + 1) / 2, ch = (h + 1) / 2;
        lines[0] = w + pad;
        lines[1] = lines[2] = cw + pad;
        y.assign(size_t(lines[0]) * h, Y);
        u.assign(size_t(lines[1]) * ch, U);
        v.assign(size_t(lines[2]) * ch, V);
        planes[0] = y.data();
        planes[1] = u.data();
        planes[2] = v.data();
    }
};

std::vector<unsigned char> bgraFrame(int w, int h, QRgb left, QRgb right, int bytesPerLine)
{
    std::vector<unsigned char> data(size_t(bytesPerLine) * h, 0);
    for (int row = 0; row < h; ++row)
        for (int x = 0; x < w; ++x) {
            const QRgb c = x < w / 2 ? left : right;
            unsigned char *p = data.data() + size_t(row) * bytesPerLine + 4 * x;
            p[0] = qBlue(c);
            p[1] = qGreen(c);
            p[2] = qRed(c);
            p[3] = 255;
        }
    return data;
}

bool near(QRgb a, QRgb b, int tolerance = 12)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

QString rgb(QRgb c) { return QString("(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)); }

} // namespace

class TestVideoView : public QObject {
    Q_OBJECT

    QVelVideoShowWidget *m_view = nullptr;

    QImage shown()
    {
        QCoreApplication::processEvents();
        return m_view->grabFramebuffer();
    }

private slots:
    void init()
    {
        m_view = new QVelVideoShowWidget;
        m_view->setUpdatesEnabled(false); // the owners do this; drawing must go on
        m_view->resize(64, 32);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view));
        QVERIFY(m_view->context());
    }
    void cleanup()
    {
        delete m_view;
        m_view = nullptr;
    }

    void drawsPackedFrames_data()
    {
        QTest::addColumn<int>("bytesPerLine");
        QTest::newRow("tight rows") << 64 * 4;
        QTest::newRow("padded rows") << 64 * 4 + 64;
    }
    void drawsPackedFrames()
    {
        QFETCH(int, bytesPerLine);
        auto data = bgraFrame(64, 32, qRgb(255, 0, 0), qRgb(0, 0, 255), bytesPerLine);
        m_view->showImage(data.data(), 64, 32, unsigned(bytesPerLine));
        const QImage img = shown();
        QVERIFY2(near(img.pixel(10, 16), qRgb(255, 0, 0)), qPrintable(rgb(img.pixel(10, 16))));
        QVERIFY2(near(img.pixel(54, 16), qRgb(0, 0, 255)), qPrintable(rgb(img.pixel(54, 16))));
        // Top row stays on top.
        QVERIFY(near(img.pixel(10, 0), qRgb(255, 0, 0)));
    }

    void drawsYuvFramesOfOddSize_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("pad");
        QTest::newRow("even") << 64 << 32 << 0;
        QTest::newRow("odd width and height") << 63 << 31 << 0;
        QTest::newRow("odd, padded lines") << 63 << 31 << 13;
    }
    void drawsYuvFramesOfOddSize()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, pad);
        m_view->resize(width, height);
        // BT.601 limited-range red.
        YuvFrame f(width, height, 81, 90, 240, pad);
        m_view->showYUVImage(f.planes, width, height, f.lines);
        const QImage img = shown();
        // Every corner and the centre is red: no green or pink seams at odd edges.
        for (const QPoint pt : {QPoint(0, 0), QPoint(width - 1, 0), QPoint(0, height - 1),
                                QPoint(width - 1, height - 1), QPoint(width / 2, height / 2)})
            QVERIFY2(near(img.pixel(pt), qRgb(255, 0, 0), 20),
                     qPrintable(QString("%1,%2 %3").arg(pt.x()).arg(pt.y()).arg(rgb(img.pixel(pt)))));
    }

    // Scaled up, linear filtering reaches past the picture's last row and
    // column: the edges must keep the picture's colour.
    void edgesStayCleanWhenScaled_data()
    {
        QTest::addColumn<bool>("planar");
        QTest::newRow("YUV") << true;
        QTest::newRow("BGRA") << false;
    }
    void edgesStayCleanWhenScaled()
    {
        QFETCH(bool, planar);
        m_view->resize(200, 100);
        YuvFrame f(63, 31, 81, 90, 240, 5);
        auto packed = bgraFrame(63, 31, qRgb(255, 0, 0), qRgb(255, 0, 0), 63 * 4 + 20);
        if (planar)
            m_view->showYUVImage(f.planes, 63, 31, f.lines);
        else
            m_view->showImage(packed.data(), 63, 31, 63 * 4 + 20);
        const QImage img = shown();
        for (const QPoint pt : {QPoint(199, 50), QPoint(100, 99), QPoint(199, 99), QPoint(0, 0)})
            QVERIFY2(near(img.pixel(pt), qRgb(255, 0, 0), 20),
                     qPrintable(QString("%1,%2 %3").arg(pt.x()).arg(pt.y()).arg(rgb(img.pixel(pt)))));
    }

    void refusesFramesWithUnsafeStrides()
    {
        auto good = bgraFrame(64, 32, qRgb(0, 255, 0), qRgb(0, 255, 0), 256);
        m_view->showImage(good.data(), 64, 32, 256);
        QVERIFY(near(shown().pixel(32, 16), qRgb(0, 255, 0)));
        auto red = bgraFrame(64, 32, qRgb(255, 0, 0), qRgb(255, 0, 0), 256);
        m_view->showImage(red.data(), 64, 32, 100);                    // shorter than a row
        m_view->showImage(red.data(), 63, 32, 254);                    // not whole pixels
        m_view->showImage(red.data() + 256 * 31, 64, 32, unsigned(-256)); // bottom-up
        YuvFrame y(64, 32, 81, 90, 240);
        int negative[3] = {-64, 32, 32};
        m_view->showYUVImage(y.planes, 64, 32, negative);
        int narrow[3] = {64, 16, 32};
        m_view->showYUVImage(y.planes, 64, 32, narrow);
        QVERIFY(near(shown().pixel(32, 16), qRgb(0, 255, 0)));
    }

    void dropsFramesBeyondNinePending()
    {
        // Ten frames from a producer thread while the GUI thread is busy.
        std::vector<std::vector<unsigned char>> frames;
        for (int i = 0; i < 10; ++i)
            frames.push_back(bgraFrame(64, 32, qRgb(20 * i, 0, 0), qRgb(20 * i, 0, 0), 256));
        std::thread producer([&] {
            for (auto &f : frames)
                m_view->showImage(f.data(), 64, 32, 256);
        });
        producer.join();
        // The ninth frame is the last one drawn; the tenth was dropped.
        QVERIFY2(near(shown().pixel(32, 16), qRgb(160, 0, 0), 4), qPrintable(rgb(shown().pixel(32, 16))));
        // Room again: the next frame is drawn.
        m_view->showImage(frames[9].data(), 64, 32, 256);
        QVERIFY(near(shown().pixel(32, 16), qRgb(180, 0, 0), 4));
    }

    void emptyFrameClearsAndResetStartsOver()
    {
        m_view->setBackgroundColor(QColor(0, 255, 0));
        YuvFrame f(64, 32, 81, 90, 240);
        m_view->showYUVImage(f.planes, 64, 32, f.lines);
        QVERIFY(near(shown().pixel(32, 16), qRgb(255, 0, 0), 20));
        m_view->showYUVImage(nullptr, 0, 0, nullptr);
        QVERIFY(near(shown().pixel(32, 16), qRgb(0, 255, 0)));
        m_view->reset();
        QVERIFY(near(shown().pixel(32, 16), qRgb(0, 255, 0)));
        m_view->showYUVImage(f.planes, 64, 32, f.lines);
        QVERIFY(near(shown().pixel(32, 16), qRgb(255, 0, 0), 20));
        // After a packed frame the view keeps to packed frames until reset.
        auto blue = bgraFrame(64, 32, qRgb(0, 0, 255), qRgb(0, 0, 255), 256);
        m_view->showImage(blue.data(), 64, 32, 256);
        QVERIFY(near(shown().pixel(32, 16), qRgb(0, 0, 255)));
        m_view->showImage(nullptr, 0, 0, 0);
        QVERIFY(near(shown().pixel(32, 16), qRgb(0, 255, 0)));
    }
};

QTEST_MAIN(TestVideoView)
#include "tst_video_view.moc"
