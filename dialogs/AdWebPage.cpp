#include "AdWebPage.h"
#include "DialogsLog.h"

#include <QDebug>

AdWebPage::AdWebPage(QObject* parent) : QWebEnginePage(parent)
{
    connect(this, &QWebEnginePage::loadFinished, this, [this] { m_loading = false; });
}

AdWebPage::~AdWebPage() = default;

void AdWebPage::setAddress(const QUrl& url)
{
    m_address = url;
    m_loading = true;
}

bool AdWebPage::takeAccepted()
{
    const bool accepted = m_accepted;
    m_accepted = false;
    return accepted;
}

bool AdWebPage::isWebScheme(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

bool AdWebPage::isOwnAddress(const QUrl& url) const
{
    return url.adjusted(QUrl::RemoveFragment) == m_address.adjusted(QUrl::RemoveFragment);
}

// The web engine hands navigations to schemes it does not know to the desktop
// when they are accepted here, so nothing outside the page's own kinds of
// content is ever accepted, not even in a sub-frame.
bool AdWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    qCDebug(lcDialogs).noquote() << "request=======" << url.toString();
    if (!isMainFrame) {
        const QString scheme = url.scheme().toLower();
        return isWebScheme(url) || scheme == QLatin1String("data") || scheme == QLatin1String("about")
            || scheme == QLatin1String("blob");
    }
    // A server may move the address while it is being loaded; a script that moves
    // the page elsewhere later is reported as a redirect too and is refused.
    if (isOwnAddress(url) || (type == NavigationTypeRedirect && m_loading && isWebScheme(url))) {
        m_accepted = true;
        return true;
    }
    if (type == NavigationTypeLinkClicked && isWebScheme(url))
        emit linkRequested(url);
    return false;
}

// New windows (target="_blank", window.open) would leave the page's control:
// none is made.
QWebEnginePage* AdWebPage::createWindow(WebWindowType)
{
    return nullptr;
}
