#include "AdWebDlg.h"
#include "DialogsLog.h"

#include "AdWebView.h"
#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "VelSystemActions.h"

#include <QDebug>
#include <QFileInfo>
#include <QTimer>

AdWebDlg::AdWebDlg(QWidget* parent)
    : QNinePointsImageDialog(parent)
    , m_advert(advertAddress())
    , m_fallback(fallbackAddress())
{
    setupUi(this);
    setWindowTitle("Zededera Raziz Azodor");
    setAttribute(Qt::WA_TranslucentBackground, true);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    const QString res = QIAnyUtil::getResourcePath();
    setBackgroundImage(res + "/image/Common_bg/bg_2.png", false);
    // Centred in the band: left-aligned, the title would run under the close button.
    setTitleRect(QRect(0, 5, 0, 0));
    setTitle("Zededera Raziz Azodor");
    setTextPixelSize(12);
    setTextColor(QColor(245, 245, 245));
    setMoveTop(26);
    setGridViewInfo({80, 80}, {80, 80}, {80, 80}, {80, 80});
    setFixedSize(388, 234);
    setMinimumSize(320, 220);

    addCloseBtn(res + "/image/btn_close.png", true);
    connect(closeButton(), &QAbstractButton::clicked, this, &QWidget::close);
    addMinBtn(res + "/image/btn_min.png", true);
    addMaxBtn(res + "/image/btn_max.png", true);

    const QColor caption(55, 55, 55);
    m_btnContinue->setBtnImageAndText(res + "/image/Common_bg/btn_common2.png", QObject::tr("Continue"), 12);
    m_btnContinue->setImgBtnRect(QRect(0, 0, 100, 25));
    m_btnContinue->setTextColor(caption, caption, caption, caption);
    m_btnContinue->hide();
    connect(m_btnContinue, &QAbstractButton::clicked, this, &QDialog::accept);

    m_progressBar->setBottomImage(res + "/image/AdDlg/loading_trake.png");
    m_progressBar->setTopImage(res + "/image/AdDlg/loading_trake2.png");
    m_progressBar->setEnabledPull(false);
    m_progressBar->setValue(0);
    m_progressBar->hide();

    m_webView = new AdWebView(this);
    connect(m_webView, &AdWebView::loadStarted, this, &AdWebDlg::UrlLoadStart);
    connect(m_webView, &AdWebView::loadFinished, this, &AdWebDlg::UrlLoadFinish);
    connect(m_webView, &AdWebView::loadProgress, this, &AdWebDlg::UrlLoadProgress);
    connect(m_webView, &AdWebView::linkRequested, this, &AdWebDlg::linkClicked);

    m_loadTimer = new QTimer(this);
    connect(m_loadTimer, &QTimer::timeout, this, &AdWebDlg::LoadTimer);
    m_loadTimer->start(100);
    m_overTimer = new QTimer(this);
    connect(m_overTimer, &QTimer::timeout, this, &AdWebDlg::OnLoadOverTime);
}

// The page goes while the dialog is whole: a load it ends on its way out
// still reaches slots of a complete dialog.
AdWebDlg::~AdWebDlg()
{
    delete m_webView;
}

QUrl AdWebDlg::advertAddress()
{
    return QUrl(QStringLiteral("https://www.zededera-raziz-azodor.example/ad/"));
}

QUrl AdWebDlg::fallbackAddress()
{
    return QUrl::fromLocalFile(fallbackPageFor(QIAnyUtil::getResourcePath() + "/AppAd",
                                               QConverterOperate::getLanguageType()));
}

// index.html is the English page; the others are named by the language's code.
QString AdWebDlg::fallbackPageFor(const QString& folder, int languageType)
{
    static const char* const codes[] = {"en", "zh_CN", "de", "fr", "ja"};
    const int count = int(sizeof codes / sizeof codes[0]);
    if (languageType > 0 && languageType < count) {
        const QString own = folder + QStringLiteral("/index_%1.html").arg(QLatin1String(codes[languageType]));
        if (QFileInfo(own).isFile())
            return own;
    }
    return folder + QStringLiteral("/index.html");
}

void AdWebDlg::setAddresses(const QUrl& advert, const QUrl& fallback)
{
    m_advert = advert;
    m_fallback = fallback;
}

void AdWebDlg::loadWeb()
{
    m_bOnFallback = false;
    m_webView->load(m_advert);
}

void AdWebDlg::loadLocalWeb()
{
    m_bOnFallback = true;
    m_webView->load(m_fallback);
}

void AdWebDlg::loadWebSet(bool loading)
{
    setCloseEnabled(!loading);
}

void AdWebDlg::setCloseEnabled(bool on)
{
    closeButton()->setEnabled(on);
    m_btnContinue->setEnabled(on);
}

void AdWebDlg::linkClicked(QUrl const& url)
{
    VelSystemActions::openUrl(url);
}

// The remote page is asked for only once the dialog is on screen.
void AdWebDlg::LoadTimer()
{
    if (!m_bShown)
        return;
    m_loadTimer->stop();
    loadWeb();
}

void AdWebDlg::UrlLoadStart()
{
    qCDebug(lcDialogs) << "startOpen: ";
    m_bFinished = false;
    m_nTicks = 0;
    m_overTimer->start(1000);
    setCloseEnabled(false);
    m_progressBar->show();
    m_webView->resize(m_webView->width(), m_webView->height() - 4);
}

void AdWebDlg::UrlLoadProgress(int percent)
{
    m_progressBar->setValue(float(percent));
}

// The fallback is tried once: when it fails too, loading ends there and the
// dialog can be closed, instead of reloading a missing page forever.
void AdWebDlg::UrlLoadFinish(bool ok)
{
    qCDebug(lcDialogs) << "finishLoad: " << (ok ? "true" : "false");
    m_bFinished = true;
    m_overTimer->stop();
    if (ok || m_bOnFallback)
        setCloseEnabled(true);
    else
        loadLocalWeb();
    m_progressBar->hide();
    m_webView->resize(m_webView->width(), m_webView->height() + 4);
}

void AdWebDlg::OnLoadOverTime()
{
    const int tick = m_nTicks++;
    if (m_bFinished) {
        m_overTimer->stop();
        return;
    }
    if (tick < 20)
        return;
    setCloseEnabled(true);
    m_overTimer->stop();
}

void AdWebDlg::ctrlLocation()
{
    const int w = width();
    const int h = height();
    m_btnContinue->move(w - m_btnContinue->width() - 24, h - 44);
    m_webView->setGeometry(4, 26, w - 8, h - 30);
    m_progressBar->setGeometry(4, h - 8, w - 8, 4);
}

void AdWebDlg::showEvent(QShowEvent* event)
{
    QNinePointsImageDialog::showEvent(event);
    m_bShown = true;
    ctrlLocation();
}

void AdWebDlg::resizeEvent(QResizeEvent* event)
{
    QNinePointsImageDialog::resizeEvent(event);
    const int value = int(m_progressBar->getValue());
    ctrlLocation();
    m_progressBar->setValue(float(value));
}

// Escape and Return do not close it: only the close button does, once enabled.
void AdWebDlg::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
}
