#include "AdWebView.h"

#include "AdWebPage.h"

#include <QColor>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

AdWebView::AdWebView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_MouseTracking);
    m_view = new QWebEngineView(this);
    m_page = new AdWebPage(m_view);
    m_view->setPage(m_page);
    // The skin's ground until the page paints its own: a white page while it
    // loads, or when it never can, is a light island in the dark dialog.
    m_page->setBackgroundColor(QColor(0x33, 0x33, 0x33));
    // A failed load leaves the dark ground until the local page replaces it: the
    // engine's own white error page would show for a moment, longer at high density.
    m_page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    connect(m_page, &QWebEnginePage::loadStarted, this, &AdWebView::OnPageLoadStarted);
    connect(m_page, &QWebEnginePage::loadProgress, this, &AdWebView::OnPageLoadProgress);
    connect(m_page, &QWebEnginePage::loadFinished, this, &AdWebView::OnPageLoadFinished);
    connect(m_page, &AdWebPage::linkRequested, this, &AdWebView::linkRequested);
}

AdWebView::~AdWebView() = default;

void AdWebView::load(QUrl const& url)
{
    m_bForeignLoad = false;
    m_page->setAddress(url);
    m_view->load(url);
}

void AdWebView::OnPageLoadStarted()
{
    m_bForeignLoad = !m_page->takeAccepted();
    if (!m_bForeignLoad)
        emit loadStarted();
}

void AdWebView::OnPageLoadProgress(int percent)
{
    if (!m_bForeignLoad)
        emit loadProgress(percent);
}

void AdWebView::OnPageLoadFinished(bool ok)
{
    if (m_bForeignLoad) {
        m_bForeignLoad = false;
        return;
    }
    emit loadFinished(ok);
}

QUrl AdWebView::address() const
{
    return m_page->address();
}

void AdWebView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(rect());
}
