// The advert page dialog over the real web engine, without its sandbox and with
// every host name failing to resolve, so that nothing reaches the network: a
// local page loads with progress, a failing address falls back once, a failing
// fallback ends the loading, and only the user's clicks on web links leave the
// program, through the system-services seam.
#include "AdWebDlg.h"
#include "AdWebPage.h"
#include "AdWebView.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "qSliderCtrl.h"
#include "VelSystemActions.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

namespace {

constexpr int kLoadMs = 60000;

// Anything that reaches the desktop's URL handling lands here instead.
class DesktopCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

QUrl page(const QTemporaryDir& dir, const QString& name, const QByteArray& body)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QUrl();
    file.write("<!DOCTYPE html><html><head><meta charset='utf-8'></head><body style='margin:0'>" + body
               + "</body></html>");
    return QUrl::fromLocalFile(file.fileName());
}

// Runs a script in the page and waits for its result; invalid when none came.
QVariant evaluate(QWebEnginePage* page, const QString& script)
{
    // The answer may come after a timed-out wait, so it is kept in shared state.
    struct Answer {
        bool done = false;
        QVariant value;
    };
    const auto answer = std::make_shared<Answer>();
    page->runJavaScript(script, [answer](const QVariant& value) {
        answer->value = value;
        answer->done = true;
    });
    if (!QTest::qWaitFor([&] { return answer->done; }, kLoadMs))
        return QVariant();
    return answer->value;
}

// Waits until the page has laid out and drawn frames on the screen: input sent
// to the view before that may be dropped by the web engine.
bool waitUntilDrawn(QWebEnginePage* page)
{
    evaluate(page, "window.zvFrames = 0;"
                   "requestAnimationFrame(function tick() { ++window.zvFrames; requestAnimationFrame(tick); });");
    return QTest::qWaitFor([&] { return evaluate(page, "window.zvFrames").toInt() >= 3; }, kLoadMs);
}

} // namespace

class tst_AdvertDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void loadsOnlyOnceShown();
    void failingAddressFallsBackOnce();
    void failingFallbackEndsLoading();
    void timeOutEnablesClosing();
    void onlyClickedWebLinksLeave();
    void shippedFallbackInEachLanguage_data();
    void shippedFallbackInEachLanguage();

private:
    QTemporaryDir m_dir;
    QUrl m_local;
    QUrl m_links;
    QList<QUrl> m_opened;
    DesktopCatcher m_desktop;
};

void tst_AdvertDlg::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_local = page(m_dir, "local.html", "<p style='height:2000px'>advert</p>");
    m_links = page(m_dir, "links.html",
                   "<a id='out' href='https://other.example/offer' style='display:block;width:300px;height:150px;"
                   "background:#888'>offer</a>"
                   "<a id='mail' href='mailto:someone@example.com'>mail</a>"
                   "<iframe src='zvtest:frame' style='display:none'></iframe>");
    for (const char* scheme : {"http", "https", "mailto", "zvtest", "file"})
        QDesktopServices::setUrlHandler(scheme, &m_desktop, "open");
}

void tst_AdvertDlg::init()
{
    m_opened.clear();
    m_desktop.urls.clear();
    VelSystemActions::setUrlHandler([this](const QUrl& url) { m_opened << url; });
}

void tst_AdvertDlg::cleanupTestCase()
{
    VelSystemActions::setUrlHandler(nullptr);
}

void tst_AdvertDlg::loadsOnlyOnceShown()
{
    AdWebDlg dlg;
    dlg.setAddresses(m_local, QUrl::fromLocalFile(m_dir.filePath("missing.html")));
    QSignalSpy started(dlg.webView(), &AdWebView::loadStarted);
    QSignalSpy progress(dlg.webView(), &AdWebView::loadProgress);
    QSignalSpy finished(dlg.webView(), &AdWebView::loadFinished);
    QTest::qWait(400);
    QCOMPARE(started.count(), 0);

    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QTRY_VERIFY_WITH_TIMEOUT(started.count() > 0, kLoadMs);
    QVERIFY(!dlg.closeButton()->isEnabled() || finished.count() > 0);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kLoadMs);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last().at(0).toInt(), 100);
    QVERIFY(dlg.closeButton()->isEnabled());
    QVERIFY(!dlg.m_progressBar->isVisible());
    QCOMPARE(dlg.webView()->view()->url(), m_local);
    QCOMPARE(dlg.webView()->geometry(), QRect(4, 26, dlg.width() - 8, dlg.height() - 30));
    QCOMPARE(dlg.m_progressBar->geometry(), QRect(4, dlg.height() - 8, dlg.width() - 8, 4));
    QVERIFY(!dlg.m_btnContinue->isVisible());
    // Escape does not close it.
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QVERIFY(dlg.isVisible());
}

void tst_AdvertDlg::failingAddressFallsBackOnce()
{
    AdWebDlg dlg;
    dlg.setAddresses(QUrl("https://advert.invalid/"), m_local);
    QSignalSpy finished(dlg.webView(), &AdWebView::loadFinished);
    dlg.show();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, kLoadMs);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(finished.at(1).at(0).toBool(), true);
    QCOMPARE(dlg.webView()->view()->url(), m_local);
    QVERIFY(dlg.closeButton()->isEnabled());
    QTest::qWait(500);
    QCOMPARE(finished.count(), 2);
}

void tst_AdvertDlg::failingFallbackEndsLoading()
{
    AdWebDlg dlg;
    dlg.setAddresses(QUrl("https://advert.invalid/"), QUrl::fromLocalFile(m_dir.filePath("missing.html")));
    QSignalSpy started(dlg.webView(), &AdWebView::loadStarted);
    QSignalSpy finished(dlg.webView(), &AdWebView::loadFinished);
    dlg.show();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, kLoadMs);
    QVERIFY(dlg.closeButton()->isEnabled());
    QVERIFY(dlg.isLoadFinished());
    QTest::qWait(1000);
    QCOMPARE(finished.count(), 2);
    QCOMPARE(started.count(), 2);
    // No engine error page ("This site can't be reached") was put in its place:
    // the view keeps the dialog's dark ground.
    QWebEnginePage* webPage = dlg.webView()->view()->page();
    QCOMPARE(evaluate(webPage, "document.body ? document.body.innerText : ''").toString(), QString());
    QCOMPARE(evaluate(webPage, "getComputedStyle(document.documentElement).backgroundColor").toString(),
             QString("rgba(0, 0, 0, 0)"));
    QTest::mouseClick(dlg.closeButton(), Qt::LeftButton);
    QVERIFY(!dlg.isVisible());
}

// Driven tick by tick on a dialog that is never shown, so no real load interferes.
void tst_AdvertDlg::timeOutEnablesClosing()
{
    AdWebDlg dlg;
    dlg.UrlLoadStart();
    QVERIFY(!dlg.closeButton()->isEnabled());
    QVERIFY(!dlg.m_btnContinue->isEnabled());
    for (int tick = 1; tick <= 20; ++tick) {
        dlg.OnLoadOverTime();
        QVERIFY2(!dlg.closeButton()->isEnabled(), qPrintable(QString::number(tick)));
    }
    dlg.OnLoadOverTime();
    QVERIFY(dlg.closeButton()->isEnabled());
    QVERIFY(dlg.m_btnContinue->isEnabled());
}

void tst_AdvertDlg::onlyClickedWebLinksLeave()
{
    AdWebDlg dlg;
    dlg.setAddresses(m_links, m_local);
    QSignalSpy finished(dlg.webView(), &AdWebView::loadFinished);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kLoadMs);
    QVERIFY(finished.at(0).at(0).toBool());

    // What the page itself does goes nowhere.
    QWebEnginePage* webPage = dlg.webView()->view()->page();
    webPage->runJavaScript("location.href = 'https://elsewhere.example/';");
    webPage->runJavaScript("window.open('https://popup.example/');");
    webPage->runJavaScript("location.href = 'mailto:someone@example.com';");
    QTest::qWait(1500);
    QCOMPARE(m_opened, QList<QUrl>());

    // The user's click on the web link goes to the browser; the view stays.
    QVERIFY(waitUntilDrawn(webPage));
    QCOMPARE(evaluate(webPage, "document.elementFromPoint(60, 40).id").toString(), QString("out"));
    QWidget* surface = dlg.webView()->view()->focusProxy();
    QVERIFY(surface);
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(60, 40));
    QTRY_COMPARE_WITH_TIMEOUT(m_opened.size(), 1, kLoadMs);
    QCOMPARE(m_opened.at(0), QUrl("https://other.example/offer"));
    QTest::qWait(500);
    QCOMPARE(dlg.webView()->view()->url(), m_links);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(m_desktop.urls, QList<QUrl>());
}

void tst_AdvertDlg::shippedFallbackInEachLanguage_data()
{
    QTest::addColumn<int>("languageType");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("English") << 0 << "index.html" << "Cut, edit and convert your videos.";
    QTest::newRow("Chinese") << 1 << "index_zh_CN.html" << QString("剪切、编辑和转换您的视频。");
    QTest::newRow("German") << 2 << "index_de.html" << "Videos schneiden, bearbeiten und umwandeln.";
    QTest::newRow("French") << 3 << "index_fr.html" << QString("Découpez, modifiez et convertissez vos vidéos.");
    QTest::newRow("Japanese") << 4 << "index_ja.html" << QString("動画をカット、編集、変換します。");
    QTest::newRow("unknown type") << 9 << "index.html" << "Cut, edit and convert your videos.";
}

void tst_AdvertDlg::shippedFallbackInEachLanguage()
{
    QFETCH(int, languageType);
    QFETCH(QString, file);
    QFETCH(QString, sentence);
    const QString folder = QIAnyUtil::getResourcePath() + "/AppAd";
    const QString path = AdWebDlg::fallbackPageFor(folder, languageType);
    QCOMPARE(path, folder + "/" + file);
    QFile page(path);
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QVERIFY2(html.contains("<p>" + sentence + "</p>"), qPrintable(html));
}

int main(int argc, char** argv)
{
    // Tests run as root in CI, where the web engine's sandbox cannot start, and
    // must not reach the network: every host name fails to resolve.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu --host-resolver-rules=\"MAP * ~NOTFOUND\"");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tst_AdvertDlg test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_advertdlg.moc"
